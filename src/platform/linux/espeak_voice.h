#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "platform/linux/audio_output.h"
#include "platform/linux/espeak_library.h"
#include "ports/voice.h"

namespace platform {

// Where the listener is in the samples written to an audio output: a sample written to an idle
// device is heard after the device's latency, and the device plays at its rate from then on.
class Playhead {
 public:
  using Clock = std::chrono::steady_clock;

  explicit Playhead(int latencyMs) : latency_(std::chrono::milliseconds(latencyMs)) {}
  // `count` samples at `rate` were handed to the device at `when` (before its write returned).
  void Written(std::int64_t count, int rate, Clock::time_point when);
  // The device dropped what it held.
  void Flushed(Clock::time_point when);
  // How many of the samples written have been heard by `when`.
  std::int64_t HeardBy(Clock::time_point when) const;
  std::int64_t WrittenCount() const { return written_; }

 private:
  Clock::duration latency_;
  std::int64_t written_ = 0;
  int rate_ = 0;
  Clock::time_point heardAll_{};  // when everything written will have been heard
  std::int64_t heardBefore_ = 0;  // written before the device last started from quiet
};

// espeak-ng marks a stop (p, t, k...) at its burst, after the silence of its closure; that silence
// is the stop's, not the sound before's. Moves each sound but the first back over the silence
// before it, never past the sound before. `samples` are those from sample `first` on; a sound
// beyond them stays where it is.
void StartStopsAtTheirSilence(std::vector<SoundMark>& sounds, std::span<const std::int16_t> samples,
                              std::int64_t first);

// The voice of espeak-ng. Texts wait in its own queue; its worker says them one after the other,
// synthesising a piece at a time into the audio output, so a purge cuts the voice within a piece
// and waiting until done means until the last sample has been heard. Each text keeps the settings
// it was handed with (a text can be said at its own rate), and the user-interface thread never
// waits for espeak-ng.
class EspeakVoice final : public ports::Voice {
 public:
  EspeakVoice(EspeakLibrary& library, std::unique_ptr<AudioOutput> output,
              std::string startupNote = {});
  ~EspeakVoice() override;
  EspeakVoice(const EspeakVoice&) = delete;
  EspeakVoice& operator=(const EspeakVoice&) = delete;

  // An espeak-ng voice on the sound server, or nothing when espeak-ng or the audio output cannot
  // be had; `note` says which, for the start-up trace.
  static std::unique_ptr<EspeakVoice> Open(std::string& note);

  bool IsAvailable() const override { return true; }
  void Speak(const std::u16string& text) override;
  void Purge() override;
  void WaitUntilDone() override;
  bool IsSpeaking() override;
  std::optional<std::uint64_t> TextsDone() override;
  bool TellsWhatIsHeard() const override { return true; }
  std::optional<ports::Hearing> NowHearing() override;
  void SelectVoice(const std::string& id) override;
  void SetRate(int rate) override;
  void SetVolume(int volume) override;
  std::string Phonemes(const std::u16string& text) override;

  // What the voice found when it started: espeak-ng's version and data, the audio output.
  std::string StartupNote() const { return startupNote_; }

 private:
  struct Request {
    std::u16string text;
    SynthesisSettings settings;
    std::uint64_t generation = 0;
    std::uint64_t number = 0;  // counted from 0 in the order the texts came
  };

  void Work();
  // Says one text; false when a purge cut it.
  bool Say(const Request& request);
  // Under lock_: the texts up to this one are heard or dropped.
  void Done(std::uint64_t number);
  // Writes to the output and keeps the playhead up to date.
  bool Write(std::span<const std::int16_t> samples, int sampleRate);
  void Flush();

  EspeakLibrary& library_;
  std::unique_ptr<AudioOutput> output_;  // the worker's alone once it runs
  std::string startupNote_;

  std::mutex lock_;  // guards what follows
  std::condition_variable wake_;
  std::condition_variable done_;
  std::deque<Request> queue_;
  SynthesisSettings settings_;
  bool busy_ = false;
  bool stopping_ = false;
  std::uint64_t received_ = 0;   // texts handed to Speak
  std::uint64_t textsDone_ = 0;  // texts heard or dropped, as TextsDone counts them
  // Each purge starts a new generation; the worker drops what belongs to an older one.
  std::atomic<std::uint64_t> generation_ = 0;

  // A word of a text and the sounds it is said with.
  struct Word {
    WordMark mark;                  // `sample`: where its sound begins
    std::vector<SoundMark> sounds;  // in order
    bool complete = false;          // every sound of it is known
  };
  // A text whose sound went to the output, and where its words begin in the samples written.
  struct Sounding {
    std::uint64_t number = 0;
    std::int64_t start = 0;   // its first sample, counted as the playhead counts them
    std::int64_t end = 0;     // after its last sound written so far
    std::vector<Word> words;  // samples as the playhead counts them, in order
  };
  std::mutex heardLock_;  // guards what follows: the worker writes, NowHearing reads
  Playhead playhead_;
  std::deque<Sounding> sounding_;

  std::thread worker_;
};

}  // namespace platform
