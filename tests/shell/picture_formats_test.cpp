#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <string>

#include "gfx/colour.h"
#include "shell/qt_pictures.h"
#include "shell/qt_text.h"
#include "support/temp_folder.h"

// The puzzle opens the pictures a teacher has at hand: BMP, JPEG, GIF and TIFF.
namespace {

// Four quadrants of their own colours: a picture read upside down, mirrored, cut short or with
// its channels swapped shows a wrong colour somewhere.
const gfx::Colour kQuadrants[2][2] = {{gfx::Rgb(0xFF, 0x00, 0x00), gfx::Rgb(0x00, 0xA0, 0x00)},
                                      {gfx::Rgb(0x00, 0x00, 0xFF), gfx::Rgb(0xFF, 0xD0, 0x00)}};

QImage Quadrants(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, 0xFF000000u | kQuadrants[y * 2 / height][x * 2 / width]);
    }
  }
  return image;
}

// The same quadrants in a GIF of 8 × 4 pixels, written by hand since Qt reads GIF but cannot write
// it: a four-colour table, then the pixels as plain codes with a clear code before every two.
const unsigned char kGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x08, 0x00, 0x04, 0x00, 0x81, 0x00, 0x00, 0xFF, 0x00,
    0x00, 0x00, 0xA0, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xD0, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00,
    0x08, 0x00, 0x04, 0x00, 0x00, 0x02, 0x13, 0x04, 0x08, 0x30, 0x61, 0x42, 0x80, 0x00, 0x13,
    0x26, 0x94, 0x28, 0x71, 0xE3, 0x46, 0x89, 0x12, 0x37, 0x6E, 0x05, 0x00, 0x3B};

bool Near(gfx::Colour a, gfx::Colour b, int tolerance) {
  return std::abs(gfx::Red(a) - gfx::Red(b)) <= tolerance &&
         std::abs(gfx::Green(a) - gfx::Green(b)) <= tolerance &&
         std::abs(gfx::Blue(a) - gfx::Blue(b)) <= tolerance;
}

TEST(PictureFormats, EveryFormatThePuzzleOpensLoadsWithItsSizeAndColours) {
  testing_support::TempFolder folder;
  const QImage source = Quadrants(32, 16);
  struct Written {
    const char* file;
    const char* format;
  };
  for (const Written& w : {Written{"picture.bmp", "BMP"}, Written{"picture.jpg", "JPEG"},
                           Written{"picture.tif", "TIFF"}, Written{"picture.tiff", "TIFF"}}) {
    ASSERT_TRUE(source.save(shell::PathToQt(folder / w.file), w.format, 95))
        << "Qt cannot write " << w.format << " (TIFF comes with qt6-image-formats-plugins)";
  }
  testing_support::WriteBytes(folder / "picture.gif",
                              std::string(reinterpret_cast<const char*>(kGif), sizeof kGif));

  struct Case {
    const char* file;
    gfx::Size size;
    int tolerance;  // JPEG is lossy
  };
  const Case cases[] = {{"picture.bmp", {32, 16}, 0},
                        {"picture.jpg", {32, 16}, 40},
                        {"picture.gif", {8, 4}, 0},
                        {"picture.tif", {32, 16}, 0},
                        {"picture.tiff", {32, 16}, 0}};
  shell::QtPictures pictures;
  for (const Case& c : cases) {
    const auto picture = pictures.Load(folder / c.file);
    ASSERT_NE(picture, nullptr) << c.file << " does not load";
    EXPECT_EQ(picture->PixelSize(), c.size) << c.file;
    const gfx::Image image = pictures.Render(*picture, c.size.width, c.size.height);
    ASSERT_EQ(image.GetSize(), c.size) << c.file;
    for (int row = 0; row < 2; ++row) {
      for (int column = 0; column < 2; ++column) {
        // The middle of each quadrant, away from the edges a lossy format blurs.
        const int x = (2 * column + 1) * c.size.width / 4;
        const int y = (2 * row + 1) * c.size.height / 4;
        EXPECT_TRUE(Near(image.Pixel(x, y), kQuadrants[row][column], c.tolerance))
            << c.file << " at (" << x << ", " << y << "): " << std::hex << image.Pixel(x, y)
            << " instead of " << kQuadrants[row][column];
      }
    }
  }
}

}  // namespace
