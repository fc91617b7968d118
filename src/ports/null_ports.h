#pragma once

#include "ports/platform.h"

// Ports that do nothing: a machine without a voice, a sound device or a screen still runs the
// program through them.
namespace ports {

class NullWindow : public Window {
 public:
  gfx::Size ClientSize() const override { return size_; }
  void Invalidate(const gfx::Rect&, bool) override {}
  void InvalidateAll(bool) override {}
  void ShowNow(const gfx::Rect&) override {}
  bool IsVisible() const override { return false; }
  bool IsMaximised() const override { return false; }
  void ResizeMainWindow(int width, int height) override { size_ = {width, height}; }
  gfx::Point ClientToScreen(gfx::Point client) const override { return client; }
  void ShowTip(gfx::Point, const std::string&) override {}

 private:
  gfx::Size size_{1200, 850};
};

class NullTimers : public Timers {
 public:
  void Start(int, int) override {}
  void Kill(int) override {}
};

class NullUserDialogs : public UserDialogs {
 public:
  MessageAnswer MessageBox(const std::string&, const std::string&, MessageButtons buttons,
                           MessageIcon) override {
    return buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
  }
  std::optional<std::filesystem::path> OpenFile(const std::string&, const std::filesystem::path&,
                                                const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::filesystem::path> SaveFile(const std::string&, const std::filesystem::path&,
                                                const std::string&) override {
    return std::nullopt;
  }
  std::optional<gfx::Colour> ChooseColour(gfx::Colour) override { return std::nullopt; }
};

class NullDesktop : public Desktop {
 public:
  void Open(const std::filesystem::path&) override {}
};

class NullPictures : public Pictures {
 public:
  std::unique_ptr<Picture> Load(const std::filesystem::path&) override { return nullptr; }
  gfx::Image Render(const Picture&, int, int) override { return {}; }
};

class NullSoundPlayer : public SoundPlayer {
 public:
  void Play(const std::filesystem::path&) override {}
};

class NullVoice : public Voice {
 public:
  bool IsAvailable() const override { return false; }
  void Speak(const std::u16string&) override {}
  void Purge() override {}
  void WaitUntilDone() override {}
  void SelectVoice(const std::string&) override {}
  void SetRate(int) override {}
  void SetVolume(int) override {}
};

class NullVoiceCatalog : public VoiceCatalog {
 public:
  std::vector<std::vector<VoiceInfo>> ListBySource() override { return {}; }
};

class NullTextPainter : public TextPainter {
 public:
  void DrawText(gfx::Image&, const gfx::Rect&, gfx::Point, const std::string&, int,
                gfx::Colour) override {}
};

class NullDialogHost : public DialogHost {
 public:
  void Show(DialogId) override {}
  void Hide(DialogId) override {}
  void Raise(DialogId) override {}
  bool IsVisible(DialogId) const override { return false; }
  void Refresh(DialogId) override {}
};

}  // namespace ports
