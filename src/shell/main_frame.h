#pragma once

#include <QMainWindow>

namespace shell {

// The main window: title "Scribix" that never changes, 1200 × 850, no menu, tool bar or status
// bar; the view fills it.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kInitialWidth = 1200;
  static constexpr int kInitialHeight = 850;

  CMainFrame();

 protected:
  void changeEvent(QEvent* event) override;
};

}  // namespace shell
