#pragma once

#include <cstdint>
#include <vector>

#include "gfx/colour.h"
#include "gfx/geometry.h"

namespace gfx {

// A picture in memory: 32-bit 0x00RRGGBB pixels, rows top-down, no padding.
class Image {
 public:
  Image() = default;
  Image(int width, int height, Colour fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  bool IsNull() const { return width_ <= 0 || height_ <= 0; }
  std::size_t ByteCount() const { return pixels_.size() * sizeof(Colour); }

  Colour Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, Colour c) { pixels_[Index(x, y)] = c; }
  Colour* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Colour* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Colour* Data() { return pixels_.data(); }
  const Colour* Data() const { return pixels_.data(); }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Colour> pixels_;
};

// A rectangle of an image, drawn as if it were a picture of its own (a key face inside a keyboard
// picture). The image must outlive the view.
struct ImageView {
  const Image* image = nullptr;
  Rect area;

  bool IsNull() const { return image == nullptr || area.IsEmpty(); }
  int Width() const { return area.Width(); }
  int Height() const { return area.Height(); }
};

// The whole of an image, as a view.
inline ImageView ViewOf(const Image& image) {
  return {&image, image.Bounds()};
}

// A copy of part of an image; the part is clipped to the image.
Image Crop(const Image& source, Rect area);

// The image scaled to width × height with a smoothing (area-averaging / bilinear) filter.
Image ScaleSmooth(const ImageView& source, int width, int height);

// The image turned a quarter turn: pixel (x, y) of the source lands on (y, width - 1 - x).
Image TurnQuarter(const Image& source);

}  // namespace gfx
