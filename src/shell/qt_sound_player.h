#pragma once

#include <QThread>
#include <filesystem>

#include "ports/sound_player.h"

class QSoundEffect;

namespace shell {

// A wave file whose header is whole and whose sound data is all there. Qt's sample cache never
// lets go of a file it could not finish loading (a cut or empty file): the next sound then waits
// for it forever, and so does quitting. Such a file is silent instead.
bool IsWholeWaveFile(const std::filesystem::path& path);

// Wave files through QSoundEffect, on a thread of their own: a sound asked for just before the
// program waits (an effect, the fireworks) plays meanwhile instead of after the wait. The thread
// is started at the first sound and stopped with the player.
class QtSoundPlayer : public ports::SoundPlayer {
 public:
  QtSoundPlayer() = default;
  ~QtSoundPlayer() override;
  QtSoundPlayer(const QtSoundPlayer&) = delete;
  QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

  void Play(const std::filesystem::path& waveFile) override;
  void Stop() override;

 private:
  QThread thread_;
  // Lives on the thread; made and deleted there.
  QSoundEffect* effect_ = nullptr;
  QObject* context_ = nullptr;
};

}  // namespace shell
