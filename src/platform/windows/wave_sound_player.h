#pragma once

#include "platform/windows/call_observer.h"
#include "ports/sound_player.h"

namespace platform {

// Wave files through the system's PlaySound, in the background; a new sound replaces the one
// playing.
class WaveSoundPlayer final : public ports::SoundPlayer {
 public:
  explicit WaveSoundPlayer(CallObserver observer = {}) : observer_(std::move(observer)) {}
  void Play(const std::filesystem::path& waveFile) override;
  void Stop() override;

 private:
  CallObserver observer_;
};

}  // namespace platform
