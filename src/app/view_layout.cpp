// The keyboard made for the active module.
#include "app/scribix_view.h"

namespace app {

void CScribixView::BuildKeyboard() {
  // A list without a selection keeps the grid as it is.
  if (dialogs_.settings.cellsSelection >= 0) {
    state_.gridColumns = dialogs_.settings.cellsSelection * 2 + 2;
  }
  if (dialogs_.settings.linesSelection >= 0)
    state_.gridLines = dialogs_.settings.linesSelection + 1;
  state_.columnGap = 0;
  state_.lineGap = 25;
  layout_.LayoutView();
  modules_.switcher.Active().BuildKeys();
}

}  // namespace app
