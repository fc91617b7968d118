#pragma once

#include <windows.h>

#include "ports/window_dialog_host.h"

namespace winshell {

// The Win32 windows of the modeless dialogs. Each window registers itself when it is made and
// leaves when it is destroyed; a dialog that has no window is never shown.
class WinDialogHost : public ports::WindowDialogHost<HWND> {
 public:
  // Null when the dialog has no window (or it was destroyed behind the host's back).
  HWND Window(ports::DialogId id) const { return Live(id); }

  // The main loop hands every message here first: Tab, the arrows, Enter and Escape of a visible
  // modeless dialog belong to that dialog. True when the message was used up.
  bool PreTranslate(MSG& message);

 private:
  bool IsAlive(const HWND& window) const override;
  bool IsShown(const HWND& window) const override;
  void MakeShown(const HWND& window) override;
  void MakeHidden(const HWND& window) override;
  void BringToFront(const HWND& window) override;
};

}  // namespace winshell
