#include "platform/linux/espeak_library.h"
#include "platform/linux/espeak_voice.h"
#include "platform/linux/espeak_voice_catalog.h"
#include "platform/voice_backend.h"
#include "ports/null_voice.h"
#include "ports/null_voice_catalog.h"

namespace platform {

std::unique_ptr<ports::Voice> MakeVoice(std::string* startupNote) {
  std::string note;
  std::unique_ptr<ports::Voice> voice = EspeakVoice::Open(note);
  if (startupNote != nullptr) *startupNote = note;
  if (!voice) return std::make_unique<ports::NullVoice>();
  return voice;
}

std::unique_ptr<ports::VoiceCatalog> MakeVoiceCatalog() {
  EspeakLibrary& library = EspeakLibrary::Shared();
  if (!library.Ready()) return std::make_unique<ports::NullVoiceCatalog>();
  return std::make_unique<EspeakVoiceCatalog>(library);
}

// espeak-ng needs no registration.
void RegisterPhoneConverters() {}

// Qt's sound and desktop services are the desktop's own here.
std::unique_ptr<ports::SoundPlayer> MakeSoundPlayer() {
  return nullptr;
}
std::unique_ptr<ports::Desktop> MakeDesktop() {
  return nullptr;
}

// The voices come from the system's packages; the page tells the teacher how to get them.
VoiceInstaller VoiceInstallerOfSystem() {
  return {"installer-voix.html", ""};
}

}  // namespace platform
