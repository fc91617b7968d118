#pragma once

#include <QSoundEffect>
#include <filesystem>
#include <memory>

#include "ports/sound_player.h"

namespace shell {

// Wave files through QSoundEffect; the effect is made at the first sound.
class QtSoundPlayer : public ports::SoundPlayer {
 public:
  void Play(const std::filesystem::path& waveFile) override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace shell
