#include <gtest/gtest.h>

#include "gfx/picture_drawing.h"
#include "ports/picture_loading.h"
#include "support/view_harness.h"

namespace {

using testing_support::ViewHarness;

TEST(PictureHelpers, FitPictureFillsTheBoxKeepingProportions) {
  testing_support::FakePictures pictures;
  pictures.files["wide"] = gfx::Image(1000, 500);
  pictures.files["small"] = gfx::Image(300, 200);
  struct Case {
    const char* file;
    float zoom;
    int width, height;
  };
  for (const Case c : {Case{"wide", 1.0f, 600, 300}, Case{"small", 1.0f, 600, 400},
                       Case{"wide", 0.4f, 240, 120}, Case{"small", 2.0f, 1200, 800}}) {
    const auto picture = ports::LoadPicture(pictures, c.file);
    const ports::FittedPicture fitted =
        ports::FitPicture(pictures, picture.get(), 600, 400, c.zoom);
    EXPECT_EQ(fitted.bitmap.Width(), c.width) << c.file << " " << c.zoom;
    EXPECT_EQ(fitted.bitmap.Height(), c.height) << c.file << " " << c.zoom;
    EXPECT_EQ(fitted.size, (gfx::Size{c.width, c.height}));
  }
  EXPECT_TRUE(ports::FitPicture(pictures, nullptr, 600, 400, 1.0f).bitmap.IsNull());
  EXPECT_TRUE(ports::LoadPicture(pictures, "missing") == nullptr);
}

TEST(PictureHelpers, DrawBitmapCentredCutsWithoutStretchAndShrinksWithIt) {
  gfx::Image bitmap(72, 72);
  for (int y = 0; y < 72; ++y) {
    for (int x = 0; x < 72; ++x) bitmap.SetPixel(x, y, gfx::Rgb(x, y, 1));
  }
  gfx::Image screen(100, 100, 0);
  gfx::Canvas canvas(screen);
  const gfx::Rect covered =
      gfx::DrawBitmapCentred(canvas, gfx::ViewOf(bitmap), gfx::Rect{10, 10, 46, 46}, false);
  EXPECT_EQ(covered, (gfx::Rect{10, 10, 46, 46}));
  // The top-left quarter of the bitmap, pixel for pixel.
  for (int y = 0; y < 36; ++y) {
    for (int x = 0; x < 36; ++x) ASSERT_EQ(screen.Pixel(10 + x, 10 + y), gfx::Rgb(x, y, 1));
  }
  EXPECT_EQ(screen.Pixel(46, 46), 0u);

  gfx::Image shrunk(100, 100, 0);
  gfx::Canvas shrinkCanvas(shrunk);
  gfx::DrawBitmapCentred(shrinkCanvas, gfx::ViewOf(bitmap), gfx::Rect{0, 0, 36, 36}, true);
  // The whole bitmap in half the size: its far corner lands at the corner of the rectangle.
  EXPECT_GT(gfx::Red(shrunk.Pixel(35, 35)), 60);

  // A small bitmap is centred: (left + right - w) / 2.
  gfx::Image small(10, 10, gfx::Rgb(5, 5, 5));
  EXPECT_EQ(gfx::DrawBitmapCentred(canvas, gfx::ViewOf(small), gfx::Rect{0, 0, 25, 25}, false),
            (gfx::Rect{7, 7, 17, 17}));
}

TEST(Background, ShadesFollowTheChosenColour) {
  struct Case {
    gfx::Colour chosen;
    bool puzzle;
    gfx::Colour shade1, shade2;
  };
  using gfx::Rgb;
  for (const Case c : {Case{Rgb(0, 0, 0), false, Rgb(0, 0, 0), Rgb(0, 0, 0)},
                       Case{Rgb(0, 0, 0), true, Rgb(0, 0, 0), Rgb(0, 0, 0)},
                       Case{Rgb(15, 20, 200), false, Rgb(5, 10, 190), Rgb(0, 0, 180)},
                       Case{Rgb(15, 20, 200), true, Rgb(5, 10, 190), Rgb(0, 0, 180)},
                       Case{Rgb(100, 100, 100), false, Rgb(90, 90, 90), Rgb(80, 60, 80)},
                       Case{Rgb(100, 100, 100), true, Rgb(90, 90, 90), Rgb(80, 80, 80)},
                       Case{Rgb(77, 228, 223), false, Rgb(67, 218, 213), Rgb(57, 188, 203)}}) {
    gfx::Colour s1 = 0, s2 = 0;
    app::Layout::ShadesForBackground(c.chosen, c.puzzle, s1, s2);
    EXPECT_EQ(s1, c.shade1);
    EXPECT_EQ(s2, c.shade2);
  }
}

TEST(Painting, TheFirstPaintFillsTheBackgroundAndLoadsTheFrenchText) {
  ViewHarness harness;
  testing_support::WriteBytes(harness.data / "defautabc",
                              "$1\r\n$X10\r\n$Y5\r\n#0\r\n\"Ecris\"\r\r\nle chat");
  auto& view = harness.Create();
  EXPECT_EQ(view.Parts().state.frenchTextPending, 1);
  const gfx::Image& screen = harness.Paint();
  EXPECT_EQ(view.Parts().state.frenchTextPending, 0);
  EXPECT_EQ(view.Parts().editorDialog.text, "\"Ecris\"\r\nle chat");
  EXPECT_EQ(screen.GetSize(), (gfx::Size{1200, 850}));
  EXPECT_EQ(screen.Pixel(2, 2), gfx::Rgb(77, 228, 223));
  EXPECT_EQ(screen.Pixel(1199, 849 - 60), gfx::Rgb(77, 228, 223));
  // A grid cell in the first shade, under its light edge.
  const gfx::Rect cell = base::CellRect(view.Parts().state, 3, 2);
  EXPECT_EQ(screen.Pixel(cell.left + 5, cell.top + 5), gfx::Rgb(57, 208, 203));
  EXPECT_EQ(screen.Pixel(cell.left, cell.top + 5), gfx::kEdgeHighlight);
}

TEST(Painting, APaintRecomposesOnlyTheClipUntilTheWindowIsResized) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();
  view.Parts().state.backgroundColour = gfx::Rgb(1, 2, 3);
  view.OnDraw(gfx::Rect{0, 0, 10, 10});
  EXPECT_EQ(view.BackBuffer().Pixel(5, 5), gfx::Rgb(1, 2, 3));
  EXPECT_EQ(view.BackBuffer().Pixel(20, 5), gfx::Rgb(77, 228, 223));

  harness.fake.window.clientSize = {900, 700};
  view.OnSize();
  view.OnDraw(gfx::Rect{0, 0, 10, 10});
  EXPECT_EQ(view.BackBuffer().GetSize(), (gfx::Size{900, 700}));
  EXPECT_EQ(view.BackBuffer().Pixel(20, 5), gfx::Rgb(1, 2, 3));
}

}  // namespace
