#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/linux/espeak_library.h"
#include "ports/voice.h"

namespace platform {

// The French voices among espeak-ng's, by source: the MBROLA voices that can speak first (teachers
// find them more natural), then espeak-ng's own; France, then Belgium, Switzerland, Canada. Names
// are French, in Windows-1252. `mbrolaInstalled` answers for an MBROLA voice name ("fr4").
std::vector<std::vector<ports::VoiceInfo>> FrenchVoicesBySource(
    const std::vector<EspeakVoiceEntry>& entries,
    const std::function<bool(const std::string&)>& mbrolaInstalled);

class EspeakVoiceCatalog final : public ports::VoiceCatalog {
 public:
  explicit EspeakVoiceCatalog(EspeakLibrary& library) : library_(library) {}
  std::vector<std::vector<ports::VoiceInfo>> ListBySource() override;

 private:
  EspeakLibrary& library_;
};

}  // namespace platform
