#include "platform/linux/espeak_voice.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace platform {

namespace {

// The texts the listener may still be hearing: a few are plenty.
constexpr std::size_t kSoundingKept = 8;
// A word is held back until all its sounds are known; one longer than this goes as it is.
constexpr int kHeldSeconds = 4;

}  // namespace

void Playhead::Written(std::int64_t count, int rate, Clock::time_point when) {
  if (count <= 0 || rate <= 0) return;
  if (rate != rate_) {
    // Another rate opens the device anew: what it held is gone.
    Flushed(when);
    rate_ = rate;
  }
  const auto playing = std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(static_cast<double>(count) / rate));
  // A device gone quiet has played everything before; these come after its latency.
  if (when + latency_ >= heardAll_) {
    heardBefore_ = written_;
    heardAll_ = when + latency_;
  }
  heardAll_ += playing;
  written_ += count;
}

void Playhead::Flushed(Clock::time_point when) {
  heardAll_ = when;
  heardBefore_ = written_;
}

std::int64_t Playhead::HeardBy(Clock::time_point when) const {
  if (rate_ <= 0 || when >= heardAll_) return written_;
  const double behind = std::chrono::duration<double>(heardAll_ - when).count() * rate_;
  return std::max(heardBefore_, written_ - static_cast<std::int64_t>(behind));
}

EspeakVoice::EspeakVoice(EspeakLibrary& library, std::unique_ptr<AudioOutput> output,
                         std::string startupNote)
    : library_(library),
      output_(std::move(output)),
      startupNote_(std::move(startupNote)),
      playhead_(output_->LatencyMs()) {
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

std::optional<ports::Hearing> EspeakVoice::NowHearing() {
  std::lock_guard guard(heardLock_);
  const std::int64_t heard = playhead_.HeardBy(Playhead::Clock::now());
  for (const Sounding& text : sounding_) {
    if (heard < text.start || heard >= text.end) continue;
    // The word whose sound began last; none yet in the silence before the first one.
    const auto after = std::find_if(text.words.begin(), text.words.end(),
                                    [heard](const Word& w) { return w.mark.sample > heard; });
    if (after == text.words.begin()) return std::nullopt;
    const Word& word = *std::prev(after);
    ports::Hearing hearing{text.number, word.mark.from, word.mark.length};
    if (word.complete && !word.sounds.empty()) {
      for (const SoundMark& sound : word.sounds) hearing.sounds.push_back(sound.ipa);
      const auto next = std::find_if(word.sounds.begin(), word.sounds.end(),
                                     [heard](const SoundMark& s) { return s.sample > heard; });
      hearing.sound = next == word.sounds.begin()
                          ? 0
                          : static_cast<std::size_t>(next - word.sounds.begin()) - 1;
    }
    return hearing;
  }
  return std::nullopt;
}

bool EspeakVoice::Write(std::span<const std::int16_t> samples, int sampleRate) {
  const auto when = Playhead::Clock::now();
  if (!output_->Open(sampleRate) || !output_->Write(samples)) return false;
  std::lock_guard guard(heardLock_);
  playhead_.Written(static_cast<std::int64_t>(samples.size()), sampleRate, when);
  return true;
}

void EspeakVoice::Flush() {
  output_->Flush();
  std::lock_guard guard(heardLock_);
  playhead_.Flushed(Playhead::Clock::now());
  sounding_.clear();
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

void StartStopsAtTheirSilence(std::vector<SoundMark>& sounds, std::span<const std::int16_t> samples,
                              std::int64_t first) {
  const auto last = first + static_cast<std::int64_t>(samples.size());
  for (std::size_t k = 1; k < sounds.size(); ++k) {
    std::int64_t at = sounds[k].sample;
    if (at > last) continue;
    const std::int64_t floor = std::max(sounds[k - 1].sample, first);
    while (at > floor && !Loud(samples[static_cast<std::size_t>(at - 1 - first)])) --at;
    sounds[k].sample = at;
  }
}

bool EspeakVoice::Say(const Request& request) {
  auto current = [&] { return generation_.load() == request.generation; };
  if (!current()) return false;
  bool heard = true;
  auto write = [&](std::span<const std::int16_t> samples, int sampleRate) {
    if (samples.empty()) return true;
    if (Write(samples, sampleRate)) return true;
    heard = false;
    return false;
  };
  // The samples of this text follow those already written, one for one.
  std::int64_t start = 0;
  {
    std::lock_guard guard(heardLock_);
    start = playhead_.WrittenCount();
    sounding_.push_back({request.number, start, start, {}});
    if (sounding_.size() > kSoundingKept) sounding_.pop_front();
  }
  auto text = [&]() -> Sounding* {  // under heardLock_; none once a flush forgot it
    return sounding_.empty() || sounding_.back().number != request.number ? nullptr
                                                                          : &sounding_.back();
  };
  // What is made and not written yet: text samples [heldFrom, made). A word's sound is written
  // only once all its sounds are known, that is once the next word begins or the text ends, so
  // that whoever asks what is heard can be told the word's sounds whole; and the silence after
  // the last sound so far waits until more sound follows it, or forever when nothing of the text
  // does.
  std::vector<std::int16_t> held;
  std::int64_t heldFrom = 0;
  std::int64_t made = 0;
  int rate = 0;
  // Words espeak-ng has begun, waiting for their first sound: the light comes with the sound,
  // not with the silence before it. `mark.sample` counts in this text; their sounds as the
  // playhead counts.
  std::vector<Word> begun;
  std::int64_t lastWordAt = -1;       // where the word still being said began, in this text
  auto latestWord = [&]() -> Word* {  // under heardLock_
    if (!begun.empty()) return &begun.back();
    Sounding* t = text();
    return t != nullptr && !t->words.empty() ? &t->words.back() : nullptr;
  };
  // A word whose sounds are all known; its samples are still held.
  auto settle = [&](Word& word) {
    StartStopsAtTheirSilence(word.sounds, held, start + heldFrom);
    word.complete = true;
  };
  // Writes what is held before `upTo` (in this text) up to its last loud sample.
  auto writeHeld = [&](std::int64_t upTo) {
    const auto count = static_cast<std::ptrdiff_t>(
        std::clamp(upTo - heldFrom, std::int64_t{0}, static_cast<std::int64_t>(held.size())));
    const auto last =
        std::find_if(std::make_reverse_iterator(held.begin() + count), held.rend(), Loud);
    const auto loud = static_cast<std::ptrdiff_t>(held.rend() - last);
    if (loud <= 0) return true;
    {
      std::lock_guard guard(heardLock_);
      if (Sounding* t = text()) t->end = start + heldFrom + loud;
    }
    // In pieces no longer than espeak-ng's: a device takes them as they come, and the playhead
    // counts them as it always has.
    const std::span<const std::int16_t> sound(held.data(), static_cast<std::size_t>(loud));
    const std::size_t piece = std::max<std::size_t>(static_cast<std::size_t>(rate) / 50, 1);
    bool ok = true;
    for (std::size_t at = 0; ok && at < sound.size(); at += piece) {
      ok = current() && write(sound.subspan(at, std::min(piece, sound.size() - at)), rate);
    }
    held.erase(held.begin(), held.begin() + loud);
    heldFrom += loud;
    return ok;
  };
  library_.Synthesise(
      request.text, request.settings,
      [&](std::span<const std::int16_t> samples, int sampleRate) {
        if (!current()) return false;
        rate = sampleRate;
        const std::int64_t first = made;
        made += static_cast<std::int64_t>(samples.size());
        held.insert(held.end(), samples.begin(), samples.end());
        {
          std::lock_guard guard(heardLock_);
          Sounding* t = text();
          std::erase_if(begun, [&](Word& word) {
            if (word.mark.sample >= made) return false;
            const auto from = samples.begin() + std::max<std::int64_t>(word.mark.sample - first, 0);
            const auto sound = std::find_if(from, samples.end(), Loud);
            if (sound == samples.end()) return false;
            if (t != nullptr) {
              word.mark.sample = start + first + (sound - samples.begin());
              t->words.push_back(std::move(word));
            }
            return true;
          });
        }
        // The word being said may still gain sounds: what comes before it can go. A word far
        // too long to hold goes as it is, told whole.
        const bool tooLong = made - heldFrom > static_cast<std::int64_t>(sampleRate) * kHeldSeconds;
        const std::int64_t upTo = lastWordAt < 0 || tooLong ? made : lastWordAt;
        if (!writeHeld(upTo)) return false;
        return current();
      },
      [&](const WordMark& mark) {
        std::lock_guard guard(heardLock_);
        if (Word* previous = latestWord()) settle(*previous);
        begun.push_back({mark, {}, false});
        lastWordAt = mark.sample;
      },
      [&](const SoundMark& sound) {
        std::lock_guard guard(heardLock_);
        if (Word* word = latestWord()) word->sounds.push_back({start + sound.sample, sound.ipa});
      });
  if (!current()) {
    Flush();
    return false;
  }
  {
    std::lock_guard guard(heardLock_);
    if (Word* last = latestWord()) settle(*last);
  }
  if (heard) writeHeld(made);
  if (!current()) {
    Flush();
    return false;
  }
  if (heard && !held.empty()) {
    bool followed = false;
    {
      std::lock_guard guard(lock_);
      followed = !queue_.empty();
    }
    if (followed) write(held, rate);
  }
  // The device went away: this text is lost, the next one opens it again.
  if (!heard) {
    output_->Close();
    std::lock_guard guard(heardLock_);
    playhead_.Flushed(Playhead::Clock::now());
    sounding_.clear();
  }
  return true;
}

}  // namespace platform
