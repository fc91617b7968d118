#include "shell/qt_dialog_host.h"

namespace shell {

void QtDialogHost::Register(ports::DialogId id, QWidget* window, std::function<void()> refresh) {
  Entry& entry = entries_[Index(id)];
  entry.window = window;
  entry.refresh = std::move(refresh);
  // The model may have been set before its window existed.
  if (window != nullptr && entry.refresh) entry.refresh();
}

QWidget* QtDialogHost::Window(ports::DialogId id) const {
  return entries_[Index(id)].window.data();
}

void QtDialogHost::Show(ports::DialogId id) {
  if (QWidget* window = Window(id)) window->show();
}

void QtDialogHost::Hide(ports::DialogId id) {
  if (QWidget* window = Window(id)) window->hide();
}

void QtDialogHost::Raise(ports::DialogId id) {
  QWidget* window = Window(id);
  if (window == nullptr || !window->isVisible()) return;
  window->raise();
  window->activateWindow();
}

bool QtDialogHost::IsVisible(ports::DialogId id) const {
  const QWidget* window = Window(id);
  return window != nullptr && window->isVisible();
}

void QtDialogHost::RegisterModal(ports::DialogId id, std::function<void()> run) {
  entries_[Index(id)].runModal = std::move(run);
}

void QtDialogHost::RunModal(ports::DialogId id) {
  // Copied: the dialog may register again while it runs.
  const std::function<void()> run = entries_[Index(id)].runModal;
  if (run) run();
}

void QtDialogHost::Refresh(ports::DialogId id) {
  const Entry& entry = entries_[Index(id)];
  if (entry.window != nullptr && entry.refresh) entry.refresh();
}

}  // namespace shell
