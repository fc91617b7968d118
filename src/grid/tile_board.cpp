#include "keyboard/tile_input.h"

#include <algorithm>
#include <cmath>

#include "keyboard/grid_text.h"

namespace keyboard {

namespace {

constexpr int kPlacementStep = 30;

gfx::Rect TileRect(const base::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

bool IsTile(const TileInput& t, int k) {
  return k >= t.state.keyCount && k < std::min(t.state.itemCount, base::kMaxItems);
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

void AskRepaint(const RepaintArea& repaint, const gfx::Rect& area) {
  if (repaint && !area.IsEmpty()) repaint(area);
}

// One cell holds one tile: a tile resting in (column, line), other than those in `coming`, goes
// home and leaves its word's group. A visible letter of the fixed exercise does not make way
// (false); a hidden one stays under the tile laid over it. Gives the group of the last tile that
// made way (-1 for none).
bool MakeWay(TileInput& t, int column, int line, bool fixedOn, const std::vector<int>& coming,
             int& groupLeft) {
  groupLeft = -1;
  for (int i = t.state.keyCount; i < std::min(t.state.itemCount, base::kMaxItems); ++i) {
    base::CellRecord& other = t.cells[i];
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

// A tile that cannot stay in the grid goes home.
void SendHome(base::CellRecord& r) {
  r.settled = 0;
  r.movable = 1;
  r.gridCol = r.gridRow = -1;
  r.linkGroup = -1;
}

}  // namespace

int HitTest(const base::CellTable& cells, int itemCount, gfx::Point p) {
  return base::TopmostItemAt(cells, itemCount, p.x, p.y);
}

bool InGridArea(const base::AppState& s, gfx::Point p) {
  const int right = s.gridLeft + s.gridColumns * s.cellWidth + (s.gridColumns - 1) * s.columnGap;
  const int bottom = s.gridTop + s.gridLines * s.cellHeight + (s.gridLines - 1) * s.lineGap;
  return p.x >= s.gridLeft && p.x <= right && p.y >= s.gridTop && p.y <= bottom;
}

int MakeTile(TileInput& t, int key, int page, bool autoPlace, std::uint32_t flags) {
  const int n = t.state.itemCount;
  if (n >= base::kMaxItems || key < 0 || key >= t.state.keyCount) return -1;
  const base::CellRecord& k = t.cells[key];
  base::CellRecord& r = t.cells[n];
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
  r.glyph = t.pictures.Glyph(t.state.keyboardZoomIndex, t.state.keyboardColours, page, key);
  r.glyphAlt = t.pictures.GlyphAlt(t.state.keyboardZoomIndex, t.state.keyboardColours, page, key);
  t.held.pickFlags = flags;
  t.held.selectedPiece = n;
  t.state.itemCount = n + 1;
  t.held.dragRect = TileRect(r).Inflated(5, 5);
  return n;
}

gfx::Rect DragTile(TileInput& t, std::uint32_t flags, gfx::Point p) {
  const int k = t.held.selectedPiece;
  if (k < 0 || k >= std::min(t.state.itemCount, base::kMaxItems)) return {};
  base::CellRecord& r = t.cells[k];
  if (r.kind > 0 || flags != t.held.pickFlags) return {};
  const int dx = p.x - t.held.grabOffset.x - r.posX;
  const int dy = p.y - t.held.grabOffset.y - r.posY;
  gfx::Rect area = TileRect(r);
  r.posX += dx;
  r.posY += dy;
  area = area.Union(TileRect(r));
  if (t.selection.selectionCount > 1) {
    for (int i = 0;
         i < t.selection.selectionCount && i < static_cast<int>(t.selection.selection.size());
         ++i) {
      const int s = t.selection.selection[static_cast<std::size_t>(i)];
      if (s == k || !IsTile(t, s)) continue;
      base::CellRecord& other = t.cells[s];
      area = area.Union(TileRect(other));
      other.posX += dx;
      other.posY += dy;
      area = area.Union(TileRect(other));
    }
  }
  return area.Inflated(5, 5);
}

gfx::Rect SelectLinkGroup(TileInput& t, int tile) {
  if (!IsTile(t, tile)) return {};
  const base::CellRecord& r = t.cells[tile];
  if (r.linkGroup <= 0 || r.gridCol < 0 || r.gridRow < 0) return {};
  const gfx::Rect cell = base::CellRect(t.state, r.gridCol, r.gridRow);
  const double d =
      std::hypot(static_cast<double>(r.posX - cell.left), static_cast<double>(r.posY - cell.top));
  if (d > 0.3 * Diagonal(r.width, r.height)) return {};
  t.selection.selection.clear();
  gfx::Rect area;
  for (int i = t.state.keyCount; i < std::min(t.state.itemCount, base::kMaxItems); ++i) {
    if (t.cells[i].linkGroup != r.linkGroup) continue;
    t.selection.selection.push_back(i);
    area = area.Union(TileRect(t.cells[i]));
  }
  t.selection.selectionCount = static_cast<std::int32_t>(t.selection.selection.size());
  return area;
}

gfx::Rect GroupWordAtCell(TileInput& t, int column, int line) {
  t.selection.selectionCount = 0;
  t.selection.selection.clear();
  const int held = t.held.selectedPiece;
  if (column < 0 || line < 0 || !InLayers(column, line) || !IsTile(t, held)) return {};
  const base::AppState& s = t.state;
  const base::CellRecord& h = t.cells[held];
  const gfx::Rect cell = base::CellRect(s, column, line);
  const double d =
      std::hypot(static_cast<double>(h.posX - cell.left), static_cast<double>(h.posY - cell.top));
  if (d > 0.3 * Diagonal(h.width, h.height)) return {};

  const auto occupied = [&](int c) {
    return t.grid.occupancy[static_cast<std::size_t>(line)][static_cast<std::size_t>(c)] != 0;
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
      if (t.cells[i].gridCol == c && t.cells[i].gridRow == line) t.selection.selection.push_back(i);
    }
  }
  if (t.selection.selection.size() < 2) {
    t.selection.selection.clear();
    return {};
  }
  t.selection.selectionCount = static_cast<std::int32_t>(t.selection.selection.size());
  const auto found = std::find(t.selection.selection.begin(), t.selection.selection.end(), held);
  const int p = found == t.selection.selection.end()
                    ? 0
                    : static_cast<int>(found - t.selection.selection.begin());
  const int pitch = s.cellWidth + s.columnGap;
  for (int i = 0; i < t.selection.selectionCount; ++i) {
    const int k = t.selection.selection[static_cast<std::size_t>(i)];
    if (k == held) continue;
    t.cells[k].posY = h.posY;
    t.cells[k].posX = h.posX + (i - p) * pitch;
  }
  const base::CellRecord& firstTile = t.cells[t.selection.selection.front()];
  return gfx::Rect::FromSize(firstTile.posX, firstTile.posY, t.selection.selectionCount * pitch,
                             s.cellHeight + s.lineGap)
      .Inflated(5, 5);
}

DropOutcome DropTile(TileInput& t, const DropOptions& o) {
  DropOutcome out;
  base::AppState& s = t.state;
  const int k = t.held.selectedPiece;
  if (!IsTile(t, k)) {
    t.held.selectedPiece = -1;
    return out;
  }
  GridTiles g{s, t.cells, t.grid, t.pictures};
  const bool group = t.selection.selectionCount > 1;
  const auto selected = [&]() {
    std::vector<int> list;
    for (int i = 0;
         i < t.selection.selectionCount && i < static_cast<int>(t.selection.selection.size());
         ++i) {
      list.push_back(t.selection.selection[static_cast<std::size_t>(i)]);
    }
    return list;
  }();

  // Out of the grid.
  if (group) {
    const bool anyOutside = std::any_of(selected.begin(), selected.end(), [&](int i) {
      return IsTile(t, i) && !InGridArea(s, Centre(t.cells[i]));
    });
    if (anyOutside) {
      LoadTextIntoGrid(g, o.editorText, o.fixedOn, o.keypad, o.repaint);
      t.held.selectedPiece = -1;
      out.reimported = true;
      AskRepaint(o.repaint, gfx::Rect{0, 0, 1 << 15, 1 << 15});
      return out;
    }
  } else if (!InGridArea(s, Centre(t.cells[k]))) {
    const gfx::Rect area = TileRect(t.cells[k]).Inflated(5, 5);
    RemoveTile(g, k);
    t.held.selectedPiece = -1;
    AskRepaint(o.repaint, area);
    return out;
  }

  // The nearest cell, by top-left corners; ties keep the first met.
  const base::CellRecord& tile = t.cells[k];
  const int columns = std::clamp(s.gridColumns, 0, WritingGrid::kColumns);
  const int lines = std::clamp(s.gridLines, 0, WritingGrid::kLines);
  double best = o.listModule ? 0.7 * Diagonal(s.cellWidth, s.cellHeight) : 32000.0;
  int targetColumn = -1;
  int targetLine = -1;
  for (int c = 0; c < columns; ++c) {
    for (int l = 0; l < lines; ++l) {
      if (o.listModule &&
          t.grid.enabled[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] == 0) {
        continue;
      }
      const gfx::Rect cell = base::CellRect(s, c, l);
      const double d = std::hypot(static_cast<double>(tile.posX - cell.left),
                                  static_cast<double>(tile.posY - cell.top));
      if (d < best) {
        best = d;
        targetColumn = c;
        targetLine = l;
      }
    }
  }
  if (targetColumn < 0) {
    const gfx::Rect area = TileRect(tile).Inflated(5, 5);
    RemoveTile(g, k);
    t.held.selectedPiece = -1;
    AskRepaint(o.repaint, area);
    return out;
  }

  t.grid.cursorCol = targetColumn;
  t.grid.cursorRow = targetLine;
  const gfx::Rect target = base::CellRect(s, targetColumn, targetLine);
  base::CellRecord& r = t.cells[k];
  const int columnShift = targetColumn - r.gridCol;
  const int lineShift = targetLine - r.gridRow;
  const bool wasInGrid = r.gridCol >= 0 && r.gridRow >= 0;
  AskRepaint(o.repaint, TileRect(r).Union(target));
  r.posX = r.dropX = target.left;
  r.posY = r.dropY = target.top;

  // What lay in the cell makes way, unless it is a fixed letter of the exercise. A single letter
  // takes the place of the one it replaces in its word.
  const std::vector<int> coming = group ? selected : std::vector<int>{k};
  int groupLeft = -1;
  if (!MakeWay(t, targetColumn, targetLine, o.fixedOn, coming, groupLeft)) {
    RemoveTile(g, k);
    t.held.selectedPiece = -1;
    return out;
  }
  if (!group && groupLeft != -1) t.cells[k].linkGroup = groupLeft;

  base::CellRecord& dropped = t.cells[k];
  dropped.gridCol = targetColumn;
  dropped.gridRow = targetLine;
  dropped.settled = 1;
  dropped.movable = 1;
  WriteCell(t.grid, dropped);

  if (group) {
    const auto position = std::find(selected.begin(), selected.end(), k);
    const int p = position == selected.end() ? 0 : static_cast<int>(position - selected.begin());
    for (int i = 0; i < static_cast<int>(selected.size()); ++i) {
      const int m = selected[static_cast<std::size_t>(i)];
      if (m == k || !IsTile(t, m)) continue;
      base::CellRecord& other = t.cells[m];
      AskRepaint(o.repaint, TileRect(other).Inflated(5, 5));
      if (wasInGrid) {
        other.gridCol += columnShift;
        other.gridRow += lineShift;
      } else {
        other.gridCol = targetColumn + (i - p);
        other.gridRow = targetLine;
      }
      // Drawn in the cell it is written in: a word with a blank keeps its blank.
      const gfx::Rect cell = base::CellRect(s, other.gridCol, other.gridRow);
      other.posX = other.dropX = cell.left;
      other.posY = other.dropY = cell.top;
      int unused = -1;
      if (InLayers(other.gridCol, other.gridRow) &&
          !MakeWay(t, other.gridCol, other.gridRow, o.fixedOn, selected, unused)) {
        SendHome(other);
      } else {
        WriteCell(t.grid, other);
      }
      AskRepaint(o.repaint, TileRect(other).Inflated(5, 5));
    }
  }

  // The cursor goes on after what was just written, as after an automatic placement.
  int lastColumn = targetColumn;
  for (int m : coming) {
    if (!IsTile(t, m)) continue;
    const base::CellRecord& laid = t.cells[m];
    if (laid.settled == 1 && laid.gridRow == targetLine)
      lastColumn = std::max(lastColumn, laid.gridCol);
  }
  t.grid.cursorCol = std::min(lastColumn, columns - 1);
  t.grid.cursorRow = targetLine;
  AdvanceCursor(t.grid, s, o.listModule);

  // Tiles left outside the grid, and tiles where a fixed exercise has no letter, go.
  for (int i = std::min(s.itemCount, base::kMaxItems) - 1; i >= s.keyCount; --i) {
    const base::CellRecord& other = t.cells[i];
    bool remove = !InGridArea(s, {other.posX, other.posY});
    if (!remove && o.fixedOn && InLayers(other.gridCol, other.gridRow)) {
      remove = t.grid.fixedText[static_cast<std::size_t>(other.gridRow)]
                               [static_cast<std::size_t>(other.gridCol)] == ' ';
    }
    if (remove) RemoveTile(g, i);
  }
  if (o.fixedOn) out.exerciseComplete = CheckFixedExercise(t.cells, s, t.grid) > 0;

  RepaintChangedCells(t.grid, s, true, o.repaint);
  t.held.selectedPiece = -1;
  out.placed = true;
  out.column = targetColumn;
  out.line = targetLine;
  out.wordComplete = o.listModule && CheckListWord(t.cells, s, t.grid);
  return out;
}

gfx::Rect AnimatePlacement(TileInput& t, bool fixedOn, const std::function<void(int)>& arrived) {
  base::AppState& s = t.state;
  gfx::Rect area;
  for (int k = 0; k < std::min(s.itemCount, base::kMaxItems); ++k) {
    base::CellRecord& r = t.cells[k];
    if (r.movable != 0) continue;
    const gfx::Rect target = base::CellRect(s, t.grid.cursorCol, t.grid.cursorRow);
    r.startX = target.left;
    r.startY = target.top;
    const int dx = target.left - r.posX;
    const int dy = target.top - r.posY;
    const int d = gfx::RoundedLength(dx, dy);
    if (d == 0) {
      int unused = -1;
      if (!MakeWay(t, t.grid.cursorCol, t.grid.cursorRow, fixedOn, {k}, unused)) {
        SendHome(r);
        continue;
      }
      r.movable = 1;
      r.gridCol = t.grid.cursorCol;
      r.gridRow = t.grid.cursorRow;
      WriteCell(t.grid, r);
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

bool AnimateTilesHome(TileInput& t, bool fixedOn, const RepaintArea& repaint) {
  base::AppState& s = t.state;
  const int count = std::min(s.itemCount, base::kMaxItems);
  int moving = 0;
  for (int k = 0; k < count; ++k) {
    if (t.cells[k].settled == 0) ++moving;
  }
  if (t.grid.clearing == 1 && moving == 0) {
    t.grid.clearing = 0;
    s.itemCount = s.keyCount;
    return true;
  }
  if (moving == 0) return false;
  const int step = moving > 30 ? 60 : (moving > 15 ? 30 : 20);
  for (int k = 0; k < count; ++k) {
    base::CellRecord& r = t.cells[k];
    if (r.settled != 0) continue;
    const int vx = r.homeX + s.keyboardLeft - r.posX;
    const int vy = r.homeY + s.keyboardTop - r.posY;
    const int d = gfx::RoundedLength(vx, vy);
    const gfx::Rect before = TileRect(r);
    if (d > step) {
      r.posX += gfx::MulDivRounded(vx, step, d);
      r.posY += gfx::MulDivRounded(vy, step, d);
      if (!fixedOn) {
        AskRepaint(repaint, before);
        AskRepaint(repaint, TileRect(r));
      }
    } else if (d > 0) {
      r.posX += vx;
      r.posY += vy;
      r.placed = 1;
      AskRepaint(repaint, before.Union(TileRect(r)));
    } else {
      r.glyph = r.glyphAlt = 0;
      r.settled = 1;
      AskRepaint(repaint, before);
    }
  }
  return false;
}

}  // namespace keyboard
