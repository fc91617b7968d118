#include "gfx/image.h"

#include <gtest/gtest.h>

#include "gfx/colour.h"

namespace {

using gfx::Image;
using gfx::Rgb;

TEST(Image, QuarterTurnMovesEveryPixelAndSwapsTheSides) {
  Image source(3, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) source.SetPixel(x, y, Rgb(x, y, 0));
  }
  const Image turned = gfx::TurnQuarter(source);
  ASSERT_EQ(turned.Width(), 2);
  ASSERT_EQ(turned.Height(), 3);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(turned.Pixel(y, 3 - 1 - x), Rgb(x, y, 0));
  }
}

TEST(Image, SmoothScalingKeepsAPlainColourAndBlendsEdges) {
  const Image plain(10, 6, Rgb(77, 228, 223));
  for (auto [w, h] : {std::pair{5, 3}, std::pair{23, 17}, std::pair{1, 1}}) {
    const Image scaled = gfx::ScaleSmooth(gfx::ViewOf(plain), w, h);
    ASSERT_EQ(scaled.Width(), w);
    ASSERT_EQ(scaled.Height(), h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) ASSERT_EQ(scaled.Pixel(x, y), Rgb(77, 228, 223));
    }
  }
  // Black left half, white right half: halving keeps the halves and blends only the seam.
  Image halves(8, 2, Rgb(255, 255, 255));
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) halves.SetPixel(x, y, 0);
  }
  const Image half = gfx::ScaleSmooth(gfx::ViewOf(halves), 4, 1);
  EXPECT_LT(gfx::Red(half.Pixel(0, 0)), 40);
  EXPECT_GT(gfx::Red(half.Pixel(3, 0)), 215);
}

TEST(Image, CropAndViewsStayInsideTheImage) {
  Image source(4, 4, Rgb(1, 1, 1));
  source.SetPixel(3, 3, Rgb(9, 9, 9));
  const Image part = gfx::Crop(source, gfx::Rect{2, 2, 10, 10});
  ASSERT_EQ(part.Width(), 2);
  EXPECT_EQ(part.Pixel(1, 1), Rgb(9, 9, 9));
  EXPECT_TRUE(gfx::Crop(source, gfx::Rect{5, 5, 8, 8}).IsNull());
}

TEST(Colour, FileColoursAreBlueGreenRed) {
  EXPECT_EQ(gfx::ToFileColour(Rgb(77, 228, 223)), 0x00DFE44Du);
  EXPECT_EQ(gfx::FromFileColour(0x00DFE44Du), Rgb(77, 228, 223));
}

TEST(Rect, UnionIgnoresEmptyRectanglesAndIntersectionCanBeEmpty) {
  const gfx::Rect a{0, 0, 10, 10};
  EXPECT_EQ(a.Union(gfx::Rect{}), a);
  EXPECT_EQ(gfx::Rect{}.Union(a), a);
  EXPECT_EQ(a.Union(gfx::Rect{20, 5, 30, 40}), (gfx::Rect{0, 0, 30, 40}));
  EXPECT_TRUE(a.Intersect(gfx::Rect{10, 0, 20, 10}).IsEmpty());
  EXPECT_TRUE(a.Contains({9, 9}));
  EXPECT_FALSE(a.Contains({10, 9}));
}

}  // namespace
