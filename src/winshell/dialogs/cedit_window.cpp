#include "winshell/dialogs/cedit_window.h"

#include <richedit.h>

#include <algorithm>

#include "exercises/edit_dialog.h"
#include "winshell/dialogs/dialog_ids.h"
#include "winshell/win_dialog_host.h"

namespace winshell {

namespace {

// The letters a child with dyslexia reads best, at 14 points.
GdiObject<HFONT> ExerciseFont(HWND window) {
  const HDC screen = GetDC(window);
  const int height = -MulDiv(14, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(window, screen);
  return GdiObject<HFONT>(CreateFontW(
      height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
      CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Comic Sans MS"));
}

}  // namespace

CCEditWindow::CCEditWindow(exercises::CCEdit& model, WinDialogHost& host, HINSTANCE instance,
                           HWND owner)
    : model_(model), host_(host) {
  Create(instance, IDD_EDITOR, owner);
  if (Handle() != nullptr) {
    host_.Register(ports::DialogId::kEditor, Handle(), [this] { ShowModel(); });
  }
}

CCEditWindow::~CCEditWindow() {
  host_.Unregister(ports::DialogId::kEditor, Handle());
}

void CCEditWindow::OnInit() {
  using exercises::CCEdit;
  SetWindowTextW(Handle(), Wide(CCEdit::kCaption).c_str());
  const std::pair<int, const char*> texts[] = {{IDC_EDIT_OPEN, CCEdit::kOpen},
                                               {IDC_EDIT_SAVE, CCEdit::kSave},
                                               {IDC_EDIT_CLEAR_ALL, CCEdit::kClearAll},
                                               {IDC_EDIT_LINK, CCEdit::kLink},
                                               {IDC_EDIT_UNLINK, CCEdit::kUnlink},
                                               {IDC_EDIT_HIDE, CCEdit::kHide},
                                               {IDC_EDIT_MAKE_VISIBLE, CCEdit::kMakeVisible},
                                               {IDC_EDIT_FIX, CCEdit::kFix},
                                               {IDC_EDIT_CLOSE, CCEdit::kClose},
                                               {IDC_EDIT_APPLY, CCEdit::kApply},
                                               {IDC_EDIT_LINK_ALL, CCEdit::kLinkAll},
                                               {IDC_EDIT_HIDE_ALL, CCEdit::kHideAll}};
  for (const auto& [id, text] : texts) SetDlgItemTextW(Handle(), id, Wide(text).c_str());

  const HWND box = Item(IDC_EDIT_TEXT);
  // Plain text, set while the box is empty; it reports the teacher's changes and selections.
  SendMessageW(box, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
  SendMessageW(box, EM_EXLIMITTEXT, 0, 1 << 20);
  exerciseFont_ = ExerciseFont(Handle());
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(exerciseFont_.get()), TRUE);
  SendMessageW(box, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
  ShowModel();
}

void CCEditWindow::OnCommand(int id, int code) {
  if (Showing()) return;
  using exercises::CCEdit;
  if (id == IDC_EDIT_TEXT) {
    if (code == EN_CHANGE) TextEdited();
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    // Check boxes that act as push buttons: ticked by the click, unticked again at once.
    case IDC_EDIT_LINK:
      Command(id, &CCEdit::OnLinkClicked);
      break;
    case IDC_EDIT_UNLINK:
      Command(id, &CCEdit::OnUnlinkClicked);
      break;
    case IDC_EDIT_HIDE:
      Command(id, &CCEdit::OnHideClicked);
      break;
    case IDC_EDIT_MAKE_VISIBLE:
      Command(id, &CCEdit::OnMakeVisibleClicked);
      break;
    case IDC_EDIT_LINK_ALL:
      Command(id, &CCEdit::OnLinkAllClicked);
      break;
    case IDC_EDIT_HIDE_ALL:
      Command(id, &CCEdit::OnHideAllClicked);
      break;
    case IDC_EDIT_FIX:
      model_.OnFixClicked(Ticked(IDC_EDIT_FIX));
      ShowModel();
      break;
    case IDC_EDIT_OPEN:
      model_.OnOpenClicked();
      ShowModel();
      break;
    case IDC_EDIT_SAVE:
      model_.OnSaveClicked();
      ShowModel();
      break;
    case IDC_EDIT_CLEAR_ALL:
      Command(0, &CCEdit::OnClearAllClicked);
      break;
    case IDC_EDIT_APPLY:
      Command(0, &CCEdit::OnApplyClicked);
      break;
    case IDC_EDIT_CLOSE:
      model_.OnCloseClicked();
      break;
    default:
      break;
  }
}

void CCEditWindow::OnNotify(const NMHDR& header) {
  if (Showing() || header.idFrom != IDC_EDIT_TEXT || header.code != EN_SELCHANGE) return;
  const auto [start, end] = Selection();
  model_.OnSelectionChanged(start, end);
}

void CCEditWindow::OnCancel() {
  model_.OnCloseClicked();
}

void CCEditWindow::TextEdited() {
  const auto [start, end] = Selection();
  model_.OnTextChanged(ModelText(BoxText()), start, end);
  ShowModel();
}

std::wstring CCEditWindow::BoxText() const {
  const HWND box = Item(IDC_EDIT_TEXT);
  GETTEXTLENGTHEX length{GTL_DEFAULT | GTL_NUMCHARS, 1200};
  const auto count = SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
  if (count <= 0) return {};
  std::wstring text(static_cast<std::size_t>(count) + 1, L'\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  request.flags = GT_DEFAULT;
  request.codepage = 1200;
  const auto got = SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
  return text;
}

std::pair<std::size_t, std::size_t> CCEditWindow::Selection() const {
  CHARRANGE range{};
  SendMessageW(Item(IDC_EDIT_TEXT), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  const std::wstring shown = BoxText();
  return {ModelPosition(shown, std::min(range.cpMin, range.cpMax)),
          ModelPosition(shown, std::max(range.cpMin, range.cpMax))};
}

void CCEditWindow::ShowBoxText(int id, std::string_view text) {
  if (ModelText(id == IDC_EDIT_TEXT ? BoxText() : Wide(ItemText(id))) == text) return;
  const ShowingScope showing(*this);
  SetDlgItemTextW(Handle(), id, ShownText(text).c_str());
}

void CCEditWindow::ShowModel() {
  if (Handle() == nullptr) return;
  const ShowingScope showing(*this);
  const HWND box = Item(IDC_EDIT_TEXT);
  // Wrapping first: the selection is shown in the text as it will be laid out.
  SendMessageW(box, EM_SETTARGETDEVICE, 0, model_.wordWrap ? 0 : 1);
  ShowBoxText(IDC_EDIT_TEXT, model_.text);
  ShowBoxText(IDC_EDIT_LOADED_COPY, model_.loadedCopy);

  CHARRANGE shown{};
  SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&shown));
  CHARRANGE wanted{ShownPosition(model_.text, model_.selectionStart),
                   ShownPosition(model_.text, model_.selectionEnd)};
  if (shown.cpMin != wanted.cpMin || shown.cpMax != wanted.cpMax) {
    SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&wanted));
  }
  ShowTicked(IDC_EDIT_FIX, model_.fixed);
}

void CCEditWindow::Command(int box, void (exercises::CCEdit::*handler)()) {
  if (box != 0) {
    // A check box that acts as a button does not stay ticked; the command works on the selection.
    ShowTicked(box, false);
    const auto [start, end] = Selection();
    model_.OnSelectionChanged(start, end);
  }
  (model_.*handler)();
  ShowModel();
}

std::wstring CCEditWindow::ShownText(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines += '\r';
    } else {
      lines += text[i];
    }
  }
  return Wide(lines);
}

std::string CCEditWindow::ModelText(std::wstring_view shown) {
  const std::string text = Narrow(shown);
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      // One break, however the box or the clipboard spelt it.
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::size_t CCEditWindow::ModelPosition(std::wstring_view shown, long position) {
  const std::size_t count =
      std::min(static_cast<std::size_t>(std::max(position, 0L)), shown.size());
  return ModelText(shown.substr(0, count)).size();
}

long CCEditWindow::ShownPosition(std::string_view text, std::size_t position) {
  return static_cast<long>(ShownText(text.substr(0, std::min(position, text.size()))).size());
}

}  // namespace winshell
