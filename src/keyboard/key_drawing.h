#pragma once

#include <cstdint>
#include <span>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "gfx/canvas.h"
#include "keyboard/key_colours.h"
#include "keyboard/keyboard_pictures.h"

// Keys and tiles are pieces of the keyboard pictures: a face copied from the current picture, or
// the glyph a tile carries. These painters only draw.
namespace keyboard {

// What the keys and tiles are drawn from.
struct ItemScene {
  const gfx::Image* facePicture = nullptr;
  const GlyphStore* glyphs = nullptr;
  int firstItem = 0;  // the keys are left out while the keyboard is hidden
  int itemCount = 0;
  int keyCount = 0;
  int heldItem = -1;  // pressed while the mouse button is down
  bool mouseDown = false;
  // The tiles that move together, drawn as held.
  std::span<const std::int32_t> selected;
  // The ink of each item's letter, by item (kKeepInk: as its picture has it); empty for all as
  // drawn. inkScheme: the colours the pictures were drawn with.
  std::span<const gfx::Colour> letterInks;
  const LetterKeyColours* inkScheme = nullptr;
};

// The raised panel under the keys, in the second shade of the background.
void DrawKeyboardPanel(gfx::Canvas& canvas, const base::AppState& state,
                       const base::CellTable& cells, bool keypad);
void FrameHiddenTile(gfx::Canvas& canvas, const base::CellRecord& tile);
// Keys and tiles in painting order.
void DrawItems(gfx::Canvas& canvas, const base::CellTable& cells, const ItemScene& scene);

// Before a paint: a tile released by a clear is turned on its side, once.
void TurnReleasedTiles(base::CellTable& cells, const ItemScene& scene, GlyphStore& glyphs);

}  // namespace keyboard
