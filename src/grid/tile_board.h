#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/held_record.h"
#include "base/mouse_keys.h"
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

  // The held record is written here while a writing module is active.
  // The mouse holds `item` (a key or a tile), or nothing (-1).
  void Hold(int item) { held_.selectedPiece = item; }
  void Release() { held_.selectedPiece = -1; }
  // Where in the item the mouse took it.
  void GrabAt(const base::CellRecord& item, gfx::Point point) {
    held_.grabOffset = {point.x - item.posX, point.y - item.posY};
  }
  // A press on no key nor tile: no move follows it.
  void PressOnNothing() {
    held_.pickFlags = base::mouse::kNoPress;
    held_.dragRect = {};
  }
  // The buttons of the press that took the tile, which a drag must keep down.
  void TakeWith(int tile, std::uint32_t flags);
  // The tile leaves its cell's layers; false when it lay in no cell.
  bool LiftFromCell(int tile);

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
  // Whether those two steps have work left: a tile flying to the cursor or on its way home, or
  // a clearing that ends once the last tile is home.
  bool Moving() const;

 private:
  bool MakeWay(int column, int line, bool fixedOn, const std::vector<int>& coming, int& groupLeft);
  double DistanceToCell(const base::CellRecord& tile, int column, int line) const;
  // The rest of a dropped group follows the held tile: moved as far as it was (`shift`, for a
  // word taken from the grid) or laid after it on its line.
  void FollowIntoGrid(const std::vector<int>& selected, int held, Cell target,
                      std::optional<Cell> shift, bool fixedOn, const Repaint& repaint);
  // The cursor goes on after what was just written, as after an automatic placement.
  void PutCursorAfter(const std::vector<int>& laid, Cell target, bool listModule);
  // Tiles left outside the grid, and tiles where a fixed exercise has no letter, go.
  void RemoveStrays(bool fixedOn);

  base::AppState& state_;
  base::CellTable& cells_;
  WritingGrid& grid_;
  const keyboard::KeyboardPictures& pictures_;
  TileSelection& selection_;
  base::HeldRecord& held_;
};

}  // namespace grid
