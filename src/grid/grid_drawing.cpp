#include "grid/grid_drawing.h"

#include <algorithm>

namespace grid {

namespace {

constexpr gfx::Colour kCursorFrame = gfx::Rgb(255, 0, 0);
constexpr gfx::Colour kMarkedFrame = gfx::Rgb(255, 0, 255);
constexpr gfx::Colour kSelectionFrame = gfx::Rgb(37, 188, 183);
constexpr int kWrongLetterRingWidth = 3;
constexpr int kLitFrameThickness = 3;

gfx::Rect ItemRect(const base::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

int Columns(const base::AppState& state) {
  return std::clamp(state.gridColumns, 0, WritingGrid::kColumns);
}

int Lines(const base::AppState& state) {
  return std::clamp(state.gridLines, 0, WritingGrid::kLines);
}

bool IsCursor(const WritingGrid& grid, int c, int l) {
  return c == grid.cursorCol && l == grid.cursorRow;
}

bool Enabled(const WritingGrid& grid, int c, int l) {
  return grid.enabled[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] != 0;
}

bool InLayers(int column, int line) {
  return column >= 0 && line >= 0 && column < WritingGrid::kColumns && line < WritingGrid::kLines;
}

std::uint8_t WrongLetterAt(const WritingGrid& grid, int column, int line) {
  return grid.wrongLetters[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
}

}  // namespace

void DrawPlainCell(gfx::Canvas& canvas, const base::AppState& state, const gfx::Rect& cell) {
  canvas.Fill(cell, state.backgroundShade1);
  canvas.Edge(cell, gfx::EdgeStyle::kRaisedInner);
}

void DrawFreeGrid(gfx::Canvas& canvas, const base::AppState& state, const WritingGrid& grid,
                  bool cursorShown) {
  for (int c = 0; c < Columns(state); ++c) {
    for (int l = 0; l < Lines(state); ++l) {
      const gfx::Rect cell = base::CellRect(state, c, l);
      if (IsCursor(grid, c, l) && cursorShown) {
        canvas.Frame(cell, kCursorFrame);
      } else {
        DrawPlainCell(canvas, state, cell);
      }
    }
  }
}

void DrawFixedGrid(gfx::Canvas& canvas, const base::AppState& state, const WritingGrid& grid,
                   bool cursorShown) {
  for (int c = 0; c < Columns(state); ++c) {
    for (int l = 0; l < Lines(state); ++l) {
      if (grid.fixedText[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] == ' ') continue;
      const gfx::Rect cell = base::CellRect(state, c, l);
      if (IsCursor(grid, c, l) && cursorShown) {
        canvas.Frame(cell, kCursorFrame, 2);
      } else {
        DrawPlainCell(canvas, state, cell);
      }
    }
  }
}

void DrawListGrid(gfx::Canvas& canvas, const base::AppState& state, const WritingGrid& grid,
                  bool cursorShown) {
  for (int c = 0; c < Columns(state); ++c) {
    for (int l = 0; l < Lines(state); ++l) {
      if (!Enabled(grid, c, l)) continue;
      const gfx::Rect cell = base::CellRect(state, c, l);
      DrawPlainCell(canvas, state, cell);
      if (IsCursor(grid, c, l) && cursorShown) canvas.Frame(cell, kCursorFrame);
    }
  }
}

namespace {

// The bar under a lit cell, inside the gap between two lines; empty without room for it.
gfx::Rect LitBar(const base::AppState& state, const gfx::Rect& cell) {
  const int height = std::min(6, state.lineGap - 6);
  if (height < 2) return {};
  return gfx::Rect::FromSize(cell.left + 2, cell.bottom + 3, cell.Width() - 4, height);
}

}  // namespace

void DrawLitCellsUnder(gfx::Canvas& canvas, const base::AppState& state,
                       std::span<const GridCell> cells) {
  for (const GridCell& lit : cells) {
    const gfx::Rect cell = base::CellRect(state, lit.column, lit.line);
    canvas.Fill(cell, kLitFill);
    canvas.Edge(cell, gfx::EdgeStyle::kRaisedInner);
  }
}

void DrawLitCellsOver(gfx::Canvas& canvas, const base::AppState& state,
                      std::span<const GridCell> cells) {
  for (const GridCell& lit : cells) {
    const gfx::Rect cell = base::CellRect(state, lit.column, lit.line);
    canvas.Frame(cell, kLitFrame, kLitFrameThickness);
    canvas.Fill(LitBar(state, cell), kLitFrame);
  }
}

gfx::Rect LitCellArea(const base::AppState& state, GridCell lit) {
  const gfx::Rect cell = base::CellRect(state, lit.column, lit.line);
  return cell.Union(LitBar(state, cell));
}

void PlaceCursorOnNewWord(WritingGrid& grid, const base::AppState& state) {
  if (grid.pendingWord == 0) return;
  for (int c = 0; c < Columns(state); ++c) {
    for (int l = 0; l < Lines(state); ++l) {
      if (Enabled(grid, c, l)) {
        grid.cursorCol = c;
        grid.cursorRow = l;
        grid.pendingWord = 0;
        return;
      }
    }
  }
  grid.pendingWord = 0;
}

void RecordCursorCell(WritingGrid& grid, const base::AppState& state) {
  if (grid.cursorCol >= 0 && grid.cursorCol < Columns(state) && grid.cursorRow >= 0 &&
      grid.cursorRow < Lines(state)) {
    grid.cursorRect = base::CellRect(state, grid.cursorCol, grid.cursorRow);
  }
}

void RecordListCells(WritingGrid& grid, const base::AppState& state) {
  gfx::Rect bounds;
  for (int c = 0; c < Columns(state); ++c) {
    for (int l = 0; l < Lines(state); ++l) {
      if (!Enabled(grid, c, l)) continue;
      const gfx::Rect cell = base::CellRect(state, c, l);
      bounds = bounds.Union(cell);
      if (IsCursor(grid, c, l)) grid.cursorRect = cell;
    }
  }
  grid.gridBounds = bounds;
}

void FrameMarkedTile(gfx::Canvas& canvas, const base::CellRecord& r, const WritingGrid& grid) {
  if (r.gridCol < 0 || r.gridRow < 0 || r.gridCol >= WritingGrid::kColumns ||
      r.gridRow >= WritingGrid::kLines) {
    return;
  }
  if (grid.marks[static_cast<std::size_t>(r.gridRow)][static_cast<std::size_t>(r.gridCol)] != 1) {
    return;
  }
  canvas.Frame(ItemRect(r), kMarkedFrame);
}

void RingWrongLetter(gfx::Canvas& canvas, const base::CellRecord& r, int index,
                     const WritingGrid& grid, int heldItem) {
  if (index == heldItem || !InLayers(r.gridCol, r.gridRow)) return;
  const std::uint8_t mark = WrongLetterAt(grid, r.gridCol, r.gridRow);
  if (mark == 0 || mark != static_cast<std::uint8_t>(r.Letter())) return;
  canvas.Frame(ItemRect(r).Inflated(-2, -2), kWrongLetterRing, kWrongLetterRingWidth);
}

void ForgetStaleWrongLetters(WritingGrid& grid, const base::CellTable& cells,
                             const base::AppState& state, int heldItem) {
  for (int l = 0; l < WritingGrid::kLines; ++l) {
    for (int c = 0; c < WritingGrid::kColumns; ++c) {
      const std::uint8_t mark = WrongLetterAt(grid, c, l);
      if (mark == 0) continue;
      bool resting = false;
      for (int k = state.keyCount; k < std::min(state.itemCount, base::kMaxItems) && !resting;
           ++k) {
        const base::CellRecord& r = cells[k];
        resting = k != heldItem && r.gridCol == c && r.gridRow == l &&
                  static_cast<std::uint8_t>(r.Letter()) == mark;
      }
      if (!resting) {
        grid.wrongLetters[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] = 0;
      }
    }
  }
}

void DrawSelectionFrame(gfx::Canvas& canvas, const base::CellTable& cells,
                        const TileSelection& selection, int cellWidth, int cellHeight) {
  if (selection.selectionCount <= 1) return;
  gfx::Rect box;
  for (int k = 0; k < selection.selectionCount && k < static_cast<int>(selection.selection.size());
       ++k) {
    const int i = selection.selection[static_cast<std::size_t>(k)];
    if (i < 0 || i >= base::kMaxItems) continue;
    const auto& r = cells[i];
    box = box.Union(gfx::Rect::FromSize(r.posX, r.posY, cellWidth, cellHeight));
  }
  if (!box.IsEmpty()) canvas.Frame(box.Inflated(1, 1), kSelectionFrame);
}

}  // namespace grid
