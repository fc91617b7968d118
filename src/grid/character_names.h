#pragma once

#include <string>
#include <string_view>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "gfx/geometry.h"
#include "grid/writing_grid.h"

namespace grid {

// A synthesiser reads a lone letter, a punctuation mark or an accented letter badly, so what the
// child wrote is rewritten into words it pronounces as the child expects. All texts are
// Windows-1252. "$" stands for a letter that must not be said; it never reaches the synthesiser.

// The text rewritten for the synthesiser: the long table for a word, the short one for the whole
// text. "-" is said " moins" only in the arithmetic module.
std::string SpeakableText(std::string_view text, bool longTable, bool mathModule);

// In a fixed exercise: the expected character of the cell when a visible tile there carries
// exactly it, else a blank. A cell outside the grid gives a blank.
char ExpectedLetterAt(const base::CellTable& cells, const base::AppState& state,
                      const WritingGrid& grid, int column, int line);

// The word of the text layer that holds a cell, as it is to be said.
struct WordToSay {
  std::string text;  // rewritten, ready to speak; empty: nothing is said
  gfx::Rect area;    // the rectangle enclosing the word's cells (recorded in a fixed exercise)
  bool hiddenWordFound = false;  // a fixed exercise's word with a hidden letter, not yet complete
};

// fixedOn: "Fixer l'exercice" is ticked; exerciseComplete: every fixed letter is in place.
// A blank cell, or one outside the grid, has no word.
WordToSay WordAt(const base::CellTable& cells, const base::AppState& state, const WritingGrid& grid,
                 int column, int line, bool fixedOn, bool exerciseComplete, bool mathModule);

// The whole grid as it is read aloud, hidden letters included: every line of every column, one
// after the other with nothing between lines, rewritten with the short table. Empty when the
// grid holds nothing to say.
std::string TextToRead(const base::AppState& state, const WritingGrid& grid, bool mathModule);

}  // namespace grid
