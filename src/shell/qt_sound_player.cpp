#include "shell/qt_sound_player.h"

#include <QMetaObject>
#include <QSoundEffect>
#include <QUrl>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

#include "shell/qt_text.h"

namespace shell {

namespace {

std::uint32_t Le32(const char* p) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

}  // namespace

bool IsWholeWaveFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size < 44) return false;
  std::ifstream in(path, std::ios::binary);
  char riff[12];
  if (!in.read(riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0) {
    return false;
  }
  bool format = false;
  std::uintmax_t at = 12;
  char chunk[8];
  while (at + 8 <= size && in.seekg(static_cast<std::streamoff>(at)) && in.read(chunk, 8)) {
    const std::uint32_t length = Le32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0) format = true;
    if (std::memcmp(chunk, "data", 4) == 0) return format && length > 0 && at + 8 + length <= size;
    at += 8 + length + (length & 1);
  }
  return false;
}

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
  if (!IsWholeWaveFile(waveFile)) return;
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

void QtSoundPlayer::Stop() {
  if (!thread_.isRunning()) return;
  QMetaObject::invokeMethod(
      context_,
      [this] {
        if (effect_ != nullptr) effect_->stop();
      },
      Qt::QueuedConnection);
}

}  // namespace shell
