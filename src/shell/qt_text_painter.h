#pragma once

#include <string>

#include "ports/text_painter.h"

namespace shell {

// Text drawn by QPainter straight into the program's image.
class QtTextPainter : public ports::TextPainter {
 public:
  void DrawText(gfx::Image& target, const gfx::Rect& clip, gfx::Point origin,
                const std::string& text, int pointSize, gfx::Colour colour) override;
};

}  // namespace shell
