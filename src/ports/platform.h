#pragma once

#include "ports/clock.h"
#include "ports/desktop.h"
#include "ports/dialog_host.h"
#include "ports/pictures.h"
#include "ports/sound_player.h"
#include "ports/text_painter.h"
#include "ports/timers.h"
#include "ports/user_dialogs.h"
#include "ports/voice.h"
#include "ports/window.h"

namespace ports {

// Everything the program asks of its surroundings.
struct Platform {
  Window& window;
  Timers& timers;
  Clock& clock;
  UserDialogs& dialogs;
  Desktop& desktop;
  Pictures& pictures;
  SoundPlayer& sound;
  Voice& voice;
  VoiceCatalog& voices;
  TextPainter& textPainter;
  DialogHost& dialogHost;
};

}  // namespace ports
