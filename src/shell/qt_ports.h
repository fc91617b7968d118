#pragma once

#include <QObject>
#include <QSoundEffect>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "ports/platform.h"

class QWidget;

namespace shell {

// Window timers on QTimer; every tick goes to the handler with its id.
class QtTimers : public ports::Timers {
 public:
  explicit QtTimers(std::function<void(int)> handler) : handler_(std::move(handler)) {}
  void Start(int id, int periodMs) override;
  void Kill(int id) override;
  bool IsRunning(int id) const;
  int Interval(int id) const;

 private:
  std::function<void(int)> handler_;
  std::map<int, std::unique_ptr<QTimer>> timers_;
};

class QtUserDialogs : public ports::UserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent) : parent_(parent) {}
  ports::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                  ports::MessageButtons buttons, ports::MessageIcon icon) override;
  std::optional<std::filesystem::path> OpenFile(const std::string& filter,
                                                const std::filesystem::path& initialFolder,
                                                const std::string& proposedName) override;
  std::optional<std::filesystem::path> SaveFile(const std::string& filter,
                                                const std::filesystem::path& initialFolder,
                                                const std::string& proposedName) override;
  std::optional<gfx::Colour> ChooseColour(gfx::Colour initial) override;

  // "Name|*.ext|Name|*.*||" in Qt's form "Name (*.ext);;Name (*.*)".
  static QString QtFilter(const std::string& filter);

 private:
  QWidget* parent_;
};

class QtDesktop : public ports::Desktop {
 public:
  void Open(const std::filesystem::path& path) override;
};

class QtPictures : public ports::Pictures {
 public:
  std::unique_ptr<ports::Picture> Load(const std::filesystem::path& path) override;
  gfx::Image Render(const ports::Picture& picture, int width, int height) override;
};

class QtSoundPlayer : public ports::SoundPlayer {
 public:
  void Play(const std::filesystem::path& waveFile) override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

class QtTextPainter : public ports::TextPainter {
 public:
  void DrawText(gfx::Image& target, const gfx::Rect& clip, gfx::Point origin,
                const std::string& text, int pointSize, gfx::Colour colour) override;
};

}  // namespace shell
