#include "puzzle/puzzle_model.h"

#include <gtest/gtest.h>

#include "base/carry_home.h"

namespace {

using puzzle::CutPicture;

TEST(PuzzleCut, PiecesFollowThePictureShape) {
  // 800 × 600 fitted into 600 × 400 is 533 × 400: 25 asked give 6 × 4 pieces of 88 × 100, and
  // the last 5 columns of pixels belong to no piece.
  const puzzle::Cut wide = CutPicture(533, 400, 25);
  EXPECT_EQ(wide.columns, 6);
  EXPECT_EQ(wide.rows, 4);
  EXPECT_EQ(wide.cellWidth, 88);
  EXPECT_EQ(wide.cellHeight, 100);
  EXPECT_EQ(wide.columns * wide.cellWidth, 528);

  const puzzle::Cut square = CutPicture(400, 400, 25);
  EXPECT_EQ(square.columns, 5);
  EXPECT_EQ(square.rows, 5);
  EXPECT_EQ(square.cellWidth, 80);

  // Twice the zoom, twice the piece.
  const puzzle::Cut doubled = CutPicture(1066, 800, 25);
  EXPECT_EQ(doubled.Count(), 24);
  EXPECT_EQ(doubled.cellWidth, 177);
  EXPECT_EQ(doubled.cellHeight, 200);
}

TEST(PuzzleCut, ASliverOfAPictureKeepsOneRowAndNoDivisionByZero) {
  const puzzle::Cut flat = CutPicture(600, 1, 25);
  EXPECT_EQ(flat.rows, 1);
  EXPECT_GE(flat.columns, 1);
  EXPECT_EQ(flat.cellHeight, 1);
  const puzzle::Cut thin = CutPicture(1, 400, 1000);
  EXPECT_EQ(thin.columns, 1);
  EXPECT_GE(thin.cellHeight, 1);
  const puzzle::Cut many = CutPicture(600, 400, 1000);
  EXPECT_NEAR(many.Count(), 1000, 60);
}

TEST(PuzzleLayout, EveryPieceStartsAtHomeAndTilesTheHomeArea) {
  base::CellTable cells;
  cells[30].letter = 0x1234;
  const puzzle::Cut cut = CutPicture(533, 400, 25);
  const std::string_view labels = "123\xA7+456\xA7-789\xA7*0.=\xA7/";
  const int count = puzzle::LayOutPieces(cells, cut, puzzle::kHomeOrigin, labels);
  ASSERT_EQ(count, 24);
  for (int i = 0; i < count; ++i) {
    const base::CellRecord& r = cells[i];
    EXPECT_EQ(r.homeX, 150 + (i % 6) * 88);
    EXPECT_EQ(r.homeY, 90 + (i / 6) * 100);
    EXPECT_EQ(r.posX, r.homeX);
    EXPECT_EQ(r.sourceKey, i);
    EXPECT_EQ(r.placed, 1);
  }
  EXPECT_EQ(cells[7].Letter(), labels[5 + 1]);   // row 1, column 1
  EXPECT_EQ(cells[23].Letter(), '\0');           // row 3, column 5: past the table
  EXPECT_EQ(cells[30].letter, 0x1234);           // beyond the pieces only the flags are reset
  EXPECT_EQ(cells[1999].settled, 1);
}

TEST(PuzzlePieces, HitHomeCellAndCountAtHome) {
  base::CellTable cells;
  const puzzle::Cut cut{2, 2, 100, 100};
  const int count = puzzle::LayOutPieces(cells, cut, {150, 90}, {});
  base::BuildDrawOrder(cells, count, -1);
  // The rectangle is shifted a pixel: its left and top edges are outside.
  EXPECT_EQ(puzzle::HitTestPiece(cells, count, {150, 90}), -1);
  EXPECT_EQ(puzzle::HitTestPiece(cells, count, {151, 91}), 0);
  EXPECT_EQ(puzzle::HitTestPiece(cells, count, {250, 190}), 0);
  EXPECT_EQ(puzzle::HitTestPiece(cells, count, {251, 191}), 3);
  // Home cells are open rectangles: their borders belong to none.
  EXPECT_EQ(puzzle::HomeCellAt(cut, {150, 90}, {250, 150}), -1);
  EXPECT_EQ(puzzle::HomeCellAt(cut, {150, 90}, {251, 191}), 3);
  EXPECT_EQ(puzzle::HomeCellAt(cut, {150, 90}, {200, 191}), 2);
  EXPECT_EQ(puzzle::CountPiecesHome(cells, count), 4);
  cells[2].posX += 2;
  cells[3].posX += 1;
  cells[3].posY += 1;  // 1.41 pixels away still counts
  EXPECT_EQ(puzzle::CountPiecesHome(cells, count), 3);
}

TEST(PuzzlePieces, SnapsWithinThreeTenthsOfTheDiagonal) {
  base::CellRecord r;
  r.width = r.height = 100;  // tolerance 42.4
  r.homeX = 150;
  r.homeY = 90;
  r.posY = 90;
  r.posX = 150 + 29;
  EXPECT_TRUE(puzzle::NearHome(r));
  r.posX = 150 + 42;
  EXPECT_TRUE(puzzle::NearHome(r));
  r.posX = 150 + 43;
  EXPECT_FALSE(puzzle::NearHome(r));
  r.posX = 150 + 30;
  r.posY = 90 + 30;  // 42.43 > 42.426: just outside
  EXPECT_FALSE(puzzle::NearHome(r));
}

TEST(PuzzlePieces, ScatterUsesTheGeneratorsArithmetic) {
  base::CellTable cells;
  const int count = puzzle::LayOutPieces(cells, {3, 2, 50, 50}, {150, 90}, {});
  base::RandomGenerator random;
  random.Seed(7);
  base::RandomGenerator copy = random;
  puzzle::ScatterPieces(cells, count, {1150, 790}, random);
  for (int i = 0; i < count; ++i) {
    const int x = copy.Next();
    const int y = copy.Next();
    EXPECT_EQ(cells[i].posX, 1100 * x / 32767 + 50);
    EXPECT_EQ(cells[i].posY, 740 * y / 32767 + 50);
    EXPECT_EQ(cells[i].placed, 0);
  }
}

TEST(PuzzlePieces, AnimationStepGrowsWithTheNumberMoving) {
  EXPECT_EQ(base::CarryHomeStep(1), 20);
  EXPECT_EQ(base::CarryHomeStep(15), 20);
  EXPECT_EQ(base::CarryHomeStep(16), 30);
  EXPECT_EQ(base::CarryHomeStep(30), 30);
  EXPECT_EQ(base::CarryHomeStep(40), 60);
}

}  // namespace
