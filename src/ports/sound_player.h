#pragma once

#include <filesystem>

namespace ports {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Plays a wave file asynchronously, replacing the sound that is playing; a missing file is
  // silent.
  virtual void Play(const std::filesystem::path& waveFile) = 0;
};

}  // namespace ports
