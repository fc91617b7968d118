#include "exercises/syllable_colours.h"

#include <gtest/gtest.h>

#include <string>

#include "keyboard/key_colours.h"
#include "keyboard/letter_ink.h"
#include "support/temp_folder.h"

namespace {

using exercises::SyllableColours;
using exercises::SyllableLook;

// Tiles resting in the grid, as the tile board leaves them: after the keys, each in its cell.
struct Grid {
  base::CellTable cells;
  int keyCount = 3;
  int itemCount = 3;

  int Put(int column, int line, char letter) {
    base::CellRecord& r = cells[itemCount];
    r = {};
    r.gridCol = column;
    r.gridRow = line;
    r.letter = static_cast<unsigned char>(letter);
    return itemCount++;
  }
  void Write(int column, int line, const std::string& text) {
    for (std::size_t k = 0; k < text.size(); ++k) {
      if (text[k] != ' ') Put(column + static_cast<int>(k), line, text[k]);
    }
  }
};

// The inks of the tiles as letters: 1 and 2 the syllables in turn, m mute, . none.
std::string Shown(const SyllableColours& colours, const Grid& g, int scheme = 0, int pair = 0) {
  const auto& inks =
      keyboard::kSyllableInks[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(pair)];
  std::string out;
  for (int i = g.keyCount; i < g.itemCount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const gfx::Colour ink = at < colours.Inks().size() ? colours.Inks()[at] : keyboard::kKeepInk;
    out += ink == inks.first ? '1' : ink == inks.second ? '2' : ink == inks.mute ? 'm' : '.';
  }
  return out;
}

TEST(SyllableColours, SyllablesAlternateInEachWordAndMuteLettersAreGrey) {
  struct Case {
    const char* line;
    const char* inks;  // one a tile, blanks left out
  };
  for (const Case c : {
           Case{"ecole", "12211"},                  // e-co-le
           Case{"ils parlent", "11m1112mmm"},       // il[s] par-l[ent]
           Case{"la pomme", "1111122"},             // each word starts again with the first ink
           Case{"porte-monnaie", "11122.111222m"},  // por-te mon-nai[e]
           Case{"l'ami", "1.122"},                  // the apostrophe parts the words
           Case{"temps 2", "111mm."},               // tem[ps]; a digit is no letter
       }) {
    Grid g;
    g.Write(0, 2, c.line);
    SyllableColours colours;
    colours.Prepare(g.cells, g.keyCount, g.itemCount, {.on = true}, 0);
    EXPECT_EQ(Shown(colours, g), c.inks) << c.line;
  }
}

TEST(SyllableColours, TheChoicesAndTheSchemePickTheInks) {
  Grid g;
  g.Write(0, 0, "piano");
  SyllableColours colours;
  colours.Prepare(g.cells, g.keyCount, g.itemCount, {.on = true, .pair = 1}, 2);
  EXPECT_EQ(Shown(colours, g, 2, 1), "11122");  // pia-no
  colours.Prepare(g.cells, g.keyCount, g.itemCount, {.on = true, .splitGlides = true}, 1);
  EXPECT_EQ(Shown(colours, g, 1, 0), "11211");  // pi-a-no
  colours.Prepare(g.cells, g.keyCount, g.itemCount, {}, 1);
  EXPECT_TRUE(colours.Inks().empty());
}

TEST(SyllableColours, OnlyTheWordATileJoinedOrLeftIsCutAgain) {
  Grid g;
  g.Write(0, 0, "le chat parle");
  SyllableColours colours;
  const SyllableLook on{.on = true};
  using Cell = SyllableColours::Cell;
  EXPECT_EQ(colours.Prepare(g.cells, g.keyCount, g.itemCount, on, 0).size(), 11u);
  EXPECT_EQ(colours.WordsCut(), 3);
  // A paint with nothing changed cuts nothing and draws nothing again.
  EXPECT_TRUE(colours.Prepare(g.cells, g.keyCount, g.itemCount, on, 0).empty());
  EXPECT_EQ(colours.WordsCut(), 3);

  // "parle" becomes "parlent": its e goes grey with the new letters.
  g.Put(13, 0, 'n');
  g.Put(14, 0, 't');
  EXPECT_EQ(colours.Prepare(g.cells, g.keyCount, g.itemCount, on, 0),
            (std::vector<Cell>{{12, 0}, {13, 0}, {14, 0}}));
  EXPECT_EQ(colours.WordsCut(), 4);

  // The c of "chat" taken to another line: "hat" and the new "c" are cut, "le" is not.
  g.cells[g.keyCount + 2].gridRow = 3;
  colours.Prepare(g.cells, g.keyCount, g.itemCount, on, 0);
  EXPECT_EQ(colours.WordsCut(), 6);

  // Turned off, every coloured letter is drawn again as it was.
  EXPECT_EQ(colours.Prepare(g.cells, g.keyCount, g.itemCount, {}, 0).size(), 13u);
}

TEST(SyllableColours, TheTeachersExceptionsOverrideTheShippedOnesAndRefusedLinesAreTold) {
  testing_support::TempFolder program, data;
  testing_support::WriteBytes(program.Path() / "syllabes-exceptions.txt",
                              "monsieur\tmon-sieu[r]\nfemme\tfem-me\n");
  testing_support::WriteBytes(data.Path() / "syllabes-exceptions.txt",
                              "# la classe de CE1\nfemme\tfe[m]-me\nchat\tchien\n");
  Grid g;
  g.Write(0, 0, "monsieur femme");
  SyllableColours colours;
  colours.Prepare(g.cells, g.keyCount, g.itemCount, {.on = true}, 0);
  const std::string before = Shown(colours, g);
  const auto refused = colours.ReadExceptions(program.Path(), data.Path());
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_NE(refused[0].find("ligne 3"), std::string::npos) << refused[0];
  // The words already cut are cut again with the files.
  colours.Prepare(g.cells, g.keyCount, g.itemCount, {.on = true}, 0);
  EXPECT_EQ(Shown(colours, g), "1112222m11m22");
  EXPECT_NE(Shown(colours, g), before);
}

}  // namespace
