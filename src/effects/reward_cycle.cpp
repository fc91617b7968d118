#include "effects/reward_cycle.h"

namespace effects {

Reward RewardCycle::Next() {
  const auto reward = static_cast<Reward>(position_);
  position_ = (position_ + 1) % kRewardCount;
  return reward;
}

RewardSound SoundOf(Reward reward) {
  switch (reward) {
    case Reward::kFire:
      return RewardSound::kFire;
    case Reward::kRipples:
      return RewardSound::kRipples;
    case Reward::kMist:
      return RewardSound::kMist;
    case Reward::kBlink:
    case Reward::kJitter:
    case Reward::kEmboss:
      break;
  }
  return RewardSound::kNone;
}

gfx::Rect RewardArea(Reward reward, gfx::Rect gridBounds) {
  if (reward == Reward::kRipples || reward == Reward::kMist) return gridBounds.Inflated(50, 50);
  return gridBounds;
}

}  // namespace effects
