#pragma once

#include "ports/voice.h"

namespace ports {

// No voice installed.
class NullVoiceCatalog : public VoiceCatalog {
 public:
  std::vector<std::vector<VoiceInfo>> ListBySource() override { return {}; }
};

}  // namespace ports
