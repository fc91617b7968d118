#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/scribix_view.h"
#include "ports/null_desktop.h"
#include "ports/null_pictures.h"
#include "ports/null_sound_player.h"
#include "ports/null_text_painter.h"
#include "ports/null_timers.h"
#include "ports/null_user_dialogs.h"
#include "ports/null_voice.h"
#include "ports/null_voice_catalog.h"
#include "ports/null_window.h"
#include "ports/system_clock.h"
#include "winshell/win_dialog_host.h"

namespace windialogs_test {

// Message boxes nobody sees: the texts asked are kept, and a question gets the answer the test
// gives (no, unless told).
class AnsweringDialogs : public ports::NullUserDialogs {
 public:
  ports::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                  ports::MessageButtons buttons, ports::MessageIcon icon) override {
    asked.push_back(text);
    if (whileAsked) whileAsked();
    return buttons == ports::MessageButtons::kYesNo
               ? answer
               : NullUserDialogs::MessageBox(text, caption, buttons, icon);
  }
  ports::MessageAnswer answer = ports::MessageAnswer::kNo;
  std::vector<std::string> asked;
  // What else the user does while the box is up.
  std::function<void()> whileAsked;
};

// The whole program on null ports, with the dialogs' host of the Windows shell, writing into a
// folder of its own.
struct NullProgram {
  explicit NullProgram(const std::filesystem::path& folder)
      : platform{window, timers, clock,  dialogs, desktop,   pictures,
                 sound,  voice,  voices, painter, dialogHost},
        view(std::make_unique<app::CScribixView>(platform, folder, folder)) {}

  ports::NullWindow window;
  ports::NullTimers timers;
  ports::SystemClock clock;
  AnsweringDialogs dialogs;
  ports::NullDesktop desktop;
  ports::NullPictures pictures;
  ports::NullSoundPlayer sound;
  ports::NullVoice voice;
  ports::NullVoiceCatalog voices;
  ports::NullTextPainter painter;
  winshell::WinDialogHost dialogHost;
  ports::Platform platform;
  std::unique_ptr<app::CScribixView> view;
};

}  // namespace windialogs_test
