#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <utility>

#include "ports/dialog_host.h"

namespace ports {

// The dialog host every shell builds on: a table of the shell's windows, one entry per dialog.
// A dialog that has no window is never shown; a window that is gone drops out; the model's state
// is shown as soon as its window registers, since the program may have set it before. The shell
// says what a window is and how to show, hide and raise one.
template <typename Window>
class WindowDialogHost : public DialogHost {
 public:
  // refresh shows the model's current state in the window without calling its handlers.
  void Register(DialogId id, Window window, std::function<void()> refresh) {
    Entry& entry = entries_[Index(id)];
    entry.window = std::move(window);
    entry.refresh = std::move(refresh);
    Refresh(id);
  }
  // The window is going: the dialog has none from now on. Another window's leaving takes nothing.
  void Unregister(DialogId id, const Window& window) {
    Entry& entry = entries_[Index(id)];
    if (entry.window != window) return;
    entry.window = Window{};
    entry.refresh = nullptr;
  }
  // The dialog's window; none when it has none or the window is gone.
  Window Live(DialogId id) const {
    const Window& window = entries_[Index(id)].window;
    return IsAlive(window) ? window : Window{};
  }

  void Show(DialogId id) final {
    if (const Window window = Live(id)) MakeShown(window);
  }
  void Hide(DialogId id) final {
    if (const Window window = Live(id)) MakeHidden(window);
  }
  void Raise(DialogId id) final {
    const Window window = Live(id);
    if (window && IsShown(window)) BringToFront(window);
  }
  bool IsVisible(DialogId id) const final {
    const Window window = Live(id);
    return window && IsShown(window);
  }
  void Refresh(DialogId id) final {
    const Entry& entry = entries_[Index(id)];
    if (Live(id) && entry.refresh) entry.refresh();
  }

  // A modal dialog is made when it is shown and gone once closed: run makes and runs it.
  void RegisterModal(DialogId id, std::function<void()> run) {
    entries_[Index(id)].runModal = std::move(run);
  }
  void RunModal(DialogId id) final {
    // Copied: the dialog may register again while it runs.
    const std::function<void()> run = entries_[Index(id)].runModal;
    if (run) run();
  }

 protected:
  WindowDialogHost() = default;
  ~WindowDialogHost() override = default;

  // What only the shell knows about its windows.
  virtual bool IsAlive(const Window& window) const = 0;
  virtual bool IsShown(const Window& window) const = 0;
  virtual void MakeShown(const Window& window) = 0;
  virtual void MakeHidden(const Window& window) = 0;
  virtual void BringToFront(const Window& window) = 0;

 private:
  struct Entry {
    Window window{};
    std::function<void()> refresh;
    std::function<void()> runModal;
  };
  static std::size_t Index(DialogId id) { return static_cast<std::size_t>(id); }

  std::array<Entry, kDialogCount> entries_;
};

}  // namespace ports
