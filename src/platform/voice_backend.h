#pragma once

#include <memory>
#include <string>

#include "ports/desktop.h"
#include "ports/sound_player.h"
#include "ports/voice.h"

// The voice of the operating system; CMake picks the folder that implements it.
namespace platform {

// Never null: the null voice when no voice or no audio output can be had. `startupNote`, when
// given, receives one line for the start-up trace saying what was found or why speech is silent.
std::unique_ptr<ports::Voice> MakeVoice(std::string* startupNote = nullptr);
std::unique_ptr<ports::VoiceCatalog> MakeVoiceCatalog();

// Registers what the speech platform needs before the main window is made (the phone converters
// of the Windows speech platform); nothing on systems that need nothing.
void RegisterPhoneConverters();

// The system's own sound player and desktop, or null where the shell's serve as well.
std::unique_ptr<ports::SoundPlayer> MakeSoundPlayer();
std::unique_ptr<ports::Desktop> MakeDesktop();

// What the installer buttons of the voice warning and the settings window open, a file in the
// program folder, and what the warning says (Windows-1252); an empty warning keeps the program's.
struct VoiceInstaller {
  std::string fileName;
  std::string warning;
};
VoiceInstaller VoiceInstallerOfSystem();

}  // namespace platform
