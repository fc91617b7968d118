#pragma once

#include <QImage>

namespace resgen {

inline constexpr int kPuzzleWidth = 800;
inline constexpr int kPuzzleHeight = 600;

// The default puzzle picture: a busy, colourful countryside in which every piece of a cut shows
// something of its own.
QImage DrawPuzzlePicture();

}  // namespace resgen
