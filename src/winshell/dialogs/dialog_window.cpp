#include "winshell/dialogs/dialog_window.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "text/cp1252.h"

namespace winshell {

std::wstring Wide(std::string_view cp1252) {
  const std::u16string utf16 = text::ToUtf16(cp1252);
  return {utf16.begin(), utf16.end()};
}

std::string Narrow(std::wstring_view utf16) {
  const std::u16string units(utf16.begin(), utf16.end());
  return text::FromUtf16(units);
}

GdiObject<HFONT> DerivedFont(HWND window, double scale, bool bold) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW description{};
  if (GetObjectW(font, sizeof description, &description) == 0) return nullptr;
  description.lfHeight = static_cast<LONG>(description.lfHeight * scale);
  if (bold) description.lfWeight = FW_BOLD;
  return GdiObject<HFONT>(CreateFontIndirectW(&description));
}

DialogWindow::~DialogWindow() {
  if (window_ != nullptr && !modal_) {
    // No more messages for an object that is going.
    SetWindowLongPtrW(window_, DWLP_USER, 0);
    DestroyWindow(window_);
  }
}

void DialogWindow::Create(HINSTANCE instance, int templateId, HWND owner) {
  modal_ = false;
  CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), owner, &DialogWindow::Procedure,
                     reinterpret_cast<LPARAM>(this));
}

void DialogWindow::RunModal(HINSTANCE instance, int templateId, HWND owner) {
  modal_ = true;
  DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, &DialogWindow::Procedure,
                  reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
}

void DialogWindow::EndModal() {
  if (window_ != nullptr) EndDialog(window_, IDOK);
}

namespace {

// The tool of a control in the dialog's tips; the size an older common-controls library knows.
TTTOOLINFOW ControlTool(HWND dialog, HWND control) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace

void DialogWindow::AddTip(int id, std::string_view cp1252) {
  if (window_ == nullptr || Item(id) == nullptr) return;
  if (tips_ == nullptr) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    if (tips_ == nullptr) return;
    // Long tips break into lines.
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
  }
  std::wstring text = Wide(cp1252);
  TTTOOLINFOW tool = ControlTool(window_, Item(id));
  tool.lpszText = text.data();
  SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string DialogWindow::TipText(int id) const {
  if (tips_ == nullptr) return {};
  wchar_t text[512] = {};
  TTTOOLINFOW tool = ControlTool(window_, Item(id));
  tool.lpszText = text;
  SendMessageW(tips_, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  return Narrow(text);
}

void DialogWindow::OnCancel() {
  ShowWindow(window_, SW_HIDE);
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<DialogWindow*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
    self->OnInit();
    return TRUE;
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  return self->Dispatch(message, wParam, lParam);
}

INT_PTR DialogWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      OnCommand(id, code);
      return TRUE;
    }
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return FALSE;
    case WM_HSCROLL:
      if (lParam != 0) OnScroll(reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_CLOSE:
      OnCancel();
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const HWND control = message == WM_CTLCOLORDLG ? window_ : reinterpret_cast<HWND>(lParam);
      return reinterpret_cast<INT_PTR>(OnColour(reinterpret_cast<HDC>(wParam), control));
    }
    default:
      return FALSE;
  }
}

std::string DialogWindow::ItemText(int id) const {
  const HWND control = Item(id);
  if (control == nullptr) return {};
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  const int got = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return Narrow(text);
}

void DialogWindow::ShowItemText(int id, std::string_view cp1252) {
  if (ItemText(id) == cp1252) return;
  const ShowingScope showing(*this);
  SetDlgItemTextW(window_, id, Wide(cp1252).c_str());
}

bool DialogWindow::Ticked(int id) const {
  return IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

void DialogWindow::ShowTicked(int id, bool ticked) {
  const ShowingScope showing(*this);
  CheckDlgButton(window_, id, ticked ? BST_CHECKED : BST_UNCHECKED);
}

std::int32_t DialogWindow::Selection(int id) const {
  const LRESULT item = SendDlgItemMessageW(window_, id, CB_GETCURSEL, 0, 0);
  return item == CB_ERR ? -1 : static_cast<std::int32_t>(item);
}

void DialogWindow::ShowSelection(int id, std::int32_t item) {
  const LRESULT count = SendDlgItemMessageW(window_, id, CB_GETCOUNT, 0, 0);
  const WPARAM shown =
      item >= 0 && item < count ? static_cast<WPARAM>(item) : static_cast<WPARAM>(-1);
  const ShowingScope showing(*this);
  SendDlgItemMessageW(window_, id, CB_SETCURSEL, shown, 0);
}

void DialogWindow::FillList(int id, const std::vector<std::string>& items) {
  const ShowingScope showing(*this);
  SendDlgItemMessageW(window_, id, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    const std::wstring text = Wide(item);
    SendDlgItemMessageW(window_, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

std::vector<std::string> DialogWindow::ListItems(int id) const {
  std::vector<std::string> items;
  const LRESULT count = SendDlgItemMessageW(window_, id, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendDlgItemMessageW(window_, id, CB_GETLBTEXTLEN, i, 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    const LRESULT got =
        SendDlgItemMessageW(window_, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    items.push_back(Narrow(text));
  }
  return items;
}

}  // namespace winshell
