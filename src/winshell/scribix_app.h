#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ports/dialog_host.h"
#include "ports/platform.h"
#include "winshell/dialogs/dialog_windows.h"
#include "winshell/main_frame.h"
#include "winshell/view_window.h"
#include "winshell/win32.h"
#include "winshell/win_clock.h"
#include "winshell/win_dialog_host.h"
#include "winshell/win_pictures.h"
#include "winshell/win_text_painter.h"
#include "winshell/win_timers.h"
#include "winshell/win_user_dialogs.h"

namespace app {
class CScribixView;
}

namespace winshell {

struct Folders {
  std::filesystem::path program;  // scribix.exe's folder: the read-only resources
  std::filesystem::path data;     // where the program writes
};

// The application on Windows: it makes the frame, the view and the ports in the order the
// program expects, runs the message loop, and takes them down in reverse.
class CScribixApp {
 public:
  CScribixApp();
  ~CScribixApp();
  CScribixApp(const CScribixApp&) = delete;
  CScribixApp& operator=(const CScribixApp&) = delete;

  // The system's libraries, the frame, then the view's construction, then its window and
  // timers, then the frame shown with the show command the program was started with.
  bool InitInstance(const Folders& folders, int showCommand);
  // Until the frame is closed or the program ends itself; gives the exit code.
  int Run();

  // Ends the program by itself ms milliseconds from now, once the active module's work and the
  // settings are saved (an unattended start, a test).
  void QuitAfter(int ms);

  // scribix.exe's folder and %APPDATA%\Scribix, with the samples copied there once.
  static Folders DefaultFolders();
  // The milliseconds of "--quit-after MS"; nothing without it or with a number that is not a
  // positive count.
  static std::optional<int> QuitAfterArgument(const std::vector<std::wstring>& arguments);

 private:
  // The windows of the modeless dialogs: made here, once the view's models exist.
  void MakeDialogWindows(const Folders& folders, const std::string& voiceInstaller);
  // Every message of the loop goes through here first; true when it was dealt with (a key for
  // a modeless dialog's controls).
  bool PreTranslateMessage(MSG& message);

  bool comStarted_ = false;
  bool oleStarted_ = false;
  HMODULE richEdit_ = nullptr;
  CMainFrame frame_;
  std::unique_ptr<ScribixViewWindow> viewWindow_;
  std::unique_ptr<WinTimers> timers_;
  WinClock clock_;
  std::unique_ptr<WinUserDialogs> dialogs_;
  std::unique_ptr<ports::Desktop> desktop_;
  std::unique_ptr<WinPictures> pictures_;
  std::unique_ptr<ports::SoundPlayer> sound_;
  std::unique_ptr<ports::Voice> voice_;
  std::unique_ptr<ports::VoiceCatalog> voices_;
  WinTextPainter textPainter_;
  std::unique_ptr<WinDialogHost> dialogHost_;
  std::unique_ptr<ports::Platform> platform_;
  std::unique_ptr<app::CScribixView> view_;
  // Gone before the view whose models they show.
  std::unique_ptr<DialogWindows> dialogWindows_;
};

}  // namespace winshell
