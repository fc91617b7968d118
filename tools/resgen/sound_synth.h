#pragma once

#include <QByteArray>
#include <vector>

namespace resgen {

struct Sound {
  const char* name;  // file name in sons/, in Windows-1252 as the program names it
  QByteArray wav;    // PCM 16-bit mono wave file
};

inline constexpr int kSampleRate = 22050;

// The sound effects, synthesised: nothing recorded, the same samples at every run.
std::vector<Sound> SynthesiseSounds();

}  // namespace resgen
