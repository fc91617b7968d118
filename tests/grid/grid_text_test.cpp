#include "grid/grid_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "keyboard/keyboard_layout.h"
#include "support/fake_ports.h"
#include "support/view_harness.h"

namespace {

using grid::WritingGrid;

// A grid with the letter keyboard (or the keypad) laid out and its pictures loaded.
struct Desk {
  explicit Desk(bool keypad = false, int columns = 20, int lines = 6) {
    testing_support::AddProgramPictures(fakePictures, "/program");
    pictures.Load(fakePictures, dialogs, "/program", 0);
    const keyboard::KeyGeometry geometry{1.0f, 40, 40, {310, 470}};
    const keyboard::KeyCounts counts = keypad
                                           ? keyboard::LayoutKeypad(geometry, cells, keys)
                                           : keyboard::LayoutLetterKeyboard(geometry, cells, keys);
    keyboard::WriteKeyLabels(cells, keypad ? keyboard::PageKeypad : keyboard::PageLower);
    state.keyCount = state.itemCount = counts.keyCount;
    state.gridColumns = columns;
    state.gridLines = lines;
  }

  int Tiles() const { return state.itemCount - state.keyCount; }
  const base::CellRecord* TileAt(int column, int line) const {
    for (int i = state.keyCount; i < state.itemCount; ++i) {
      if (cells[i].gridCol == column && cells[i].gridRow == line) return &cells[i];
    }
    return nullptr;
  }
  bool Load(std::string_view text, bool fixedOn = false, bool keypad = false) {
    return grid::LoadTextIntoGrid(g, text, fixedOn, keypad, repaint);
  }
  void Place(char ch, int column, int line, int visible = 1, int link = 0, bool fixedOn = false) {
    const auto key = grid::FindKeyFor(ch, false);
    ASSERT_TRUE(key);
    grid::PlaceLetterTile(g, key->key, key->page, column, line, key->label, visible, link, fixedOn);
  }

  testing_support::FakePictures fakePictures;
  testing_support::FakeUserDialogs dialogs;
  keyboard::KeyboardPictures pictures;
  keyboard::KeyboardState keys;
  base::AppState state;
  base::CellTable cells;
  WritingGrid grid;
  grid::GridTiles g{state, cells, grid, pictures};
  std::vector<gfx::Rect> repainted;
  grid::Repaint repaint = [this](const gfx::Rect& r) { repainted.push_back(r); };
};

// A line as the mirror writes it: the cells given, then blank ones up to 40, CR LF. The markup
// takes no cell.
std::string Line(std::string_view shown) {
  const auto markup = std::count_if(shown.begin(), shown.end(), [](char c) {
    return c == '[' || c == ']' || c == '(' || c == ')';
  });
  const auto cells = static_cast<std::ptrdiff_t>(shown.size()) - markup;
  return std::string(shown) + std::string(static_cast<std::size_t>(40 - cells), ' ') + "\r\n";
}
std::string BlankLines(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += Line("");
  return s;
}

TEST(GridCursor, TheDictationGoesOnToTheNextAnswerCellEvenAtTheStartOfTheNextLine) {
  base::AppState state;
  state.gridColumns = 20;
  WritingGrid grid;
  for (int c = 0; c < 5; ++c) grid.enabled[0][static_cast<std::size_t>(c)] = 1;
  for (int c = 0; c < 3; ++c) grid.enabled[1][static_cast<std::size_t>(c)] = 1;
  grid.cursorCol = 4;  // the last letter of line 0 was just written
  grid::AdvanceCursor(grid, state, true);
  EXPECT_EQ(grid.cursorCol, 0);
  EXPECT_EQ(grid.cursorRow, 1);
  // A word just laid out keeps the cursor where the painter will put it.
  grid.pendingWord = 1;
  grid.cursorCol = 0;
  grid.cursorRow = 0;
  grid::AdvanceCursor(grid, state, true);
  EXPECT_EQ(grid.cursorCol, 1);
}

TEST(GridTiles, EraseAtTheFirstCellDoesNothingAndAtALineStartTakesThePreviousLinesLastCell) {
  Desk d;
  d.Place('a', 19, 1);
  d.Place('b', 0, 2);
  d.Place('c', 5, 2);
  EXPECT_TRUE(grid::EraseBack(d.g).IsEmpty());
  EXPECT_EQ(d.grid.cursorCol, 0);
  EXPECT_EQ(d.grid.cursorRow, 0);
  EXPECT_EQ(d.Tiles(), 3);

  d.grid.cursorCol = 0;
  d.grid.cursorRow = 2;
  const gfx::Rect cell = base::CellRect(d.state, 19, 1);
  EXPECT_EQ(grid::EraseBack(d.g), cell.Inflated(5, 5));
  EXPECT_EQ(d.grid.cursorCol, 19);
  EXPECT_EQ(d.grid.cursorRow, 1);
  ASSERT_EQ(d.Tiles(), 2);
  EXPECT_EQ(d.cells[41].Letter(), 'b');  // the later tiles moved down, in order
  EXPECT_EQ(d.cells[42].Letter(), 'c');
  EXPECT_EQ(d.grid.text[1][19], ' ');
  EXPECT_EQ(d.grid.occupancy[1][19], 0);
  // An empty cell: the cursor moves, nothing is removed.
  EXPECT_TRUE(grid::EraseBack(d.g).IsEmpty());
  EXPECT_EQ(d.grid.cursorCol, 18);
  EXPECT_EQ(d.Tiles(), 2);
}

TEST(GridTiles, RemoveTileTakesOnlyTilesAndUncoversAHiddenLetter) {
  Desk d;
  d.Place('d', 2, 0, 0, 0, true);  // the hidden letter of a fixed exercise
  d.Place('x', 2, 0);              // the child's tile laid over it
  for (int k : {-1, 0, 40, 43, 2000}) grid::RemoveTile(d.g, k);
  EXPECT_EQ(d.Tiles(), 2);
  grid::RemoveTile(d.g, 42);
  EXPECT_EQ(d.Tiles(), 1);
  EXPECT_EQ(d.grid.text[0][2], 'd');
  EXPECT_EQ(d.grid.visibility[0][2], 0);
  grid::RemoveTile(d.g, 41);
  EXPECT_EQ(d.grid.text[0][2], ' ');
  EXPECT_EQ(d.grid.visibility[0][2], 1);
  EXPECT_EQ(d.grid.occupancy[0][2], 0);
}

TEST(GridTiles, ClearReleasesTheTilesAndEmptiesTheLayers) {
  Desk d;
  ASSERT_TRUE(d.Load("\"Lis\"\r\nun (ch)[at]", true));
  grid::FixExercise(d.grid, true);
  d.grid.enabled[1][3] = 1;
  d.grid.cursorCol = 4;
  grid::ClearGrid(d.g, 0, false);
  EXPECT_EQ(d.grid.clearing, 1);
  EXPECT_EQ(d.grid.cursorCol, 0);
  EXPECT_EQ(d.grid.instructionText, "");
  const WritingGrid empty;
  EXPECT_TRUE(d.grid.text == empty.text && d.grid.visibility == empty.visibility &&
              d.grid.links == empty.links && d.grid.marks == empty.marks &&
              d.grid.fixedText == empty.fixedText && d.grid.hidden == empty.hidden &&
              d.grid.occupancy == empty.occupancy);
  EXPECT_EQ(d.grid.enabled[1][3], 1);  // the list word's cells stay
  ASSERT_EQ(d.Tiles(), 6);
  for (int i = 41; i < d.state.itemCount; ++i) {
    EXPECT_EQ(d.cells[i].gridCol, -1);
    EXPECT_EQ(d.cells[i].settled, 0);
    EXPECT_EQ(d.cells[i].solvedMark, 1);
  }
  EXPECT_FALSE(d.Load("abc"));  // no import while clearing
  EXPECT_EQ(d.Tiles(), 6);

  Desk puzzle;
  puzzle.Place('a', 0, 0);
  grid::ClearGrid(puzzle.g, 0, true);
  EXPECT_EQ(puzzle.cells[41].gridCol, 0);
}

TEST(GridImport, TitleLinksAndHiddenLettersAndTheirMirror) {
  Desk d;
  const std::string text =
      "\"\xC9"
      "cris\"\r\nle (chat) [dort]";
  ASSERT_TRUE(d.Load(text));
  EXPECT_EQ(d.grid.instructionText,
            "\xC9"
            "cris");
  EXPECT_EQ(d.Tiles(), 10);
  const std::string shown = "le chat dort";
  for (int c = 0; c < 12; ++c) {
    const base::CellRecord* tile = d.TileAt(c, 0);
    ASSERT_EQ(tile != nullptr, shown[static_cast<std::size_t>(c)] != ' ') << c;
    if (tile == nullptr) continue;
    EXPECT_EQ(tile->Letter(), shown[static_cast<std::size_t>(c)]);
    EXPECT_EQ(tile->linkGroup, c >= 3 && c <= 6 ? 1 : 0) << c;
    EXPECT_EQ(tile->visible, c >= 8 ? 0 : 1) << c;
  }
  EXPECT_EQ(d.grid.linkCounter, 2);
  const std::string mirror = grid::MirrorGridToEditor(d.g);
  EXPECT_EQ(mirror,
            "\"\xC9"
            "cris\"\r\n" +
                Line("le (chat) [dort]") + BlankLines(7));
  // What the mirror writes reads back as the same grid.
  ASSERT_TRUE(d.Load(mirror));
  EXPECT_EQ(grid::MirrorGridToEditor(d.g), mirror);
}

TEST(GridImport, LongLinesAndExtraLinesAreDropped) {
  Desk d(false, 6, 2);
  ASSERT_TRUE(d.Load("abcdefgh\r\nij\r\nkl"));
  EXPECT_EQ(d.Tiles(), 8);
  EXPECT_EQ(d.TileAt(5, 0)->Letter(), 'f');
  EXPECT_EQ(d.grid.text[0][6], ' ');
  EXPECT_EQ(d.TileAt(1, 1)->Letter(), 'j');
  EXPECT_EQ(d.grid.text[2][0], ' ');
}

TEST(GridImport, ACharacterNoKeyShowsStaysInTheTextWithoutATile) {
  Desk d;
  ASSERT_TRUE(d.Load("5%\r\nil dit \"oui\" [#]"));
  EXPECT_EQ(d.grid.instructionText, "");  // a quote below the first line is text
  EXPECT_EQ(d.grid.text[0][1], '%');
  EXPECT_EQ(d.TileAt(1, 0), nullptr);
  EXPECT_EQ(d.TileAt(0, 0)->Letter(), '5');
  EXPECT_EQ(grid::MirrorGridToEditor(d.g), Line("5%") + Line("il dit \"oui\" [#]") + BlankLines(6));
  // A tile the child takes away leaves nothing behind; the "%" stays.
  grid::RemoveTile(d.g, d.state.keyCount);
  EXPECT_EQ(grid::MirrorGridToEditor(d.g), Line(" %") + Line("il dit \"oui\" [#]") + BlankLines(6));
  // Without a title, a quote on the first line is kept from being read back as one.
  ASSERT_TRUE(d.Load("\"\"\r\n\"a\""));
  EXPECT_EQ(grid::MirrorGridToEditor(d.g), "\"\"\r\n" + Line("\"a\"") + BlankLines(7));
}

TEST(GridImport, AMissingClosingQuoteLeavesTheGridEmpty) {
  Desk d;
  ASSERT_TRUE(d.Load("abc"));
  d.repainted.clear();
  EXPECT_FALSE(d.Load("\"Ecris\r\nle chat\""));
  EXPECT_EQ(d.Tiles(), 0);
  EXPECT_EQ(d.grid.text[0][0], ' ');
  EXPECT_EQ(d.grid.instructionText, "");
  EXPECT_EQ(d.repainted.size(), 3u);  // where the old tiles were drawn
}

TEST(GridImport, KeysAreFoundByTheLookupRules) {
  struct Case {
    char c;
    bool keypad;
    int key, page;  // key -1: no key shows it
    char label;
  };
  const Case cases[] = {
      {'a', false, 0, 0, 'a'},        {'A', false, 0, 1, 'a'},
      {'m', false, 20, 0, 'm'},       {'\xE9', false, 29, 0, '\xE9'},
      {'\xC9', false, 29, 1, '\xE9'}, {'\xEA', false, 1, 2, '\xEA'},
      {'\xCA', false, 1, 3, '\xEA'},  {'\xE7', false, 11, 2, '\xE7'},
      {'\xC7', false, 11, 3, '\xE7'}, {'\xD9', false, 15, 3, '\xF9'},
      {'!', false, 34, 0, '!'},       {'.', false, 37, 0, '.'},
      {'\'', false, 40, 0, '\''},     {'1', false, 6, 2, '1'},
      {'0', false, 37, 2, '0'},       {'=', false, 40, 2, '='},
      {'\x80', false, 24, 2, '\x80'}, {'1', true, 0, 4, '1'},
      {'0', true, 15, 4, '0'},        {'/', true, 19, 4, '/'},
      {'a', true, -1, 0, 0},          {'%', false, -1, 0, 0},
      {'#', false, -1, 0, 0},         {'\xA7', false, -1, 0, 0},
      {'\xA7', true, -1, 0, 0},       {' ', false, -1, 0, 0},
      {'\x9C', false, 5, 2, '\x9C'},  {'\x8C', false, 5, 3, '\x9C'},
  };
  for (const Case& c : cases) {
    const auto match = grid::FindKeyFor(c.c, c.keypad);
    SCOPED_TRACE(testing::Message() << int(static_cast<unsigned char>(c.c)) << " " << c.keypad);
    ASSERT_EQ(match.has_value(), c.key >= 0);
    if (!match) continue;
    EXPECT_EQ(match->key, c.key);
    EXPECT_EQ(match->page, c.page);
    EXPECT_EQ(match->label, c.label);
  }
}

TEST(GridTiles, ANewTileCopiesItsKeyAndIsRefusedOutsideTheKeysTheCellsOrAFullTable) {
  Desk d;
  d.cells[41].solvedMark = 1;  // left by a tile removed earlier
  EXPECT_EQ(grid::PlaceLetterTile(d.g, 29, 1, 3, 2, '\xE9', 0, 4, true),
            base::CellRect(d.state, 3, 2));
  const base::CellRecord& tile = d.cells[41];
  const base::CellRecord& key = d.cells[29];
  EXPECT_EQ(tile.Letter(), '\xC9');
  EXPECT_EQ((std::array{tile.srcX, tile.srcY, tile.startY, tile.width, tile.gridCol, tile.gridRow}),
            (std::array{key.srcX, key.srcY, key.startY, key.width, 3, 2}));
  EXPECT_EQ((std::array{tile.visible, tile.linkGroup, tile.fixed, tile.settled, tile.solvedMark}),
            (std::array{0, 4, 1, 1, 0}));
  EXPECT_EQ(tile.glyph, d.pictures.Glyph(0, 0, 1, 29));
  EXPECT_NE(tile.glyph, 0);

  const struct {
    int key, column, line;
  } refused[] = {{-1, 0, 0}, {41, 0, 0}, {0, 20, 0}, {0, -1, 0}, {0, 0, 6}, {0, 0, -1}};
  for (const auto& r : refused) {
    EXPECT_TRUE(grid::PlaceLetterTile(d.g, r.key, 0, r.column, r.line, 'a', 1, 0, false).IsEmpty());
  }
  d.state.itemCount = base::kMaxItems - 1;
  EXPECT_FALSE(grid::PlaceLetterTile(d.g, 0, 0, 0, 0, 'a', 1, 0, false).IsEmpty());
  EXPECT_TRUE(grid::PlaceLetterTile(d.g, 0, 0, 1, 0, 'a', 1, 0, false).IsEmpty());
  EXPECT_EQ(d.state.itemCount, base::kMaxItems);
}

TEST(GridTiles, SolutionTilesAreRepaintedOneByOne) {
  Desk d;
  d.Place('z', 9, 4);
  d.grid.solution[1][2] = 'o';
  d.grid.solution[1][3] = '%';
  d.grid.solution[1][4] = 'u';
  grid::PlaceSolutionTiles(d.g, true, false, false, d.repaint);
  ASSERT_EQ(d.Tiles(), 2);
  EXPECT_EQ(d.TileAt(9, 4), nullptr);
  EXPECT_EQ(d.TileAt(4, 1)->Letter(), 'u');
  EXPECT_EQ(d.repainted,
            (std::vector{base::CellRect(d.state, 9, 4).Inflated(5, 5),
                         base::CellRect(d.state, 2, 1), base::CellRect(d.state, 4, 1)}));
  EXPECT_EQ(d.grid.text[4][9], ' ');  // the removed tile's cell is empty again
  EXPECT_EQ(d.grid.textSnapshot, d.grid.text);
}

TEST(GridChecks, AFixedExerciseCompletesWhenItsHiddenLettersAreWritten) {
  Desk d;
  ASSERT_TRUE(d.Load("un %\r\nch[at]", true));
  grid::FixExercise(d.grid, true);
  EXPECT_EQ(grid::CheckFixedExercise(d.cells, d.state, d.grid), 0);
  d.Place('a', 2, 1);
  EXPECT_EQ(grid::CheckFixedExercise(d.cells, d.state, d.grid), 0);
  d.Place('T', 3, 1);  // the wrong case is not the letter
  EXPECT_EQ(grid::CheckFixedExercise(d.cells, d.state, d.grid), 0);
  d.Place('t', 3, 1);
  EXPECT_EQ(grid::CheckFixedExercise(d.cells, d.state, d.grid), 2);  // "%" is not waited for

  // Hiding nothing, an exercise never counts as complete; fixing again forgets old hidden cells.
  ASSERT_TRUE(d.Load("un chat", true));
  grid::FixExercise(d.grid, true);
  EXPECT_EQ(grid::CheckFixedExercise(d.cells, d.state, d.grid), 0);
  grid::FixExercise(d.grid, false);
  EXPECT_EQ(d.grid.fixedText[0][0], ' ');
}

TEST(GridChecks, TheListWordIgnoresTheLetterCase) {
  struct Case {
    std::string expected, written;
    bool complete;
  };
  const Case cases[] = {{"a", "A", true},      {"\xE9t\xE9", "\xC9T\xE9", true},
                        {"ami", "amo", false}, {"ami", "am", false},
                        {"A", "a", true},      {"", "", false}};
  for (const Case& c : cases) {
    Desk d;
    for (std::size_t i = 0; i < c.expected.size(); ++i) d.grid.expected[1][i + 2] = c.expected[i];
    for (std::size_t i = 0; i < c.written.size(); ++i) {
      d.Place(c.written[i], static_cast<int>(i) + 2, 1);
    }
    d.Place('x', 10, 3);  // a tile outside the word does not matter
    EXPECT_EQ(grid::CheckListWord(d.cells, d.state, d.grid), c.complete) << c.expected;
  }
}

TEST(GridChecks, WordsAreSplitByBlanksAndMarks) {
  const std::pair<std::string_view, int> cases[] = {
      {"", 0},        {"chat", 1},     {"  le chat  ", 2},
      {"l'arbre", 2}, {"oui!non?", 2}, {"a,b.c;d:e`f", 6},
      {"...", 0},     {"un\tdeux", 2}, {"\xE9t\xE9", 1}};
  for (const auto& [text, words] : cases) EXPECT_EQ(grid::CountWords(text), words) << text;
}

TEST(GridMirror, GroupsAndHiddenRunsCloseWhereTheirLastCellIs) {
  Desk d(false, 40, 8);
  d.Place('a', 0, 0, 1, 1);
  d.Place('b', 1, 0, 1, 2);
  d.Place('c', 2, 0, 1, 1);   // group 1 again: it stays open over b
  d.Place('d', 0, 1, 1, -1);  // made on the keyboard: no group
  d.Place('e', 38, 7, 0);
  d.Place('f', 39, 7, 0);  // the last cell closes the run before its own markup
  EXPECT_EQ(grid::MirrorGridToEditor(d.g),
            Line("(abc)") + Line("d") + BlankLines(5) + std::string(38, ' ') + "[e][f\r\n");
}

// Whatever the teacher typed, what the mirror writes reads back as the same grid.
TEST(GridMirror, WhatItWritesImportsBackUnchanged) {
  const std::string alphabet = "abc ABe\xE9\xC9\xE7 1+=%#\"[]()\r\n\n\n\t\xA7\x9C.,'";
  std::mt19937 random(20240611);
  const auto letters = std::make_unique<Desk>(false);
  const auto keypadDesk = std::make_unique<Desk>(true);
  for (int round = 0; round < 300; ++round) {
    const bool keypad = round % 4 == 3;
    Desk* d = keypad ? keypadDesk.get() : letters.get();
    d->state.gridColumns = 2 * static_cast<int>(random() % 20 + 1);
    d->state.gridLines = static_cast<int>(random() % 8 + 1);
    std::string text;
    const int length = static_cast<int>(random() % 160);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    SCOPED_TRACE(testing::Message() << "round " << round << " text [" << text << "]");
    if (!d->Load(text, false, keypad)) continue;
    const std::string once = grid::MirrorGridToEditor(d->g);
    const auto shownText = d->grid.text;
    const auto shownVisibility = d->grid.visibility;
    ASSERT_TRUE(d->Load(once, false, keypad));
    EXPECT_EQ(d->grid.text, shownText);
    EXPECT_EQ(d->grid.visibility, shownVisibility);
    ASSERT_EQ(grid::MirrorGridToEditor(d->g), once);
  }
}

}  // namespace
