#include "platform/voice_backend.h"
#include "platform/windows/phone_converters.h"
#include "platform/windows/registry_voice_catalog.h"
#include "platform/windows/sapi_voice.h"
#include "platform/windows/shell_desktop.h"
#include "platform/windows/wave_sound_player.h"
#include "ports/null_voice.h"

namespace platform {

std::unique_ptr<ports::Voice> MakeVoice(std::string* startupNote) {
  std::string note;
  std::unique_ptr<ports::Voice> voice = SapiVoice::Open(note);
  if (startupNote != nullptr) *startupNote = note;
  if (!voice) return std::make_unique<ports::NullVoice>();
  return voice;
}

std::unique_ptr<ports::VoiceCatalog> MakeVoiceCatalog() {
  return std::make_unique<RegistryVoiceCatalog>();
}

void RegisterPhoneConverters() {
  RegisterPhoneConvertersUnder(HKEY_LOCAL_MACHINE, kPhoneConverterTokens);
}

std::unique_ptr<ports::SoundPlayer> MakeSoundPlayer() {
  return std::make_unique<WaveSoundPlayer>();
}

std::unique_ptr<ports::Desktop> MakeDesktop() {
  return std::make_unique<ShellDesktop>();
}

// Microsoft's free French voice, Hortense, installed by the program that comes with Scribix.
VoiceInstaller VoiceInstallerOfSystem() {
  return {"installvoix.exe",
          "La voix de synth\xE8se vocale Hortense, la voix fran\xE7"
          "aise gratuite de Microsoft, ne semble pas install\xE9"
          "e sur cet ordinateur.\n\nVoulez-vous l'installer ?"};
}

}  // namespace platform
