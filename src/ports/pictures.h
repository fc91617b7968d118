#pragma once

#include <filesystem>
#include <memory>

#include "gfx/image.h"

namespace ports {

// A decoded picture at its natural size.
class Picture {
 public:
  virtual ~Picture() = default;
  virtual gfx::Size PixelSize() const = 0;
  virtual bool IsTransparent() const = 0;
};

class Pictures {
 public:
  virtual ~Pictures() = default;
  // Decodes a picture file (BMP, JPEG, GIF, TIFF, PNG); nothing when it cannot be read or decoded.
  virtual std::unique_ptr<Picture> Load(const std::filesystem::path& path) = 0;
  // The same, decoded no larger than needed to cover `largest` with the picture's proportions
  // kept (a photograph of tens of megapixels is not held whole). PixelSize stays the file's.
  virtual std::unique_ptr<Picture> LoadAtMost(const std::filesystem::path& path,
                                              gfx::Size /*largest*/) {
    return Load(path);
  }
  // The whole picture stretched to width × height; transparent parts become white.
  virtual gfx::Image Render(const Picture& picture, int width, int height) = 0;
};

}  // namespace ports
