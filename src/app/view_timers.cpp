// One dispatcher for every timer of the view: each id goes to its owner.
#include "app/scribix_view.h"

namespace app {

void CScribixView::OnTimer(int id) {
  AfterMessage after{*this};
  // Every timer message moves on what moves by itself, unless its owner ended it.
  if (RouteTimer(id)) modules_.switcher.Active().Tick();
}

void CScribixView::PaceAnimation() {
  const bool moving = modules_.switcher.Active().Moving();
  if (moving == animating_) return;
  animating_ = moving;
  if (moving) {
    platform_.timers.Start(base::kTimerAnimation, kAnimationTickMs);
  } else {
    platform_.timers.Kill(base::kTimerAnimation);
  }
}

bool CScribixView::RouteTimer(int id) {
  const auto owner = base::OwnerOf(id);
  if (owner) {
    switch (*owner) {
      case base::TimerOwner::kView:
        platform_.timers.Kill(id);
        FirstRunInit();
        break;
      case base::TimerOwner::kCelebration:
        // A success signalled twice for the same word, or with no word on screen, ends here.
        if (!rewards_.OnCelebrationTimer(id)) return false;
        if (id == base::kTimerWordSuccess) modules_.list.Dictation().Reward();
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
        if (!modules_.list.Dictation().AdvanceDue()) break;
        // Killed first: a message shown by the next entry must not let the timer come again.
        platform_.timers.Kill(id);
        if (ActiveModule() == ModuleId::kListe) NextDictationEntry();
        break;
      case base::TimerOwner::kTileInput:
        modules_.switcher.Active().OnTimer(id);
        break;
      case base::TimerOwner::kTooltips:
        tooltips_.Tick();
        break;
      case base::TimerOwner::kAnimation:
        break;
      case base::TimerOwner::kSpokenLight:
        if (exercises::WritingModule* writing = Writing()) {
          writing->Spoken().OnTimer();
        } else {
          platform_.timers.Kill(id);  // the screen it lit is gone
        }
        break;
      case base::TimerOwner::kProfileLock:
        class_.RefreshLock();
        break;
    }
  }
  return true;
}

void CScribixView::NextDictationEntry() {
  rewards_.ForgetCelebrated();
  modules_.list.Dictation().NextEntry();
  // The automatic advance can come while the child holds a tile: the tiles are gone with it.
  if (board_.held.selectedPiece >= state_.itemCount) {
    board_.held.selectedPiece = -1;
    board_.selection.selectionCount = 0;
  }
}

void CScribixView::StartDictationAfresh() {
  modules_.list.Dictation().EndSession();
  SelectModule(ModuleId::kListe);
  NextDictationEntry();
  platform_.window.InvalidateAll(true);
}

void CScribixView::OnMouseMove(unsigned flags, gfx::Point point) {
  AfterMessage after{*this};
  tooltips_.MouseAt(point, TooltipTextAt(icons_, IconTips(), point));
  if (ActiveModule() == ModuleId::kQuiTravaille) {
    const gfx::Rect hovered = modules_.chooser.OnMouseMove(flags, point);
    if (!hovered.IsEmpty()) platform_.window.Invalidate(hovered, false);
    return;
  }
  if (board_.held.selectedPiece == -1) return;
  const gfx::Rect moved = modules_.switcher.Active().OnMouseMove(flags, point);
  // A piece covers what it leaves behind with the pieces under it: no erasing.
  if (!moved.IsEmpty()) platform_.window.Invalidate(moved, ActiveModule() != ModuleId::kPuzzle);
}

std::vector<IconShown> CScribixView::IconsShown() const {
  std::vector<IconShown> shown;
  // "Qui travaille ?" shows only its own few icons.
  if (ActiveModule() != ModuleId::kQuiTravaille) AddCommonIcons(shown, state_.soundOn == 1);
  modules_.switcher.Active().AddIcons(shown);
  if (ActiveModule() != ModuleId::kQuiTravaille && class_.ShowsChooserIcon()) {
    shown.push_back({IconWhoWorks, PictureWhoWorks});
  }
  return shown;
}

std::vector<IconTip> CScribixView::IconTips() const {
  std::vector<IconTip> tips;
  for (const IconFace& face : IconTable::Faces()) {
    if ((face.modules & In(ActiveModule())) == 0) continue;
    const char* text = face.tipNow != nullptr ? face.tipNow(*this) : face.tip;
    if (text != nullptr) tips.push_back({face.icon, text});
  }
  return tips;
}

}  // namespace app
