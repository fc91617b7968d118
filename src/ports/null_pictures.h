#pragma once

#include "ports/pictures.h"

namespace ports {

// A decoder that reads no picture.
class NullPictures : public Pictures {
 public:
  std::unique_ptr<Picture> Load(const std::filesystem::path&) override { return nullptr; }
  gfx::Image Render(const Picture&, int, int) override { return {}; }
};

}  // namespace ports
