#pragma once

#include "gfx/geometry.h"

// The rewards for solved words, each in its turn.
namespace effects {

enum class Reward { kFire, kRipples, kMist, kBlink, kJitter, kEmboss };

// The sound that goes with a reward; the caller knows the files and whether sounds are wanted.
enum class RewardSound { kNone, kFire, kRipples, kMist };

inline constexpr int kRewardCount = 6;
inline constexpr int kRewardFlashes = 6;  // the blink of the cycle

// Fire, ripples, mist, blink, jitter, emboss, and then fire again. Lives for the whole run.
class RewardCycle {
 public:
  // The reward to play now; the following call gives the one after it.
  Reward Next();
  int Position() const { return position_; }

 private:
  int position_ = 0;
};

RewardSound SoundOf(Reward reward);
// Ripples and mist spread 50 pixels beyond the solved word's cells.
gfx::Rect RewardArea(Reward reward, gfx::Rect gridBounds);

}  // namespace effects
