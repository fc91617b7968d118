#include "winshell/view_window.h"

#include <windowsx.h>

#include <algorithm>

#include "app/scribix_view.h"
#include "base/mouse_keys.h"
#include "winshell/main_frame.h"
#include "winshell/tip_window.h"

namespace winshell {

namespace {

constexpr wchar_t kClassName[] = L"ScribixView";

// The mouse-key flags of a window message: buttons held and the shift and control keys.
unsigned MouseKeyFlags(WPARAM keys) {
  unsigned flags = 0;
  if (keys & MK_LBUTTON) flags |= base::mouse::kLeftButton;
  if (keys & MK_RBUTTON) flags |= base::mouse::kRightButton;
  if (keys & MK_SHIFT) flags |= base::mouse::kShift;
  if (keys & MK_CONTROL) flags |= base::mouse::kControl;
  if (keys & MK_MBUTTON) flags |= base::mouse::kMiddleButton;
  return flags;
}

gfx::Point PointOf(LPARAM lParam) {
  return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

RECT RectOf(const gfx::Rect& area) {
  return RECT{area.left, area.top, area.right, area.bottom};
}

}  // namespace

ScribixViewWindow::ScribixViewWindow(CMainFrame& frame) : frame_(frame) {}

ScribixViewWindow::~ScribixViewWindow() {
  tip_.reset();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool ScribixViewWindow::Create() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &ScribixViewWindow::Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  if (!GetClassInfoExW(instance, kClassName, &windowClass) && !RegisterClassExW(&windowClass)) {
    return false;
  }
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                            CMainFrame::kInitialWidth, CMainFrame::kInitialHeight, frame_.Handle(),
                            nullptr, instance, this);
  if (window_ == nullptr) return false;
  frame_.SetView(window_);
  return true;
}

gfx::Size ScribixViewWindow::ClientSize() const {
  RECT client{};
  if (window_ != nullptr) GetClientRect(window_, &client);
  return {client.right, client.bottom};
}

void ScribixViewWindow::Invalidate(const gfx::Rect& area, bool /*erase*/) {
  // Every paint composes the whole area again, so erasing first changes nothing.
  if (window_ == nullptr || area.IsEmpty()) return;
  const RECT box = RectOf(area);
  InvalidateRect(window_, &box, FALSE);
}

void ScribixViewWindow::InvalidateAll(bool /*erase*/) {
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void ScribixViewWindow::ShowNow(const gfx::Rect& area) {
  if (window_ == nullptr || area.IsEmpty()) return;
  HDC dc = GetDC(window_);
  CopyBackBuffer(dc, RectOf(area));
  ReleaseDC(window_, dc);
  GdiFlush();
}

bool ScribixViewWindow::IsVisible() const {
  return window_ != nullptr && IsWindowVisible(window_);
}

bool ScribixViewWindow::IsMaximised() const {
  return IsZoomed(frame_.Handle()) != 0;
}

void ScribixViewWindow::ResizeMainWindow(int width, int height) {
  // The view gets width × height, as on the other systems; the frame grows around it. Its
  // top-left stays where it is unless the window would then reach past the screen.
  HWND frame = frame_.Handle();
  const SIZE outer = frame_.OuterSize(width, height);
  RECT place;
  GetWindowRect(frame, &place);
  place.right = place.left + outer.cx;
  place.bottom = place.top + outer.cy;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT area = monitor.rcWork;
    if (place.right > area.right) OffsetRect(&place, area.right - place.right, 0);
    if (place.bottom > area.bottom) OffsetRect(&place, 0, area.bottom - place.bottom);
    if (place.left < area.left) OffsetRect(&place, area.left - place.left, 0);
    if (place.top < area.top) OffsetRect(&place, 0, area.top - place.top);
  }
  SetWindowPos(frame, HWND_TOP, place.left, place.top, outer.cx, outer.cy, 0);
}

gfx::Size ScribixViewWindow::LargestClientSize() const {
  HWND frame = frame_.Handle();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (frame == nullptr ||
      !GetMonitorInfoW(MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return {};
  }
  // Less the frame's border and title; the view fills the rest of the main window.
  const SIZE around = frame_.OuterSize(0, 0);
  return {std::max(0L, monitor.rcWork.right - monitor.rcWork.left - around.cx),
          std::max(0L, monitor.rcWork.bottom - monitor.rcWork.top - around.cy)};
}

gfx::Point ScribixViewWindow::ClientToScreen(gfx::Point client) const {
  POINT p{client.x, client.y};
  if (window_ != nullptr) ::ClientToScreen(window_, &p);
  return {p.x, p.y};
}

void ScribixViewWindow::ShowTip(gfx::Point screen, const std::string& text) {
  if (text.empty()) {
    if (tip_) tip_->Hide();
    return;
  }
  if (!tip_) tip_ = std::make_unique<CTipWnd>(frame_.Handle());
  tip_->SetTip(POINT{screen.x, screen.y}, text);
}

void ScribixViewWindow::EndProgram() {
  // The message loop ends; the work was saved before the child was asked.
  PostQuitMessage(0);
}

void ScribixViewWindow::CopyBackBuffer(HDC dc, const RECT& area) const {
  if (view_ != nullptr) CopyImageToDevice(dc, view_->BackBuffer(), area);
}

void CopyImageToDevice(HDC dc, const gfx::Image& buffer, const RECT& area) {
  if (buffer.IsNull()) return;
  const int left = std::max(0, static_cast<int>(area.left));
  const int top = std::max(0, static_cast<int>(area.top));
  const int right = std::min(buffer.Width(), static_cast<int>(area.right));
  const int bottom = std::min(buffer.Height(), static_cast<int>(area.bottom));
  if (right <= left || bottom <= top) return;
  // Only the rows of the area are handed over, as an image of their own: the source corner of
  // SetDIBitsToDevice counts from the bottom, which systems read differently for top-down rows.
  const int rows = bottom - top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = buffer.Width();
  info.bmiHeader.biHeight = -rows;  // rows top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(right - left), static_cast<DWORD>(rows), left,
                    0, 0, static_cast<UINT>(rows), buffer.Row(top), &info, DIB_RGB_COLORS);
}

void ScribixViewWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  const RECT box = paint.rcPaint;
  if (view_ != nullptr && box.right > box.left && box.bottom > box.top) {
    view_->OnDraw(gfx::Rect{box.left, box.top, box.right, box.bottom});
    CopyBackBuffer(dc, box);
  }
  EndPaint(window_, &paint);
}

LRESULT CALLBACK ScribixViewWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<ScribixViewWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ScribixViewWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    self->window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->OnMessage(message, wParam, lParam);
}

LRESULT ScribixViewWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything it was asked for
    case WM_SIZE:
      if (view_ != nullptr) view_->OnSize();
      return 0;
    case WM_TIMER:
      if (timer_) timer_(wParam);
      return 0;
    case WM_MOUSEMOVE:
      if (view_ != nullptr) view_->OnMouseMove(MouseKeyFlags(wParam), PointOf(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      // A tile dragged past the window's edge still comes back to the program.
      SetCapture(window_);
      if (view_ != nullptr) view_->OnLButtonDown(MouseKeyFlags(wParam), PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window_) ReleaseCapture();
      if (view_ != nullptr) view_->OnLButtonUp(MouseKeyFlags(wParam), PointOf(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      if (view_ != nullptr) view_->OnLButtonDblClk(MouseKeyFlags(wParam), PointOf(lParam));
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

}  // namespace winshell
