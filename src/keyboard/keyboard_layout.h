#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/app_state.h"
#include "gfx/geometry.h"
#include "keyboard/cell_table.h"

namespace keyboard {

enum Page : std::int32_t {
  PageLower = 0,
  PageUpper = 1,
  PageSigns = 2,
  PageSignsUpper = 3,
  PageKeypad = 4,
};

inline constexpr int kLetterColumns = 11;
inline constexpr int kLetterRows = 4;
inline constexpr int kLetterKeys = 41;  // row 3 has 8 keys
inline constexpr int kLetterPositions = 44;
inline constexpr int kKeypadColumns = 5;
inline constexpr int kKeypadRows = 4;
inline constexpr int kKeypadKeys = 20;
inline constexpr int kKeyPitch = 47;  // at zoom 1.0
inline constexpr int kKeySide = 40;   // at zoom 1.0
inline constexpr int kFrameMargin = 30;
inline constexpr int kLetterKeyboardWidth = 517;  // at zoom 1.0, for centring
inline constexpr int kKeypadWidth = 235;

// Labels of the four pages of the letter keyboard, 4 rows of 11 (Windows-1252). Blanks stand
// under the special keys and where there is no key; "§" marks a key that does nothing.
extern const std::array<std::string_view, 4> kLetterPages;
// The arithmetic keypad, 4 rows of 5; column 3 is inert.
extern const std::string_view kKeypadLabels;
inline constexpr char kInertLabel = '\xA7';

// Width of the key at (row, column) of the letter keyboard at zoom 1.0: the special keys are
// wider than the others.
int LetterKeyBaseWidth(int row, int column);
KeyKind LetterKeyKind(int row, int column);
// Width of that key in pixels at a zoom.
int LetterKeyWidth(int row, int column, float zoom);

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
