#pragma once

#include <cstdint>
#include <filesystem>

#include "gfx/colour.h"
#include "gfx/geometry.h"

namespace base {

// The state that several parts of the program share. Everything else lives with the part that
// owns it; the active module is held by the view.
struct AppState {
  std::int32_t soundOn = 1;
  std::int32_t keyboardShown = 1;
  std::int32_t mouseDown = 0;

  // Read-only resources live in the program folder; the files the program writes, in the data
  // folder (the program folder itself when it is writable).
  std::filesystem::path programFolder;
  std::filesystem::path dataFolder;
  std::filesystem::path settingsPath;
  std::filesystem::path frenchTextPath;
  std::filesystem::path mathTextPath;
  std::filesystem::path puzzleStatePath;
  std::filesystem::path picturePath;

  gfx::Colour backgroundColour = gfx::Rgb(77, 228, 223);
  gfx::Colour backgroundShade1 = gfx::Rgb(57, 208, 203);
  gfx::Colour backgroundShade2 = gfx::Rgb(37, 188, 183);

  std::int32_t keyboardColours = 0;
  std::int32_t keyboardZoomIndex = 0;
  float keyboardZoom = 1.0f;

  std::int32_t gridColumns = 22;
  std::int32_t gridLines = 6;
  std::int32_t gridLeft = 120;
  std::int32_t gridTop = 90;
  std::int32_t lineGap = 25;
  std::int32_t columnGap = 0;
  std::int32_t cellWidth = 40;
  std::int32_t cellHeight = 40;

  std::int32_t keyboardLeft = 0;
  std::int32_t keyboardTop = 0;
  std::int32_t letterKeyboardLeft = 310;
  std::int32_t letterKeyboardTop = 470;
  std::int32_t digitKeyboardLeft = 430;
  std::int32_t digitKeyboardTop = 470;

  std::int32_t keysPerRow = 11;
  std::int32_t keyRows = 4;
  std::int32_t keyCount = 41;
  std::int32_t itemCount = 41;

  // Icons: scale by keyboard zoom.
  float iconScale = 0.5f;

  // The first paint of a run loads the Français text.
  std::int32_t frenchTextPending = 1;
};

// The cell of the writing grid at a column and line, on screen.
inline gfx::Rect CellRect(const AppState& state, int column, int line) {
  return gfx::Rect::FromSize(state.gridLeft + column * (state.cellWidth + state.columnGap),
                             state.gridTop + line * (state.cellHeight + state.lineGap),
                             state.cellWidth, state.cellHeight);
}

}  // namespace base
