#include "winshell/main_frame.h"

#include <cwchar>

#include "platform/voice_backend.h"

namespace winshell {

namespace {

constexpr wchar_t kClassName[] = L"ScribixFrame";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr UINT_PTR kAfterTimer = 1;

}  // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool CMainFrame::Create() {
  platform::RegisterPhoneConverters();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &CMainFrame::Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(128));
  if (windowClass.hIcon == nullptr) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  if (!GetClassInfoExW(instance, kClassName, &windowClass) && !RegisterClassExW(&windowClass)) {
    return false;
  }
  const SIZE outer = OuterSize(kInitialWidth, kInitialHeight);
  window_ = CreateWindowExW(0, kClassName, kTitle, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                            outer.cy, nullptr, nullptr, instance, this);
  return window_ != nullptr;
}

SIZE CMainFrame::OuterSize(int width, int height) const {
  RECT box{0, 0, width, height};
  AdjustWindowRectEx(&box, kStyle, FALSE, 0);
  return SIZE{box.right - box.left, box.bottom - box.top};
}

void CMainFrame::SetView(HWND view) {
  view_ = view;
  RECT client;
  GetClientRect(window_, &client);
  MoveWindow(view_, 0, 0, client.right, client.bottom, FALSE);
}

void CMainFrame::After(int ms, std::function<void()> fn) {
  after_ = std::move(fn);
  SetTimer(window_, kAfterTimer, static_cast<UINT>(ms), nullptr);
}

LRESULT CALLBACK CMainFrame::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* frame =
        static_cast<CMainFrame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    frame->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
  }
  auto* frame = reinterpret_cast<CMainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (frame == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    frame->window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return frame->OnMessage(message, wParam, lParam);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (view_ != nullptr) MoveWindow(view_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (view_ != nullptr) SetFocus(view_);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the view covers it all
    case WM_SETTEXT:
      // Nothing may give the window another title.
      if (lParam != 0 && std::wcscmp(reinterpret_cast<const wchar_t*>(lParam), kTitle) != 0) {
        return DefWindowProcW(window_, message, wParam, reinterpret_cast<LPARAM>(kTitle));
      }
      break;
    case WM_TIMER:
      if (wParam == kAfterTimer) {
        KillTimer(window_, kAfterTimer);
        if (after_) {
          const auto fn = std::move(after_);
          after_ = nullptr;
          fn();
        }
        return 0;
      }
      break;
    case WM_CLOSE:
      if (closeAction_) closeAction_();
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace winshell
