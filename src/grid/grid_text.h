#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "gfx/geometry.h"
#include "grid/writing_grid.h"
#include "keyboard/keyboard_pictures.h"

// What is written in the grid: the cursor, the tiles resting in cells, the text they spell and
// its markup ("title" on the first line, [hidden letters], (linked letters)), and the checks that
// tell a finished word or exercise. Sounds, speech and the editor window are the callers'.
namespace grid {

// The grid and the tiles the text operations work on.
struct GridTiles {
  base::AppState& state;  // geometry, keyCount, itemCount, zoom index, colours
  base::CellTable& cells;
  WritingGrid& grid;
  const keyboard::KeyboardPictures& pictures;  // glyphs of new tiles
};
// Asks for a rectangle to be repainted. An empty function asks for nothing.
using Repaint = std::function<void(const gfx::Rect&)>;

// The cells in use: the grid's current size, never more than the layers hold.
int GridColumnsInUse(const base::AppState& state);
int GridLinesInUse(const base::AppState& state);

// One cell on: the next line's first cell after the last column, nothing on the last cell. In the
// dictation the cursor then goes on to the next answer cell, unless a new word is pending.
void AdvanceCursor(WritingGrid& grid, const base::AppState& state, bool listModule);
// To the start of the next line, when there is one.
void CursorNewLine(WritingGrid& grid, const base::AppState& state);
// The cursor moves back one cell and the tile there is removed; gives that tile's rectangle
// grown by 5 (empty when no tile was removed). The caller mirrors.
gfx::Rect EraseBack(GridTiles& g);
// Takes tile k (keyCount <= k < itemCount, else nothing) out of its cell and out of the table;
// the records after it move down. The caller mirrors.
void RemoveTile(GridTiles& g, int k);
// Every layer of the 8 x 40 cells emptied, the cursor home and clearing = 1. Outside the puzzle
// every tile loses its cell and is released (settled = settledValue, drawn turned). The list
// word's cells stay. The sound, the editor's text and "Fixer l'exercice" are the caller's.
void ClearGrid(GridTiles& g, int settledValue, bool inPuzzle);

// The editor's text into the grid, as tiles: the old tiles go (their places are repainted), the
// layers are filled from the text and a tile is laid on every character a key shows. A title
// between double quotes on the first line becomes the instruction. Skipped while clearing;
// false when it was skipped or the title's closing quote is missing (the grid is then left
// empty). fixedOn: "Fixer l'exercice"; keypad: the arithmetic module's key lookup.
bool LoadTextIntoGrid(GridTiles& g, std::string_view editorText, bool fixedOn, bool keypad,
                      const Repaint& repaint);
// Rebuilds the text, visibility and link layers from the tiles and gives the editor's text: the
// title line, then 8 lines of 40 cells with their markup, CR LF after each. A character that no
// key shows has no tile and keeps its cell. The caller skips this while fixed or clearing, and
// sets the text into the editor.
std::string MirrorGridToEditor(GridTiles& g);

// The key showing a character and the page whose picture shows it. label is the key's label
// (lower case; PlaceLetterTile makes it upper case for the capitals' pages).
struct KeyMatch {
  int key;
  int page;
  char label;
};
// Letters, accented letters, punctuation and signs on the letter keyboard; with keypad, the
// arithmetic keypad's keys only. Blanks and the inert keys show no character.
std::optional<KeyMatch> FindKeyFor(char c, bool keypad);

// A tile for every character of the text layer that a key shows, with its cell's visibility and
// link group; then the changed cells are repainted.
void PlaceTextAsTiles(GridTiles& g, bool fixedOn, bool keypad, const Repaint& repaint);
// The same for the solution layer, every tile's cell repainted at once; removeAll drops every
// tile first.
void PlaceSolutionTiles(GridTiles& g, bool removeAll, bool fixedOn, bool keypad,
                        const Repaint& repaint);
// A new tile made from key `key` (0 to keyCount - 1) resting in cell (column, line): its picture
// is the key's on `page`, it carries ch, visible and linkGroup. Gives the cell's rectangle; refuses
// (empty rectangle, nothing made) a key or cell out of range and a full table.
gfx::Rect PlaceLetterTile(GridTiles& g, int key, int page, int column, int line, char ch,
                          int visible, int linkGroup, bool fixedOn);

// On: the fixed text and its hidden letters are taken from the text and visibility layers.
// Off: both are emptied.
void FixExercise(WritingGrid& grid, bool on);
// Cells whose text or visibility changed since the last repaint are repainted (not with
// snapshotsOnly); then the snapshots take the current layers.
void RepaintChangedCells(WritingGrid& grid, const base::AppState& state, bool snapshotsOnly,
                         const Repaint& repaint);

// Words are runs of characters that are neither blanks nor one of ",.;:!?`'" (so l'arbre is two).
int CountWords(std::string_view text);
// Every answer cell of the list word holds a tile with the expected letter, in either case. A
// word without answer cells is not complete.
bool CheckListWord(const base::CellTable& cells, const base::AppState& state,
                   const WritingGrid& grid);
// When every letter of the fixed text stands visible in its cell, the number of hidden letters
// (0, never complete, for an exercise that hides nothing); otherwise 0. A character that no key
// shows cannot be written and is not waited for; keypad: the arithmetic module's keys.
int CheckFixedExercise(const base::CellTable& cells, const base::AppState& state,
                       const WritingGrid& grid, bool keypad = false);

}  // namespace grid
