#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "ports/pictures.h"

namespace shell {

// Pictures decoded by Qt's image readers and scaled by Qt.
class QtPictures : public ports::Pictures {
 public:
  std::unique_ptr<ports::Picture> Load(const std::filesystem::path& path) override;
  std::unique_ptr<ports::Picture> LoadAtMost(const std::filesystem::path& path,
                                             gfx::Size largest) override;
  gfx::Image Render(const ports::Picture& picture, int width, int height) override;

  // The files that could not be read, in the order they were asked for (the start-up trace
  // names them).
  const std::vector<std::filesystem::path>& Unreadable() const { return unreadable_; }

 private:
  std::vector<std::filesystem::path> unreadable_;
};

}  // namespace shell
