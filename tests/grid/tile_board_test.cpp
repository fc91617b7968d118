#include "keyboard/tile_input.h"

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
  EXPECT_EQ(keyboard::HitTest(cells, 3, {30, 30}), 0);
  // The left and top edges are outside, the right and bottom ones inside.
  EXPECT_EQ(keyboard::HitTest(cells, 3, {10, 30}), -1);
  EXPECT_EQ(keyboard::HitTest(cells, 3, {50, 50}), 0);
  EXPECT_EQ(keyboard::HitTest(cells, 3, {51, 50}), -1);
  EXPECT_EQ(keyboard::HitTest(cells, 0, {30, 30}), -1);
}

TEST(TileInput, TheGridAreaHoldsTheCellsAndTheGapsBetweenThem) {
  base::AppState s;
  s.gridLeft = 100;
  s.gridTop = 90;
  s.gridColumns = 4;
  s.gridLines = 2;
  s.cellWidth = s.cellHeight = 40;
  s.lineGap = 25;
  EXPECT_TRUE(keyboard::InGridArea(s, {100, 90}));
  EXPECT_TRUE(keyboard::InGridArea(s, {260, 195}));  // 100 + 4 x 40, 90 + 2 x 40 + 25
  EXPECT_FALSE(keyboard::InGridArea(s, {261, 150}));
  EXPECT_FALSE(keyboard::InGridArea(s, {150, 196}));
  EXPECT_FALSE(keyboard::InGridArea(s, {99, 100}));
}

}  // namespace
