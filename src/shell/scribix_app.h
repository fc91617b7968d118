#pragma once

#include <QApplication>
#include <filesystem>
#include <memory>
#include <optional>

#include "ports/platform.h"
#include "shell/qt_desktop.h"
#include "shell/qt_dialog_host.h"
#include "shell/qt_pictures.h"
#include "shell/qt_sound_player.h"
#include "shell/qt_text_painter.h"
#include "shell/qt_timers.h"
#include "shell/qt_user_dialogs.h"

namespace app {
class CScribixView;
}

namespace shell {

class CCEditWindow;
class CConfigABCWindow;
class CConfigPuzzleWindow;
class CElevesWindow;
class CMainFrame;
class COpenList2Window;
class ScribixViewWidget;

struct Folders {
  std::filesystem::path program;  // the executable's folder: the read-only resources
  std::filesystem::path data;     // where the program writes
};

// The application: it makes the frame, the view and the ports in the order the program
// expects, and takes them down in reverse.
class CScribixApp {
 public:
  // On the real clock.
  explicit CScribixApp(std::unique_ptr<ports::Clock> clock);
  // With a voice of its own instead of the system's (a test listens to what it is given), and
  // the voices it lists when one is given, modal dialogs that answer by themselves, and a clock
  // that does not wait (a test that plays the rewards); the real clock without one.
  explicit CScribixApp(std::unique_ptr<ports::Voice> voice,
                       std::unique_ptr<ports::VoiceCatalog> catalog = nullptr,
                       std::unique_ptr<ports::UserDialogs> dialogs = nullptr,
                       std::unique_ptr<ports::Clock> clock = nullptr);
  ~CScribixApp();

  // Frame, then the view's construction, then its window and timers, then the frame shown.
  bool InitInstance(const Folders& folders, bool show = true);

  CMainFrame* Frame() const { return frame_.get(); }
  ScribixViewWidget* ViewWidget() const { return widget_; }
  app::CScribixView* View() const { return view_.get(); }
  QtTimers* Timers() const { return timers_.get(); }
  QtDialogHost& Dialogs() { return dialogHost_; }
  CConfigABCWindow* SettingsWindow() const { return settingsWindow_.get(); }
  CConfigPuzzleWindow* PuzzleWindow() const { return puzzleWindow_.get(); }
  COpenList2Window* ListWindow() const { return listWindow_.get(); }
  CCEditWindow* EditorWindow() const { return editorWindow_.get(); }
  CElevesWindow* ElevesWindow() const { return elevesWindow_.get(); }

  // Ends the program by itself ms milliseconds from now, once the active module's work and the
  // settings are saved, so that an unattended start (a check of the installed package, a screen
  // capture) ends cleanly and leaves what the next start reads.
  void QuitAfter(int ms);

  static Folders DefaultFolders();
  // The milliseconds of "--quit-after MS" on the command line; nothing without it or with a
  // number that is not a positive count.
  static std::optional<int> QuitAfterArgument(const QStringList& arguments);
  static void LoadFrenchTranslations(QApplication& application);

 private:
  std::unique_ptr<CMainFrame> frame_;
  ScribixViewWidget* widget_ = nullptr;
  std::unique_ptr<QtTimers> timers_;
  std::unique_ptr<ports::Clock> clock_;
  std::unique_ptr<ports::UserDialogs> dialogs_;
  // The system's own where it has them, else Qt's.
  std::unique_ptr<ports::Desktop> desktop_;
  QtPictures pictures_;
  std::unique_ptr<ports::SoundPlayer> sound_;
  std::unique_ptr<ports::Voice> voice_;
  std::unique_ptr<ports::VoiceCatalog> voices_;
  QtTextPainter textPainter_;
  QtDialogHost dialogHost_;
  std::unique_ptr<ports::Platform> platform_;
  std::unique_ptr<app::CScribixView> view_;
  // The dialogs' windows show models that live in the view: they go before it.
  std::unique_ptr<CConfigABCWindow> settingsWindow_;
  std::unique_ptr<CConfigPuzzleWindow> puzzleWindow_;
  std::unique_ptr<COpenList2Window> listWindow_;
  std::unique_ptr<CCEditWindow> editorWindow_;
  std::unique_ptr<CElevesWindow> elevesWindow_;
};

}  // namespace shell
