#pragma once

#include "base/app_state.h"
#include "gfx/canvas.h"
#include "keyboard/writing_grid.h"

// The writing grid: plain cells in the first shade of the background, and the red cursor frame
// while automatic placement is on. The painters only draw; what the program records about the
// cells shown is done before the paint by the Record functions.
namespace keyboard {

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

// A new list word puts the cursor on its first answer cell.
void PlaceCursorOnNewWord(WritingGrid& grid, const base::AppState& state);
// The cursor cell of the free grid, as it will be drawn.
void RecordCursorCell(WritingGrid& grid, const base::AppState& state);
// The answer cells' bounds and the cursor cell of the dictation, as they will be drawn.
void RecordListCells(WritingGrid& grid, const base::AppState& state);

}  // namespace keyboard
