#include "grid/tile_board.h"

#include <algorithm>
#include <cmath>

#include "base/carry_home.h"

namespace grid {

namespace {

constexpr int kPlacementStep = 30;

gfx::Rect TileRect(const base::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

bool InLayers(int column, int line) {
  return column >= 0 && column < WritingGrid::kColumns && line >= 0 && line < WritingGrid::kLines;
}

double Diagonal(int width, int height) {
  return std::sqrt(static_cast<double>(width) * width + static_cast<double>(height) * height);
}

gfx::Point Centre(const base::CellRecord& r) {
  return {r.posX + r.width / 2, r.posY + r.height / 2};
}

// The letter of a tile written into its cell.
void WriteCell(WritingGrid& grid, const base::CellRecord& r) {
  if (!InLayers(r.gridCol, r.gridRow)) return;
  const auto l = static_cast<std::size_t>(r.gridRow);
  const auto c = static_cast<std::size_t>(r.gridCol);
  grid.text[l][c] = static_cast<std::uint8_t>(r.letter & 0xFF);
  grid.visibility[l][c] = r.visible == 1 ? 1 : 0;
  grid.occupancy[l][c] = 1;
}

// A tile that cannot stay in the grid goes home.
void SendHome(base::CellRecord& r) {
  r.settled = 0;
  r.movable = 1;
  r.gridCol = r.gridRow = -1;
  r.linkGroup = -1;
}

}  // namespace

bool TileBoard::IsTile(int k) const {
  return k >= state_.keyCount && k < std::min(state_.itemCount, base::kMaxItems);
}

void TileBoard::TakeWith(int tile, std::uint32_t flags) {
  held_.pickFlags = flags;
  held_.dragRect = TileRect(cells_[tile]);
}

bool TileBoard::LiftFromCell(int tile) {
  const base::CellRecord& r = cells_[tile];
  if (!InLayers(r.gridCol, r.gridRow)) return false;
  const auto l = static_cast<std::size_t>(r.gridRow);
  const auto c = static_cast<std::size_t>(r.gridCol);
  grid_.text[l][c] = ' ';
  grid_.visibility[l][c] = 1;
  grid_.links[l][c] = 0;
  grid_.marks[l][c] = 0;
  grid_.occupancy[l][c] = 0;
  return true;
}

// One cell holds one tile: a tile resting in (column, line), other than those in `coming`, goes
// home and leaves its word's group. A visible letter of the fixed exercise does not make way
// (false); a hidden one stays under the tile laid over it. Gives the group of the last tile that
// made way (-1 for none).
bool TileBoard::MakeWay(int column, int line, bool fixedOn, const std::vector<int>& coming,
                        int& groupLeft) {
  groupLeft = -1;
  for (int i = state_.keyCount; i < std::min(state_.itemCount, base::kMaxItems); ++i) {
    base::CellRecord& other = cells_[i];
    if (other.gridCol != column || other.gridRow != line) continue;
    if (std::find(coming.begin(), coming.end(), i) != coming.end()) continue;
    if (other.fixed != 0 && other.visible == 1 && fixedOn) return false;
    if (other.fixed != 0 && other.visible != 1) continue;
    other.settled = 0;
    other.gridCol = other.gridRow = -1;
    groupLeft = other.linkGroup;
    other.linkGroup = -1;
  }
  return true;
}

// From a tile's top-left corner to a cell's.
double TileBoard::DistanceToCell(const base::CellRecord& tile, int column, int line) const {
  const gfx::Rect cell = Geometry().CellRect(column, line);
  return std::hypot(static_cast<double>(tile.posX - cell.left),
                    static_cast<double>(tile.posY - cell.top));
}

int HitTest(const base::CellTable& cells, int itemCount, gfx::Point p) {
  return base::TopmostItemAt(cells, itemCount, p.x, p.y);
}

bool InGridArea(const base::AppState& s, gfx::Point p) {
  return GridGeometry::Of(s).Contains(p);
}

int TileBoard::Make(int key, int page, bool autoPlace, std::uint32_t flags) {
  const int n = state_.itemCount;
  if (n >= base::kMaxItems || key < 0 || key >= state_.keyCount) return -1;
  const base::CellRecord& k = cells_[key];
  base::CellRecord& r = cells_[n];
  r = k;
  r.posX = k.startX;
  r.posY = k.startY;
  r.settled = 1;
  r.movable = autoPlace ? 0 : 1;
  r.linkGroup = -1;
  r.kind = 0;
  r.visible = 1;
  r.fixed = 0;
  r.placed = 0;
  r.solvedMark = 0;
  r.gridCol = r.gridRow = -1;
  r.sourceKey = key;
  r.page = page;
  r.glyph = pictures_.Glyph(state_.keyboardZoomIndex, state_.keyboardColours, page, key);
  r.glyphAlt = pictures_.GlyphAlt(state_.keyboardZoomIndex, state_.keyboardColours, page, key);
  held_.pickFlags = flags;
  held_.selectedPiece = n;
  state_.itemCount = n + 1;
  held_.dragRect = TileRect(r).Inflated(5, 5);
  return n;
}

gfx::Rect TileBoard::Drag(std::uint32_t flags, gfx::Point p) {
  const int k = held_.selectedPiece;
  if (k < 0 || k >= std::min(state_.itemCount, base::kMaxItems)) return {};
  base::CellRecord& r = cells_[k];
  if (r.kind > 0 || flags != held_.pickFlags) return {};
  const int dx = p.x - held_.grabOffset.x - r.posX;
  const int dy = p.y - held_.grabOffset.y - r.posY;
  gfx::Rect area = TileRect(r);
  r.posX += dx;
  r.posY += dy;
  area = area.Union(TileRect(r));
  if (selection_.selectionCount > 1) {
    for (const int s : selection_.Selected()) {
      if (s == k || !IsTile(s)) continue;
      base::CellRecord& other = cells_[s];
      area = area.Union(TileRect(other));
      other.posX += dx;
      other.posY += dy;
      area = area.Union(TileRect(other));
    }
  }
  return area.Inflated(5, 5);
}

gfx::Rect TileBoard::SelectLinkGroup(int tile) {
  if (!IsTile(tile)) return {};
  const base::CellRecord& r = cells_[tile];
  if (r.linkGroup <= 0 || r.gridCol < 0 || r.gridRow < 0) return {};
  if (DistanceToCell(r, r.gridCol, r.gridRow) > 0.3 * Diagonal(r.width, r.height)) return {};
  selection_.selection.clear();
  gfx::Rect area;
  for (int i = state_.keyCount; i < std::min(state_.itemCount, base::kMaxItems); ++i) {
    if (cells_[i].linkGroup != r.linkGroup) continue;
    selection_.selection.push_back(i);
    area = area.Union(TileRect(cells_[i]));
  }
  selection_.selectionCount = static_cast<std::int32_t>(selection_.selection.size());
  return area;
}

gfx::Rect TileBoard::GroupWordAtCell(int column, int line) {
  selection_.selectionCount = 0;
  selection_.selection.clear();
  const int held = held_.selectedPiece;
  if (column < 0 || line < 0 || !InLayers(column, line) || !IsTile(held)) return {};
  const base::AppState& s = state_;
  const base::CellRecord& h = cells_[held];
  if (DistanceToCell(h, column, line) > 0.3 * Diagonal(h.width, h.height)) return {};

  const auto occupied = [&](int c) {
    return grid_.occupancy[static_cast<std::size_t>(line)][static_cast<std::size_t>(c)] != 0;
  };
  const int lastColumn = std::clamp(s.gridColumns, 1, WritingGrid::kColumns) - 1;
  int first = 0;
  for (int c = column - 1; c >= 0; --c) {
    if (!occupied(c)) {
      first = c + 1;
      break;
    }
  }
  int last = std::min(column, lastColumn);
  if (column < lastColumn) {
    last = lastColumn;
    for (int c = column + 1; c <= lastColumn; ++c) {
      if (!occupied(c)) {
        last = c - 1;
        break;
      }
    }
  }
  for (int c = first; c <= last; ++c) {
    for (int i = s.keyCount; i < std::min(s.itemCount, base::kMaxItems); ++i) {
      if (cells_[i].gridCol == c && cells_[i].gridRow == line) selection_.selection.push_back(i);
    }
  }
  if (selection_.selection.size() < 2) {
    selection_.selection.clear();
    return {};
  }
  selection_.selectionCount = static_cast<std::int32_t>(selection_.selection.size());
  const auto found = std::find(selection_.selection.begin(), selection_.selection.end(), held);
  const int p = found == selection_.selection.end()
                    ? 0
                    : static_cast<int>(found - selection_.selection.begin());
  const int pitch = s.cellWidth + s.columnGap;
  for (int i = 0; i < selection_.selectionCount; ++i) {
    const int k = selection_.selection[static_cast<std::size_t>(i)];
    if (k == held) continue;
    cells_[k].posY = h.posY;
    cells_[k].posX = h.posX + (i - p) * pitch;
  }
  const base::CellRecord& firstTile = cells_[selection_.selection.front()];
  return gfx::Rect::FromSize(firstTile.posX, firstTile.posY, selection_.selectionCount * pitch,
                             s.cellHeight + s.lineGap)
      .Inflated(5, 5);
}

DropOutcome TileBoard::Drop(const DropOptions& o) {
  DropOutcome out;
  const auto repaint = [&out](const gfx::Rect& area) {
    if (!area.IsEmpty()) out.repaint.push_back(area);
  };
  const int k = held_.selectedPiece;
  held_.selectedPiece = -1;
  if (!IsTile(k)) return out;
  const GridGeometry geometry = Geometry();
  GridTiles g = Text();
  const bool group = selection_.selectionCount > 1;
  const std::vector<int> selected(selection_.Selected().begin(), selection_.Selected().end());
  const auto removeTile = [&](int tile) {
    const gfx::Rect area = TileRect(cells_[tile]).Inflated(5, 5);
    RemoveTile(g, tile);
    repaint(area);
  };

  // Out of the grid.
  if (group) {
    const bool anyOutside = std::any_of(selected.begin(), selected.end(), [&](int i) {
      return IsTile(i) && !geometry.Contains(Centre(cells_[i]));
    });
    if (anyOutside) {
      LoadTextIntoGrid(g, o.editorText, o.fixedOn, o.keypad, repaint);
      out.reimported = true;
      repaint(gfx::Rect{0, 0, 1 << 15, 1 << 15});
      return out;
    }
  } else if (!geometry.Contains(Centre(cells_[k]))) {
    removeTile(k);
    return out;
  }

  // The nearest cell, by top-left corners; the dictation takes only its answer cells, and only
  // near enough.
  const double within =
      o.listModule ? 0.7 * Diagonal(state_.cellWidth, state_.cellHeight) : 32000.0;
  const auto answerCell = [&](Cell c) {
    return grid_.enabled[static_cast<std::size_t>(c.line)][static_cast<std::size_t>(c.column)] != 0;
  };
  const std::optional<Cell> found =
      geometry.Nearest({cells_[k].posX, cells_[k].posY}, within,
                       o.listModule ? std::function<bool(Cell)>(answerCell) : nullptr);
  if (!found) {
    removeTile(k);
    return out;
  }
  const Cell target = *found;

  const gfx::Rect targetRect = geometry.CellRect(target);
  base::CellRecord& r = cells_[k];
  const int columnShift = target.column - r.gridCol;
  const int lineShift = target.line - r.gridRow;
  const bool wasInGrid = r.gridCol >= 0 && r.gridRow >= 0;
  repaint(TileRect(r).Union(targetRect));
  r.posX = r.dropX = targetRect.left;
  r.posY = r.dropY = targetRect.top;

  // What lay in the cell makes way, unless it is a fixed letter of the exercise. A single letter
  // takes the place of the one it replaces in its word.
  const std::vector<int> coming = group ? selected : std::vector<int>{k};
  int groupLeft = -1;
  grid_.cursorCol = target.column;
  grid_.cursorRow = target.line;
  if (!MakeWay(target.column, target.line, o.fixedOn, coming, groupLeft)) {
    RemoveTile(g, k);
    return out;
  }
  if (!group && groupLeft != -1) r.linkGroup = groupLeft;
  r.gridCol = target.column;
  r.gridRow = target.line;
  r.settled = 1;
  r.movable = 1;
  WriteCell(grid_, r);

  if (group) {
    FollowIntoGrid(selected, k, target,
                   wasInGrid ? std::optional<Cell>{{columnShift, lineShift}} : std::nullopt,
                   o.fixedOn, repaint);
  }
  PutCursorAfter(coming, target, o.listModule);
  RemoveStrays(o.fixedOn);
  if (o.fixedOn) out.exerciseComplete = CheckFixedExercise(cells_, state_, grid_) > 0;

  RepaintChangedCells(grid_, state_, true, repaint);
  out.placed = true;
  out.column = target.column;
  out.line = target.line;
  out.wordComplete = o.listModule && CheckListWord(cells_, state_, grid_);
  return out;
}

gfx::Rect TileBoard::AnimatePlacement(bool fixedOn, const std::function<void(int)>& arrived) {
  gfx::Rect area;
  for (int k = 0; k < std::min(state_.itemCount, base::kMaxItems); ++k) {
    base::CellRecord& r = cells_[k];
    if (r.movable != 0) continue;
    // The cursor moves on as each tile arrives: the next one flies to the new cell.
    const gfx::Rect target = Geometry().CellRect(grid_.cursorCol, grid_.cursorRow);
    r.startX = target.left;
    r.startY = target.top;
    const int dx = target.left - r.posX;
    const int dy = target.top - r.posY;
    const int d = gfx::RoundedLength(dx, dy);
    if (d == 0) {
      int unused = -1;
      if (!MakeWay(grid_.cursorCol, grid_.cursorRow, fixedOn, {k}, unused)) {
        SendHome(r);
        continue;
      }
      r.movable = 1;
      r.gridCol = grid_.cursorCol;
      r.gridRow = grid_.cursorRow;
      WriteCell(grid_, r);
      area = area.Union(TileRect(r));
      if (arrived) arrived(k);
      continue;
    }
    area = area.Union(TileRect(r));
    if (d > kPlacementStep) {
      r.posX += gfx::MulDivRounded(dx, kPlacementStep, d);
      r.posY += gfx::MulDivRounded(dy, kPlacementStep, d);
    } else {
      r.posX += dx;
      r.posY += dy;
    }
    area = area.Union(TileRect(r));
  }
  return area;
}

void TileBoard::FollowIntoGrid(const std::vector<int>& selected, int held, Cell target,
                               std::optional<Cell> shift, bool fixedOn, const Repaint& repaint) {
  const GridGeometry geometry = Geometry();
  const auto position = std::find(selected.begin(), selected.end(), held);
  const int p = position == selected.end() ? 0 : static_cast<int>(position - selected.begin());
  for (int i = 0; i < static_cast<int>(selected.size()); ++i) {
    const int m = selected[static_cast<std::size_t>(i)];
    if (m == held || !IsTile(m)) continue;
    base::CellRecord& other = cells_[m];
    repaint(TileRect(other).Inflated(5, 5));
    if (shift) {
      other.gridCol += shift->column;
      other.gridRow += shift->line;
    } else {
      other.gridCol = target.column + (i - p);
      other.gridRow = target.line;
    }
    // Drawn in the cell it is written in: a word with a blank keeps its blank.
    const gfx::Rect cell = geometry.CellRect(other.gridCol, other.gridRow);
    other.posX = other.dropX = cell.left;
    other.posY = other.dropY = cell.top;
    int unused = -1;
    if (InLayers(other.gridCol, other.gridRow) &&
        !MakeWay(other.gridCol, other.gridRow, fixedOn, selected, unused)) {
      SendHome(other);
    } else {
      WriteCell(grid_, other);
    }
    repaint(TileRect(other).Inflated(5, 5));
  }
}

void TileBoard::PutCursorAfter(const std::vector<int>& laid, Cell target, bool listModule) {
  int lastColumn = target.column;
  for (int m : laid) {
    if (!IsTile(m)) continue;
    const base::CellRecord& r = cells_[m];
    if (r.settled == 1 && r.gridRow == target.line) lastColumn = std::max(lastColumn, r.gridCol);
  }
  grid_.cursorCol = std::min(lastColumn, Geometry().ColumnsInUse() - 1);
  grid_.cursorRow = target.line;
  AdvanceCursor(grid_, state_, listModule);
}

void TileBoard::RemoveStrays(bool fixedOn) {
  const GridGeometry geometry = Geometry();
  GridTiles g = Text();
  for (int i = std::min(state_.itemCount, base::kMaxItems) - 1; i >= state_.keyCount; --i) {
    const base::CellRecord& r = cells_[i];
    bool remove = !geometry.Contains({r.posX, r.posY});
    if (!remove && fixedOn && InLayers(r.gridCol, r.gridRow)) {
      remove = grid_.fixedText[static_cast<std::size_t>(r.gridRow)]
                              [static_cast<std::size_t>(r.gridCol)] == ' ';
    }
    if (remove) RemoveTile(g, i);
  }
}

CarryHomeOutcome TileBoard::CarryHome(bool fixedOn) {
  CarryHomeOutcome out;
  const int count = std::min(state_.itemCount, base::kMaxItems);
  const int moving = base::CountMovingHome(cells_, count);
  if (grid_.clearing == 1 && moving == 0) {
    grid_.clearing = 0;
    state_.itemCount = state_.keyCount;
    out.cleared = true;
    return out;
  }
  if (moving == 0) return out;
  const auto repaint = [&out](const gfx::Rect& area) {
    if (!area.IsEmpty()) out.repaint.push_back(area);
  };
  for (const base::HomeStep& step :
       base::CarryHome(cells_, count, {state_.keyboardLeft, state_.keyboardTop})) {
    switch (step.kind) {
      case base::HomeStep::Kind::kMoving:
        if (!fixedOn) {
          repaint(step.before);
          repaint(step.after);
        }
        break;
      case base::HomeStep::Kind::kArrived:
        repaint(step.before.Union(step.after));
        break;
      case base::HomeStep::Kind::kSettled:
        repaint(step.before);
        break;
    }
  }
  return out;
}

bool TileBoard::Moving() const {
  if (grid_.clearing == 1) return true;
  for (int k = 0; k < std::min(state_.itemCount, base::kMaxItems); ++k) {
    if (cells_[k].settled == 0 || cells_[k].movable == 0) return true;
  }
  return false;
}

}  // namespace grid
