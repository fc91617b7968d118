#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/config_abc.h"
#include "base/app_state.h"
#include "base/random.h"
#include "effects/fireworks.h"
#include "effects/reward_cycle.h"
#include "exercises/word_list.h"
#include "gfx/geometry.h"
#include "gfx/image.h"
#include "grid/writing_grid.h"
#include "ports/clock.h"
#include "ports/pictures.h"
#include "ports/sound_player.h"
#include "ports/timers.h"
#include "ports/window.h"

namespace app {

// The rewards played over the back buffer, and the guard that celebrates a list item once.
class Rewards {
 public:
  struct Screen {
    gfx::Image& backBuffer;
    // False until the first paint after a resize: there is nothing to play over before it.
    const bool& backBufferValid;
    ports::Window& window;
  };

  Rewards(Screen screen, ports::Clock& clock, ports::SoundPlayer& sound, ports::Timers& timers,
          base::RandomGenerator& random, const base::AppState& state, const CConfigABC& settings,
          const exercises::WordList& words, const grid::WritingGrid& grid);

  // The fireworks frames, decoded at their own size; fitted to the screen when they play.
  void LoadFireworks(ports::Pictures& pictures);

  // A success timer: false when the message ends here (the item was celebrated already, or
  // there is no word on screen).
  bool OnCelebrationTimer(int id);
  // A new entry may be rewarded, also when it is the same as the last one (a list of one word).
  void ForgetCelebrated();

  // The next of the cycle over a solved word.
  void PlayWordReward(const gfx::Rect& gridBounds);
  // The fixed text's reward; effectArea (null in the puzzle) keeps where it played.
  void PlayTextReward(gfx::Rect* effectArea);
  // The blink over a found word.
  void PlayFoundWordBlink(const gfx::Rect& area);
  // The solved puzzle's fireworks over the whole screen.
  void PlayFireworks();

  const effects::Fireworks& FireworksFrames() const { return fireworks_; }

 private:
  std::filesystem::path RewardSoundFile(effects::RewardSound sound) const;

  Screen screen_;
  ports::Clock& clock_;
  ports::SoundPlayer& sound_;
  ports::Timers& timers_;
  base::RandomGenerator& random_;
  const base::AppState& state_;
  const CConfigABC& settings_;
  const exercises::WordList& words_;
  const grid::WritingGrid& grid_;

  effects::RewardCycle rewardCycle_;
  effects::Fireworks fireworks_;
  // One list item is celebrated once.
  std::string lastCelebratedText_;
  std::int32_t lastCelebratedIndex_ = -1;
};

}  // namespace app
