// The voice's answer time: from Speak to the first samples reaching the audio output, for a short
// word with the French voice. A letter is spoken as the child drops it; 20 ms is the most it may
// take to start.
#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/linux/espeak_recording.h"
#include "platform/linux/espeak_voice.h"
#include "ports/null_voice.h"
#include "speech/speech_engine.h"

namespace {

using Clock = std::chrono::steady_clock;

// Takes samples at once and notes when the first of a text came.
class StopwatchOutput : public platform::AudioOutput {
 public:
  struct Watch {
    std::mutex lock;
    std::condition_variable arrived;
    bool waiting = false;
    Clock::time_point first;
  };
  explicit StopwatchOutput(std::shared_ptr<Watch> watch) : watch_(std::move(watch)) {}
  bool Open(int) override { return true; }
  bool Write(std::span<const std::int16_t>) override {
    std::lock_guard guard(watch_->lock);
    if (watch_->waiting) {
      watch_->first = Clock::now();
      watch_->waiting = false;
      watch_->arrived.notify_all();
    }
    return true;
  }
  void Drain() override {}
  void Flush() override {}
  void Close() override {}
  std::string Problem() const override { return {}; }
  int LatencyMs() const override { return 0; }

 private:
  std::shared_ptr<Watch> watch_;
};

void SpeakToFirstSamples(benchmark::State& state) {
  auto& library = platform::EspeakLibrary::Shared();
  if (!library.Ready()) {
    state.SkipWithError(library.Description().c_str());
    return;
  }
  auto watch = std::make_shared<StopwatchOutput::Watch>();
  platform::EspeakVoice voice(library, std::make_unique<StopwatchOutput>(watch));
  voice.SetRate(-4);  // the rate the program starts with
  voice.SetVolume(60);
  for (auto _ : state) {
    std::unique_lock guard(watch->lock);
    watch->waiting = true;
    const Clock::time_point start = Clock::now();
    voice.Speak(u"chat");
    watch->arrived.wait(guard, [&] { return !watch->waiting; });
    state.SetIterationTime(std::chrono::duration<double>(watch->first - start).count());
    guard.unlock();
    voice.WaitUntilDone();
  }
}
BENCHMARK(SpeakToFirstSamples)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same word said into memory: espeak-ng's own share of that time, and the whole word.
void SynthesiseWordIntoMemory(benchmark::State& state) {
  auto& library = platform::EspeakLibrary::Shared();
  if (!library.Ready()) {
    state.SkipWithError(library.Description().c_str());
    return;
  }
  double first = 0;
  double seconds = 0;
  for (auto _ : state) {
    const auto r = platform::RecordSpeech(library, u"chat", {"fr", -4, 60});
    first += r.secondsToFirstSamples;
    seconds = r.Seconds();
  }
  state.counters["first_samples_ms"] = 1000 * first / static_cast<double>(state.iterations());
  state.counters["audio_s"] = seconds;
}
BENCHMARK(SynthesiseWordIntoMemory)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A voice that takes its texts at once: what is measured is the engine's own hold on the caller.
class QuickVoice : public ports::NullVoice {
 public:
  bool IsAvailable() const override { return true; }
};

// The time SpeechEngine::Speak holds the user-interface thread: a copy into the queue.
void SpeakHoldsTheCaller(benchmark::State& state) {
  QuickVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.Speak("Ecris le mot : chat!"));
  }
  engine.Shutdown();
}
BENCHMARK(SpeakHoldsTheCaller)->Unit(benchmark::kMicrosecond);

}  // namespace
