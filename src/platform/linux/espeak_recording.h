#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/linux/espeak_library.h"

namespace platform {

// A text said by espeak-ng into memory instead of the audio output, with the same choice of voice,
// rate and volume as the voice: for checking what the voice would say and how fast it starts.
struct Recording {
  SynthesisResult result;
  std::vector<std::int16_t> samples;
  double secondsToFirstSamples = -1;  // from the call to the first piece of audio

  double Seconds() const;
  double Rms() const;  // of full scale, 0 to 1
  std::int16_t Peak() const;
};

Recording RecordSpeech(EspeakLibrary& library, const std::u16string& text,
                       const SynthesisSettings& settings);

}  // namespace platform
