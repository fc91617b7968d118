#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <functional>

#include "ports/dialog_host.h"

namespace winshell {

// The Win32 windows of the modeless dialogs. Each window registers itself when it is made and
// leaves when it is destroyed; a dialog that has no window is never shown.
class WinDialogHost : public ports::DialogHost {
 public:
  // refresh shows the model's current state in the window without calling its handlers.
  void Register(ports::DialogId id, HWND window, std::function<void()> refresh);
  // The window is going: the dialog has none from now on.
  void Unregister(ports::DialogId id, HWND window);
  // Null when the dialog has no window (or it was destroyed behind the host's back).
  HWND Window(ports::DialogId id) const;

  void Show(ports::DialogId id) override;
  void Hide(ports::DialogId id) override;
  void Raise(ports::DialogId id) override;
  bool IsVisible(ports::DialogId id) const override;
  void Refresh(ports::DialogId id) override;
  // A modal dialog is made when it is shown and gone once closed: run makes and runs it.
  void RegisterModal(ports::DialogId id, std::function<void()> run);
  void RunModal(ports::DialogId id) override;

  // The main loop hands every message here first: Tab, the arrows, Enter and Escape of a visible
  // modeless dialog belong to that dialog. True when the message was used up.
  bool PreTranslate(MSG& message);

 private:
  struct Entry {
    HWND window = nullptr;
    std::function<void()> refresh;
    std::function<void()> runModal;
  };
  static constexpr std::size_t kDialogs = ports::kDialogCount;
  static std::size_t Index(ports::DialogId id) { return static_cast<std::size_t>(id); }

  std::array<Entry, kDialogs> entries_;
};

}  // namespace winshell
