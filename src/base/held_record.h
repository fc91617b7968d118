#pragma once

#include <cstdint>

#include "gfx/geometry.h"

namespace base {

// The record the mouse holds, a tile or a puzzle piece, and how it was taken.
struct HeldRecord {
  std::int32_t selectedPiece = -1;
  gfx::Point grabOffset;
  gfx::Rect dragRect;
  // The mouse-key flags of the press that took it; mouse::kNoPress after a click on nothing.
  std::uint32_t pickFlags = 0;
};

}  // namespace base
