#pragma once

#include <string>

#include "gfx/image.h"

namespace ports {

class TextPainter {
 public:
  virtual ~TextPainter() = default;
  // Draws a one-line text (Windows-1252) with its top-left at origin, clipped to the clip
  // rectangle.
  virtual void DrawText(gfx::Image& target, const gfx::Rect& clip, gfx::Point origin,
                        const std::string& text, int pointSize, gfx::Colour colour) = 0;
};

}  // namespace ports
