#include "platform/voice_backend.h"
#include "ports/null_voice.h"
#include "ports/null_voice_catalog.h"

namespace platform {

std::unique_ptr<ports::Voice> MakeVoice(std::string* startupNote) {
  if (startupNote != nullptr) *startupNote = "no voice on this system; speech is silent";
  return std::make_unique<ports::NullVoice>();
}

std::unique_ptr<ports::VoiceCatalog> MakeVoiceCatalog() {
  return std::make_unique<ports::NullVoiceCatalog>();
}

void RegisterPhoneConverters() {}

std::unique_ptr<ports::SoundPlayer> MakeSoundPlayer() {
  return nullptr;
}

std::unique_ptr<ports::Desktop> MakeDesktop() {
  return nullptr;
}

VoiceInstaller VoiceInstallerOfSystem() {
  return {"installer-voix.html", ""};
}

}  // namespace platform
