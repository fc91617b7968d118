#pragma once

#include <array>
#include <filesystem>

#include "effects/fireworks_names.h"
#include "gfx/image.h"
#include "ports/pictures.h"

namespace effects {

// The fireworks that end a puzzle, kept at their natural size and fitted to the screen only when
// they are shown.
class Fireworks {
 public:
  static constexpr int kBox = 2000;  // frames are enlarged to this box, then shrunk to the screen
  static constexpr int kFrameMs = 300;
  static constexpr int kRounds = 2;

  // Reads the frames of resb/; a missing or unreadable file leaves its frame empty.
  void Load(ports::Pictures& pictures, const std::filesystem::path& programFolder);

  // An empty image for a frame that did not load or a number out of range.
  const gfx::Image& Frame(int frame) const;

  // Where a frame of that natural size is shown in the area: fitted into the box, proportions
  // kept, then shrunk into the area when larger, centred.
  static gfx::Rect FrameArea(gfx::Size natural, gfx::Rect area);

 private:
  std::array<gfx::Image, kFireworksFrameCount> frames_;
  gfx::Image none_;
};

}  // namespace effects
