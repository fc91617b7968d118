// One dispatcher for every timer of the view: each id goes to its owner.
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
        if (!rewards_.OnCelebrationTimer(id)) return;
        if (id == base::kTimerWordSuccess) list_.Dictation().Reward();
        if (id == base::kTimerFixedSuccess) {
          exercises::WritingModule* writing = Writing();
          rewards_.PlayTextReward(writing != nullptr ? &writing->effectArea : nullptr);
        }
        if (id == base::kTimerBlink) {
          if (exercises::WritingModule* writing = Writing()) {
            rewards_.PlayFoundWordBlink(writing->effectArea);
          }
        }
        break;
      case base::TimerOwner::kDictation:
        if (!list_.Dictation().AdvanceDue()) break;
        // Killed first: a message shown by the next entry must not let the timer come again.
        platform_.timers.Kill(id);
        if (ActiveModule() == ModuleId::kListe) NextDictationEntry();
        break;
      case base::TimerOwner::kTileInput:
        Active().OnTimer(id);
        break;
      case base::TimerOwner::kTooltips:
        tooltips_.Tick();
        break;
      case base::TimerOwner::kAnimation:
        break;
    }
  }
  // Every timer message moves on what moves by itself.
  Active().Tick();
}

void CScribixView::NextDictationEntry() {
  rewards_.ForgetCelebrated();
  list_.Dictation().NextEntry();
  // The automatic advance can come while the child holds a tile: the tiles are gone with it.
  if (held_.selectedPiece >= state_.itemCount) {
    held_.selectedPiece = -1;
    selection_.selectionCount = 0;
  }
}

void CScribixView::OnMouseMove(unsigned flags, gfx::Point point) {
  tooltips_.MouseAt(point, TooltipTextAt(icons_, IconTips(), point));
  if (held_.selectedPiece == -1) return;
  const gfx::Rect moved = Active().OnMouseMove(flags, point);
  // A piece covers what it leaves behind with the pieces under it: no erasing.
  if (!moved.IsEmpty()) platform_.window.Invalidate(moved, ActiveModule() != ModuleId::kPuzzle);
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
  // Silent for want of a sound device or a voice: the sound icon says why.
  if (!settingsDialog_.soundProblem.empty()) {
    for (IconTip& tip : tips) {
      if (tip.icon != IconSound) continue;
      tip.text = state_.soundOn == 1 ? settingsDialog_.soundOnTip.c_str()
                                     : settingsDialog_.soundOffTip.c_str();
    }
  }
  Active().AddTips(tips);
  return tips;
}

}  // namespace app
