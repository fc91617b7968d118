#pragma once

#include <QMainWindow>
#include <functional>

namespace shell {

// The main window: title "Scribix" that never changes, 1200 × 850, no menu, tool bar or status
// bar; the view fills it.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kInitialWidth = 1200;
  static constexpr int kInitialHeight = 850;

  CMainFrame();
  // What closing the window with its close box does first (the child's work is saved).
  void SetCloseAction(std::function<void()> action) { closeAction_ = std::move(action); }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> closeAction_;
};

}  // namespace shell
