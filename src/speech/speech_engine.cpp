#include "speech/speech_engine.h"

#include <algorithm>

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
  Say(text);
  return true;
}

SpeechEngine::Ticket SpeechEngine::Say(std::string_view text, std::optional<int> rate) {
  if (!voice_.IsAvailable()) return 0;
  Request request{std::string(text.substr(0, kMaxTextBytes)), rate, 0};
  Ticket ticket = 0;
  {
    std::lock_guard guard(lock_);
    if (stopping_ || pending_.size() >= kMaxPending) return 0;
    ticket = request.ticket = nextTicket_++;
    pending_.push_back(std::move(request));
  }
  wake_.notify_one();
  return ticket;
}

void SpeechEngine::ForgetDone() {
  std::uint64_t handedBefore = 0;
  {
    std::lock_guard guard(lock_);
    handedBefore = handedCount_;
  }
  std::uint64_t done = 0;
  if (const auto count = voice_.TextsDone()) {
    done = *count;
  } else if (!voice_.IsSpeaking()) {
    // Quiet: everything handed before the question is said. A text handed meanwhile is not.
    done = handedBefore;
  }
  std::lock_guard guard(lock_);
  while (!handed_.empty() && handed_.front().number < done) handed_.pop_front();
}

SpeechEngine::Saying SpeechEngine::NowSayingPart() {
  if (!voice_.IsAvailable()) return {};
  ForgetDone();
  if (voice_.TellsWhatIsHeard()) {
    const std::optional<ports::Hearing> heard = voice_.NowHearing();
    if (!heard) return {};
    std::lock_guard guard(lock_);
    for (const Handed& text : handed_) {
      // Windows-1252 widens one character to one UTF-16 unit: the places are the same.
      if (text.number == heard->text) {
        return {text.ticket, heard->from, heard->length, heard->sounds, heard->sound};
      }
    }
    return {};
  }
  std::lock_guard guard(lock_);
  return handed_.empty() ? Saying{} : Saying{handed_.front().ticket, 0, std::string::npos};
}

bool SpeechEngine::Done(Ticket ticket) {
  if (ticket == 0 || !voice_.IsAvailable()) return true;
  ForgetDone();
  std::lock_guard guard(lock_);
  if (handing_ && handingTicket_ == ticket) return false;
  const auto same = [ticket](const auto& text) { return text.ticket == ticket; };
  return std::none_of(pending_.begin(), pending_.end(), same) &&
         std::none_of(handed_.begin(), handed_.end(), same);
}

std::uint64_t SpeechEngine::Silences() {
  std::lock_guard guard(lock_);
  return silences_;
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
  std::lock_guard guard(lock_);
  handed_.clear();
  ++silences_;
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
  std::lock_guard guard(rateLock_);
  rate_ = rate;
  if (voice_.IsAvailable()) voice_.SetRate(rate);
}

int SpeechEngine::Rate() {
  std::lock_guard guard(rateLock_);
  return rate_;
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
    Request request;
    {
      std::unique_lock guard(lock_);
      wake_.wait(guard, [this] { return stopping_ || !pending_.empty(); });
      if (pending_.empty()) break;  // stopping, nothing left
      request = std::move(pending_.front());
      pending_.pop_front();
      handing_ = true;
      handingTicket_ = request.ticket;
    }
    // The lock is never held while the voice works.
    if (!request.text.empty()) Hand(request);
    {
      std::lock_guard guard(lock_);
      handing_ = false;
      handingTicket_ = 0;
    }
    handedOver_.notify_all();
  }
  voice_.LeaveThread();
}

void SpeechEngine::Hand(const Request& request) {
  const std::u16string text = text::ToUtf16(request.text);
  if (request.rate) {
    // The voice takes a rate for the texts handed after it: set for this one, back for the next.
    std::lock_guard rateGuard(rateLock_);
    voice_.SetRate(*request.rate);
    voice_.Speak(text);
    voice_.SetRate(rate_);
  } else {
    voice_.Speak(text);
  }
  {
    std::lock_guard guard(lock_);
    handed_.push_back({request.ticket, handedCount_++});
    // Nobody may ask for a long while: the oldest are long said.
    if (handed_.size() > kMaxPending) handed_.pop_front();
  }
  ForgetDone();
}

}  // namespace speech
