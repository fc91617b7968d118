// One dispatcher for every timer of the view, and the tooltips it ticks.
#include "app/scribix_view.h"

namespace app {

void CScribixView::OnTimer(int id) {
  const auto owner = base::OwnerOf(id);
  if (owner) {
    switch (*owner) {
      case base::TimerOwner::kView:
        platform_.timers.Kill(id);
        FirstRunInit();
        break;
      case base::TimerOwner::kCelebration:
        // A success signalled twice for the same word, or with no word on screen, ends here.
        if (!OnCelebrationTimer(id)) return;
        if (id == base::kTimerWordSuccess) list_.Dictation().Reward();
        break;
      case base::TimerOwner::kDictation:
        // Killed first: a message shown by the next entry must not let the timer come again.
        platform_.timers.Kill(id);
        if (module_ == ModuleId::kListe) NextDictationEntry();
        break;
      case base::TimerOwner::kTileInput:
        Active().OnTimer(id);
        break;
      case base::TimerOwner::kTooltips:
        TooltipTick();
        break;
      case base::TimerOwner::kAnimation:
        break;
    }
  }
  // Every timer message moves on what moves by itself.
  Active().Tick();
}

void CScribixView::NextDictationEntry() {
  // A new entry may be rewarded, also when it is the same as the last one (a list of one word).
  lastCelebratedText_.clear();
  lastCelebratedIndex_ = -1;
  list_.Dictation().NextEntry();
  // The automatic advance can come while the child holds a tile: the tiles are gone with it.
  if (held_.selectedPiece >= state_.itemCount) {
    held_.selectedPiece = -1;
    selection_.selectionCount = 0;
  }
}

bool CScribixView::OnCelebrationTimer(int id) {
  // One list item is celebrated once, however often its success is signalled.
  const std::int32_t current = wordList_.currentEntry;
  if (current >= 0 && static_cast<std::size_t>(current) < wordList_.listEntries.size()) {
    const std::string& item = wordList_.listEntries[static_cast<std::size_t>(current)];
    if (item == lastCelebratedText_ && current == lastCelebratedIndex_) {
      platform_.timers.Kill(base::kTimerBlink);
      platform_.timers.Kill(base::kTimerFixedSuccess);
      platform_.timers.Kill(base::kTimerWordSuccess);
      return false;
    }
    lastCelebratedText_ = item;
    lastCelebratedIndex_ = current;
  }
  platform_.timers.Kill(id);
  return !(id == base::kTimerWordSuccess && grid_.gridBounds.IsEmpty());
}

void CScribixView::OnMouseMove(unsigned flags, gfx::Point point) {
  tips_.tipX = point.x;
  tips_.tipY = point.y;
  tips_.wantedTip = TooltipTextAt(icons_, IconTips(), point);
  if (tips_.wantedTip.empty()) {
    tips_.shownTip.clear();
    ShowTip(tips_.tipX, tips_.tipY, {});
  }
  if (held_.selectedPiece == -1 || module_ == ModuleId::kPuzzle) return;
  const gfx::Rect moved = Active().OnMouseMove(flags, point);
  if (!moved.IsEmpty()) platform_.window.Invalidate(moved, true);
}

void CScribixView::TooltipTick() {
  if (tips_.wantedTip.empty()) return;
  if (IsAnyDialogVisible()) {
    tips_.shownTip.clear();
    tips_.wantedTip.clear();
    tips_.lastTip.clear();
    return;
  }
  // Shown once the mouse has rested on the same icon for a whole tick.
  if (tips_.wantedTip == tips_.lastTip) {
    tips_.shownTip = tips_.wantedTip;
    ShowTip(tips_.tipX, tips_.tipY, tips_.shownTip);
  } else {
    tips_.shownTip.clear();
  }
  tips_.lastTip = tips_.wantedTip;
}

void CScribixView::ShowTip(int x, int y, const std::string& text) {
  platform_.window.ShowTip(platform_.window.ClientToScreen({x, y}), text);
}

std::vector<IconShown> CScribixView::IconsShown() const {
  std::vector<IconShown> shown;
  AddCommonIcons(shown, state_.soundOn == 1);
  Active().AddIcons(shown);
  return shown;
}

std::vector<IconTip> CScribixView::IconTips() const {
  std::vector<IconTip> tips;
  AddCommonTips(tips, state_.soundOn == 1);
  Active().AddTips(tips);
  return tips;
}

}  // namespace app
