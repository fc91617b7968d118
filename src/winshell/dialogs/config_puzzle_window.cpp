#include "winshell/dialogs/config_puzzle_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "puzzle/config_puzzle.h"
#include "winshell/dialogs/dialog_ids.h"
#include "winshell/win_dialog_host.h"

namespace winshell {

namespace {

constexpr int kPiecesLength = 12;

}  // namespace

CConfigPuzzleWindow::CConfigPuzzleWindow(puzzle::CConfigPuzzle& model, WinDialogHost& host,
                                         HINSTANCE instance, HWND owner)
    : model_(model), host_(host) {
  Create(instance, IDD_PUZZLE_SETTINGS, owner);
  if (Handle() != nullptr) {
    host_.Register(ports::DialogId::kPuzzleSettings, Handle(), [this] { ShowModel(); });
  }
}

CConfigPuzzleWindow::~CConfigPuzzleWindow() {
  host_.Unregister(ports::DialogId::kPuzzleSettings, Handle());
}

void CConfigPuzzleWindow::OnInit() {
  SetWindowTextW(Handle(), Wide(puzzle::CConfigPuzzle::kCaption).c_str());
  const std::vector<std::string> zooms(puzzle::CConfigPuzzle::kZoomItems.begin(),
                                       puzzle::CConfigPuzzle::kZoomItems.end());
  FillList(IDC_PUZ_ZOOM, zooms);
  FillList(IDC_PUZ_MODEL_ZOOM, zooms);
  SendDlgItemMessageW(Handle(), IDC_PUZ_PIECES, EM_LIMITTEXT, kPiecesLength, 0);
  ShowModel();
}

void CConfigPuzzleWindow::OnCommand(int id, int code) {
  if (Showing()) return;
  switch (id) {
    case IDC_PUZ_PIECES:
      if (code == EN_CHANGE) {
        model_.OnPiecesTextChanged(ItemText(IDC_PUZ_PIECES));
        ShowModel();
      }
      break;
    case IDC_PUZ_ZOOM:
      if (code == CBN_SELCHANGE) {
        model_.OnPuzzleZoomSelected(Selection(IDC_PUZ_ZOOM));
        ShowModel();
      }
      break;
    case IDC_PUZ_MODEL_ZOOM:
      if (code == CBN_SELCHANGE) {
        model_.OnModelZoomSelected(Selection(IDC_PUZ_MODEL_ZOOM));
        ShowModel();
      }
      break;
    case IDC_PUZ_NO_AUTO_PLACE:
      if (code == BN_CLICKED) model_.OnNoAutoPlaceClicked(Ticked(id));
      break;
    case IDC_PUZ_HIDE_SOLUTION:
      if (code == BN_CLICKED) model_.OnHideSolutionClicked(Ticked(id));
      break;
    case IDC_PUZ_NO_SOUNDS:
      if (code == BN_CLICKED) model_.OnNoSoundsClicked(Ticked(id));
      break;
    case IDC_PUZ_NO_EFFECTS:
      if (code == BN_CLICKED) model_.OnNoEffectsClicked(Ticked(id));
      break;
    case IDC_PUZ_CLOSE:
      if (code == BN_CLICKED) ShowWindow(Handle(), SW_HIDE);
      break;
    default:
      break;
  }
}

void CConfigPuzzleWindow::ShowModel() {
  if (Handle() == nullptr) return;
  if (ItemText(IDC_PUZ_PIECES) != model_.piecesText) {
    // The caret stays where the teacher was typing, or at the end of a shorter text.
    DWORD start = 0;
    DWORD end = 0;
    SendDlgItemMessageW(Handle(), IDC_PUZ_PIECES, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    ShowItemText(IDC_PUZ_PIECES, model_.piecesText);
    const auto caret = std::min<DWORD>(end, static_cast<DWORD>(model_.piecesText.size()));
    SendDlgItemMessageW(Handle(), IDC_PUZ_PIECES, EM_SETSEL, caret, caret);
  }
  ShowSelection(IDC_PUZ_ZOOM, model_.puzzleZoomSelection);
  ShowSelection(IDC_PUZ_MODEL_ZOOM, model_.modelZoomSelection);
  ShowTicked(IDC_PUZ_NO_AUTO_PLACE, model_.noAutoPlace);
  ShowTicked(IDC_PUZ_HIDE_SOLUTION, model_.hideSolution);
  ShowTicked(IDC_PUZ_NO_SOUNDS, model_.noSounds);
  ShowTicked(IDC_PUZ_NO_EFFECTS, model_.noEffects);
}

}  // namespace winshell
