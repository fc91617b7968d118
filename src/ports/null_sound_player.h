#pragma once

#include "ports/sound_player.h"

namespace ports {

// A machine without a sound device.
class NullSoundPlayer : public SoundPlayer {
 public:
  void Play(const std::filesystem::path&) override {}
};

}  // namespace ports
