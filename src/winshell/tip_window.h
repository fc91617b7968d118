#pragma once

#include <string>

#include "winshell/win32.h"

namespace winshell {

// The tooltip that names an icon: pink, with a thin border, dragged by its body and hidden by a
// double click. It never takes the focus from the main window.
class CTipWnd {
 public:
  explicit CTipWnd(HWND owner);
  ~CTipWnd();
  CTipWnd(const CTipWnd&) = delete;
  CTipWnd& operator=(const CTipWnd&) = delete;

  // Shows the text (Windows-1252) at a screen point: 18 pixels below it, with room around the
  // text, kept on the screen.
  void SetTip(POINT screen, const std::string& text);
  void Hide();
  HWND Handle() const { return window_; }
  const std::wstring& TipText() const { return tipText_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  std::wstring tipText_;
  RECT textRect_{};
  POINT dragStart_{};
  bool dragging_ = false;
};

}  // namespace winshell
