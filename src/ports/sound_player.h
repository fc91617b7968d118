#pragma once

#include <filesystem>

namespace ports {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Plays a wave file asynchronously, replacing the sound that is playing; a missing file is
  // silent.
  virtual void Play(const std::filesystem::path& waveFile) = 0;
  // Ends the sound playing, if any.
  virtual void Stop() {}
};

}  // namespace ports
