#pragma once

#include "ports/text_painter.h"

namespace ports {

// Text that is never drawn.
class NullTextPainter : public TextPainter {
 public:
  void DrawText(gfx::Image&, const gfx::Rect&, gfx::Point, const std::string&, int,
                gfx::Colour) override {}
};

}  // namespace ports
