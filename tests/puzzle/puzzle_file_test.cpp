#include "puzzle/puzzle_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

namespace {

using puzzle::DecodePuzzleFile;
using puzzle::EncodePuzzleFile;
using puzzle::PuzzleFileData;

PuzzleFileData SixByFour() {
  PuzzleFileData d;
  d.picturePath = "C:\\Scribix\\Puzzles\\marsupilami.jpg";
  d.columns = 6;
  d.rows = 4;
  d.helpedCount = 2;
  d.placedCount = 9;
  d.noEffects = true;
  d.hideSolution = true;
  d.background = gfx::Rgb(77, 228, 223);
  d.shade1 = gfx::Rgb(57, 208, 203);
  d.shade2 = gfx::Rgb(37, 188, 183);
  for (int i = 0; i < 24; ++i) {
    base::CellRecord r;
    r.posX = 300 + i * 7;
    r.posY = 50 + i;
    r.homeX = 150 + (i % 6) * 88;
    r.homeY = 90 + (i / 6) * 100;
    r.placed = i % 3 == 0 ? 1 : 0;
    r.settled = i == 5 ? 0 : 1;
    r.glyph = 77;  // a picture handle never reaches the file
    r.sourceKey = i;
    d.records.push_back(r);
  }
  return d;
}

std::int32_t WordAt(const std::string& bytes, std::size_t offset) {
  std::int32_t v = 0;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

void PutWord(std::string& bytes, std::size_t offset, std::int32_t v) {
  std::memcpy(bytes.data() + offset, &v, 4);
}

TEST(PuzzleFile, RoundTripOfAPuzzleInProgress) {
  const PuzzleFileData d = SixByFour();
  const auto bytes = EncodePuzzleFile(d);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 3660u);
  EXPECT_EQ(WordAt(*bytes, 1000), 6);
  EXPECT_EQ(WordAt(*bytes, 1012), 9);
  EXPECT_EQ(WordAt(*bytes, 1052), 0x00DFE44D);  // colours as 0x00BBGGRR
  EXPECT_EQ(WordAt(*bytes, 1064), 24);
  EXPECT_EQ(WordAt(*bytes, 1068 + 20 * 4), 0);  // glyph of record 0
  EXPECT_EQ(std::bit_cast<float>(WordAt(*bytes, 1016)), 0.4f);

  const auto back = DecodePuzzleFile(*bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->picturePath, d.picturePath);
  EXPECT_EQ(back->helpedCount, 2);
  EXPECT_EQ(back->placedCount, 9);
  EXPECT_TRUE(back->noEffects && back->hideSolution);
  EXPECT_FALSE(back->noSounds || back->noAutoPlace);
  EXPECT_EQ(back->shade2, d.shade2);
  ASSERT_EQ(back->records.size(), 24u);
  for (std::size_t i = 0; i < 24; ++i) {
    EXPECT_EQ(back->records[i].posX, d.records[i].posX);
    EXPECT_EQ(back->records[i].posY, d.records[i].posY);
    EXPECT_EQ(back->records[i].placed, d.records[i].placed);
    EXPECT_EQ(back->records[i].settled, d.records[i].settled);
    EXPECT_EQ(back->records[i].glyph, 0);
  }
}

TEST(PuzzleFile, OutOfRangeValuesTakeTheirDefaults) {
  std::string bytes = *EncodePuzzleFile(SixByFour());
  PutWord(bytes, 1020, std::bit_cast<std::int32_t>(5.0f));  // puzzle zoom
  PutWord(bytes, 1028, 14);                                 // its index stays
  PutWord(bytes, 1032, 16);                                 // model index
  PutWord(bytes, 1016, std::bit_cast<std::int32_t>(1.5f));
  PutWord(bytes, 1024, 1500);
  auto d = DecodePuzzleFile(bytes);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->puzzleZoom, 1.0f);
  EXPECT_EQ(d->puzzleZoomIndex, 14);
  EXPECT_EQ(d->modelZoomIndex, 3);
  EXPECT_EQ(d->modelZoom, 0.4f);
  EXPECT_EQ(d->requestedPieces, 25);
  EXPECT_EQ(d->records.size(), 24u);  // the pieces are taken from the records

  PutWord(bytes, 1024, 0);
  PutWord(bytes, 1016, std::bit_cast<std::int32_t>(std::numeric_limits<float>::quiet_NaN()));
  d = DecodePuzzleFile(bytes);
  EXPECT_EQ(d->requestedPieces, 25);
  EXPECT_EQ(d->modelZoom, 0.4f);
}

TEST(PuzzleFile, AFileThatCannotHoldWhatItAnnouncesIsRefused) {
  std::string bytes = *EncodePuzzleFile(SixByFour());
  EXPECT_FALSE(DecodePuzzleFile(bytes.substr(0, bytes.size() - 1)));
  EXPECT_FALSE(DecodePuzzleFile(bytes.substr(0, 1067)));
  EXPECT_FALSE(DecodePuzzleFile({}));
  PutWord(bytes, 1064, -1);
  EXPECT_FALSE(DecodePuzzleFile(bytes));
  PutWord(bytes, 1064, 2001);
  EXPECT_FALSE(DecodePuzzleFile(bytes));
  PutWord(bytes, 1064, 0);
  const auto empty = DecodePuzzleFile(bytes);
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->records.empty());
}

TEST(PuzzleFile, APathMustFitItsField) {
  PuzzleFileData d = SixByFour();
  d.picturePath.assign(999, 'a');
  EXPECT_TRUE(EncodePuzzleFile(d));
  d.picturePath.assign(1000, 'a');
  EXPECT_FALSE(EncodePuzzleFile(d));
  // A path field without its zero is taken whole.
  std::string bytes = *EncodePuzzleFile(SixByFour());
  std::memset(bytes.data(), 'b', 1000);
  EXPECT_EQ(DecodePuzzleFile(bytes)->picturePath, std::string(1000, 'b'));
}

}  // namespace
