#pragma once

#include <QWidget>
#include <memory>

#include "ports/window.h"

namespace app {
class CScribixView;
}

namespace shell {

class CTipWnd;

// The view's window: it forwards the window messages to the program and copies the program's
// back buffer to the screen. It is the program's Window port.
class ScribixViewWidget : public QWidget, public ports::Window {
  Q_OBJECT

 public:
  explicit ScribixViewWidget(QWidget* parent);
  ~ScribixViewWidget() override;

  void Attach(app::CScribixView* view) { view_ = view; }
  CTipWnd* TipWindow() const { return tip_; }

  // ports::Window
  gfx::Size ClientSize() const override;
  void Invalidate(const gfx::Rect& area, bool erase) override;
  void InvalidateAll(bool erase) override;
  void ShowNow(const gfx::Rect& area) override;
  bool IsVisible() const override;
  bool IsMaximised() const override;
  void ResizeMainWindow(int width, int height) override;
  gfx::Size LargestClientSize() const override;
  gfx::Point ClientToScreen(gfx::Point client) const override;
  void ShowTip(gfx::Point screen, const std::string& text) override;
  void EndProgram() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  app::CScribixView* view_ = nullptr;
  CTipWnd* tip_ = nullptr;
  bool showingOnly_ = false;
};

}  // namespace shell
