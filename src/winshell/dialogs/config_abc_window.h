#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "ports/desktop.h"
#include "winshell/dialogs/dialog_window.h"

namespace app {
class CConfigABC;
}

namespace winshell {

class WinDialogHost;

// The window of the settings dialog: keyboard look, grid size, placement, effects and the voice.
// It shows its model and hands every change of a control to the model's handler; closing it only
// hides it.
class CConfigABCWindow : public DialogWindow {
 public:
  // The page that tells how to install the French voices, in the program folder.
  static constexpr const char* kVoiceInstallerPage = "installer-voix.html";

  // Registers itself with the host, hidden.
  CConfigABCWindow(app::CConfigABC& model, WinDialogHost& host, ports::Desktop& desktop,
                   std::filesystem::path programFolder, HINSTANCE instance, HWND owner);
  ~CConfigABCWindow() override;

  // What the installer button opens instead of the page, in the program folder.
  void UseVoiceInstaller(std::string fileName) { voiceInstaller_ = std::move(fileName); }

  // The model's state in the controls, without calling its handlers.
  void ShowModel();

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;
  void OnScroll(HWND control) override;
  HBRUSH OnColour(HDC dc, HWND control) override;
  // A control's change went to the model: show what the model made of it.
  template <typename Handler>
  void Apply(Handler handler);
  void ShowPosition(int id, std::int32_t position);
  // A note shown only while it has something to say.
  void ShowNote(int id, const std::string& text);

  app::CConfigABC& model_;
  WinDialogHost& host_;
  ports::Desktop& desktop_;
  std::filesystem::path programFolder_;
  std::string voiceInstaller_ = kVoiceInstallerPage;
  GdiObject<HFONT> boldFont_;
};

}  // namespace winshell
