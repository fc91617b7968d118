#pragma once

#include <functional>
#include <memory>

#include "gfx/image.h"
#include "ports/window.h"
#include "winshell/win32.h"

namespace app {
class CScribixView;
}

namespace winshell {

class CMainFrame;
class CTipWnd;

// The view's window: it forwards the window messages to the program and copies the program's
// back buffer to the screen. It is the program's Window port.
class ScribixViewWindow : public ports::Window {
 public:
  explicit ScribixViewWindow(CMainFrame& frame);
  ~ScribixViewWindow() override;
  ScribixViewWindow(const ScribixViewWindow&) = delete;
  ScribixViewWindow& operator=(const ScribixViewWindow&) = delete;

  // Made as the frame's child; the program's messages go nowhere until a view is attached.
  bool Create();
  void Attach(app::CScribixView* view) { view_ = view; }
  // Where WM_TIMER goes: the program's timers.
  void OnTimerMessage(std::function<void(UINT_PTR)> handler) { timer_ = std::move(handler); }
  HWND Handle() const { return window_; }
  CTipWnd* TipWindow() const { return tip_.get(); }

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

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  // Copies a rectangle of the back buffer to the window's device context.
  void CopyBackBuffer(HDC dc, const RECT& area) const;

  CMainFrame& frame_;
  HWND window_ = nullptr;
  app::CScribixView* view_ = nullptr;
  std::function<void(UINT_PTR)> timer_;
  std::unique_ptr<CTipWnd> tip_;
};

// Copies the part of an image inside area to the same place of a device context.
void CopyImageToDevice(HDC dc, const gfx::Image& image, const RECT& area);

}  // namespace winshell
