#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/icon_ids.h"
#include "gfx/geometry.h"
#include "gfx/image.h"

namespace app {

using namespace base::icons;

struct IconBar {
  std::array<gfx::Rect, kIconCount> rects{};
  std::array<gfx::Image, kIconPictureCount> bitmaps{};

  gfx::Rect& operator[](IconId id) { return rects[static_cast<std::size_t>(id)]; }
  const gfx::Rect& operator[](IconId id) const { return rects[static_cast<std::size_t>(id)]; }
  const gfx::Image& Bitmap(IconPicture p) const { return bitmaps[static_cast<std::size_t>(p)]; }
};

// Icon scale for a keyboard zoom index.
float IconScaleForZoom(int zoomIndex);

// Tooltip state: the last mouse position, the text wanted for the icon under it, the text at
// the previous tick and the text on display.
struct TooltipState {
  std::int32_t tipX = 0;
  std::int32_t tipY = 0;
  std::string wantedTip;
  std::string lastTip;
  std::string shownTip;
};

}  // namespace app
