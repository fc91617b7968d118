#include "winshell/dialogs/open_list_window.h"

#include <string>
#include <vector>

#include "base/icon_ids.h"
#include "exercises/open_list_dialog.h"
#include "winshell/dialogs/dialog_ids.h"
#include "winshell/win_dialog_host.h"

namespace winshell {

namespace {

constexpr int kButtonPictureSize = 24;
constexpr COLORREF kDialogBlue = RGB(166, 205, 224);

// The picture of a dictation button, beside the box that hides it; none when it cannot be read.
GdiObject<HBITMAP> ButtonPicture(const std::filesystem::path& file) {
  return GdiObject<HBITMAP>(
      static_cast<HBITMAP>(LoadImageW(nullptr, file.wstring().c_str(), IMAGE_BITMAP,
                                      kButtonPictureSize, kButtonPictureSize, LR_LOADFROMFILE)));
}

}  // namespace

COpenList2Window::COpenList2Window(exercises::COpenList2& model, WinDialogHost& host,
                                   HINSTANCE instance, HWND owner,
                                   std::filesystem::path programFolder)
    : model_(model),
      host_(host),
      programFolder_(std::move(programFolder)),
      blue_(CreateSolidBrush(kDialogBlue)) {
  Create(instance, IDD_WORD_LISTS, owner);
  if (Handle() != nullptr) {
    host_.Register(ports::DialogId::kWordLists, Handle(), [this] { ShowModel(); });
  }
}

COpenList2Window::~COpenList2Window() {
  host_.Unregister(ports::DialogId::kWordLists, Handle());
}

void COpenList2Window::OnInit() {
  std::vector<std::string> items(exercises::COpenList2::kAutoAdvanceItems.begin(),
                                 exercises::COpenList2::kAutoAdvanceItems.end());
  FillList(IDC_LIST_AUTO_ADVANCE, items);

  const auto resb = programFolder_ / "resb";
  helpPicture_ = ButtonPicture(resb / base::icons::IconPictureFile(base::icons::PictureWizard));
  solutionPicture_ =
      ButtonPicture(resb / base::icons::IconPictureFile(base::icons::PictureSolution));
  SendDlgItemMessageW(Handle(), IDC_LIST_HELP_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(helpPicture_.get()));
  SendDlgItemMessageW(Handle(), IDC_LIST_SOLUTION_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(solutionPicture_.get()));
  AddTip(IDC_LIST_REVIEW,
         "Les mots qui n'\xE9taient pas justes du premier coup dans les 3 derni\xE8res s\xE9"
         "ances de dict\xE9"
         "e");
  ShowModel();
}

void COpenList2Window::OnCommand(int id, int code) {
  if (Showing()) return;
  switch (id) {
    case IDC_LIST_CLOSE:
      if (code == BN_CLICKED) Apply([&] { model_.OnClose(); });
      break;
    case IDC_LIST_OPEN:
      if (code == BN_CLICKED) Apply([&] { model_.OpenList(); });
      break;
    case IDC_LIST_SAVE:
      if (code == BN_CLICKED) Apply([&] { model_.SaveList(); });
      break;
    case IDC_LIST_REVIEW:
      if (code == BN_CLICKED) Apply([&] { model_.OnReviewClicked(); });
      break;
    case IDC_LIST_ENTRIES:
      // Only what the user types arrives here: the program sets the text while Showing.
      if (code == EN_CHANGE) model_.OnListTextEdited(ItemText(IDC_LIST_ENTRIES));
      break;
    case IDC_LIST_RANDOM:
      if (code == BN_CLICKED) Apply([&] { model_.OnRandomClicked(Ticked(IDC_LIST_RANDOM)); });
      break;
    case IDC_LIST_HIDE_HELP:
      if (code == BN_CLICKED) {
        Apply([&] { model_.OnHideHelpClicked(Ticked(IDC_LIST_HIDE_HELP)); });
      }
      break;
    case IDC_LIST_HIDE_SOLUTION:
      if (code == BN_CLICKED) {
        Apply([&] { model_.OnHideSolutionClicked(Ticked(IDC_LIST_HIDE_SOLUTION)); });
      }
      break;
    case IDC_LIST_AUTO_ADVANCE:
      if (code == CBN_SELCHANGE) {
        Apply([&] { model_.OnAutoAdvanceChanged(Selection(IDC_LIST_AUTO_ADVANCE)); });
      }
      break;
    default:
      break;
  }
}

HBRUSH COpenList2Window::OnColour(HDC dc, HWND control) {
  // The list's box keeps its own white (an edit box asks through another message).
  (void)control;
  SetBkColor(dc, kDialogBlue);
  return blue_.get();
}

template <typename Handler>
void COpenList2Window::Apply(Handler handler) {
  handler();
  ShowModel();
}

void COpenList2Window::ShowModel() {
  if (Handle() == nullptr) return;
  // Only a text the program changed is set again: the user's caret stays where it was.
  ShowItemText(IDC_LIST_ENTRIES, model_.listText);
  ShowTicked(IDC_LIST_RANDOM, model_.randomDraw);
  ShowTicked(IDC_LIST_HIDE_HELP, model_.hideHelp);
  ShowTicked(IDC_LIST_HIDE_SOLUTION, model_.hideSolution);
  ShowSelection(IDC_LIST_AUTO_ADVANCE, model_.autoAdvanceSelection);
}

}  // namespace winshell
