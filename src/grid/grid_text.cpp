#include "grid/grid_text.h"

#include <algorithm>

#include "grid/grid_cells.h"
#include "text/cp1252.h"

namespace grid {

using cells::At;
using cells::Fill;
using cells::InLayers;
using cells::kBlank;

namespace {

// The cell's layers as its last tile shows it, or empty when no tile is left in it.
void RestoreCell(GridTiles& g, int column, int line) {
  WritingGrid& grid = g.grid;
  At(grid.text, line, column) = kBlank;
  At(grid.visibility, line, column) = 1;
  At(grid.occupancy, line, column) = 0;
  const auto tiles = cells::Tiles(g.state.keyCount, g.state.itemCount);
  for (int i = tiles.end - 1; i >= tiles.first; --i) {
    const base::CellRecord& r = g.cells[i];
    if (r.gridCol != column || r.gridRow != line) continue;
    At(grid.text, line, column) = static_cast<std::uint8_t>(r.Letter());
    At(grid.visibility, line, column) = r.visible != 0 ? 1 : 0;
    At(grid.links, line, column) = r.linkGroup;
    At(grid.occupancy, line, column) = 1;
    return;
  }
}

bool IsWordSeparator(char c) {
  static constexpr std::string_view kMarks = ",.;:!?`'";
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' ||
         kMarks.find(c) != std::string_view::npos;
}

}  // namespace

int GridColumnsInUse(const base::AppState& state) {
  return std::clamp(state.gridColumns, 0, WritingGrid::kColumns);
}

int GridLinesInUse(const base::AppState& state) {
  return std::clamp(state.gridLines, 0, WritingGrid::kLines);
}

void AdvanceCursor(WritingGrid& grid, const base::AppState& state, bool listModule) {
  const int columns = GridColumnsInUse(state);
  const int lines = GridLinesInUse(state);
  if (grid.cursorCol < columns - 1) {
    ++grid.cursorCol;
  } else if (grid.cursorRow < lines - 1) {
    ++grid.cursorRow;
    grid.cursorCol = 0;
  }
  if (!listModule || grid.pendingWord != 0) return;
  // On to the next answer cell in reading order: a phrase goes on at the start of the next line.
  for (int l = std::max(grid.cursorRow, 0); l < lines; ++l) {
    for (int c = l == grid.cursorRow ? std::max(grid.cursorCol, 0) : 0; c < columns; ++c) {
      if (At(grid.enabled, l, c) != 0) {
        grid.cursorCol = c;
        grid.cursorRow = l;
        return;
      }
    }
  }
}

void CursorNewLine(WritingGrid& grid, const base::AppState& state) {
  if (grid.cursorRow < GridLinesInUse(state) - 1) {
    ++grid.cursorRow;
    grid.cursorCol = 0;
  }
}

gfx::Rect EraseBack(GridTiles& g) {
  WritingGrid& grid = g.grid;
  const int column = std::min(grid.cursorCol, GridColumnsInUse(g.state));
  if (column > 0) {
    grid.cursorCol = column - 1;
  } else if (grid.cursorRow > 0) {
    --grid.cursorRow;
    grid.cursorCol = GridColumnsInUse(g.state) - 1;
  } else {
    return {};
  }
  const auto tiles = cells::Tiles(g.state.keyCount, g.state.itemCount);
  for (int i = tiles.first; i < tiles.end; ++i) {
    const base::CellRecord& r = g.cells[i];
    if (r.gridCol == grid.cursorCol && r.gridRow == grid.cursorRow) {
      const gfx::Rect area = cells::ItemRect(r).Inflated(5, 5);
      RemoveTile(g, i);
      return area;
    }
  }
  return {};
}

void RemoveTile(GridTiles& g, int k) {
  const auto tiles = cells::Tiles(g.state.keyCount, g.state.itemCount);
  if (k < tiles.first || k >= tiles.end) return;
  const int column = g.cells[k].gridCol;
  const int line = g.cells[k].gridRow;
  auto& records = g.cells.records;
  std::copy(records.begin() + k + 1, records.begin() + tiles.end, records.begin() + k);
  g.state.itemCount = tiles.end - 1;
  // A hidden letter of a fixed exercise can lie under the tile taken away.
  if (InLayers(column, line)) RestoreCell(g, column, line);
}

void ClearGrid(GridTiles& g, int settledValue, bool inPuzzle) {
  WritingGrid& grid = g.grid;
  grid.clearing = 1;
  grid.cursorCol = grid.cursorRow = 0;
  // Marks left set would frame the next tile dropped in their cells; the editor's text goes with
  // the grid, and its instruction with it.
  grid.EmptyWriting();
  Fill(grid.fixedText, kBlank);
  Fill(grid.hidden, 0);
  if (inPuzzle) return;
  const auto tiles = cells::Tiles(g.state.keyCount, g.state.itemCount);
  for (int i = tiles.first; i < tiles.end; ++i) {
    base::CellRecord& r = g.cells[i];
    r.gridCol = r.gridRow = -1;
    r.settled = settledValue;
    r.solvedMark = 1;
    // A letter still flying to the cursor goes home with the others.
    r.movable = 1;
  }
}

void FixExercise(WritingGrid& grid, bool on) {
  for (int l = 0; l < WritingGrid::kLines; ++l) {
    for (int c = 0; c < WritingGrid::kColumns; ++c) {
      At(grid.fixedText, l, c) = on ? At(grid.text, l, c) : kBlank;
      At(grid.hidden, l, c) = on && At(grid.visibility, l, c) == 0 ? 1 : 0;
    }
  }
}

void RepaintChangedCells(WritingGrid& grid, const base::AppState& state, bool snapshotsOnly,
                         const Repaint& repaint) {
  if (!snapshotsOnly && repaint) {
    for (int c = 0; c < WritingGrid::kColumns; ++c) {
      for (int l = 0; l < WritingGrid::kLines; ++l) {
        if (At(grid.text, l, c) != At(grid.textSnapshot, l, c) ||
            At(grid.visibility, l, c) != At(grid.visibilitySnapshot, l, c)) {
          repaint(base::CellRect(state, c, l));
        }
      }
    }
  }
  grid.TakeSnapshots();
}

int CountWords(std::string_view text) {
  int words = 0;
  bool inWord = false;
  for (char c : text) {
    const bool separator = IsWordSeparator(c);
    if (!separator && !inWord) ++words;
    inWord = !separator;
  }
  return words;
}

bool CheckListWord(const base::CellTable& cells, const base::AppState& state,
                   const WritingGrid& grid) {
  const auto tiles = cells::Tiles(state.keyCount, state.itemCount);
  bool anyExpected = false;
  for (int c = 0; c < GridColumnsInUse(state); ++c) {
    for (int l = 0; l < GridLinesInUse(state); ++l) {
      const char expected = static_cast<char>(At(grid.expected, l, c));
      if (expected == ' ' || expected == '\0') continue;
      anyExpected = true;
      const char wanted = text::ToLower(expected);
      bool found = false;
      for (int i = tiles.end - 1; i >= tiles.first && !found; --i) {
        const base::CellRecord& r = cells[i];
        found = r.gridCol == c && r.gridRow == l && text::ToLower(r.Letter()) == wanted;
      }
      if (!found) return false;
    }
  }
  return anyExpected;
}

int CheckFixedExercise(const base::CellTable& cells, const base::AppState& state,
                       const WritingGrid& grid, bool keypad) {
  const auto tiles = cells::Tiles(state.keyCount, state.itemCount);
  int hiddenLetters = 0;
  for (int c = 0; c < GridColumnsInUse(state); ++c) {
    for (int l = 0; l < GridLinesInUse(state); ++l) {
      const char wanted = static_cast<char>(At(grid.fixedText, l, c));
      if (wanted == ' ' || !FindKeyFor(wanted, keypad)) continue;
      bool found = false;
      for (int i = tiles.first; i < tiles.end && !found; ++i) {
        const base::CellRecord& r = cells[i];
        found = r.gridCol == c && r.gridRow == l && r.visible != 0 && r.Letter() == wanted;
      }
      if (!found) return 0;
      if (At(grid.hidden, l, c) == 1) ++hiddenLetters;
    }
  }
  return hiddenLetters;
}

}  // namespace grid
