#pragma once

#include <functional>
#include <optional>

#include "base/app_state.h"
#include "gfx/geometry.h"

// Where the writing grid's cells lie on screen. Every search for a cell goes through here.
namespace grid {

struct Cell {
  int column = 0;
  int line = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

struct GridGeometry {
  gfx::Point origin;  // the top-left corner of cell (0, 0)
  gfx::Size cell;
  int columnGap = 0;
  int lineGap = 0;
  int columns = 0;  // as set; the searches never go past the cells the layers hold
  int lines = 0;

  static GridGeometry Of(const base::AppState& state);

  gfx::Rect CellRect(int column, int line) const;
  gfx::Rect CellRect(Cell c) const { return CellRect(c.column, c.line); }
  // The cells and the gaps between them. Right and bottom are the last cell's own edges.
  gfx::Rect Bounds() const;
  // A point on the cells or the gaps between them, the far edges included: a tile whose centre
  // lies there may be dropped.
  bool Contains(gfx::Point point) const;
  // The cell whose rectangle holds the point (not a gap); the first in column order when cells
  // overlap.
  std::optional<Cell> CellAt(gfx::Point point) const;
  // The cell whose top-left corner lies nearest to `corner`, strictly closer than `within`;
  // `allowed` (when given) masks cells out. Ties keep the first in column order.
  std::optional<Cell> Nearest(gfx::Point corner, double within,
                              const std::function<bool(Cell)>& allowed = {}) const;

  // The columns and lines searched: as set, within the layers' 8 x 40.
  int ColumnsInUse() const;
  int LinesInUse() const;
};

}  // namespace grid
