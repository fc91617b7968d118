#pragma once

#include <cstddef>
#include <cstdint>

#include "base/cell_table.h"
#include "gfx/geometry.h"
#include "grid/writing_grid.h"

// Small helpers of the grid's text operations: cell access by line and column, and the tiles'
// range in the cell table.
namespace grid::cells {

constexpr std::uint8_t kBlank = ' ';

// The cell at (line, column) of a layer; the caller has checked the range.
template <typename LayerT>
auto& At(LayerT& layer, int line, int column) {
  return layer[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
}

template <typename LayerT, typename T>
void Fill(LayerT& layer, T value) {
  for (auto& line : layer) line.fill(static_cast<typename LayerT::value_type::value_type>(value));
}

// A cell the 8 x 40 layers hold.
constexpr bool InLayers(int column, int line) {
  return column >= 0 && column < WritingGrid::kColumns && line >= 0 && line < WritingGrid::kLines;
}

// The tiles: from keyCount to itemCount - 1, within the table.
struct TileRange {
  int first = 0;
  int end = 0;
};

inline TileRange Tiles(int keyCount, int itemCount) {
  TileRange r;
  r.first = keyCount < 0 ? 0 : keyCount;
  r.end = itemCount > base::kMaxItems ? base::kMaxItems : itemCount;
  if (r.end < r.first) r.end = r.first;
  return r;
}

inline gfx::Rect ItemRect(const base::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

}  // namespace grid::cells
