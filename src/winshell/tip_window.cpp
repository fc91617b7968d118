#include "winshell/tip_window.h"

#include <windowsx.h>

#include "winshell/win_text.h"

namespace winshell {

namespace {

constexpr wchar_t kClassName[] = L"ScribixTip";

void RegisterTipClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &windowClass)) return;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

CTipWnd::CTipWnd(HWND owner) {
  RegisterTipClass();
  // Arial, or its metric twin, 10 points.
  font_ = CreateFontW(-MulDiv(10, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_SWISS, L"Arial");
  window_ =
      CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, kClassName, L"",
                      WS_POPUP, 0, 0, 100, 100, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CTipWnd::Procedure));
  }
}

CTipWnd::~CTipWnd() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (font_ != nullptr) DeleteObject(font_);
}

void CTipWnd::SetTip(POINT screen, const std::string& text) {
  if (window_ == nullptr) return;
  tipText_ = L" " + Wide(text) + L" ";
  HDC dc = GetDC(window_);
  HGDIOBJ old = SelectObject(dc, font_);
  RECT bounds{0, 0, 0, 0};
  DrawTextW(dc, tipText_.c_str(), static_cast<int>(tipText_.size()), &bounds,
            DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(window_, dc);
  const int w = bounds.right - bounds.left;
  const int h = bounds.bottom - bounds.top;
  // Below the mouse, kept on the screen: near its right edge the tip shifts left, near its
  // bottom it goes above the mouse.
  RECT place{screen.x, screen.y + 18, screen.x + w + 30, screen.y + 18 + h + 20};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromPoint(screen, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT area = monitor.rcWork;
    if (place.right > area.right) OffsetRect(&place, area.right - place.right, 0);
    if (place.bottom > area.bottom) OffsetRect(&place, 0, screen.y - 4 - place.bottom);
    if (place.left < area.left) OffsetRect(&place, area.left - place.left, 0);
    if (place.top < area.top) OffsetRect(&place, 0, area.top - place.top);
  }
  textRect_ = RECT{10, 10, 10 + w, 10 + h};
  SetWindowPos(window_, HWND_TOPMOST, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(window_, nullptr, TRUE);
}

void CTipWnd::Hide() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

LRESULT CALLBACK CTipWnd::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* tip = reinterpret_cast<CTipWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (tip == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return tip->OnMessage(message, wParam, lParam);
}

LRESULT CTipWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_LBUTTONDOWN: {
      // Dragged by its body: the offset of the press inside the tip is kept.
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(window_, &at);
      RECT outer;
      GetWindowRect(window_, &outer);
      dragStart_ = POINT{at.x - outer.left, at.y - outer.top};
      dragging_ = true;
      SetCapture(window_);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (dragging_ && (wParam & MK_LBUTTON)) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(window_, &at);
        SetWindowPos(window_, nullptr, at.x - dragStart_.x, at.y - dragStart_.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return 0;
    case WM_LBUTTONUP:
      dragging_ = false;
      ReleaseCapture();
      return 0;
    case WM_LBUTTONDBLCLK:
      Hide();
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void CTipWnd::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT all;
  GetClientRect(window_, &all);
  HBRUSH pink = CreateSolidBrush(RGB(255, 204, 255));
  FillRect(dc, &all, pink);
  DeleteObject(pink);
  FrameRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HGDIOBJ old = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT box = textRect_;
  DrawTextW(dc, tipText_.c_str(), static_cast<int>(tipText_.size()), &box,
            DT_EXPANDTABS | DT_NOPREFIX | DT_NOCLIP);
  SelectObject(dc, old);
  EndPaint(window_, &paint);
}

}  // namespace winshell
