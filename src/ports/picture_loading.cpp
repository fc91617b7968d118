#include "ports/picture_loading.h"

#include <cstdint>

namespace ports {

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kPixelsPerInch = 96;

int MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  return static_cast<int>((a * b + c / 2) / c);
}

}  // namespace

std::unique_ptr<Picture> LoadPicture(Pictures& pictures, const std::filesystem::path& path) {
  return pictures.Load(path);
}

PictureSize PictureSizeInPixels(const Picture& picture) {
  const gfx::Size natural = picture.PixelSize();
  PictureSize size;
  size.himetric = {MulDivRounded(natural.width, kHimetricPerInch, kPixelsPerInch),
                   MulDivRounded(natural.height, kHimetricPerInch, kPixelsPerInch)};
  size.pixels = {MulDivRounded(size.himetric.width, kPixelsPerInch, kHimetricPerInch),
                 MulDivRounded(size.himetric.height, kPixelsPerInch, kHimetricPerInch)};
  return size;
}

gfx::Image RenderPicture(Pictures& pictures, const Picture& picture, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  return pictures.Render(picture, width, height);
}

gfx::Image ScalePicture(Pictures& pictures, const Picture* picture, float zoom) {
  if (picture == nullptr) return {};
  const gfx::Size px = PictureSizeInPixels(*picture).pixels;
  return RenderPicture(pictures, *picture, static_cast<int>(zoom * static_cast<float>(px.width)),
                       static_cast<int>(zoom * static_cast<float>(px.height)));
}

FittedPicture FitPicture(Pictures& pictures, const Picture* picture, int boxWidth, int boxHeight,
                         float zoom) {
  if (picture == nullptr) return {};
  const gfx::Size px = PictureSizeInPixels(*picture).pixels;
  if (px.width <= 0 || px.height <= 0) return {};
  const float sx = static_cast<float>(boxWidth) / static_cast<float>(px.width);
  const float sy = static_cast<float>(boxHeight) / static_cast<float>(px.height);
  const float s = sx > sy ? sy : sx;
  FittedPicture fitted;
  fitted.size = {static_cast<int>(zoom * (static_cast<float>(px.width) * s)),
                 static_cast<int>(zoom * (static_cast<float>(px.height) * s))};
  fitted.bitmap = RenderPicture(pictures, *picture, fitted.size.width, fitted.size.height);
  return fitted;
}

}  // namespace ports
