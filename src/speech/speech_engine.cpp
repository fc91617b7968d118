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
  handedOver_.notify_all();
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

bool SpeechEngine::HandedOver() const {
  return stopping_ || !worker_.joinable() || (pending_.empty() && !handing_);
}

void SpeechEngine::Silence() {
  if (!voice_.IsAvailable()) return;
  {
    // A text the worker has taken but not handed over yet would reach the voice after the purge:
    // wait for the hand-over (the voice takes a text at once), so that the purge catches it.
    std::unique_lock guard(lock_);
    pending_.clear();
    handedOver_.wait(guard, [this] { return !handing_ || stopping_; });
  }
  voice_.Purge();
  voice_.WaitUntilDone();
}

void SpeechEngine::WaitUntilQuiet() {
  if (!voice_.IsAvailable()) return;
  {
    // The voice knows only what it was handed: first let the worker hand over the rest.
    std::unique_lock guard(lock_);
    handedOver_.wait(guard, [this] { return HandedOver(); });
  }
  voice_.WaitUntilDone();
}

bool SpeechEngine::Speaking() {
  if (!voice_.IsAvailable()) return false;
  {
    std::unique_lock guard(lock_);
    handedOver_.wait(guard, [this] { return HandedOver(); });
  }
  return voice_.IsSpeaking();
}

std::string SpeechEngine::Phonemes(std::string_view text) {
  if (!voice_.IsAvailable() || text.empty()) return {};
  return voice_.Phonemes(text::ToUtf16(text.substr(0, kMaxTextBytes)));
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
    {
      std::lock_guard guard(lock_);
      handing_ = false;
    }
    handedOver_.notify_all();
  }
  voice_.LeaveThread();
}

}  // namespace speech
