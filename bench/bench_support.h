#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
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

// The program's deliberate waits (the rewards' frames, the press pauses) cost no time: the long
// sessions measure memory, not patience.
class QuickClock : public ports::Clock {
 public:
  std::int64_t NowMs() const override { return now_ += 7; }
  std::int64_t CalendarSeconds() const override { return 1765000000 + now_ / 1000; }
  void Sleep(int ms) override { now_ += ms; }

 private:
  mutable std::atomic<std::int64_t> now_{0};
};

// The child's mouse, on the view itself or through a shell's widget.
class Mouse {
 public:
  virtual ~Mouse() = default;
  virtual void Press(gfx::Point point) = 0;
  virtual void MoveTo(gfx::Point point) = 0;
  virtual void Release(gfx::Point point) = 0;
};

gfx::Point IconMiddle(app::CScribixView& view, base::icons::IconId icon);
// A tile from key `key` dragged in five steps onto cell (column, line) and let go.
void DropKey(app::CScribixView& view, Mouse& mouse, int key, int column, int line);
// The pieces of the puzzle dragged home one by one, the top one of the heap first, in two steps;
// `afterEach` runs after each drop.
void DragPiecesHome(app::CScribixView& view, Mouse& mouse, const std::function<void()>& afterEach);
// The dictation's list: the animals of the program folder.
void LoadAnimalList(app::CScribixView& view);
// The word rewards play over a few cells of the first lines.
void AimWordRewards(app::CScribixView& view);

std::filesystem::path ProgramFolder();
std::filesystem::path ScratchFolder();
// Resident memory of this process, in bytes.
long ResidentBytes();

}  // namespace bench
