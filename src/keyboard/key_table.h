#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The keys of the letter keyboard and of the keypad: kinds, labels and sizes. The program lays its
// keys out from this table and the resource generator draws the keyboard pictures from it.
namespace keyboard {

// Key kinds.
enum KeyKind : std::int32_t {
  KindPlain = 0,
  KindBlank = 1,
  KindShift = 10,
  KindErase = 11,
  KindNewLine = 12,
  KindPage = 13,
  KindSpace = 14,
};

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
// under the special keys and where there is no key; "§" marks a key that does nothing. The
// signs pages carry "œ" and "Œ" (sœur, cœur) at the end of their accented letters.
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

}  // namespace keyboard
