#include "speech/speech_engine.h"

#include "text/cp1252.h"

namespace speech {

SpeechEngine::SpeechEngine(ports::Voice& voice) : voice_(voice) {}

SpeechEngine::~SpeechEngine() {
  Shutdown();
}

void SpeechEngine::Start() {
  std::lock_guard guard(lock_);
  if (worker_.joinable()) return;
  stopping_ = false;
  worker_ = std::thread([this] { Work(); });
}

void SpeechEngine::Shutdown() {
  {
    std::lock_guard guard(lock_);
    stopping_ = true;
    pending_.clear();
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
}

bool SpeechEngine::Speak(std::string_view text) {
  if (!voice_.IsAvailable()) return false;
  std::string request(text.substr(0, kMaxTextBytes));
  {
    std::lock_guard guard(lock_);
    if (stopping_ || pending_.size() >= kMaxPending) return true;
    pending_.push_back(std::move(request));
  }
  wake_.notify_one();
  return true;
}

void SpeechEngine::Silence() {
  if (!voice_.IsAvailable()) return;
  voice_.Purge();
  voice_.WaitUntilDone();
}

void SpeechEngine::WaitUntilQuiet() {
  if (voice_.IsAvailable()) voice_.WaitUntilDone();
}

void SpeechEngine::SetVoice(const std::string& id) {
  if (voice_.IsAvailable()) voice_.SelectVoice(id);
}

void SpeechEngine::SetRate(int rate) {
  if (voice_.IsAvailable()) voice_.SetRate(rate);
}

void SpeechEngine::SetVolume(int volume) {
  if (voice_.IsAvailable()) voice_.SetVolume(volume);
}

std::size_t SpeechEngine::PendingCount() {
  std::lock_guard guard(lock_);
  return pending_.size();
}

bool SpeechEngine::Idle() {
  std::lock_guard guard(lock_);
  return pending_.empty() && !handing_;
}

void SpeechEngine::Work() {
  voice_.EnterThread();
  for (;;) {
    std::string text;
    {
      std::unique_lock guard(lock_);
      wake_.wait(guard, [this] { return stopping_ || !pending_.empty(); });
      if (pending_.empty()) break;  // stopping, nothing left
      text = std::move(pending_.front());
      pending_.pop_front();
      handing_ = true;
    }
    // The lock is never held while the voice works.
    if (!text.empty()) voice_.Speak(text::ToUtf16(text));
    std::lock_guard guard(lock_);
    handing_ = false;
  }
  voice_.LeaveThread();
}

}  // namespace speech
