#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/cell_table.h"
#include "base/random.h"
#include "gfx/geometry.h"

// The pieces of the puzzle: how a picture is cut, where each piece belongs and where it lies.
// Pieces are the records 0 to count - 1 of the cell table; piece i belongs to home cell i.
namespace puzzle {

// Pictures are fitted into this box before the zoom is applied.
inline constexpr int kBoxWidth = 600;
inline constexpr int kBoxHeight = 400;
// Top-left of the place where the assembled picture lies.
inline constexpr gfx::Point kHomeOrigin{150, 90};
inline constexpr int kMaxPieces = 1000;
inline constexpr int kDefaultPieces = 25;

// The zooms offered for the puzzle and for the model, smallest first.
inline constexpr int kZoomCount = 16;
inline constexpr std::array<float, kZoomCount> kZoomValues = {
    0.2f, 0.25f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.1f, 1.2f, 1.3f, 1.5f, 1.75f, 2.0f};
inline constexpr int kDefaultPuzzleZoomIndex = 9;  // 1.0
inline constexpr int kDefaultModelZoomIndex = 3;   // 0.4

// Columns, rows and the size of every piece.
struct Cut {
  std::int32_t columns = 6;
  std::int32_t rows = 6;
  std::int32_t cellWidth = 0;
  std::int32_t cellHeight = 0;
  std::int32_t Count() const { return columns * rows; }
};

// Square-ish pieces of about the asked number for a picture of width × height pixels. Columns
// and rows are rounded half up and kept at least 1; the pixels right of and below the last
// whole piece belong to no piece.
Cut CutPicture(int width, int height, int requestedPieces);

// Every piece at its home, the assembled picture at `origin`. `labels` gives the byte each
// piece keeps as its letter (the keypad's table, read at row × 5 + column; 0 past its end).
// Gives the number of pieces.
int LayOutPieces(base::CellTable& cells, const Cut& cut, gfx::Point origin,
                 std::string_view labels);

// The topmost piece whose rectangle, shifted a pixel right and down, holds the point; -1.
int HitTestPiece(const base::CellTable& cells, int count, gfx::Point point);
// The home cell strictly inside which the point lies (borders belong to none); -1.
int HomeCellAt(const Cut& cut, gfx::Point origin, gfx::Point point);
// Pieces lying less than 2 pixels from their home.
int CountPiecesHome(const base::CellTable& cells, int count);

// True when a piece dropped at its current place is near enough to snap home: closer than 0.3
// of its diagonal.
bool NearHome(const base::CellRecord& piece);

// Every piece thrown somewhere inside the area (its width and height less a piece), from
// (50, 50) on, with the program's generator: x = (width - 50) × rand() / 32767 + 50.
void ScatterPieces(base::CellTable& cells, int count, gfx::Size area,
                   base::RandomGenerator& random);

}  // namespace puzzle
