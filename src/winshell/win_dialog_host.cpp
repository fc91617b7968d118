#include "winshell/win_dialog_host.h"

#include <utility>

namespace winshell {

void WinDialogHost::Register(ports::DialogId id, HWND window, std::function<void()> refresh) {
  Entry& entry = entries_[Index(id)];
  entry.window = window;
  entry.refresh = std::move(refresh);
  // The model may have been set before its window existed.
  if (window != nullptr && entry.refresh) entry.refresh();
}

void WinDialogHost::Unregister(ports::DialogId id, HWND window) {
  Entry& entry = entries_[Index(id)];
  if (entry.window != window) return;
  entry.window = nullptr;
  entry.refresh = nullptr;
}

HWND WinDialogHost::Window(ports::DialogId id) const {
  const HWND window = entries_[Index(id)].window;
  return window != nullptr && IsWindow(window) ? window : nullptr;
}

void WinDialogHost::Show(ports::DialogId id) {
  if (HWND window = Window(id)) ShowWindow(window, SW_SHOW);
}

void WinDialogHost::Hide(ports::DialogId id) {
  if (HWND window = Window(id)) ShowWindow(window, SW_HIDE);
}

void WinDialogHost::Raise(ports::DialogId id) {
  const HWND window = Window(id);
  if (window == nullptr || !IsWindowVisible(window)) return;
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetActiveWindow(window);
}

bool WinDialogHost::IsVisible(ports::DialogId id) const {
  const HWND window = Window(id);
  return window != nullptr && IsWindowVisible(window);
}

void WinDialogHost::Refresh(ports::DialogId id) {
  const Entry& entry = entries_[Index(id)];
  if (Window(id) != nullptr && entry.refresh) entry.refresh();
}

void WinDialogHost::RegisterModal(ports::DialogId id, std::function<void()> run) {
  entries_[Index(id)].runModal = std::move(run);
}

void WinDialogHost::RunModal(ports::DialogId id) {
  // Copied: the dialog may register again while it runs.
  const std::function<void()> run = entries_[Index(id)].runModal;
  if (run) run();
}

bool WinDialogHost::PreTranslate(MSG& message) {
  for (const Entry& entry : entries_) {
    const HWND window = entry.window;
    if (window == nullptr || !IsWindow(window) || !IsWindowVisible(window)) continue;
    // Only the dialog the message is for takes it.
    if (message.hwnd != window && !IsChild(window, message.hwnd)) continue;
    return IsDialogMessageW(window, &message) != FALSE;
  }
  return false;
}

}  // namespace winshell
