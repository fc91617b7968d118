#pragma once

#include <QImage>

// The keyboard pictures: one face per key, packed row by row without gaps, in the order and
// widths of the program's key table at zoom 1.0. The program copies a face onto the screen for a
// key and into a grid cell for a letter tile.
namespace resgen {

inline constexpr int kKeyboardWidth = 465;
inline constexpr int kKeyboardHeight = 160;
inline constexpr int kKeypadWidth = 200;
inline constexpr int kKeypadHeight = 160;

// scheme: 0 blue, 1 vowels red and consonants blue, 2 black; page: 0 to 3.
QImage DrawLetterKeyboard(int scheme, int page);
// scheme 0 (blue) or 2 (black).
QImage DrawKeypad(int scheme);

}  // namespace resgen
