#include "app/rewards.h"

#include "base/timer_ids.h"
#include "effects/effect_player.h"
#include "speech/sound_names.h"
#include "text/cp1252.h"

namespace app {

Rewards::Rewards(Screen screen, ports::Clock& clock, ports::SoundPlayer& sound,
                 ports::Timers& timers, base::RandomGenerator& random, const base::AppState& state,
                 const CConfigABC& settings, const exercises::WordList& words,
                 const grid::WritingGrid& grid)
    : screen_(screen),
      clock_(clock),
      sound_(sound),
      timers_(timers),
      random_(random),
      state_(state),
      settings_(settings),
      words_(words),
      grid_(grid) {}

void Rewards::LoadFireworks(ports::Pictures& pictures) {
  fireworks_.Load(pictures, state_.programFolder);
}

bool Rewards::OnCelebrationTimer(int id) {
  // One list item is celebrated once, however often its success is signalled. The French
  // text's rewards are not the list's: they pass whatever the dictation last rewarded.
  const std::int32_t current = words_.currentEntry;
  if (id == base::kTimerWordSuccess && current >= 0 &&
      static_cast<std::size_t>(current) < words_.listEntries.size()) {
    const std::string& item = words_.listEntries[static_cast<std::size_t>(current)];
    if (item == lastCelebratedText_ && current == lastCelebratedIndex_) {
      timers_.Kill(base::kTimerWordSuccess);
      return false;
    }
    lastCelebratedText_ = item;
    lastCelebratedIndex_ = current;
  }
  timers_.Kill(id);
  return !(id == base::kTimerWordSuccess && grid_.gridBounds.IsEmpty());
}

void Rewards::ForgetCelebrated() {
  lastCelebratedText_.clear();
  lastCelebratedIndex_ = -1;
}

std::filesystem::path Rewards::RewardSoundFile(effects::RewardSound sound) const {
  if (state_.soundOn != 1 || settings_.noSounds) return {};
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

void Rewards::PlayWordReward(const gfx::Rect& gridBounds) {
  if (!screen_.backBufferValid) return;
  const effects::Reward reward = rewardCycle_.Next();
  effects::EffectPlayer player(screen_.backBuffer, screen_.window, clock_, sound_, random_);
  player.PlayReward(reward, gridBounds, RewardSoundFile(effects::SoundOf(reward)));
}

void Rewards::PlayTextReward(gfx::Rect* effectArea) {
  if (settings_.noEffects || !screen_.backBufferValid) return;
  const gfx::Size client = screen_.window.ClientSize();
  const gfx::Rect area{client.width * 25 / 100, client.height * 45 / 100, client.width * 75 / 100,
                       client.height * 75 / 100};
  if (effectArea != nullptr) *effectArea = area;
  if (area.IsEmpty()) return;
  random_.Seed(static_cast<std::uint32_t>(clock_.CalendarSeconds()));
  effects::EffectPlayer player(screen_.backBuffer, screen_.window, clock_, sound_, random_);
  if (random_.Next() % 2 == 1) {
    player.PlayShortFire(area, RewardSoundFile(effects::RewardSound::kFire));
  } else {
    player.PlayRipples(area.Inflated(50, 50), RewardSoundFile(effects::RewardSound::kRipples));
  }
}

void Rewards::PlayFoundWordBlink(const gfx::Rect& area) {
  if (!screen_.backBufferValid) return;
  effects::EffectPlayer player(screen_.backBuffer, screen_.window, clock_, sound_, random_);
  player.PlayBlink(area, 1);
}

void Rewards::PlayFireworks() {
  if (!screen_.backBufferValid) return;
  effects::EffectPlayer player(screen_.backBuffer, screen_.window, clock_, sound_, random_);
  player.PlayFireworks(fireworks_, screen_.backBuffer.Bounds());
}

}  // namespace app
