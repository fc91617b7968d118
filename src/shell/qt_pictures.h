#pragma once

#include <filesystem>
#include <memory>

#include "ports/pictures.h"

namespace shell {

// Pictures decoded by Qt's image readers and scaled by Qt.
class QtPictures : public ports::Pictures {
 public:
  std::unique_ptr<ports::Picture> Load(const std::filesystem::path& path) override;
  gfx::Image Render(const ports::Picture& picture, int width, int height) override;
};

}  // namespace shell
