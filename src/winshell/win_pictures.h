#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "ports/pictures.h"

struct IWICImagingFactory;

namespace winshell {

// Pictures decoded by the Windows Imaging Component (BMP, JPEG, GIF, TIFF, PNG) and scaled by
// it. Decoded pictures are held as 32-bit pixels with their transparency.
class WinPictures : public ports::Pictures {
 public:
  WinPictures();
  ~WinPictures() override;
  WinPictures(const WinPictures&) = delete;
  WinPictures& operator=(const WinPictures&) = delete;

  std::unique_ptr<ports::Picture> Load(const std::filesystem::path& path) override;
  std::unique_ptr<ports::Picture> LoadAtMost(const std::filesystem::path& path,
                                             gfx::Size largest) override;
  gfx::Image Render(const ports::Picture& picture, int width, int height) override;

  // The files that could not be read, in the order they were asked for (the start-up trace
  // names them).
  const std::vector<std::filesystem::path>& Unreadable() const { return unreadable_; }

 private:
  IWICImagingFactory* factory_ = nullptr;
  std::vector<std::filesystem::path> unreadable_;
};

}  // namespace winshell
