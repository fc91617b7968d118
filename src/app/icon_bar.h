#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/icon_ids.h"
#include "base/module.h"
#include "gfx/canvas.h"
#include "gfx/image.h"
#include "ports/pictures.h"

namespace app {

using namespace base::icons;
using base::IconShown;
using base::IconTip;
using base::Module;
using base::ModuleId;

// Icon scale for a keyboard zoom index.
float IconScaleForZoom(int zoomIndex);

// The icons along the top of the view: their places and pictures.
class IconBar {
 public:
  // Places the icons of fixed position and loads every picture at the scale of the zoom.
  void Load(ports::Pictures& pictures, const std::filesystem::path& programFolder, float scale,
            gfx::Size client);
  // The icons' places in a client area of this size: those held to the right and bottom edges
  // follow them, and no icon lies over another that a module shows with it.
  void UpdateRects(gfx::Size client);
  // The narrowest client area in which every icon has its own place.
  int NarrowestWidth() const;
  static int NarrowestWidthAt(float scale);
  // The icons in order, each centred in its rectangle without stretching.
  void Draw(gfx::Canvas& canvas, const std::vector<IconShown>& shown) const;

  const gfx::Rect& operator[](IconId id) const { return rects_[static_cast<std::size_t>(id)]; }
  const gfx::Image& Bitmap(IconPicture p) const { return bitmaps_[static_cast<std::size_t>(p)]; }
  // Side of every icon's square.
  int IconSize() const { return iconSize_; }

 private:
  void PlaceNominal(float scale);

  std::array<gfx::Rect, kIconCount> rects_{};
  // Where the icons along the left stand when nothing is in their way.
  std::array<int, kIconCount> nominalLeft_{};
  std::array<gfx::Image, kIconPictureCount> bitmaps_{};
  int iconSize_ = 36;
};

// The icons every module shows, before the module's own.
void AddCommonIcons(std::vector<IconShown>& icons, bool soundOn);

// The tooltip for a point: every rectangle is tested, drawn or not; the last that holds the point
// wins. Empty when none does.
std::string TooltipTextAt(const IconBar& bar, const std::vector<IconTip>& tips, gfx::Point point);

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
