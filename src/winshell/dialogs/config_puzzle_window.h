#pragma once

#include <windows.h>

#include "winshell/dialogs/dialog_window.h"

namespace puzzle {
class CConfigPuzzle;
}

namespace winshell {

class WinDialogHost;

// "Configuration du puzzle": the number of pieces, the zooms of the puzzle and of its model, and
// four switches. Every change takes effect at once; "Fermer" and the close box only hide it.
class CConfigPuzzleWindow : public DialogWindow {
 public:
  // Registers itself with the host, hidden.
  CConfigPuzzleWindow(puzzle::CConfigPuzzle& model, WinDialogHost& host, HINSTANCE instance,
                      HWND owner);
  ~CConfigPuzzleWindow() override;

  // The model's state in the controls, without calling its handlers.
  void ShowModel();

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;

  puzzle::CConfigPuzzle& model_;
  WinDialogHost& host_;
};

}  // namespace winshell
