#include "grid/grid_geometry.h"

#include <algorithm>
#include <cmath>

#include "grid/writing_grid.h"

namespace grid {

GridGeometry GridGeometry::Of(const base::AppState& s) {
  GridGeometry g;
  g.origin = {s.gridLeft, s.gridTop};
  g.cell = {s.cellWidth, s.cellHeight};
  g.columnGap = s.columnGap;
  g.lineGap = s.lineGap;
  g.columns = s.gridColumns;
  g.lines = s.gridLines;
  return g;
}

int GridGeometry::ColumnsInUse() const {
  return std::clamp(columns, 0, WritingGrid::kColumns);
}

int GridGeometry::LinesInUse() const {
  return std::clamp(lines, 0, WritingGrid::kLines);
}

gfx::Rect GridGeometry::CellRect(int column, int line) const {
  return gfx::Rect::FromSize(origin.x + column * (cell.width + columnGap),
                             origin.y + line * (cell.height + lineGap), cell.width, cell.height);
}

gfx::Rect GridGeometry::Bounds() const {
  return {origin.x, origin.y, origin.x + columns * cell.width + (columns - 1) * columnGap,
          origin.y + lines * cell.height + (lines - 1) * lineGap};
}

bool GridGeometry::Contains(gfx::Point p) const {
  const gfx::Rect b = Bounds();
  return p.x >= b.left && p.x <= b.right && p.y >= b.top && p.y <= b.bottom;
}

std::optional<Cell> GridGeometry::CellAt(gfx::Point p) const {
  for (int c = 0; c < ColumnsInUse(); ++c) {
    for (int l = 0; l < LinesInUse(); ++l) {
      if (CellRect(c, l).Contains(p)) return Cell{c, l};
    }
  }
  return std::nullopt;
}

std::optional<Cell> GridGeometry::Nearest(gfx::Point corner, double within,
                                          const std::function<bool(Cell)>& allowed) const {
  std::optional<Cell> best;
  double bestDistance = within;
  for (int c = 0; c < ColumnsInUse(); ++c) {
    for (int l = 0; l < LinesInUse(); ++l) {
      if (allowed && !allowed({c, l})) continue;
      const gfx::Rect r = CellRect(c, l);
      const double d =
          std::hypot(static_cast<double>(corner.x - r.left), static_cast<double>(corner.y - r.top));
      if (d < bestDistance) {
        bestDistance = d;
        best = Cell{c, l};
      }
    }
  }
  return best;
}

}  // namespace grid
