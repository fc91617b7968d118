#include "shell/main_frame.h"

#include <QCloseEvent>
#include <QEvent>

#include "platform/voice_backend.h"

namespace shell {

CMainFrame::CMainFrame() {
  platform::RegisterPhoneConverters();
  setWindowTitle(QStringLiteral("Scribix"));
  resize(kInitialWidth, kInitialHeight);
  setMenuBar(nullptr);
  setStatusBar(nullptr);
}

void CMainFrame::changeEvent(QEvent* event) {
  // Nothing may give the window another title.
  if (event->type() == QEvent::WindowTitleChange && windowTitle() != QStringLiteral("Scribix")) {
    setWindowTitle(QStringLiteral("Scribix"));
  }
  QMainWindow::changeEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (closeAction_) closeAction_();
  QMainWindow::closeEvent(event);
}

}  // namespace shell
