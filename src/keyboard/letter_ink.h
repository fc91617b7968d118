#pragma once

#include "gfx/canvas.h"
#include "keyboard/key_colours.h"

namespace keyboard {

// What a tile's letter is drawn in, other than the ink of its picture: kKeepInk for none.
inline constexpr gfx::Colour kKeepInk = 0xFF000000u;

// The letter of the tile just drawn in `area` of the canvas, drawn again in `ink`. A tile picture
// is a key face with its letter on it in the scheme's ink, anti-aliased: each pixel of the letter
// keeps how much ink it holds, now of the new colour, and the face, its rim and its bevel stay as
// they are.
void InkTileLetter(gfx::Canvas& canvas, const gfx::Rect& area, const LetterKeyColours& scheme,
                   gfx::Colour ink);

}  // namespace keyboard
