#include "platform/linux/espeak_voice.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace platform {

EspeakVoice::EspeakVoice(EspeakLibrary& library, std::unique_ptr<AudioOutput> output,
                         std::string startupNote)
    : library_(library), output_(std::move(output)), startupNote_(std::move(startupNote)) {
  settings_.voiceId = kDefaultVoiceId;
  worker_ = std::thread([this] { Work(); });
}

EspeakVoice::~EspeakVoice() {
  {
    std::lock_guard guard(lock_);
    stopping_ = true;
    queue_.clear();
    ++generation_;
  }
  wake_.notify_all();
  done_.notify_all();
  worker_.join();
  output_->Close();
}

std::unique_ptr<EspeakVoice> EspeakVoice::Open(std::string& note) {
  EspeakLibrary& library = EspeakLibrary::Shared();
  if (!library.Ready()) {
    note = library.Description() + "; speech is silent";
    return nullptr;
  }
  auto output = MakeSoundServerOutput();
  const int rate = library.DefaultSampleRate();
  if (!output->Open(rate)) {
    note = library.Description() + "; neither the sound server nor ALSA can be opened (" +
           output->Problem() + "); speech is silent";
    return nullptr;
  }
  note = library.Description() + "; audio output open at " + std::to_string(rate) + " Hz";
  return std::make_unique<EspeakVoice>(library, std::move(output), note);
}

void EspeakVoice::Speak(const std::u16string& text) {
  std::lock_guard guard(lock_);
  const std::uint64_t number = received_++;
  if (text.empty() || stopping_) {
    Done(number);
    return;
  }
  queue_.push_back({text, settings_, generation_.load(), number});
  wake_.notify_one();
}

void EspeakVoice::Purge() {
  std::lock_guard guard(lock_);
  queue_.clear();
  ++generation_;
  // The text being said is cut at its next piece: it counts as done now, with all the others.
  if (received_ > 0) Done(received_ - 1);
}

void EspeakVoice::Done(std::uint64_t number) {
  textsDone_ = std::max(textsDone_, number + 1);
}

std::optional<std::uint64_t> EspeakVoice::TextsDone() {
  std::lock_guard guard(lock_);
  return textsDone_;
}

void EspeakVoice::WaitUntilDone() {
  std::unique_lock guard(lock_);
  done_.wait(guard, [this] { return stopping_ || (!busy_ && queue_.empty()); });
}

bool EspeakVoice::IsSpeaking() {
  std::lock_guard guard(lock_);
  return !stopping_ && (busy_ || !queue_.empty());
}

void EspeakVoice::SelectVoice(const std::string& id) {
  std::lock_guard guard(lock_);
  settings_.voiceId = id;
}

void EspeakVoice::SetRate(int rate) {
  std::lock_guard guard(lock_);
  settings_.rate = rate;
}

void EspeakVoice::SetVolume(int volume) {
  std::lock_guard guard(lock_);
  settings_.volume = volume;
}

std::string EspeakVoice::Phonemes(const std::u16string& text) {
  SynthesisSettings settings;
  {
    std::lock_guard guard(lock_);
    settings = settings_;
  }
  // Synthesised to memory under the library's lock, between two texts of the worker: what is
  // being said is not cut, nor heard twice.
  return library_.SpokenPhonemes(text, settings, PhonemeNotation::kIpa);
}

void EspeakVoice::Work() {
  std::unique_lock guard(lock_);
  for (;;) {
    wake_.wait(guard, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) break;
    const Request request = std::move(queue_.front());
    queue_.pop_front();
    busy_ = true;
    guard.unlock();
    const bool whole = Say(request);
    guard.lock();
    if (whole && queue_.empty()) {
      // Done means heard: the last pieces are still in the device.
      guard.unlock();
      output_->Drain();
      guard.lock();
    }
    Done(request.number);
    if (queue_.empty()) {
      busy_ = false;
      done_.notify_all();
    }
  }
  busy_ = false;
  done_.notify_all();
}

namespace {

// espeak-ng ends every text with the pause of a sentence's end (close to half a second at the
// usual rate, a second when slow). Heard between two texts it is the pause it is meant to be;
// after the last one nobody hears it, and waiting for it would keep the voice "speaking" for
// nothing: letters named one by one would stand a second apart.
bool Loud(std::int16_t sample) {
  return sample > 16 || sample < -16;
}

}  // namespace

bool EspeakVoice::Say(const Request& request) {
  auto current = [&] { return generation_.load() == request.generation; };
  if (!current()) return false;
  bool heard = true;
  // The silence after the last sound so far, held back until more sound follows it.
  std::vector<std::int16_t> quiet;
  int quietRate = 0;
  auto write = [&](std::span<const std::int16_t> samples, int sampleRate) {
    if (samples.empty()) return true;
    if (output_->Open(sampleRate) && output_->Write(samples)) return true;
    heard = false;
    return false;
  };
  library_.Synthesise(
      request.text, request.settings, [&](std::span<const std::int16_t> samples, int sampleRate) {
        if (!current()) return false;
        const auto last = std::find_if(samples.rbegin(), samples.rend(), Loud);
        const auto end = static_cast<std::size_t>(samples.rend() - last);
        if (end > 0) {
          if (!write(quiet, quietRate)) return false;
          quiet.clear();
          if (!write(samples.first(end), sampleRate)) return false;
        }
        quiet.insert(quiet.end(), samples.begin() + static_cast<std::ptrdiff_t>(end),
                     samples.end());
        quietRate = sampleRate;
        return current();
      });
  if (!current()) {
    output_->Flush();
    return false;
  }
  if (heard && !quiet.empty()) {
    bool followed = false;
    {
      std::lock_guard guard(lock_);
      followed = !queue_.empty();
    }
    if (followed) write(quiet, quietRate);
  }
  // The device went away: this text is lost, the next one opens it again.
  if (!heard) output_->Close();
  return true;
}

}  // namespace platform
