#include "winshell/win_dialog_host.h"

namespace winshell {

bool WinDialogHost::IsAlive(const HWND& window) const {
  return window != nullptr && IsWindow(window);
}

bool WinDialogHost::IsShown(const HWND& window) const {
  return IsWindowVisible(window) != FALSE;
}

void WinDialogHost::MakeShown(const HWND& window) {
  ShowWindow(window, SW_SHOW);
}

void WinDialogHost::MakeHidden(const HWND& window) {
  ShowWindow(window, SW_HIDE);
}

void WinDialogHost::BringToFront(const HWND& window) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetActiveWindow(window);
}

bool WinDialogHost::PreTranslate(MSG& message) {
  for (std::size_t i = 0; i < ports::kDialogCount; ++i) {
    const HWND window = Window(static_cast<ports::DialogId>(i));
    if (window == nullptr || !IsWindowVisible(window)) continue;
    // Only the dialog the message is for takes it.
    if (message.hwnd != window && !IsChild(window, message.hwnd)) continue;
    return IsDialogMessageW(window, &message) != FALSE;
  }
  return false;
}

}  // namespace winshell
