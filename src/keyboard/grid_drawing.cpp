// The writing grid: plain cells in the first shade of the background, and the red cursor frame
// while automatic placement is on.
#include <algorithm>

#include "app/scribix_view.h"

namespace app {

namespace {

constexpr gfx::Colour kCursorFrame = gfx::Rgb(255, 0, 0);

}  // namespace

void CScribixView::DrawGrid(gfx::Canvas& canvas) {
  using keyboard::WritingGrid;
  const int columns = std::clamp(state.gridColumns, 0, WritingGrid::kColumns);
  const int lines = std::clamp(state.gridLines, 0, WritingGrid::kLines);
  auto plain = [&](const gfx::Rect& cell) {
    canvas.Fill(cell, state.backgroundShade1);
    canvas.Edge(cell, gfx::EdgeStyle::kRaisedInner);
  };
  auto isCursor = [&](int c, int l) { return c == grid.cursorCol && l == grid.cursorRow; };
  const bool cursorShown = autoPlace != 0;

  if (state.InPuzzle()) {
    for (int c = 0; c < columns; ++c) {
      for (int l = 0; l < lines; ++l) plain(CellRect(c, l));
    }
    return;
  }

  if (state.InList()) {
    auto enabled = [&](int c, int l) {
      return grid.enabled[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] != 0;
    };
    if (grid.pendingWord != 0) {
      // A new word: the cursor goes to its first cell.
      for (int c = 0; c < columns && grid.pendingWord != 0; ++c) {
        for (int l = 0; l < lines; ++l) {
          if (enabled(c, l)) {
            grid.cursorCol = c;
            grid.cursorRow = l;
            grid.pendingWord = 0;
            break;
          }
        }
      }
      grid.pendingWord = 0;
    }
    gfx::Rect bounds;
    for (int c = 0; c < columns; ++c) {
      for (int l = 0; l < lines; ++l) {
        if (!enabled(c, l)) continue;
        const gfx::Rect cell = CellRect(c, l);
        plain(cell);
        bounds = bounds.Union(cell);
        if (isCursor(c, l)) {
          grid.cursorRect = cell;
          if (cursorShown) canvas.Frame(cell, kCursorFrame);
        }
      }
    }
    grid.gridBounds = bounds;
    return;
  }

  if (editorDialog.fixed) {
    for (int c = 0; c < columns; ++c) {
      for (int l = 0; l < lines; ++l) {
        if (grid.fixedText[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] == ' ')
          continue;
        const gfx::Rect cell = CellRect(c, l);
        if (isCursor(c, l) && cursorShown) {
          canvas.Frame(cell, kCursorFrame, 2);
        } else {
          plain(cell);
        }
      }
    }
    return;
  }

  for (int c = 0; c < columns; ++c) {
    for (int l = 0; l < lines; ++l) {
      const gfx::Rect cell = CellRect(c, l);
      if (isCursor(c, l)) {
        grid.cursorRect = cell;
        if (cursorShown) {
          canvas.Frame(cell, kCursorFrame);
          continue;
        }
      }
      plain(cell);
    }
  }
}

}  // namespace app
