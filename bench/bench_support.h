#pragma once

#include <filesystem>
#include <memory>

#include "app/scribix_view.h"
#include "ports/null_desktop.h"
#include "ports/null_dialog_host.h"
#include "ports/null_sound_player.h"
#include "ports/null_text_painter.h"
#include "ports/null_timers.h"
#include "ports/null_user_dialogs.h"
#include "ports/null_voice.h"
#include "ports/null_voice_catalog.h"
#include "ports/null_window.h"
#include "ports/platform.h"
#include "ports/system_clock.h"
#include "shell/qt_pictures.h"

namespace bench {

// The program on the real picture decoder, silent and without a screen; a benchmark that must
// not wait for the program's deliberate pauses gives its own clock.
template <typename ClockT = ports::SystemClock>
struct BenchPlatformWith {
  ports::NullWindow window;
  ports::NullTimers timers;
  ClockT clock;
  ports::NullUserDialogs dialogs;
  ports::NullDesktop desktop;
  shell::QtPictures pictures;
  ports::NullSoundPlayer sound;
  ports::NullVoice voice;
  ports::NullVoiceCatalog voices;
  ports::NullTextPainter textPainter;
  ports::NullDialogHost dialogHost;
  ports::Platform platform{window, timers, clock,  dialogs,     desktop,   pictures,
                           sound,  voice,  voices, textPainter, dialogHost};
};
using BenchPlatform = BenchPlatformWith<>;

std::filesystem::path ProgramFolder();
std::filesystem::path ScratchFolder();
// Resident memory of this process, in bytes.
long ResidentBytes();

}  // namespace bench
