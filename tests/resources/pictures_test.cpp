#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "effects/fireworks_names.h"
#include "keyboard/key_table.h"
#include "keyboard/picture_names.h"
#include "program_folder.h"
#include "puzzle/default_picture.h"
#include "support/temp_folder.h"

namespace {

using keyboard::KeypadPictureName;
using keyboard::kLetterPageCount;
using keyboard::kSchemeCount;
using keyboard::LetterPictureName;
using resources_test::ProgramFolder;
using resources_test::ReadPicture;

const std::filesystem::path kResb = ProgramFolder() / "resb";
// The keypad's colour schemes: blue (which the vowels scheme shares) and black.
const std::string kKeypads[] = {KeypadPictureName(0), KeypadPictureName(2)};

// Widths of the key faces of each row at zoom 1.0, left to right.
const std::array<std::vector<int>, 4> kRowWidths = {{
    {40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 65},
    {40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 55},
    {65, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40},
    {55, 40, 40, 170, 40, 40, 40, 40},
}};

int Lightness(QRgb c) {
  return QColor(c).lightness();
}

// The dark rim of a face stands at both of its edges and the light face just inside them.
void ExpectFace(const QImage& image, int left, int top, int width, const std::string& where) {
  for (int y = top + 8; y < top + 33; y += 6) {
    const int inside = Lightness(image.pixel(left + 3, y));
    EXPECT_LT(Lightness(image.pixel(left, y)), inside - 20) << where << " left edge at x=" << left;
    EXPECT_LT(Lightness(image.pixel(left + width - 1, y)),
              Lightness(image.pixel(left + width - 4, y)) - 20)
        << where << " right edge at x=" << left + width - 1;
  }
}

// Pixels clearly darker than the face, that is a label or a symbol, inside a 40 × 40 face.
int InkPixels(const QImage& image, int left, int top) {
  const int face = Lightness(image.pixel(left + 4, top + 4));
  int ink = 0;
  for (int y = top + 3; y < top + 37; ++y) {
    for (int x = left + 3; x < left + 37; ++x) ink += Lightness(image.pixel(x, y)) < face - 90;
  }
  return ink;
}

// Ink in the two pixels just inside the rim: a letter that would be cut off in its tile.
int InkOnTheBorder(const QImage& image, int left, int top) {
  const int face = Lightness(image.pixel(left + 4, top + 4));
  int ink = 0;
  for (int i = 1; i < 39; ++i) {
    for (int d : {1, 2, 37, 38}) {
      ink += Lightness(image.pixel(left + i, top + d)) < face - 90;
      ink += Lightness(image.pixel(left + d, top + i)) < face - 90;
    }
  }
  return ink;
}

// The colour of the darkest pixel of a face: the heart of its letter.
QColor InkColour(const QImage& image, int left, int top) {
  QRgb darkest = image.pixel(left + 4, top + 4);
  for (int y = top + 3; y < top + 37; ++y) {
    for (int x = left + 3; x < left + 37; ++x) {
      if (Lightness(image.pixel(x, y)) < Lightness(darkest)) darkest = image.pixel(x, y);
    }
  }
  return QColor(darkest);
}

TEST(Pictures, EveryPictureHasTheSizeTheProgramCutsItWith) {
  for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
    for (int page = 0; page < kLetterPageCount; ++page) {
      const QImage image = ReadPicture(kResb / LetterPictureName(scheme, page));
      EXPECT_EQ(image.size(), QSize(465, 160)) << LetterPictureName(scheme, page);
    }
  }
  for (const std::string& keypad : kKeypads) {
    EXPECT_EQ(ReadPicture(kResb / keypad).size(), QSize(200, 160)) << keypad;
  }
  for (const std::string& icon : resources_test::IconNames()) {
    EXPECT_EQ(ReadPicture(kResb / icon).size(), QSize(72, 72)) << icon;
  }
  EXPECT_EQ(
      ReadPicture(ProgramFolder() / puzzle::kPictureFolder / puzzle::kDefaultPictureFile).size(),
      QSize(800, 600));
}

TEST(Pictures, FireworksAreElevenFramesOfOneModestSize) {
  // The program keeps the eleven frames decoded side by side.
  const QImage first = ReadPicture(kResb / effects::FireworksFrameFile(0));
  ASSERT_FALSE(first.isNull());
  EXPECT_LE(first.width(), 640);
  EXPECT_LE(first.height(), 480);
  QImage previous = first;
  for (int i = 1; i < effects::kFireworksFrameCount; ++i) {
    const QImage frame = ReadPicture(kResb / effects::FireworksFrameFile(i));
    EXPECT_EQ(frame.size(), first.size()) << "frame " << i;
    EXPECT_NE(frame, previous) << "frame " << i << " does not move";
    previous = frame;
  }
}

TEST(Pictures, LetterKeyFacesLineUpWithTheKeyWidths) {
  for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
    for (int page = 0; page < kLetterPageCount; ++page) {
      const std::string name = LetterPictureName(scheme, page);
      const QImage image = ReadPicture(kResb / name);
      ASSERT_FALSE(image.isNull()) << name;
      for (int row = 0; row < 4; ++row) {
        int x = 0;
        for (std::size_t column = 0; column < kRowWidths[row].size(); ++column) {
          const int width = kRowWidths[row][column];
          ExpectFace(image, x, row * 40, width,
                     name + " row " + std::to_string(row) + " column " + std::to_string(column));
          x += width;
        }
      }
    }
  }
  // The erase key is the last face of the first row.
  const QImage lower = ReadPicture(kResb / LetterPictureName(0, keyboard::PageLower));
  ExpectFace(lower, 465 - 65, 0, 65, "erase key");
}

TEST(Pictures, KeypadFacesAreFortyPixelSquares) {
  for (const std::string& name : kKeypads) {
    const QImage image = ReadPicture(kResb / name);
    ASSERT_FALSE(image.isNull()) << name;
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 5; ++column) ExpectFace(image, column * 40, row * 40, 40, name);
    }
  }
}

// A label shows ink; an inert key and a key without a label show none.
TEST(Pictures, EveryKeyShowsItsLabelAndInertKeysShowNothing) {
  for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
    for (int page = 0; page < kLetterPageCount; ++page) {
      const std::string name = LetterPictureName(scheme, page);
      const QImage image = ReadPicture(kResb / name);
      ASSERT_FALSE(image.isNull()) << name;
      for (int row = 0; row < 4; ++row) {
        int x = 0;
        for (std::size_t column = 0; column < kRowWidths[row].size(); ++column) {
          const char label = keyboard::kLetterPages[page][row * 11 + column];
          const bool plain = kRowWidths[row][column] == 40;
          if (plain) {
            const int ink = InkPixels(image, x, row * 40);
            const std::string where = name + " key " + std::to_string(row * 11 + column);
            EXPECT_EQ(InkOnTheBorder(image, x, row * 40), 0) << where << " touches its edge";
            if (label == ' ' || label == keyboard::kInertLabel) {
              EXPECT_EQ(ink, 0) << where;
            } else {
              EXPECT_GT(ink, 3) << where;
            }
          }
          x += kRowWidths[row][column];
        }
      }
    }
  }
  for (const std::string& name : kKeypads) {
    const QImage image = ReadPicture(kResb / name);
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 5; ++column) {
        const int ink = InkPixels(image, column * 40, row * 40);
        EXPECT_EQ(InkOnTheBorder(image, column * 40, row * 40), 0)
            << name << " key " << row * 5 + column;
        if (column == 3) {
          EXPECT_EQ(ink, 0) << name << " inert key of row " << row;
        } else {
          EXPECT_GT(ink, 3) << name << " key " << row * 5 + column;
        }
      }
    }
  }
}

TEST(Pictures, ColourSchemesColourTheLetters) {
  const auto isBlue = [](const QColor& c) {
    return c.blue() > c.red() + 60 && c.blue() > c.green();
  };
  const auto isRed = [](const QColor& c) {
    return c.red() > c.blue() + 60 && c.red() > c.green() + 60;
  };
  const auto isBlack = [](const QColor& c) { return c.lightness() < 60 && c.saturation() < 60; };
  // Row 0 starts "a z e": a vowel, a consonant, a vowel; row 2 ends "é à è ê" on the lower page.
  const QImage blue = ReadPicture(kResb / LetterPictureName(0, keyboard::PageLower));
  const QImage vowels = ReadPicture(kResb / LetterPictureName(1, keyboard::PageLower));
  const QImage capitals = ReadPicture(kResb / LetterPictureName(1, keyboard::PageUpper));
  const QImage black = ReadPicture(kResb / LetterPictureName(2, keyboard::PageLower));
  for (int column : {0, 1, 2}) {
    EXPECT_TRUE(isBlue(InkColour(blue, column * 40, 0))) << "blue scheme, key " << column;
    EXPECT_TRUE(isBlack(InkColour(black, column * 40, 0))) << "black scheme, key " << column;
  }
  EXPECT_TRUE(isRed(InkColour(vowels, 0, 0)));             // a
  EXPECT_TRUE(isBlue(InkColour(vowels, 40, 0)));           // z
  EXPECT_TRUE(isRed(InkColour(vowels, 80, 0)));            // e
  EXPECT_TRUE(isRed(InkColour(vowels, 65 + 6 * 40, 80)));  // é
  EXPECT_TRUE(isBlue(InkColour(vowels, 0, 40)));           // q
  EXPECT_TRUE(isRed(InkColour(capitals, 5 * 40, 0)));      // Y
  EXPECT_TRUE(isBlue(InkColour(capitals, 9 * 40, 0)));     // P
}

// Plain uncompressed 24-bit pictures, which every picture loader reads, whatever the file ends
// with.
TEST(Pictures, BitmapsArePlainTwentyFourBitFiles) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(kResb))
    files.push_back(entry.path());
  // Nothing else lies in resb/: every file there is one the program loads.
  const auto& generated = resources_test::GeneratedFiles();
  const auto inResb = static_cast<std::size_t>(
      std::count_if(generated.begin(), generated.end(),
                    [](const auto& name) { return name.starts_with("resb/"); }));
  EXPECT_EQ(files.size(), inResb);
  for (const auto& path : files) {
    const std::string b = testing_support::ReadBytes(path);
    ASSERT_GE(b.size(), 54u) << path;
    const auto u32 = [&b](std::size_t at) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
             static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
             static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
             static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
    };
    EXPECT_EQ(b.compare(0, 2, "BM"), 0) << path;
    EXPECT_EQ(u32(2), b.size()) << path;
    EXPECT_EQ(u32(14), 40u) << path << ": not a plain bitmap header";
    EXPECT_EQ(static_cast<unsigned char>(b[28]), 24) << path << ": not 24 bits per pixel";
    EXPECT_EQ(u32(30), 0u) << path << ": compressed";
  }
}

TEST(Pictures, EveryIconIsAPictureOfItsOwn) {
  std::vector<QImage> icons;
  for (const std::string& name : resources_test::IconNames()) {
    const QImage icon = ReadPicture(kResb / name);
    ASSERT_FALSE(icon.isNull()) << name;
    for (std::size_t i = 0; i < icons.size(); ++i) {
      EXPECT_NE(icon, icons[i]) << name << " is the same picture as "
                                << resources_test::IconNames()[i];
    }
    icons.push_back(icon);
  }
}

}  // namespace
