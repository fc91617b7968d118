#include "app/tooltips.h"

namespace app {

void Tooltips::MouseAt(gfx::Point point, std::string tip) {
  tips_.tipX = point.x;
  tips_.tipY = point.y;
  tips_.wantedTip = std::move(tip);
  if (tips_.wantedTip.empty()) {
    tips_.shownTip.clear();
    Show({});
  }
}

void Tooltips::Tick() {
  if (tips_.wantedTip.empty()) return;
  if (IsAnyDialogVisible()) {
    tips_.shownTip.clear();
    tips_.wantedTip.clear();
    tips_.lastTip.clear();
    return;
  }
  if (tips_.wantedTip == tips_.lastTip) {
    tips_.shownTip = tips_.wantedTip;
    Show(tips_.shownTip);
  } else {
    tips_.shownTip.clear();
  }
  tips_.lastTip = tips_.wantedTip;
}

void Tooltips::HideShown() {
  if (!tips_.shownTip.empty()) Show({});
}

void Tooltips::Forget(bool hide) {
  tips_.wantedTip.clear();
  tips_.shownTip.clear();
  if (hide) Show({});
}

void Tooltips::Show(const std::string& text) {
  window_.ShowTip(window_.ClientToScreen({tips_.tipX, tips_.tipY}), text);
}

bool Tooltips::IsAnyDialogVisible() const {
  using ports::DialogId;
  return dialogs_.IsVisible(DialogId::kSettings) || dialogs_.IsVisible(DialogId::kPuzzleSettings) ||
         dialogs_.IsVisible(DialogId::kEditor) || dialogs_.IsVisible(DialogId::kWordLists);
}

}  // namespace app
