#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/view_parts.h"
#include "ports/clock.h"
#include "ports/desktop.h"
#include "ports/window.h"
#include "winshell/dialogs/cedit_window.h"
#include "winshell/dialogs/config_abc_window.h"
#include "winshell/dialogs/config_puzzle_window.h"
#include "winshell/dialogs/eleves_window.h"
#include "winshell/dialogs/open_list_window.h"
#include "winshell/win_dialog_host.h"

namespace winshell {

// The dialog windows of the program, made hidden and registered with the host; the icons show
// them through it. The voice warning is registered to be made when the program runs it.
class DialogWindows {
 public:
  DialogWindows(HINSTANCE instance, HWND owner, app::ViewParts& parts, ports::Desktop& desktop,
                ports::Clock& clock, ports::Window& mainWindow,
                const std::filesystem::path& programFolder, WinDialogHost& host);
  ~DialogWindows();
  DialogWindows(const DialogWindows&) = delete;
  DialogWindows& operator=(const DialogWindows&) = delete;

  // What the settings' installer button opens instead of the page, in the program folder.
  void UseVoiceInstaller(std::string fileName) {
    settings_->UseVoiceInstaller(std::move(fileName));
  }

  COpenList2Window& WordLists() { return *wordLists_; }
  CCEditWindow& Editor() { return *editor_; }
  CConfigABCWindow& Settings() { return *settings_; }
  CConfigPuzzleWindow& PuzzleSettings() { return *puzzleSettings_; }
  CElevesWindow& Eleves() { return *eleves_; }

 private:
  struct LibraryDeleter {
    void operator()(HMODULE library) const { FreeLibrary(library); }
  };

  WinDialogHost& host_;
  // The rich edit box's library, loaded before the editor is made and freed after it is gone.
  std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryDeleter> richEdit_;
  std::unique_ptr<COpenList2Window> wordLists_;
  std::unique_ptr<CCEditWindow> editor_;
  std::unique_ptr<CConfigABCWindow> settings_;
  std::unique_ptr<CConfigPuzzleWindow> puzzleSettings_;
  std::unique_ptr<CElevesWindow> eleves_;
};

// Made once, after the view and before its OnCreate. A dialog whose window cannot be made stays
// without one: its icon then does nothing.
std::unique_ptr<DialogWindows> MakeDialogWindows(HINSTANCE instance, HWND owner,
                                                 app::ViewParts& parts, ports::Desktop& desktop,
                                                 ports::Clock& clock, ports::Window& mainWindow,
                                                 const std::filesystem::path& programFolder,
                                                 WinDialogHost& host);

}  // namespace winshell
