#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ports/platform.h"

// Ports that record what the program asks and answer as the test decides.
namespace testing_support {

class FakeWindow : public ports::Window {
 public:
  gfx::Size clientSize{1200, 850};
  // The room the screen leaves the view; empty: not known.
  gfx::Size largestClient{};
  bool visible = true;
  bool maximised = false;
  std::vector<gfx::Rect> invalidated;
  int invalidateAllCount = 0;
  std::vector<gfx::Rect> shownNow;
  std::vector<gfx::Size> resizes;
  gfx::Point screenOffset{100, 50};
  std::vector<std::pair<gfx::Point, std::string>> tips;

  gfx::Size ClientSize() const override { return clientSize; }
  void Invalidate(const gfx::Rect& area, bool) override { invalidated.push_back(area); }
  void InvalidateAll(bool) override { ++invalidateAllCount; }
  void ShowNow(const gfx::Rect& area) override { shownNow.push_back(area); }
  bool IsVisible() const override { return visible; }
  bool IsMaximised() const override { return maximised; }
  // The frame has no menu or border in these tests: the client takes the whole size.
  void ResizeMainWindow(int width, int height) override {
    resizes.push_back({width, height});
    clientSize = {width, height};
  }
  gfx::Size LargestClientSize() const override { return largestClient; }
  gfx::Point ClientToScreen(gfx::Point client) const override {
    return {client.x + screenOffset.x, client.y + screenOffset.y};
  }
  void ShowTip(gfx::Point screen, const std::string& text) override {
    tips.emplace_back(screen, text);
  }
  void EndProgram() override { ended = true; }
  bool ended = false;
};

class FakeTimers : public ports::Timers {
 public:
  std::map<int, int> running;  // id -> period
  std::vector<int> started;
  std::vector<int> killed;

  void Start(int id, int periodMs) override {
    running[id] = periodMs;
    started.push_back(id);
  }
  void Kill(int id) override {
    running.erase(id);
    killed.push_back(id);
  }
  bool IsRunning(int id) const { return running.count(id) != 0; }
};

class FakeClock : public ports::Clock {
 public:
  std::int64_t now = 0;
  std::int64_t calendar = 1700000000;
  std::vector<int> sleeps;

  std::int64_t NowMs() const override { return now; }
  std::int64_t CalendarSeconds() const override { return calendar; }
  void Sleep(int ms) override {
    sleeps.push_back(ms);
    now += ms;
  }
};

class FakeUserDialogs : public ports::UserDialogs {
 public:
  struct Message {
    std::string text, caption;
    ports::MessageButtons buttons;
    ports::MessageIcon icon;
  };
  std::vector<Message> messages;
  std::deque<ports::MessageAnswer> answers;
  std::optional<std::filesystem::path> openAnswer, saveAnswer;
  std::optional<gfx::Colour> colourAnswer;
  std::vector<gfx::Colour> colourRequests;

  ports::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                  ports::MessageButtons buttons, ports::MessageIcon icon) override;
  // What each file dialog was asked with.
  struct FileRequest {
    std::string filter;
    std::filesystem::path initialFolder;
    std::string proposedName;
  };
  std::vector<FileRequest> openRequests, saveRequests;
  // Runs while a file dialog is open (the test looks at the program then).
  std::function<void()> whileFileDialog;

  std::optional<std::filesystem::path> OpenFile(const std::string& filter,
                                                const std::filesystem::path& folder,
                                                const std::string& name) override {
    openRequests.push_back({filter, folder, name});
    if (whileFileDialog) whileFileDialog();
    return openAnswer;
  }
  std::optional<std::filesystem::path> SaveFile(const std::string& filter,
                                                const std::filesystem::path& folder,
                                                const std::string& name,
                                                ports::FileExtension extension) override {
    saveRequests.push_back({filter, folder, name});
    saveExtensions.push_back(extension);
    if (whileFileDialog) whileFileDialog();
    return saveAnswer;
  }
  std::vector<ports::FileExtension> saveExtensions;
  std::optional<gfx::Colour> ChooseColour(gfx::Colour initial) override {
    colourRequests.push_back(initial);
    return colourAnswer;
  }
};

class FakeDesktop : public ports::Desktop {
 public:
  std::vector<std::filesystem::path> opened;
  void Open(const std::filesystem::path& path) override { opened.push_back(path); }
};

// Pictures made by the test: a path is given an image; any other path does not open.
class FakePictures : public ports::Pictures {
 public:
  std::map<std::filesystem::path, gfx::Image> files;
  std::vector<std::filesystem::path> loads;

  std::unique_ptr<ports::Picture> Load(const std::filesystem::path& path) override;
  gfx::Image Render(const ports::Picture& picture, int width, int height) override;
};

class FakeSoundPlayer : public ports::SoundPlayer {
 public:
  std::vector<std::filesystem::path> played;
  int stops = 0;
  void Play(const std::filesystem::path& waveFile) override { played.push_back(waveFile); }
  void Stop() override { ++stops; }
};

class FakeVoice : public ports::Voice {
 public:
  bool available = true;
  std::vector<std::u16string> spoken;
  int purges = 0;
  int waits = 0;
  std::vector<std::string> selected;
  std::vector<int> rates;
  std::vector<int> volumes;

  bool IsAvailable() const override { return available; }
  void Speak(const std::u16string& text) override;
  void Purge() override;
  void WaitUntilDone() override { ++waits; }
  bool speaking = false;  // what IsSpeaking answers; set by the test on its own thread
  bool IsSpeaking() override;
  // Texts are said at once, unless the test holds them: then each waits in the voice until the
  // test lets it be said (a purge drops them all).
  void HoldTexts(bool hold);
  void FinishText();
  std::optional<std::uint64_t> TextsDone() override;
  // A voice that tells what is heard answers NowHearing from `heard`, set by the test.
  bool tellsHeard = false;
  bool TellsWhatIsHeard() const override { return tellsHeard; }
  void Hear(std::optional<ports::Hearing> part);
  // The part [from, from + length) of the last text handed is heard; of its sounds, when given,
  // the one at `sound`.
  void HearLastText(std::size_t from, std::size_t length, std::vector<std::string> sounds = {},
                    std::size_t sound = 0);
  std::optional<ports::Hearing> NowHearing() override;
  // The rate the voice had when it was handed each text, in order.
  std::vector<int> SpokenRates();
  void SelectVoice(const std::string& id) override;
  void SetRate(int rate) override;
  void SetVolume(int volume) override;
  std::vector<std::u16string> Spoken();
  // What Phonemes answers for a text; a text not listed has none.
  std::map<std::u16string, std::string> phonemes;
  std::string Phonemes(const std::u16string& text) override {
    std::lock_guard guard(mutex_);
    const auto it = phonemes.find(text);
    return it == phonemes.end() ? std::string() : it->second;
  }
  // Empties the records of calls (the speech worker may be calling meanwhile).
  void ForgetCalls();

 private:
  std::mutex mutex_;
  bool hold_ = false;
  std::uint64_t received_ = 0;
  std::uint64_t done_ = 0;
  int rate_ = 0;
  std::vector<int> spokenRates_;
  std::optional<ports::Hearing> heard_;
};

class FakeVoiceCatalog : public ports::VoiceCatalog {
 public:
  std::vector<std::vector<ports::VoiceInfo>> sources;
  std::vector<std::vector<ports::VoiceInfo>> ListBySource() override { return sources; }
};

class FakeTextPainter : public ports::TextPainter {
 public:
  std::vector<std::string> texts;
  void DrawText(gfx::Image&, const gfx::Rect&, gfx::Point, const std::string& text, int,
                gfx::Colour) override {
    texts.push_back(text);
  }
};

class FakeDialogHost : public ports::DialogHost {
 public:
  std::map<ports::DialogId, bool> visible;
  std::map<ports::DialogId, int> refreshes;
  std::vector<ports::DialogId> raised;

  void Show(ports::DialogId id) override { visible[id] = true; }
  void Hide(ports::DialogId id) override { visible[id] = false; }
  void Raise(ports::DialogId id) override { raised.push_back(id); }
  bool IsVisible(ports::DialogId id) const override {
    const auto it = visible.find(id);
    return it != visible.end() && it->second;
  }
  void Refresh(ports::DialogId id) override { ++refreshes[id]; }
  // The modal dialogs shown, and what the user does in one while it is open.
  std::vector<ports::DialogId> modal;
  std::function<void(ports::DialogId)> whileModal;
  void RunModal(ports::DialogId id) override {
    modal.push_back(id);
    if (whileModal) whileModal(id);
  }
};

// Every fake, bundled as the program's platform.
struct FakePlatform {
  FakeWindow window;
  FakeTimers timers;
  FakeClock clock;
  FakeUserDialogs dialogs;
  FakeDesktop desktop;
  FakePictures pictures;
  FakeSoundPlayer sound;
  FakeVoice voice;
  FakeVoiceCatalog voices;
  FakeTextPainter textPainter;
  FakeDialogHost dialogHost;
  ports::Platform platform{window, timers, clock,  dialogs,     desktop,   pictures,
                           sound,  voice,  voices, textPainter, dialogHost};

  // Empties every record of calls, for a run of millions of inputs on one view.
  void ForgetRecords();
};

// A picture of a single colour with a distinct pixel at its top-left corner.
gfx::Image PlainPicture(int width, int height, gfx::Colour colour);

}  // namespace testing_support
