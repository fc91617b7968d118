#include "support/fake_ports.h"

namespace testing_support {

ports::MessageAnswer FakeUserDialogs::MessageBox(const std::string& text,
                                                 const std::string& caption,
                                                 ports::MessageButtons buttons,
                                                 ports::MessageIcon icon) {
  messages.push_back({text, caption, buttons, icon});
  if (!answers.empty()) {
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == ports::MessageButtons::kYesNo ? ports::MessageAnswer::kNo
                                                  : ports::MessageAnswer::kOk;
}

namespace {

class FakePicture : public ports::Picture {
 public:
  explicit FakePicture(const gfx::Image& image) : image_(image) {}
  gfx::Size PixelSize() const override { return image_.GetSize(); }
  bool IsTransparent() const override { return false; }
  const gfx::Image& Image() const { return image_; }

 private:
  const gfx::Image& image_;
};

}  // namespace

std::unique_ptr<ports::Picture> FakePictures::Load(const std::filesystem::path& path) {
  loads.push_back(path);
  const auto it = files.find(path);
  if (it == files.end()) return nullptr;
  return std::make_unique<FakePicture>(it->second);
}

gfx::Image FakePictures::Render(const ports::Picture& picture, int width, int height) {
  const auto& image = static_cast<const FakePicture&>(picture).Image();
  return gfx::ScaleSmooth(gfx::ViewOf(image), width, height);
}

void FakeVoice::Speak(const std::u16string& text) {
  std::lock_guard guard(mutex_);
  spoken.push_back(text);
  spokenRates_.push_back(rate_);
  ++received_;
  if (!hold_ || text.empty()) done_ = received_;
}

void FakeVoice::Purge() {
  std::lock_guard guard(mutex_);
  ++purges;
  done_ = received_;
}

bool FakeVoice::IsSpeaking() {
  std::lock_guard guard(mutex_);
  return speaking || done_ < received_;
}

void FakeVoice::HoldTexts(bool hold) {
  std::lock_guard guard(mutex_);
  hold_ = hold;
  if (!hold) done_ = received_;
}

void FakeVoice::FinishText() {
  std::lock_guard guard(mutex_);
  if (done_ < received_) ++done_;
}

std::optional<std::uint64_t> FakeVoice::TextsDone() {
  std::lock_guard guard(mutex_);
  return done_;
}

void FakeVoice::Hear(std::optional<ports::Hearing> part) {
  std::lock_guard guard(mutex_);
  heard_ = part;
}

void FakeVoice::HearLastText(std::size_t from, std::size_t length, std::vector<std::string> sounds,
                             std::size_t sound) {
  std::lock_guard guard(mutex_);
  heard_ =
      ports::Hearing{received_ > 0 ? received_ - 1 : 0, from, length, std::move(sounds), sound};
}

std::optional<ports::Hearing> FakeVoice::NowHearing() {
  std::lock_guard guard(mutex_);
  return heard_;
}

std::vector<int> FakeVoice::SpokenRates() {
  std::lock_guard guard(mutex_);
  return spokenRates_;
}

std::vector<std::u16string> FakeVoice::Spoken() {
  std::lock_guard guard(mutex_);
  return spoken;
}

void FakeVoice::SelectVoice(const std::string& id) {
  std::lock_guard guard(mutex_);
  selected.push_back(id);
}

void FakeVoice::SetRate(int rate) {
  std::lock_guard guard(mutex_);
  rates.push_back(rate);
  rate_ = rate;
}

void FakeVoice::SetVolume(int volume) {
  std::lock_guard guard(mutex_);
  volumes.push_back(volume);
}

void FakeVoice::ForgetCalls() {
  std::lock_guard guard(mutex_);
  spoken.clear();
  spokenRates_.clear();
  selected.clear();
  rates.clear();
  volumes.clear();
}

void FakePlatform::ForgetRecords() {
  window.invalidated.clear();
  window.shownNow.clear();
  window.resizes.clear();
  window.tips.clear();
  timers.started.clear();
  timers.killed.clear();
  clock.sleeps.clear();
  dialogs.messages.clear();
  dialogs.colourRequests.clear();
  dialogs.openRequests.clear();
  dialogs.saveRequests.clear();
  dialogs.saveExtensions.clear();
  desktop.opened.clear();
  pictures.loads.clear();
  sound.played.clear();
  voice.ForgetCalls();
  dialogHost.raised.clear();
  dialogHost.modal.clear();
}

gfx::Image PlainPicture(int width, int height, gfx::Colour colour) {
  gfx::Image image(width, height, colour);
  if (width > 0 && height > 0) image.SetPixel(0, 0, gfx::Rgb(1, 2, 3));
  return image;
}

}  // namespace testing_support
