#include "platform/linux/espeak_recording.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

namespace platform {

double Recording::Seconds() const {
  if (result.sampleRate <= 0) return 0;
  return static_cast<double>(samples.size()) / result.sampleRate;
}

double Recording::Rms() const {
  if (samples.empty()) return 0;
  double sum = 0;
  for (const std::int16_t s : samples) sum += static_cast<double>(s) * s;
  return std::sqrt(sum / static_cast<double>(samples.size())) / 32768.0;
}

std::int16_t Recording::Peak() const {
  int peak = 0;
  for (const std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return static_cast<std::int16_t>(std::min(peak, 32767));
}

Recording RecordSpeech(EspeakLibrary& library, const std::u16string& text,
                       const SynthesisSettings& settings) {
  using Clock = std::chrono::steady_clock;
  Recording recording;
  const Clock::time_point start = Clock::now();
  recording.result =
      library.Synthesise(text, settings, [&](std::span<const std::int16_t> piece, int) {
        if (recording.secondsToFirstSamples < 0) {
          recording.secondsToFirstSamples =
              std::chrono::duration<double>(Clock::now() - start).count();
        }
        recording.samples.insert(recording.samples.end(), piece.begin(), piece.end());
        return true;
      });
  return recording;
}

}  // namespace platform
