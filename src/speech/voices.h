#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/trace.h"
#include "ports/voice.h"
#include "speech/speech_engine.h"

namespace speech {

// The voices found at start-up, in the order of the voice list.
struct VoiceTable {
  static constexpr int kMaxVoices = 100;

  std::vector<std::string> voiceNames;
  std::vector<std::string> voiceTokenIds;
  std::int32_t voiceRateBoost = 0;
  std::int32_t ortenseVoiceFound = 0;
  std::int32_t selectedVoice = -1;

  std::int32_t voiceCount() const { return static_cast<std::int32_t>(voiceNames.size()); }
};

// What the discovery found: the voices and the one to use by default (-1 when there is none).
struct FoundVoices {
  VoiceTable table;
  std::int32_t defaultVoice = -1;
  int frenchVoices = 0;  // among the listed ones; none means the voice warning is offered
};

// The speech rate and volume a voice gets when it is chosen at start-up.
inline constexpr int kStartupRate = -4;
inline constexpr int kStartupVolume = 60;

// Lists the installed voices, sources in their order, at most a hundred, and picks the default:
// the last whose name holds "irgin", else the last with "ortense", else the first French one,
// else the first. A child must never hear French read by an English voice while a French one is
// installed.
FoundVoices DiscoverVoices(ports::VoiceCatalog& catalog, base::Trace& trace);
// Hands voice `index` to the engine with a rate and a volume.
void SelectVoice(VoiceTable& table, SpeechEngine& engine, base::Trace& trace, std::int32_t index,
                 int rate, int volume);
// Some voices speak slowly: they get two steps more.
void SetSpeechRate(const VoiceTable& table, SpeechEngine& engine, std::int32_t rate);

}  // namespace speech
