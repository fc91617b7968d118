#include "grid/grid_geometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using grid::Cell;
using grid::GridGeometry;

// 4 columns of 40 with gaps of 5, 2 lines of 40 with a gap of 25, from (100, 90): the columns
// start at 100, 145, 190, 235 and the lines at 90 and 155.
GridGeometry Sample() {
  base::AppState s;
  s.gridLeft = 100;
  s.gridTop = 90;
  s.cellWidth = s.cellHeight = 40;
  s.columnGap = 5;
  s.lineGap = 25;
  s.gridColumns = 4;
  s.gridLines = 2;
  return GridGeometry::Of(s);
}

std::string Show(std::optional<Cell> c) {
  return c ? std::to_string(c->column) + "," + std::to_string(c->line) : "none";
}

TEST(GridGeometry, CellsAndBoundsFollowTheSizesAndGaps) {
  const GridGeometry g = Sample();
  EXPECT_EQ(g.CellRect(0, 0), (gfx::Rect{100, 90, 140, 130}));
  EXPECT_EQ(g.CellRect(3, 1), (gfx::Rect{235, 155, 275, 195}));
  EXPECT_EQ(g.CellRect(-1, 0), (gfx::Rect{55, 90, 95, 130}));  // the space key's left neighbour
  EXPECT_EQ(g.Bounds(), (gfx::Rect{100, 90, 275, 195}));
  // The same as the rectangle every other part of the program draws.
  base::AppState s;
  for (int c = 0; c < s.gridColumns; ++c) {
    for (int l = 0; l < s.gridLines; ++l) {
      EXPECT_EQ(GridGeometry::Of(s).CellRect(c, l), base::CellRect(s, c, l));
    }
  }
}

TEST(GridGeometry, PointsFindTheirCell) {
  struct Case {
    gfx::Point point;
    bool contained;    // on a cell or a gap: a tile dropped there stays
    const char* cell;  // the cell pressed there
  };
  const GridGeometry g = Sample();
  for (const Case& c : {
           Case{{100, 90}, true, "0,0"},
           Case{{139, 129}, true, "0,0"},
           Case{{140, 100}, true, "none"},  // the gap between two columns
           Case{{145, 100}, true, "1,0"},
           Case{{120, 140}, true, "none"},  // the gap between the lines
           Case{{274, 194}, true, "3,1"},
           Case{{275, 195}, true, "none"},  // the far edges take drops, not presses
           Case{{276, 150}, false, "none"},
           Case{{150, 196}, false, "none"},
           Case{{99, 100}, false, "none"},
           Case{{120, 89}, false, "none"},
       }) {
    SCOPED_TRACE(std::to_string(c.point.x) + "," + std::to_string(c.point.y));
    EXPECT_EQ(g.Contains(c.point), c.contained);
    EXPECT_EQ(Show(g.CellAt(c.point)), c.cell);
  }
}

TEST(GridGeometry, TheNearestCellIsCloserThanTheLimitAndAllowed) {
  struct Case {
    gfx::Point corner;
    double within;
    int onlyColumn;  // -1: every cell allowed
    const char* cell;
  };
  const GridGeometry g = Sample();
  for (const Case& c : {
           Case{{150, 100}, 32000.0, -1, "1,0"},
           Case{{100, 90}, 0.0, -1, "none"},  // strictly closer than the limit
           Case{{100, 90}, 0.1, -1, "0,0"},
           Case{{130, 150}, 32000.0, -1, "1,1"},
           Case{{-500, -500}, 32000.0, -1, "0,0"},
           Case{{-500, -500}, 100.0, -1, "none"},
           Case{{100, 90}, 32000.0, 3, "3,0"},
           Case{{100, 160}, 32000.0, 2, "2,1"},
           Case{{100, 90}, 50.0, 3, "none"},
       }) {
    SCOPED_TRACE(std::to_string(c.corner.x) + "," + std::to_string(c.corner.y));
    const auto allowed = [&](Cell cell) { return c.onlyColumn < 0 || cell.column == c.onlyColumn; };
    EXPECT_EQ(Show(g.Nearest(c.corner, c.within, allowed)), c.cell);
  }
}

TEST(GridGeometry, TiesAndOverlapsKeepTheFirstCellInColumnOrder) {
  GridGeometry g = Sample();
  g.columnGap = 0;
  g.lineGap = 0;
  // Halfway between (0, 0) at 100 and (1, 0) at 140; then between (0, 0) and (0, 1).
  EXPECT_EQ(Show(g.Nearest({120, 90}, 32000.0)), "0,0");
  EXPECT_EQ(Show(g.Nearest({100, 110}, 32000.0)), "0,0");
  // Cells drawn over each other: the first column answers.
  g.columnGap = -20;
  EXPECT_EQ(Show(g.CellAt({125, 100})), "0,0");
}

TEST(GridGeometry, SearchesStayWithinTheCellsTheLayersHold) {
  GridGeometry g = Sample();
  g.columnGap = 0;
  g.columns = 60;  // more than the 40 columns a line holds
  g.lines = 12;    // more than the 8 lines
  EXPECT_EQ(g.ColumnsInUse(), 40);
  EXPECT_EQ(g.LinesInUse(), 8);
  EXPECT_EQ(Show(g.Nearest({100 + 55 * 40, 90 + 11 * 65}, 32000.0)), "39,7");
  EXPECT_EQ(Show(g.CellAt({100 + 45 * 40 + 5, 95})), "none");
  for (const int none : {0, -3}) {
    g.columns = none;
    EXPECT_EQ(Show(g.Nearest({100, 90}, 32000.0)), "none");
    EXPECT_EQ(Show(g.CellAt({105, 95})), "none");
  }
}

}  // namespace
