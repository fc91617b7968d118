#pragma once

#include <array>

// The keyboard and keypad pictures of resb/: one per colour scheme and page, each drawn for zoom
// 1.0 and scaled by the program to the zoom in use.
namespace keyboard {

inline constexpr int kZoomCount = 5;
inline constexpr int kSchemeCount = 3;
inline constexpr int kLetterPageCount = 4;
inline constexpr std::array<float, kZoomCount> kZoomFactors = {1.0f, 1.25f, 1.5f, 1.75f, 2.0f};

// File name of the letter keyboard picture of a colour scheme and page.
const char* LetterPictureName(int scheme, int page);
// File name of the keypad picture of a colour scheme.
const char* KeypadPictureName(int scheme);

}  // namespace keyboard
