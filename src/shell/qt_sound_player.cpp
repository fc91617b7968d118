#include "shell/qt_sound_player.h"

#include <QUrl>
#include <system_error>

#include "shell/qt_text.h"

namespace shell {

void QtSoundPlayer::Play(const std::filesystem::path& waveFile) {
  std::error_code ec;
  if (!std::filesystem::exists(waveFile, ec)) return;
  if (!effect_) effect_ = std::make_unique<QSoundEffect>();
  effect_->stop();
  effect_->setSource(QUrl::fromLocalFile(PathToQt(waveFile)));
  effect_->play();
}

}  // namespace shell
