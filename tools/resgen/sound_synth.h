#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace resgen {

struct Sound {
  QString name;    // file name in sons/
  QByteArray wav;  // PCM 16-bit mono wave file
};

inline constexpr int kSampleRate = 22050;

// The sound effects, synthesised: nothing recorded, the same samples at every run.
std::vector<Sound> SynthesiseSounds();

}  // namespace resgen
