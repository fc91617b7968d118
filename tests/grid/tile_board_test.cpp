#include "grid/tile_board.h"

#include <gtest/gtest.h>

namespace {

TEST(TileInput, RoundingMultiplyDivideGoesHalfAwayFromZero) {
  struct Case {
    int a, b, c, result;
  };
  for (const Case c : {Case{10, 30, 40, 8}, Case{-10, 30, 40, -8}, Case{5, 3, 2, 8},
                       Case{-5, 3, 2, -8}, Case{1, 1, 3, 0}, Case{2, 1, 3, 1}, Case{7, 30, 0, 0}}) {
    EXPECT_EQ(gfx::MulDivRounded(c.a, c.b, c.c), c.result) << c.a << " " << c.b << " " << c.c;
  }
  // The product does not overflow.
  EXPECT_EQ(gfx::MulDivRounded(100000, 30000, 60000), 50000);
}

TEST(TileInput, TheHitTestTakesTheRecordDrawnLast) {
  base::CellTable cells;
  for (int i = 0; i < 3; ++i) {
    cells[i].posX = 10;
    cells[i].posY = 10;
    cells[i].width = cells[i].height = 40;
    cells.drawOrder[static_cast<std::size_t>(i)] = 2 - i;  // 2 at the bottom, 0 on top
  }
  EXPECT_EQ(grid::HitTest(cells, 3, {30, 30}), 0);
  // The left and top edges are outside, the right and bottom ones inside.
  EXPECT_EQ(grid::HitTest(cells, 3, {10, 30}), -1);
  EXPECT_EQ(grid::HitTest(cells, 3, {50, 50}), 0);
  EXPECT_EQ(grid::HitTest(cells, 3, {51, 50}), -1);
  EXPECT_EQ(grid::HitTest(cells, 0, {30, 30}), -1);
}

TEST(TileInput, TheGridAreaHoldsTheCellsAndTheGapsBetweenThem) {
  base::AppState s;
  s.gridLeft = 100;
  s.gridTop = 90;
  s.gridColumns = 4;
  s.gridLines = 2;
  s.cellWidth = s.cellHeight = 40;
  s.lineGap = 25;
  EXPECT_TRUE(grid::InGridArea(s, {100, 90}));
  EXPECT_TRUE(grid::InGridArea(s, {260, 195}));  // 100 + 4 x 40, 90 + 2 x 40 + 25
  EXPECT_FALSE(grid::InGridArea(s, {261, 150}));
  EXPECT_FALSE(grid::InGridArea(s, {150, 196}));
  EXPECT_FALSE(grid::InGridArea(s, {99, 100}));
}

}  // namespace

namespace {

// Tiles let go of on their way back to their keys, on a keyboard at (10, 20).
struct Board {
  base::AppState state;
  base::CellTable cells;
  grid::WritingGrid grid;
  keyboard::KeyboardPictures pictures;
  grid::TileSelection selection;
  base::HeldRecord held;
  grid::TileBoard board{state, cells, grid, pictures, selection, held};

  explicit Board(int flying) {
    state.keyCount = 1;
    state.itemCount = 1 + flying;
    state.keyboardLeft = 10;
    state.keyboardTop = 20;
    cells[0].settled = 1;  // the one key rests
    for (int i = 1; i <= flying; ++i) {
      base::CellRecord& r = cells[i];
      r.width = r.height = 40;
      r.posX = 10 + 100 * i;  // 100 px from home, straight right
      r.posY = 20;
      r.homeX = r.homeY = 0;
      r.settled = 0;
      r.glyph = r.glyphAlt = 7;
    }
  }
};

gfx::Rect At(int x, int y) {
  return gfx::Rect::FromSize(x, y, 40, 40);
}

TEST(TileBoard, TilesCarriedHomeRepaintWhereTheyWereAndAreUnlessTheExerciseIsFixed) {
  Board unfixed(1);
  grid::CarryHomeOutcome step = unfixed.board.CarryHome(false);
  EXPECT_FALSE(step.cleared);
  EXPECT_EQ(step.repaint, (std::vector<gfx::Rect>{At(110, 20), At(90, 20)}));  // 20 px a tick
  for (int i = 0; i < 3; ++i) unfixed.board.CarryHome(false);
  // The last 20 px: it arrives, one area holding both places.
  step = unfixed.board.CarryHome(false);
  EXPECT_EQ(step.repaint, (std::vector<gfx::Rect>{At(10, 20).Union(At(30, 20))}));
  EXPECT_EQ(unfixed.cells[1].placed, 1);
  // Home already: it rests and loses its glyphs.
  step = unfixed.board.CarryHome(false);
  EXPECT_EQ(step.repaint, (std::vector<gfx::Rect>{At(10, 20)}));
  EXPECT_EQ(unfixed.cells[1].settled, 1);
  EXPECT_EQ(unfixed.cells[1].glyph, 0);
  EXPECT_TRUE(unfixed.board.CarryHome(false).repaint.empty());

  Board fixed(1);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(fixed.board.CarryHome(true).repaint.empty());
  EXPECT_EQ(fixed.board.CarryHome(true).repaint,
            (std::vector<gfx::Rect>{At(10, 20).Union(At(30, 20))}));
}

TEST(TileBoard, ManyTilesFlyFasterAndTheClearingEndsWhenTheLastIsHome) {
  for (const auto& [flying, step] : {std::pair{15, 20}, {16, 30}, {30, 30}, {31, 60}}) {
    Board b(flying);
    b.grid.clearing = 1;
    b.board.CarryHome(false);
    EXPECT_EQ(b.cells[1].posX, 110 - step) << flying << " flying";
    int ticks = 0;
    while (!b.board.CarryHome(false).cleared && ticks < 1000) ++ticks;
    EXPECT_EQ(b.state.itemCount, 1) << "the tiles are gone";
    EXPECT_EQ(b.grid.clearing, 0);
  }
}

TEST(TileBoard, ADropLandsInTheNearestCellOrGoesAndGivesBackWhatItChanged) {
  struct Case {
    const char* what;
    gfx::Point corner;
    bool dictation;
    int column;  // -1: the tile is removed
    int line;
  };
  for (const Case& c : {
           Case{"near a cell", {210, 147}, false, 2, 1},
           Case{"outside the grid", {20, 20}, false, -1, 0},
           Case{"far from the dictation's answer cell", {210, 147}, true, -1, 0},
           Case{"near the dictation's answer cell", {335, 100}, true, 5, 0},
       }) {
    SCOPED_TRACE(c.what);
    Board b(0);
    b.grid.enabled[0][5] = 1;  // the dictation's one answer cell
    b.state.itemCount = 2;
    base::CellRecord& tile = b.cells[1];
    tile.width = tile.height = 40;
    tile.posX = c.corner.x;
    tile.posY = c.corner.y;
    tile.letter = 'a';
    tile.settled = tile.movable = 1;
    b.held.selectedPiece = 1;
    const gfx::Rect before = At(c.corner.x, c.corner.y);
    grid::DropOptions options;
    options.listModule = c.dictation;
    const grid::DropOutcome out = b.board.Drop(options);
    EXPECT_EQ(b.held.selectedPiece, -1);
    ASSERT_FALSE(out.repaint.empty());
    if (c.column < 0) {
      EXPECT_FALSE(out.placed);
      EXPECT_EQ(b.state.itemCount, 1);
      EXPECT_EQ(out.repaint, (std::vector<gfx::Rect>{before.Inflated(5, 5)}));
      continue;
    }
    const gfx::Rect cell = grid::GridGeometry::Of(b.state).CellRect(c.column, c.line);
    EXPECT_TRUE(out.placed);
    EXPECT_EQ(out.column, c.column);
    EXPECT_EQ(out.line, c.line);
    EXPECT_EQ((gfx::Point{tile.posX, tile.posY}), (gfx::Point{cell.left, cell.top}));
    EXPECT_EQ(b.grid.text[static_cast<std::size_t>(c.line)][static_cast<std::size_t>(c.column)],
              'a');
    EXPECT_EQ(out.repaint.front(), before.Union(cell));
  }
}

}  // namespace
