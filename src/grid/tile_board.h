#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/held_record.h"
#include "gfx/geometry.h"
#include "grid/grid_geometry.h"
#include "grid/grid_text.h"
#include "grid/tile_selection.h"
#include "grid/writing_grid.h"
#include "keyboard/keyboard_pictures.h"

// The letter tiles under the mouse: made from a key, dragged, dropped into the grid, flown to the
// cursor and carried back to their key.
namespace grid {

// The top-most record under a point (the last drawn), or -1.
int HitTest(const base::CellTable& cells, int itemCount, gfx::Point point);
// The area that takes drops: the cells and the gaps between them.
bool InGridArea(const base::AppState& state, gfx::Point point);

struct DropOptions {
  bool listModule = false;
  bool fixedOn = false;  // "Fixer l'exercice"
  bool keypad = false;
  std::string_view editorText;  // a group dropped partly outside the grid undoes the move
};

struct DropOutcome {
  bool placed = false;  // the tile lies in (column, line)
  int column = -1;
  int line = -1;
  bool wordComplete = false;      // the list word is complete
  bool exerciseComplete = false;  // the fixed exercise is complete
  bool reimported = false;        // the grid was made again from the editor's text
  // What the drop changed on screen, in order; each is repainted with its background.
  std::vector<gfx::Rect> repaint;
};

struct CarryHomeOutcome {
  // The grid's clearing has just finished: every tile is gone and the grid waits for its text.
  bool cleared = false;
  // What moved, in order; repainted without erasing the background.
  std::vector<gfx::Rect> repaint;
};

// The tiles' part of the cell table (keyCount to itemCount - 1), the grid they lie in, the tiles
// selected together and the record the mouse holds while a writing module is active. The view
// owns the records; the board is the one place the writing modules change them through.
class TileBoard {
 public:
  TileBoard(base::AppState& state, base::CellTable& cells, WritingGrid& grid,
            const keyboard::KeyboardPictures& pictures, TileSelection& selection,
            base::HeldRecord& held)
      : state_(state),
        cells_(cells),
        grid_(grid),
        pictures_(pictures),
        selection_(selection),
        held_(held) {}

  base::AppState& State() const { return state_; }
  base::CellTable& Cells() const { return cells_; }
  WritingGrid& Grid() const { return grid_; }
  const keyboard::KeyboardPictures& Pictures() const { return pictures_; }
  TileSelection& Selection() const { return selection_; }
  base::HeldRecord& Held() const { return held_; }
  GridGeometry Geometry() const { return GridGeometry::Of(state_); }
  // The grid's text operations over the same records.
  GridTiles Text() const { return {state_, cells_, grid_, pictures_}; }

  bool IsTile(int item) const;

  // A new tile over key `key`, held by the mouse; -1 when the table is full. With automatic
  // placement it is not movable: it flies to the cursor by itself.
  int Make(int key, int page, bool autoPlace, std::uint32_t flags);
  // The held tile (and the tiles selected with it) follows the mouse while the button that took
  // it is down; gives the area to repaint.
  gfx::Rect Drag(std::uint32_t flags, gfx::Point point);

  // A tile of a linked group, still near its cell, takes its whole group along; gives the
  // group's area, empty when nothing was selected.
  gfx::Rect SelectLinkGroup(int tile);
  // The long press: the tiles of the word around the cell move with the held tile, unless it has
  // been dragged away. Gives the area to repaint (empty when nothing was selected).
  gfx::Rect GroupWordAtCell(int column, int line);

  // The held tile is dropped: into the nearest cell, pushing out what lay there (home, out of
  // its word), or out of the grid and removed. The cursor then stands after it.
  DropOutcome Drop(const DropOptions& options);

  // One step of the tiles that fly to the cursor (automatic placement); `arrived` is called for
  // each tile that has reached it, in index order, before the next one moves. A tile resting in
  // the cursor cell makes way; a visible letter of the fixed exercise (fixedOn) sends the
  // newcomer home. Gives the area that moved.
  gfx::Rect AnimatePlacement(bool fixedOn, const std::function<void(int tile)>& arrived);
  // One step of the tiles carried back to their key. While the exercise is fixed, a tile on its
  // way is repainted only when it arrives.
  CarryHomeOutcome CarryHome(bool fixedOn);

 private:
  bool MakeWay(int column, int line, bool fixedOn, const std::vector<int>& coming, int& groupLeft);
  double DistanceToCell(const base::CellRecord& tile, int column, int line) const;

  base::AppState& state_;
  base::CellTable& cells_;
  WritingGrid& grid_;
  const keyboard::KeyboardPictures& pictures_;
  TileSelection& selection_;
  base::HeldRecord& held_;
};

}  // namespace grid
