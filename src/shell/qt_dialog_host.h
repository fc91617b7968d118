#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "ports/dialog_host.h"

namespace shell {

// The Qt windows of the modeless dialogs. Each window registers itself when it is made; a dialog
// that has no window is never shown. A window that is destroyed drops out by itself.
class QtDialogHost : public ports::DialogHost {
 public:
  // refresh shows the model's current state in the window without calling its handlers.
  void Register(ports::DialogId id, QWidget* window, std::function<void()> refresh);
  QWidget* Window(ports::DialogId id) const;

  void Show(ports::DialogId id) override;
  void Hide(ports::DialogId id) override;
  void Raise(ports::DialogId id) override;
  bool IsVisible(ports::DialogId id) const override;
  void Refresh(ports::DialogId id) override;
  // A modal dialog is made when it is shown and gone once closed: run makes and runs it.
  void RegisterModal(ports::DialogId id, std::function<void()> run);
  void RunModal(ports::DialogId id) override;

 private:
  struct Entry {
    QPointer<QWidget> window;
    std::function<void()> refresh;
    std::function<void()> runModal;
  };
  static constexpr std::size_t kDialogs = ports::kDialogCount;
  static std::size_t Index(ports::DialogId id) { return static_cast<std::size_t>(id); }

  std::array<Entry, kDialogs> entries_;
};

}  // namespace shell
