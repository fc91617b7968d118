#pragma once

#include <span>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "gfx/canvas.h"
#include "gfx/colour.h"
#include "grid/grid_cell.h"
#include "grid/tile_selection.h"
#include "grid/writing_grid.h"

// The writing grid: plain cells in the first shade of the background, and the red cursor frame
// while automatic placement is on. The painters only draw; what the program records about the
// cells shown is done before the paint by the Record functions.
namespace grid {

// A warm, quiet light on the cells the voice says: the child's eye goes to it without alarm.
inline constexpr gfx::Colour kLitFill = gfx::Rgb(255, 241, 184);
inline constexpr gfx::Colour kLitFrame = gfx::Rgb(250, 196, 72);
// The ring of a wrong letter: a soft violet, far from the warm light (a child must never read
// "heard now" as "wrong"), from the inks of the letters and syllables, and from any red.
inline constexpr gfx::Colour kWrongLetterRing = gfx::Rgb(155, 89, 182);

// One empty cell.
void DrawPlainCell(gfx::Canvas& canvas, const base::AppState& state, const gfx::Rect& cell);

// Every cell of the grid, the cursor's framed when it is shown.
void DrawFreeGrid(gfx::Canvas& canvas, const base::AppState& state, const WritingGrid& grid,
                  bool cursorShown);
// A fixed exercise: only the cells of its text.
void DrawFixedGrid(gfx::Canvas& canvas, const base::AppState& state, const WritingGrid& grid,
                   bool cursorShown);
// The dictation: only the answer cells of the word.
void DrawListGrid(gfx::Canvas& canvas, const base::AppState& state, const WritingGrid& grid,
                  bool cursorShown);

// The frame of a tile laid down while the exercise was fixed.
void FrameMarkedTile(gfx::Canvas& canvas, const base::CellRecord& tile, const WritingGrid& grid);
// A soft ring on a tile whose letter the echo found wrong, while it rests in its cell: a calm
// colour the child can look at without alarm, drawn over the tile.
void RingWrongLetter(gfx::Canvas& canvas, const base::CellRecord& tile, int index,
                     const WritingGrid& grid, int heldItem);
// The frame around the tiles that move together, when there are several.
void DrawSelectionFrame(gfx::Canvas& canvas, const base::CellTable& cells,
                        const TileSelection& selection, int cellWidth, int cellHeight);

// The cells lit while the voice says them: a soft fill, seen in an empty cell, drawn with the
// grid; a frame and a bar in the gap below, seen over a tile too, drawn after the tiles.
void DrawLitCellsUnder(gfx::Canvas& canvas, const base::AppState& state,
                       std::span<const GridCell> cells);
void DrawLitCellsOver(gfx::Canvas& canvas, const base::AppState& state,
                      std::span<const GridCell> cells);
// What the light of a cell covers, to repaint it.
gfx::Rect LitCellArea(const base::AppState& state, GridCell cell);

// A new list word puts the cursor on its first answer cell.
void PlaceCursorOnNewWord(WritingGrid& grid, const base::AppState& state);
// The cursor cell of the free grid, as it will be drawn.
void RecordCursorCell(WritingGrid& grid, const base::AppState& state);
// The answer cells' bounds and the cursor cell of the dictation, as they will be drawn.
void RecordListCells(WritingGrid& grid, const base::AppState& state);
// A wrong-letter mark whose cell no longer holds that letter's tile at rest is forgotten: the
// tile was moved, removed or replaced.
void ForgetStaleWrongLetters(WritingGrid& grid, const base::CellTable& cells,
                             const base::AppState& state, int heldItem);

}  // namespace grid
