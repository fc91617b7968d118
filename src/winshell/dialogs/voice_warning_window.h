#pragma once

#include <windows.h>

#include "ports/clock.h"
#include "ports/desktop.h"
#include "ports/window.h"
#include "speech/voice_warning.h"
#include "winshell/dialogs/dialog_window.h"

namespace winshell {

// The voice warning of the start-up, shown modally over the main window: made by Run and gone
// when it returns.
class CAvert2Window : public DialogWindow {
 public:
  CAvert2Window(speech::CAvert2& model, ports::Desktop& desktop, ports::Clock& clock,
                ports::Window& mainWindow);

  void Run(HINSTANCE instance, HWND owner);

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;
  HBRUSH OnColour(HDC dc, HWND control) override;
  void OnCancel() override { EndModal(); }

  speech::CAvert2& model_;
  ports::Desktop& desktop_;
  ports::Clock& clock_;
  ports::Window& mainWindow_;
  GdiObject<HFONT> bigFont_;
};

}  // namespace winshell
