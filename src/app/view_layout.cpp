// The keyboard made for the active module.
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

}  // namespace app
