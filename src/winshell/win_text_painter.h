#pragma once

#include <string>

#include "ports/text_painter.h"

namespace winshell {

// Text drawn by GDI into a DIB section that holds a copy of the part of the image it covers.
class WinTextPainter : public ports::TextPainter {
 public:
  void DrawText(gfx::Image& target, const gfx::Rect& clip, gfx::Point origin,
                const std::string& text, int pointSize, gfx::Colour colour) override;
};

}  // namespace winshell
