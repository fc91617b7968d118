#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/app_state.h"
#include "gfx/geometry.h"
#include "keyboard/cell_table.h"
#include "keyboard/key_table.h"

namespace keyboard {

// Keyboard state that only the keyboard and its drawing use.
struct KeyboardState {
  std::int32_t shiftOn = 0;
  std::int32_t signsPageOn = 0;
  std::int32_t firstRowY = 8;
  gfx::Rect keyboardFrame;
};

// Fill the cell table with one keyboard at the origin (keyboardLeft, keyboardTop).
void LayoutLetterKeyboard(app::AppState& state, CellTable& table, KeyboardState& keys,
                          bool resetCounts);
void LayoutKeypad(app::AppState& state, CellTable& table, KeyboardState& keys, bool resetCounts);
// Re-place the keys at a new origin, keeping labels, tiles and every other field.
void MoveLetterKeyboard(app::AppState& state, CellTable& table, KeyboardState& keys, int x, int y);
void MoveKeypad(app::AppState& state, CellTable& table, KeyboardState& keys, int x, int y);

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
