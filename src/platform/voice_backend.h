#pragma once

#include <memory>

#include "ports/voice.h"

// The voice of the operating system; CMake picks the folder that implements it.
namespace platform {

std::unique_ptr<ports::Voice> MakeVoice();
std::unique_ptr<ports::VoiceCatalog> MakeVoiceCatalog();

}  // namespace platform
