#include "app/picture_helpers.h"

#include <cmath>

#include "app/app_state.h"

namespace app {

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kPixelsPerInch = 96;

int MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  return static_cast<int>((a * b + c / 2) / c);
}

}  // namespace

std::unique_ptr<ports::Picture> LoadPicture(ports::Pictures& pictures,
                                            const std::filesystem::path& path) {
  return pictures.Load(path);
}

PictureSize PictureSizeInPixels(const ports::Picture& picture) {
  const gfx::Size natural = picture.PixelSize();
  PictureSize size;
  size.himetric = {MulDivRounded(natural.width, kHimetricPerInch, kPixelsPerInch),
                   MulDivRounded(natural.height, kHimetricPerInch, kPixelsPerInch)};
  size.pixels = {MulDivRounded(size.himetric.width, kPixelsPerInch, kHimetricPerInch),
                 MulDivRounded(size.himetric.height, kPixelsPerInch, kHimetricPerInch)};
  return size;
}

gfx::Image RenderPicture(ports::Pictures& pictures, const ports::Picture& picture, int width,
                         int height) {
  if (width <= 0 || height <= 0) return {};
  return pictures.Render(picture, width, height);
}

gfx::Image ScalePicture(ports::Pictures& pictures, const ports::Picture* picture, float zoom) {
  if (picture == nullptr) return {};
  const gfx::Size px = PictureSizeInPixels(*picture).pixels;
  return RenderPicture(pictures, *picture, static_cast<int>(zoom * static_cast<float>(px.width)),
                       static_cast<int>(zoom * static_cast<float>(px.height)));
}

gfx::Image FitPicture(ports::Pictures& pictures, const ports::Picture* picture, int boxWidth,
                      int boxHeight, float zoom, AppState& state) {
  if (picture == nullptr) return {};
  const gfx::Size px = PictureSizeInPixels(*picture).pixels;
  if (px.width <= 0 || px.height <= 0) return {};
  const float sx = static_cast<float>(boxWidth) / static_cast<float>(px.width);
  const float sy = static_cast<float>(boxHeight) / static_cast<float>(px.height);
  const float s = sx > sy ? sy : sx;
  const int width = static_cast<int>(zoom * (static_cast<float>(px.width) * s));
  const int height = static_cast<int>(zoom * (static_cast<float>(px.height) * s));
  state.lastFitWidth = width;
  state.lastFitHeight = height;
  return RenderPicture(pictures, *picture, width, height);
}

namespace {

gfx::Rect Centred(const gfx::ImageView& bitmap, gfx::Rect rect) {
  int w = bitmap.Width();
  int h = bitmap.Height();
  if (w > rect.Width() && w > 0) {
    h = h * rect.Width() / w;
    w = rect.Width();
  }
  if (h > rect.Height() && h > 0) {
    w = w * rect.Height() / h;
    h = rect.Height();
  }
  const int x = (rect.left + rect.right - w) / 2;
  const int y = (rect.top + rect.bottom - h) / 2;
  return gfx::Rect::FromSize(x, y, w, h);
}

}  // namespace

gfx::Rect DrawBitmapCentred(gfx::Canvas& canvas, const gfx::ImageView& bitmap, gfx::Rect rect,
                            bool stretch) {
  if (bitmap.IsNull()) return {};
  const gfx::Rect r = Centred(bitmap, rect);
  if (stretch) {
    canvas.Stretch(bitmap, r);
  } else {
    canvas.Copy(gfx::ImageView{bitmap.image, gfx::Rect::FromSize(bitmap.area.left, bitmap.area.top,
                                                                 r.Width(), r.Height())},
                gfx::Point{r.left, r.top});
  }
  return r;
}

gfx::Rect DrawBitmapCentredInset(gfx::Canvas& canvas, const gfx::ImageView& bitmap, gfx::Rect rect,
                                 bool stretch) {
  if (bitmap.IsNull()) return {};
  const gfx::Rect r = Centred(bitmap, rect);
  if (stretch) {
    canvas.Stretch(bitmap, r.Inflated(-1, -1));
  } else {
    canvas.Copy(gfx::ImageView{bitmap.image, gfx::Rect::FromSize(bitmap.area.left, bitmap.area.top,
                                                                 r.Width(), r.Height())},
                gfx::Point{r.left, r.top});
  }
  return r;
}

gfx::Image TurnBitmap(const gfx::Image& bitmap) {
  return gfx::TurnQuarter(bitmap);
}

}  // namespace app
