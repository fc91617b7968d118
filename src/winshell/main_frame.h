#pragma once

#include <functional>

#include "winshell/win32.h"

namespace winshell {

// The main window: title "Scribix" that never changes, a view of 1200 × 850 at first, no menu,
// tool bar or status bar; the view window fills it.
class CMainFrame {
 public:
  static constexpr int kInitialWidth = 1200;
  static constexpr int kInitialHeight = 850;
  static constexpr wchar_t kTitle[] = L"Scribix";

  CMainFrame();
  ~CMainFrame();
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  // Registers the phone converters of the speech platform, then makes the window, hidden.
  bool Create();
  HWND Handle() const { return window_; }
  // The window that fills the frame's client area.
  void SetView(HWND view);
  // What closing the window with its close box does first (the child's work is saved).
  void SetCloseAction(std::function<void()> action) { closeAction_ = std::move(action); }
  // A timer of the frame's own, apart from the program's timers: fn runs once after ms.
  void After(int ms, std::function<void()> fn);

  // The frame's size for a client area of width × height.
  SIZE OuterSize(int width, int height) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HWND view_ = nullptr;
  std::function<void()> closeAction_;
  std::function<void()> after_;
};

}  // namespace winshell
