// The keyboard made for the active module, and the grid emptied.
#include "app/scribix_view.h"

namespace app {

void CScribixView::BuildKeyboard() {
  // A list without a selection keeps the grid as it is.
  if (settingsDialog_.cellsSelection >= 0) {
    state_.gridColumns = settingsDialog_.cellsSelection * 2 + 2;
  }
  if (settingsDialog_.linesSelection >= 0) state_.gridLines = settingsDialog_.linesSelection + 1;
  state_.columnGap = 0;
  state_.lineGap = 25;
  layout_.LayoutView();
  Active().BuildKeys();
}

void CScribixView::ResetGrid() {
  grid_.ResetTextLayers();
  editorDialog_.SetTextFromProgram({});
  state_.itemCount = state_.keyCount;
  grid_.cursorCol = grid_.cursorRow = 0;
  editorDialog_.SetFixedFromProgram(false);
  grid::FixExercise(grid_, false);
  // The tiles are gone: the screen must not go on showing them.
  platform_.window.InvalidateAll(true);
}

}  // namespace app
