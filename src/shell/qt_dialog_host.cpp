#include "shell/qt_dialog_host.h"

namespace shell {

void QtDialogHost::BringToFront(const QPointer<QWidget>& window) {
  window->raise();
  window->activateWindow();
}

}  // namespace shell
