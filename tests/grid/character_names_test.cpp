#include "grid/character_names.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

namespace {

using grid::ExpectedLetterAt;
using grid::SpeakableText;
using grid::TextToRead;
using grid::WordAt;

constexpr bool kLong = true, kShort = false, kMath = true, kLetters = false;

struct RewriteCase {
  std::string_view text;
  bool longTable, mathModule;
  std::string_view said;
};

class Rewriting : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(Rewriting, SaysWhatTheChildExpects) {
  const RewriteCase c = GetParam();
  EXPECT_EQ(SpeakableText(c.text, c.longTable, c.mathModule), c.said);
}

// Hex escapes are cut where a hex digit follows them.
INSTANTIATE_TEST_SUITE_P(
    Cases, Rewriting,
    ::testing::Values(
        // Lone letters and marks are compared without their blanks, case and accents counting.
        RewriteCase{",", kLong, kLetters, "virgule"},
        RewriteCase{" ; ", kShort, kLetters, "point virgule"},
        RewriteCase{",,", kLong, kLetters, ",,"}, RewriteCase{"i", kLong, kLetters, "i"},
        RewriteCase{"I", kLong, kLetters, "I"}, RewriteCase{"c h e", kLong, kLetters, "cheu"},
        RewriteCase{"v", kLong, kLetters, "v\xE9"}, RewriteCase{"No", kLong, kLetters, "No"},
        // An accented capital is the same letter to the child; "i" is named "i", never "i grec".
        RewriteCase{"\xC9", kLong, kLetters, "e accent aigu"},
        RewriteCase{"\xC0", kShort, kLetters, "a accent grave"},
        RewriteCase{"\xD4", kLong, kLetters, "o accent circonflexe"},
        RewriteCase{"\xEE", kLong, kLetters, "i accent circonflexe"},
        RewriteCase{"\xCF", kLong, kLetters, "i tr\xE9ma"},
        RewriteCase{"\x9C", kLong, kLetters, "o e dans l'o"},
        RewriteCase{"\x8C", kShort, kLetters, "o e dans l'o"},
        RewriteCase{"\xE7", kLong, kLetters,
                    "c c\xE9"
                    "dille"},
        RewriteCase{")", kLong, kLetters,
                    "parenth\xE8se ferm\xE9"
                    "e"},
        // Signs inside a word, every occurrence.
        RewriteCase{"3.5", kLong, kLetters, "3 point5"},
        RewriteCase{"1.2.3", kShort, kLetters, "1 point2 point3"},
        RewriteCase{"6/2", kShort, kLetters, "6 Divis\xE9 par2"},
        RewriteCase{"5\x80", kShort, kLetters, "5 Euro"}, RewriteCase{"&", kLong, kLetters, " et"},
        RewriteCase{"&", kShort, kLetters, " Et"},
        // "=" is said everywhere; a lone "-" is a hyphen on the letters, minus in arithmetic.
        RewriteCase{"=", kLong, kMath, "\xE9gal"}, RewriteCase{"=", kShort, kLetters, "\xE9gal"},
        RewriteCase{"3+4=7", kLong, kMath, "3+4 \xE9gal 7"},
        RewriteCase{"3*4=12", kShort, kMath, "3 Multipli\xE9 par4 \xE9gal 12"},
        RewriteCase{"+", kLong, kMath, "plus"}, RewriteCase{"-", kLong, kLetters, "tiret"},
        RewriteCase{"-", kLong, kMath, " moins"},
        RewriteCase{"arc-en-ciel", kLong, kLetters, "arc-en-ciel"},
        RewriteCase{"7-3", kShort, kMath, "7 moins3"},
        // Said by name in a word, left alone in the whole text.
        RewriteCase{"#", kLong, kLetters, "di\xE8ze"}, RewriteCase{"#", kShort, kLetters, "#"},
        RewriteCase{"}", kLong, kLetters,
                    "accolade ferm\xE9"
                    "e"},
        // "$" goes last: a mark next to an unsaid letter is no lone mark.
        RewriteCase{"$", kLong, kLetters, ""}, RewriteCase{"ch$t", kLong, kLetters, "cht"},
        RewriteCase{",$", kLong, kLetters, ","}));

// Every name the program gives a lone character, in both readings and in every module: a row
// lost or mistyped teaches the child a wrong name.
TEST(CharacterNames, EveryLoneCharacterIsSaidByItsName) {
  struct Name {
    std::string_view character, said;
  };
  constexpr Name kNames[] = {
      {"che", "cheu"},
      {"r", "aire"},
      {"v", "v\xE9"},
      {"x", "ixe"},
      {"no", "nau"},
      {",", "virgule"},
      {";", "point virgule"},
      {":", "deux points"},
      {"!", "point d'exclamation"},
      {"?", "point d'interrogation"},
      {"'", "apostrophe"},
      {"=", "\xE9gal"},
      {"+", "plus"},
      {"\xE9", "e accent aigu"},
      {"\xF9", "u accent grave"},
      {"\xEA", "e accent circonflexe"},
      {"\xE8", "e accent grave"},
      {"\xE0", "a accent grave"},
      {"\xE2", "a accent circonflexe"},
      {"\xEE", "i accent circonflexe"},
      {"\xF4", "o accent circonflexe"},
      {"\xFB", "u accent circonflexe"},
      {"\xE7",
       "c c\xE9"
       "dille"},
      {"(", "parenth\xE8se ouverte"},
      {")",
       "parenth\xE8se ferm\xE9"
       "e"},
      {"\xEB", "e tr\xE9ma"},
      {"\xEF", "i tr\xE9ma"},
      {"\xFC", "u tr\xE9ma"},
      {"\x9C", "o e dans l'o"},
      {"\xC9", "e accent aigu"},
      {"\xD9", "u accent grave"},
      {"\xCA", "e accent circonflexe"},
      {"\xC8", "e accent grave"},
      {"\xC0", "a accent grave"},
      {"\xC2", "a accent circonflexe"},
      {"\xCE", "i accent circonflexe"},
      {"\xD4", "o accent circonflexe"},
      {"\xDB", "u accent circonflexe"},
      {"\xC7",
       "c c\xE9"
       "dille"},
      {"\xCB", "e tr\xE9ma"},
      {"\xCF", "i tr\xE9ma"},
      {"\xDC", "u tr\xE9ma"},
      {"\x8C", "o e dans l'o"},
  };
  static_assert(std::size(kNames) == 43);
  for (const Name& n : kNames) {
    for (const bool longTable : {kLong, kShort}) {
      for (const bool math : {kMath, kLetters}) {
        EXPECT_EQ(SpeakableText(n.character, longTable, math), n.said)
            << n.character << (longTable ? " long" : " short") << (math ? " math" : " letters");
      }
    }
    // Blanks around a lone character do not hide it.
    std::string spaced(1, ' ');
    spaced.append(n.character).push_back(' ');
    EXPECT_EQ(SpeakableText(spaced, kLong, kLetters), n.said) << n.character;
  }
}

// A grid of 10 columns and 4 lines after 41 keys; the cell table is large, so on the heap.
class Grid : public ::testing::Test {
 protected:
  Grid() { state.gridColumns = 10, state.gridLines = 4, state.keyCount = state.itemCount = 41; }

  void Write(int line, int column, std::string_view text) {
    for (char ch : text) grid.text[line][column++] = static_cast<std::uint8_t>(ch);
  }
  void AddTile(int column, int line, char letter, int visible = 1) {
    base::CellRecord& tile = cells[state.itemCount++];
    tile.gridCol = column, tile.gridRow = line, tile.visible = visible;
    tile.letter = static_cast<unsigned char>(letter);
  }
  // A fixed exercise's word with its tiles; "*" in the mask hides a letter, whose tile stays
  // invisible until the child lays a letter over it.
  void FixWord(int line, int column, std::string_view word, std::string_view mask) {
    Write(line, column, word);
    for (std::size_t i = 0; i < word.size(); ++i, ++column) {
      grid.fixedText[line][column] = static_cast<std::uint8_t>(word[i]);
      grid.hidden[line][column] = mask[i] == '*';
      grid.visibility[line][column] = mask[i] != '*';
      AddTile(column, line, word[i], mask[i] != '*');
    }
  }
  std::string Said(int column, int line, bool fixedOn = false, bool math = false) {
    return WordAt(cells, state, grid, column, line, fixedOn, false, math).text;
  }

  base::AppState state;
  std::unique_ptr<base::CellTable> table = std::make_unique<base::CellTable>();
  base::CellTable& cells = *table;
  grid::WritingGrid grid;
};

TEST_F(Grid, WordEndsAtBlanksAndAtTheGridEdges) {
  Write(1, 0, "le chat ok");
  grid.text[1][10] = 'x';  // beyond the grid's columns
  grid.text[3][0] = grid.text[4][0] = 'y';
  struct Case {
    int column, line;
    std::string_view said;
  };
  for (const Case c :
       {Case{0, 1, "le"}, Case{1, 1, "le"}, Case{3, 1, "chat"}, Case{6, 1, "chat"},
        Case{9, 1, "ok"}, Case{2, 1, ""}, Case{3, 3, ""}, Case{0, 3, "y"}, Case{0, 4, ""},
        Case{-1, 1, ""}, Case{10, 1, ""}, Case{0, -1, ""}, Case{0, 8, ""}}) {
    EXPECT_EQ(Said(c.column, c.line), c.said) << c.column << "," << c.line;
    EXPECT_EQ(Said(c.column, c.line, true), "") << c.column << "," << c.line;  // nothing fixed
  }
  state.gridColumns = 60, state.gridLines = 12;  // never beyond the layers
  Write(7, 37, "fin");
  EXPECT_EQ(Said(39, 7), "fin");
  EXPECT_EQ(Said(40, 7), "");
  EXPECT_EQ(ExpectedLetterAt(cells, state, grid, 40, 8), ' ');
}

TEST_F(Grid, AWordIsSaidWithTheLongTableAndWithoutItsHiddenLetters) {
  state.gridColumns = 12;
  Write(0, 0, ", # 7-3 chat");
  grid.visibility[0][9] = 0;
  EXPECT_EQ(Said(0, 0), "virgule");
  EXPECT_EQ(Said(2, 0), "di\xE8ze");
  EXPECT_EQ(Said(4, 0), "7-3");
  EXPECT_EQ(Said(4, 0, false, true), "7 moins3");
  EXPECT_EQ(Said(8, 0), "cat");
}

TEST_F(Grid, AFixedWordIsSaidOnceEveryLetterIsInPlace) {
  state.columnGap = 3;
  FixWord(1, 0, "le", "..");
  FixWord(1, 3, "chat", ".*..");
  auto word = WordAt(cells, state, grid, 4, 1, true, false, false);
  EXPECT_EQ(word.text, "");  // the hidden letter is missing
  EXPECT_FALSE(word.hiddenWordFound);
  EXPECT_EQ(word.area, base::CellRect(state, 3, 1).Union(base::CellRect(state, 6, 1)));

  AddTile(4, 1, 'j');  // wrong letters over the hidden one
  AddTile(4, 1, 'H');
  EXPECT_EQ(Said(4, 1, true), "");
  AddTile(4, 1, 'h');
  word = WordAt(cells, state, grid, 4, 1, true, false, false);
  EXPECT_EQ(word.text, "chat");
  EXPECT_TRUE(word.hiddenWordFound);
  EXPECT_FALSE(WordAt(cells, state, grid, 4, 1, true, true, false).hiddenWordFound);  // all done

  word = WordAt(cells, state, grid, 0, 1, true, false, false);  // nothing hidden: no find
  EXPECT_EQ(word.text, "le");
  EXPECT_FALSE(word.hiddenWordFound);
}

TEST_F(Grid, ExpectedLetterNeedsAVisibleTileCarryingIt) {
  FixWord(0, 0, "\xE9t\xE9", "*..");  // above 127: a signed char must still match
  EXPECT_EQ(ExpectedLetterAt(cells, state, grid, 0, 0), ' ');  // only the hidden tile
  EXPECT_EQ(ExpectedLetterAt(cells, state, grid, 2, 0), '\xE9');
  EXPECT_EQ(ExpectedLetterAt(cells, state, grid, 3, 0), ' ');  // nothing fixed there

  AddTile(0, 1, '\xE9');                              // right letter, wrong line
  base::CellRecord& beyond = cells[state.itemCount];  // one past the last tile
  beyond.gridCol = beyond.gridRow = 0, beyond.letter = 0xE9;
  cells[5] = beyond;  // a key is no tile
  EXPECT_EQ(ExpectedLetterAt(cells, state, grid, 0, 0), ' ');

  state.itemCount = 5000;  // counts out of bounds are held to the table
  EXPECT_EQ(ExpectedLetterAt(cells, state, grid, 0, 0), '\xE9');
  state.keyCount = -3, state.itemCount = -1;
  EXPECT_EQ(ExpectedLetterAt(cells, state, grid, 2, 0), ' ');
}

TEST_F(Grid, TheWholeTextRunsLineAfterLineWithTheShortTable) {
  state.gridColumns = 4, state.gridLines = 2;
  grid.text[0][3] = 0;  // a zero byte would cut the text short on its way to the voice
  grid.text[1][2] = '$';
  EXPECT_EQ(TextToRead(state, grid, false), "");  // blanks alone are nothing to read
  Write(1, 1, "i ");
  EXPECT_EQ(TextToRead(state, grid, false), "     i  ");  // a lone letter keeps its blanks
  Write(0, 0, "le");
  Write(1, 0, "c&#-");
  grid.visibility[1][0] = 0;                // hidden letters are read too
  grid.text[0][4] = grid.text[2][0] = 'x';  // outside the grid
  EXPECT_EQ(TextToRead(state, grid, false), "le  c Et#-");
  EXPECT_EQ(TextToRead(state, grid, true), "le  c Et# moins");

  state.gridColumns = 60, state.gridLines = 12;                     // never beyond the layers
  EXPECT_EQ(TextToRead(state, grid, false).size(), 8u * 40u + 2u);  // "&" said " Et"
}

}  // namespace
