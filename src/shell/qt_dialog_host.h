#pragma once

#include <QPointer>
#include <QWidget>

#include "ports/window_dialog_host.h"

namespace shell {

// The Qt windows of the modeless dialogs. Each window registers itself when it is made; a dialog
// that has no window is never shown. A window that is destroyed drops out by itself.
class QtDialogHost : public ports::WindowDialogHost<QPointer<QWidget>> {
 public:
  QWidget* Window(ports::DialogId id) const { return Live(id).data(); }

 private:
  bool IsAlive(const QPointer<QWidget>& window) const override { return !window.isNull(); }
  bool IsShown(const QPointer<QWidget>& window) const override { return window->isVisible(); }
  void MakeShown(const QPointer<QWidget>& window) override { window->show(); }
  void MakeHidden(const QPointer<QWidget>& window) override { window->hide(); }
  void BringToFront(const QPointer<QWidget>& window) override;
};

}  // namespace shell
