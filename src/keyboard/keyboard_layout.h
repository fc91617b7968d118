#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/cell_table.h"
#include "gfx/geometry.h"
#include "gfx/image.h"
#include "keyboard/key_table.h"

namespace keyboard {

using base::CellRecord;
using base::CellTable;
using base::kMaxItems;

// Keyboard state that only the keyboard and its drawing use.
struct KeyboardState {
  std::int32_t shiftOn = 0;
  std::int32_t signsPageOn = 0;
  std::int32_t firstRowY = 8;
  gfx::Rect keyboardFrame;
  // The picture the keys' faces are copied from: the keyboard picture of the page shown, or
  // nothing when it could not be loaded.
  const gfx::Image* facePicture = nullptr;
};

// What the layout needs to place the keys: the zoom, the size of a key (a grid cell) and the
// keyboard's origin on screen.
struct KeyGeometry {
  float zoom = 1.0f;
  int cellWidth = kKeySide;
  int cellHeight = kKeySide;
  gfx::Point origin;
};

// What the layout made: keys per row, rows and keys.
struct KeyCounts {
  int keysPerRow = 0;
  int keyRows = 0;
  int keyCount = 0;
};

// Fill the cell table with one keyboard at the origin.
KeyCounts LayoutLetterKeyboard(const KeyGeometry& geometry, CellTable& table, KeyboardState& keys);
KeyCounts LayoutKeypad(const KeyGeometry& geometry, CellTable& table, KeyboardState& keys);
// Re-place the keys at a new origin, keeping labels, tiles and every other field.
KeyCounts MoveLetterKeyboard(const KeyGeometry& geometry, CellTable& table, KeyboardState& keys);
KeyCounts MoveKeypad(const KeyGeometry& geometry, CellTable& table, KeyboardState& keys);

// The labels of a page into the keys; page 4 is the keypad.
void WriteKeyLabels(CellTable& table, int page);

// 0 for the punctuation of page 0 and the lower-case accented letters, 1 for the accented
// capitals, -1 for anything else.
int PageOfCharacter(char c);

// The page (0 to 3) for the shift and signs switches.
constexpr int LetterPage(bool shift, bool signs) {
  return (shift ? 1 : 0) + (signs ? 2 : 0);
}

}  // namespace keyboard
