#include "gfx/canvas.h"

#include <gtest/gtest.h>

namespace {

using gfx::Canvas;
using gfx::Image;
using gfx::Rect;
using gfx::Rgb;

constexpr gfx::Colour kRed = Rgb(255, 0, 0);
constexpr gfx::Colour kBlue = Rgb(0, 0, 255);

int CountColour(const Image& image, gfx::Colour c) {
  int n = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) n += image.Pixel(x, y) == c ? 1 : 0;
  }
  return n;
}

TEST(Canvas, FillStaysInsideTheClip) {
  Image image(20, 20, 0);
  Canvas canvas(image, Rect{5, 5, 10, 10});
  canvas.Fill(Rect{0, 0, 20, 20}, kRed);
  EXPECT_EQ(CountColour(image, kRed), 25);
  EXPECT_EQ(image.Pixel(4, 5), 0u);
  EXPECT_EQ(image.Pixel(5, 5), kRed);
  EXPECT_EQ(image.Pixel(9, 9), kRed);
  EXPECT_EQ(image.Pixel(10, 9), 0u);
}

TEST(Canvas, FrameOutlinesInsideTheRectangle) {
  Image image(10, 10, 0);
  Canvas canvas(image);
  canvas.Frame(Rect{2, 2, 8, 8}, kBlue);
  EXPECT_EQ(CountColour(image, kBlue), 20);  // 6 × 6 ring
  EXPECT_EQ(image.Pixel(2, 2), kBlue);
  EXPECT_EQ(image.Pixel(7, 7), kBlue);
  EXPECT_EQ(image.Pixel(3, 3), 0u);
  EXPECT_EQ(image.Pixel(8, 8), 0u);

  Image thick(10, 10, 0);
  Canvas(thick).Frame(Rect{0, 0, 10, 10}, kBlue, 2);
  EXPECT_EQ(CountColour(thick, kBlue), 100 - 36);
}

TEST(Canvas, RaisedEdgeIsLightTopLeftAndDarkBottomRight) {
  Image image(10, 10, 0);
  Canvas(image).Edge(Rect{0, 0, 10, 10}, gfx::EdgeStyle::kRaised);
  EXPECT_EQ(image.Pixel(0, 0), gfx::kEdgeLight);
  EXPECT_EQ(image.Pixel(9, 9), gfx::kEdgeDarkShadow);
  EXPECT_EQ(image.Pixel(1, 1), gfx::kEdgeHighlight);
  EXPECT_EQ(image.Pixel(8, 8), gfx::kEdgeShadow);
  EXPECT_EQ(image.Pixel(5, 5), 0u);

  Image inner(6, 6, 0);
  Canvas(inner).Edge(Rect{0, 0, 6, 6}, gfx::EdgeStyle::kRaisedInner);
  EXPECT_EQ(inner.Pixel(0, 3), gfx::kEdgeHighlight);
  EXPECT_EQ(inner.Pixel(5, 3), gfx::kEdgeShadow);
  EXPECT_EQ(inner.Pixel(1, 1), 0u);
}

TEST(Canvas, CopyClipsBothTheSourceAndTheTarget) {
  Image source(4, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) source.SetPixel(x, y, Rgb(x, y, 7));
  }
  Image target(6, 6, 0);
  Canvas canvas(target);
  // Part of the source lies outside it, part of the target outside the image.
  canvas.Copy(source, Rect{2, 2, 6, 6}, gfx::Point{4, 4});
  EXPECT_EQ(target.Pixel(4, 4), Rgb(2, 2, 7));
  EXPECT_EQ(target.Pixel(5, 5), Rgb(3, 3, 7));
  EXPECT_EQ(CountColour(target, 0), 32);

  Image negative(6, 6, 0);
  Canvas(negative).Copy(source, source.Bounds(), gfx::Point{-2, -1});
  EXPECT_EQ(negative.Pixel(0, 0), Rgb(2, 1, 7));
  EXPECT_EQ(negative.Pixel(1, 2), Rgb(3, 3, 7));
  EXPECT_EQ(negative.Pixel(2, 0), 0u);
}

TEST(Canvas, StretchOfTheSameSizeIsACopy) {
  Image source(3, 3, kRed);
  source.SetPixel(1, 1, kBlue);
  Image target(5, 5, 0);
  Canvas(target).Stretch(gfx::ViewOf(source), Rect{1, 1, 4, 4});
  EXPECT_EQ(target.Pixel(2, 2), kBlue);
  EXPECT_EQ(target.Pixel(1, 1), kRed);
  EXPECT_EQ(target.Pixel(0, 0), 0u);
}

}  // namespace
