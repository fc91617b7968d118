// One dispatcher for every timer of the view, and the tooltips it ticks.
#include "app/scribix_view.h"
#include "effects/effect_player.h"
#include "speech/sound_names.h"
#include "text/cp1252.h"

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
        if (id == base::kTimerFixedSuccess) PlayTextReward();
        if (id == base::kTimerBlink) PlayFoundWordBlink();
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
  // One list item is celebrated once, however often its success is signalled. The French
  // text's rewards are not the list's: they pass whatever the dictation last rewarded.
  const std::int32_t current = wordList_.currentEntry;
  if (id == base::kTimerWordSuccess && current >= 0 &&
      static_cast<std::size_t>(current) < wordList_.listEntries.size()) {
    const std::string& item = wordList_.listEntries[static_cast<std::size_t>(current)];
    if (item == lastCelebratedText_ && current == lastCelebratedIndex_) {
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
  if (held_.selectedPiece == -1) return;
  const gfx::Rect moved = Active().OnMouseMove(flags, point);
  // A piece covers what it leaves behind with the pieces under it: no erasing.
  if (!moved.IsEmpty()) platform_.window.Invalidate(moved, ActiveModule() != ModuleId::kPuzzle);
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

std::filesystem::path CScribixView::RewardSoundFile(effects::RewardSound sound) const {
  if (state_.soundOn != 1 || settingsDialog_.noSounds) return {};
  const char* file = nullptr;
  switch (sound) {
    case effects::RewardSound::kFire:
      file = speech::kFireSound;
      break;
    case effects::RewardSound::kRipples:
      file = speech::kRipplesSound;
      break;
    case effects::RewardSound::kMist:
      file = speech::kMistSound;
      break;
    case effects::RewardSound::kNone:
      return {};
  }
  return state_.programFolder / "sons" / text::PathFromText(file);
}

void CScribixView::PlayWordReward(const gfx::Rect& gridBounds) {
  if (!backBufferValid_) return;
  const effects::Reward reward = rewardCycle_.Next();
  effects::EffectPlayer player(backBuffer_, platform_.window, platform_.clock, platform_.sound,
                               random_);
  player.PlayReward(reward, gridBounds, RewardSoundFile(effects::SoundOf(reward)));
}

void CScribixView::PlayTextReward() {
  if (settingsDialog_.noEffects || !backBufferValid_) return;
  const gfx::Size client = platform_.window.ClientSize();
  const gfx::Rect area{client.width * 25 / 100, client.height * 45 / 100, client.width * 75 / 100,
                       client.height * 75 / 100};
  if (exercises::WritingModule* writing = Writing()) writing->effectArea = area;
  if (area.IsEmpty()) return;
  random_.Seed(static_cast<std::uint32_t>(platform_.clock.CalendarSeconds()));
  effects::EffectPlayer player(backBuffer_, platform_.window, platform_.clock, platform_.sound,
                               random_);
  if (random_.Next() % 2 == 1) {
    player.PlayShortFire(area, RewardSoundFile(effects::RewardSound::kFire));
  } else {
    player.PlayRipples(area.Inflated(50, 50), RewardSoundFile(effects::RewardSound::kRipples));
  }
}

void CScribixView::PlayFoundWordBlink() {
  exercises::WritingModule* writing = Writing();
  if (writing == nullptr || !backBufferValid_) return;
  effects::EffectPlayer player(backBuffer_, platform_.window, platform_.clock, platform_.sound,
                               random_);
  player.PlayBlink(writing->effectArea, 1);
}

}  // namespace app
