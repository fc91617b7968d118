#include "shell/qt_sound_player.h"

#include <QMetaObject>
#include <QSoundEffect>
#include <QUrl>
#include <system_error>

#include "shell/qt_text.h"

namespace shell {

QtSoundPlayer::~QtSoundPlayer() {
  if (!thread_.isRunning()) return;
  QMetaObject::invokeMethod(
      context_,
      [this] {
        delete effect_;
        effect_ = nullptr;
        delete context_;
        context_ = nullptr;
      },
      Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
}

void QtSoundPlayer::Play(const std::filesystem::path& waveFile) {
  std::error_code ec;
  if (!std::filesystem::exists(waveFile, ec)) return;
  if (!thread_.isRunning()) {
    thread_.setObjectName(QStringLiteral("sounds"));
    thread_.start();
    context_ = new QObject;
    context_->moveToThread(&thread_);
  }
  const QUrl source = QUrl::fromLocalFile(PathToQt(waveFile));
  // The sound replaces the one playing.
  QMetaObject::invokeMethod(
      context_,
      [this, source] {
        if (effect_ == nullptr) effect_ = new QSoundEffect;
        effect_->stop();
        effect_->setSource(source);
        effect_->play();
      },
      Qt::QueuedConnection);
}

}  // namespace shell
