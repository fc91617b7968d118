#include "winshell/win_dialog_host.h"

namespace winshell {

namespace {

// An edit box of several lines (plain or rich) takes every key for itself, Escape included, and
// whether it then asks its dialog to close depends on the system.
bool IsBoxOfLines(HWND control) {
  wchar_t name[16] = {};
  if (GetClassNameW(control, name, 16) == 0) return false;
  const bool edit = _wcsicmp(name, L"Edit") == 0 || _wcsnicmp(name, L"RichEdit", 8) == 0;
  return edit && (GetWindowLongPtrW(control, GWL_STYLE) & ES_MULTILINE) != 0;
}

// Escape in such a box closes the dialog here, as it does from the dialog's other controls.
bool ClosesFromABoxOfLines(HWND dialog, const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE || message.hwnd == dialog ||
      !IsBoxOfLines(message.hwnd)) {
    return false;
  }
  SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  return true;
}

}  // namespace

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
    if (ClosesFromABoxOfLines(window, message)) return true;
    return IsDialogMessageW(window, &message) != FALSE;
  }
  return false;
}

}  // namespace winshell
