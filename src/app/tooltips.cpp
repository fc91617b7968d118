#include "app/tooltips.h"

#include "base/timer_ids.h"

namespace app {

namespace {

constexpr int kTooltipTickMs = 500;

}  // namespace

void Tooltips::MouseAt(gfx::Point point, std::string tip) {
  tips_.tipX = point.x;
  tips_.tipY = point.y;
  tips_.wantedTip = std::move(tip);
  if (tips_.wantedTip.empty()) {
    tips_.shownTip.clear();
    Show({});
    StopTimer();
  } else {
    // Not started again while it runs: the tooltip comes at the same rhythm however the mouse
    // moves. A move over the shown tooltip's icon brings it to the mouse at the next tick.
    StartTimer();
  }
}

void Tooltips::Tick() {
  if (tips_.wantedTip.empty()) {
    StopTimer();
    return;
  }
  if (IsAnyDialogVisible()) {
    tips_.shownTip.clear();
    tips_.wantedTip.clear();
    tips_.lastTip.clear();
    StopTimer();
    return;
  }
  if (tips_.wantedTip == tips_.lastTip) {
    tips_.shownTip = tips_.wantedTip;
    Show(tips_.shownTip);
    StopTimer();
  } else {
    tips_.shownTip.clear();
  }
  tips_.lastTip = tips_.wantedTip;
}

void Tooltips::HideShown() {
  if (tips_.shownTip.empty()) return;
  Show({});
  StartTimer();
}

void Tooltips::Forget(bool hide) {
  tips_.wantedTip.clear();
  tips_.shownTip.clear();
  if (hide) Show({});
  StopTimer();
}

void Tooltips::StartTimer() {
  if (timerRunning_) return;
  timers_.Start(base::kTimerTooltip, kTooltipTickMs);
  timerRunning_ = true;
}

void Tooltips::StopTimer() {
  if (!timerRunning_) return;
  timers_.Kill(base::kTimerTooltip);
  timerRunning_ = false;
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
