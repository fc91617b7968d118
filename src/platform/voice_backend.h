#pragma once

#include <memory>
#include <string>

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

}  // namespace platform
