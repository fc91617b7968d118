#include "platform/voice_backend.h"
#include "ports/null_voice.h"
#include "ports/null_voice_catalog.h"

namespace platform {

// Until the espeak-ng voice is wired in, Linux runs silent through the null voice.
std::unique_ptr<ports::Voice> MakeVoice() {
  return std::make_unique<ports::NullVoice>();
}

std::unique_ptr<ports::VoiceCatalog> MakeVoiceCatalog() {
  return std::make_unique<ports::NullVoiceCatalog>();
}

}  // namespace platform

namespace platform {

// espeak-ng needs no registration.
void RegisterPhoneConverters() {}

}  // namespace platform
