#pragma once

#include "gfx/canvas.h"
#include "gfx/image.h"

namespace gfx {

// Draws the picture centred in the rectangle and gives the rectangle covered. A picture larger
// than the rectangle is cut (stretch false) or shrunk into it (stretch true).
Rect DrawBitmapCentred(Canvas& canvas, const ImageView& bitmap, Rect rect, bool stretch);
// The same, stretched one pixel inside.
Rect DrawBitmapCentredInset(Canvas& canvas, const ImageView& bitmap, Rect rect, bool stretch);
// A quarter turn: pixel (x, y) goes to (y, width - 1 - x).
Image TurnBitmap(const Image& bitmap);

}  // namespace gfx
