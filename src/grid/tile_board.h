#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/held_record.h"
#include "gfx/geometry.h"
#include "keyboard/keyboard_pictures.h"
#include "keyboard/tile_selection.h"
#include "keyboard/writing_grid.h"

// The letter tiles under the mouse: made from a key, dragged, dropped into the grid, flown to the
// cursor and carried back to their key.
namespace keyboard {

// What the tile input works on; the view owns all of it.
struct TileInput {
  base::AppState& state;
  base::CellTable& cells;
  WritingGrid& grid;
  const KeyboardPictures& pictures;
  TileSelection& selection;
  base::HeldRecord& held;
};

using RepaintArea = std::function<void(const gfx::Rect&)>;

// The top-most record under a point (the last drawn), or -1.
int HitTest(const base::CellTable& cells, int itemCount, gfx::Point point);
// The area that takes drops: the cells and the gaps between them.
bool InGridArea(const base::AppState& state, gfx::Point point);

// A new tile over key `key`, held by the mouse; -1 when the table is full. With automatic
// placement it is not movable: it flies to the cursor by itself.
int MakeTile(TileInput& t, int key, int page, bool autoPlace, std::uint32_t flags);
// The held tile (and the tiles selected with it) follows the mouse while the button that took it
// is down; gives the area to repaint.
gfx::Rect DragTile(TileInput& t, std::uint32_t flags, gfx::Point point);

// A tile of a linked group, still near its cell, takes its whole group along; gives the group's
// area, empty when nothing was selected.
gfx::Rect SelectLinkGroup(TileInput& t, int tile);
// The long press: the tiles of the word around the cell move with the held tile, unless it has
// been dragged away. Gives the area to repaint (empty when nothing was selected).
gfx::Rect GroupWordAtCell(TileInput& t, int column, int line);

struct DropOptions {
  bool listModule = false;
  bool fixedOn = false;  // "Fixer l'exercice"
  bool keypad = false;
  std::string_view editorText;  // a group dropped partly outside the grid undoes the move
  RepaintArea repaint;
};

struct DropOutcome {
  bool placed = false;  // the tile lies in (column, line)
  int column = -1;
  int line = -1;
  bool wordComplete = false;      // the list word is complete
  bool exerciseComplete = false;  // the fixed exercise is complete
  bool reimported = false;        // the grid was made again from the editor's text
};

// The held tile is dropped: into the nearest cell, pushing out what lay there (home, out of its
// word), or out of the grid and removed. The cursor then stands after it.
DropOutcome DropTile(TileInput& t, const DropOptions& options);

// One step of the tiles that fly to the cursor (automatic placement); `arrived` is called for
// each tile that has reached it, in index order. A tile resting in the cursor cell makes way; a
// visible letter of the fixed exercise (fixedOn) sends the newcomer home. Gives the area that
// moved.
gfx::Rect AnimatePlacement(TileInput& t, bool fixedOn,
                           const std::function<void(int tile)>& arrived);
// One step of the tiles carried back to their key. True when the grid's clearing has just
// finished: every tile is gone and the grid waits for its text again.
bool AnimateTilesHome(TileInput& t, bool fixedOn, const RepaintArea& repaint);

}  // namespace keyboard
