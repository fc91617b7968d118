#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace app {
class CScribixView;
}

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

// Lists the installed voices into the settings dialog's voice list and applies the default one.
void DiscoverVoices(app::CScribixView& view);
// Applies voice `index` with the start-up rate and volume, or the dialog's.
void SelectVoice(app::CScribixView& view, std::int32_t index, bool useStartupLevels);
// Some voices speak slowly: they get two steps more.
void SetSpeechRate(app::CScribixView& view, std::int32_t rate);

}  // namespace speech
