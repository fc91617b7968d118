#pragma once

// Ports that do nothing: a machine without a voice, a sound device or a screen still runs the
// program through them. Each lives in its own header; this one gathers them for code that wants
// the whole silent set.
#include "ports/null_desktop.h"
#include "ports/null_dialog_host.h"
#include "ports/null_pictures.h"
#include "ports/null_sound_player.h"
#include "ports/null_text_painter.h"
#include "ports/null_timers.h"
#include "ports/null_user_dialogs.h"
#include "ports/null_voice.h"
#include "ports/null_voice_catalog.h"
#include "ports/null_window.h"
