#include "keyboard/letter_ink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "keyboard/key_colours.h"

namespace {

// Relative luminance and contrast ratio of two colours, as WCAG 2 defines them.
double Luminance(std::uint32_t c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(gfx::Red(c)) + 0.7152 * channel(gfx::Green(c)) +
         0.0722 * channel(gfx::Blue(c));
}

double Contrast(std::uint32_t a, std::uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(SyllableInks, EveryInkReadsOnTheWholeFaceOfEveryScheme) {
  for (int scheme = 0; scheme < keyboard::kSchemeCount; ++scheme) {
    const auto& key = keyboard::kLetterKeyColours[static_cast<std::size_t>(scheme)];
    for (int pair = 0; pair < keyboard::kSyllablePairCount; ++pair) {
      const auto& inks =
          keyboard::kSyllableInks[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(pair)];
      for (const std::uint32_t ink : {inks.first, inks.second, inks.mute}) {
        // The face's light runs between its top and its bottom: its ends are the extremes.
        const double worst = std::min(Contrast(ink, key.faceTop), Contrast(ink, key.faceBottom));
        std::printf("scheme %d pair %d ink #%06X: %.2f:1\n", scheme, pair, ink, worst);
        EXPECT_GE(worst, 4.5) << "scheme " << scheme << " pair " << pair << " ink " << ink;
      }
      // The two syllables and the mute letters are three colours.
      EXPECT_NE(inks.first, inks.second);
      EXPECT_NE(inks.second, inks.mute);
      EXPECT_NE(inks.first, inks.mute);
    }
  }
  // The colours a teacher asks for by name.
  EXPECT_EQ(keyboard::kSyllableInks[0][0].first, 0x1F4EC8u);
  EXPECT_EQ(keyboard::kSyllableInks[0][0].second, 0xC8201Fu);
}

gfx::Colour Mix(gfx::Colour a, gfx::Colour b, double t) {
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return gfx::Rgb(m(gfx::Red(a), gfx::Red(b)), m(gfx::Green(a), gfx::Green(b)),
                  m(gfx::Blue(a), gfx::Blue(b)));
}

bool SamePixels(const gfx::Image& a, const gfx::Image& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

bool Near(gfx::Colour a, gfx::Colour b, int tolerance) {
  return std::abs(gfx::Red(a) - gfx::Red(b)) <= tolerance &&
         std::abs(gfx::Green(a) - gfx::Green(b)) <= tolerance &&
         std::abs(gfx::Blue(a) - gfx::Blue(b)) <= tolerance;
}

// A tile as the keyboard pictures draw it: rim, face lit from the top, letter strokes in the
// scheme's inks with anti-aliased edges.
TEST(LetterInk, TheLetterTakesTheNewInkAndTheRestOfTheTileStays) {
  for (int scheme = 0; scheme < keyboard::kSchemeCount; ++scheme) {
    const auto& key = keyboard::kLetterKeyColours[static_cast<std::size_t>(scheme)];
    gfx::Image tile(40, 40);
    for (int y = 0; y < 40; ++y) {
      const gfx::Colour face = Mix(key.faceTop, key.faceBottom, y / 39.0);
      for (int x = 0; x < 40; ++x) {
        const bool rim = x == 0 || y == 0 || x == 39 || y == 39;
        tile.SetPixel(x, y, rim ? keyboard::kKeyRim : face);
      }
    }
    // A consonant's stroke, a vowel's stroke, and a pixel each half covered.
    for (int y = 10; y < 30; ++y) {
      tile.SetPixel(12, y, key.consonant);
      tile.SetPixel(26, y, key.vowel);
    }
    const gfx::Colour faceAt20 = tile.Pixel(5, 20);
    tile.SetPixel(13, 20, Mix(faceAt20, key.consonant, 0.5));
    tile.SetPixel(27, 20, Mix(faceAt20, key.vowel, 0.5));
    const gfx::Image before = tile;

    gfx::Image screen = tile;
    gfx::Canvas canvas(screen);
    keyboard::InkTileLetter(canvas, gfx::Rect{0, 0, 40, 40}, key, keyboard::kKeepInk);
    EXPECT_TRUE(SamePixels(screen, before)) << "scheme " << scheme;

    const gfx::Colour green = gfx::Rgb(0x10, 0x80, 0x20);
    keyboard::InkTileLetter(canvas, gfx::Rect{0, 0, 40, 40}, key, green);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        const bool stroke = (x == 12 || x == 26) && y >= 10 && y < 30;
        const bool half = (x == 13 || x == 27) && y == 20;
        const gfx::Colour got = screen.Pixel(x, y);
        if (stroke) {
          ASSERT_TRUE(Near(got, green, 1)) << scheme << " " << x << "," << y;
        } else if (half) {
          ASSERT_TRUE(Near(got, Mix(faceAt20, green, 0.5), 3)) << scheme << " " << x << "," << y;
        } else {
          ASSERT_EQ(got, before.Pixel(x, y)) << scheme << " " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
