#pragma once

#include <memory>

#include "ports/voice.h"

// The voice of the operating system; CMake picks the folder that implements it.
namespace platform {

std::unique_ptr<ports::Voice> MakeVoice();
std::unique_ptr<ports::VoiceCatalog> MakeVoiceCatalog();

// Registers what the speech platform needs before the main window is made (the phone converters
// of the Windows speech platform); nothing on systems that need nothing.
void RegisterPhoneConverters();

}  // namespace platform
