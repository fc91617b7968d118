#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/cell_table.h"
#include "gfx/colour.h"
#include "grid/writing_grid.h"
#include "syllables/exceptions.h"
#include "syllables/syllables.h"

// The syllables of the words written in the grid, in colour: each word's syllables alternate two
// inks, starting again at each word, and its mute letters are grey. The words are the grid lines'
// runs of letters ("-" and "'" part words). The colours are worked out before a paint and kept
// per word: a word is cut again only when a tile joins it or leaves it.
namespace exercises {

// The settings' choice.
struct SyllableLook {
  bool on = false;           // "Syllabes en couleur"
  std::int32_t pair = 0;     // 0 "bleu / rouge", 1 "bleu / orange"
  bool splitGlides = false;  // "Débutant (pi-a-no)"
  bool operator==(const SyllableLook&) const = default;
};

class SyllableColours {
 public:
  using CellInks = std::array<std::array<gfx::Colour, grid::WritingGrid::kListColumns>,
                              grid::WritingGrid::kLines>;
  // The shipped exceptions, then the teacher's over them; the words are cut again. Gives the
  // French messages of the lines refused.
  std::vector<std::string> ReadExceptions(const std::filesystem::path& programFolder,
                                          const std::filesystem::path& dataFolder);

  // A cell of the grid, column and line.
  struct Cell {
    int column, line;
    bool operator==(const Cell&) const = default;
  };
  // The ink of every tile resting in the grid (tiles keyCount to itemCount - 1) for keyboard
  // colour scheme `scheme`; nothing when the look is off. Gives the cells whose letter changed
  // colour since the last time: a tile that joins a word can change its neighbours' colours.
  std::vector<Cell> Prepare(const base::CellTable& cells, int keyCount, int itemCount,
                            const SyllableLook& look, int scheme);
  // By item: the ink of its letter, keyboard::kKeepInk for none; empty when nothing is coloured.
  const std::vector<gfx::Colour>& Inks() const { return inks_; }

  // How many words were cut since the start: a word already cut is not cut again.
  int WordsCut() const { return wordsCut_; }

 private:
  syllables::Exceptions exceptions_;
  SyllableLook cutWith_;
  // The words of the grid by their letters (with the apostrophe that follows an elided word).
  std::unordered_map<std::string, syllables::Word> words_;
  std::vector<gfx::Colour> inks_;
  // The ink of each cell's letter at the last preparation.
  CellInks cellInks_ = NoInks();
  int wordsCut_ = 0;

  static CellInks NoInks();
  void ColourWords(const base::CellTable& cells, int keyCount, int itemCount,
                   const SyllableLook& look, int scheme);
};

}  // namespace exercises
