#include "winshell/dialogs/voice_warning_window.h"

#include <string>

#include "winshell/dialogs/dialog_ids.h"

namespace winshell {

namespace {

// A static control breaks its lines at CR LF.
std::string WithBreaks(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

CAvert2Window::CAvert2Window(speech::CAvert2& model, ports::Desktop& desktop, ports::Clock& clock,
                             ports::Window& mainWindow)
    : model_(model), desktop_(desktop), clock_(clock), mainWindow_(mainWindow) {}

void CAvert2Window::Run(HINSTANCE instance, HWND owner) {
  RunModal(instance, IDD_VOICE_WARNING, owner);
}

void CAvert2Window::OnInit() {
  using speech::CAvert2;
  SetWindowTextW(Handle(), Wide(CAvert2::kCaption).c_str());
  SetDlgItemTextW(Handle(), IDC_WARN_MESSAGE, Wide(WithBreaks(model_.Message())).c_str());
  SetDlgItemTextW(Handle(), IDC_WARN_INSTALL, Wide(CAvert2::kInstallButton).c_str());
  SetDlgItemTextW(Handle(), IDC_WARN_RESTART, Wide(CAvert2::kRestartLabel).c_str());
  SetDlgItemTextW(Handle(), IDC_WARN_NEVER, Wide(CAvert2::kDontShowAgain).c_str());
  SetDlgItemTextW(Handle(), IDC_WARN_CLOSE, Wide(CAvert2::kClose).c_str());
  bigFont_ = DerivedFont(Handle(), 1.3, false);
  SendDlgItemMessageW(Handle(), IDC_WARN_MESSAGE, WM_SETFONT,
                      reinterpret_cast<WPARAM>(bigFont_.get()), FALSE);
  ShowTicked(IDC_WARN_NEVER, model_.dontShowAgain);
}

void CAvert2Window::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDC_WARN_INSTALL:
      EndModal();
      model_.OnInstallClicked(desktop_, clock_, mainWindow_);
      break;
    case IDC_WARN_NEVER:
      model_.OnDontShowAgainClicked();
      break;
    case IDC_WARN_CLOSE:
      EndModal();
      break;
    default:
      break;
  }
}

HBRUSH CAvert2Window::OnColour(HDC dc, HWND control) {
  if (control != Item(IDC_WARN_MESSAGE)) return nullptr;
  SetTextColor(dc, RGB(0x1F, 0x3F, 0xBF));
  SetBkMode(dc, TRANSPARENT);
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace winshell
