#include "winshell/dialogs/config_abc_window.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "app/config_abc.h"
#include "winshell/dialogs/dialog_ids.h"
#include "winshell/win_dialog_host.h"

namespace winshell {

namespace {

std::vector<std::string> Items(const auto& texts) {
  return {texts.begin(), texts.end()};
}

std::vector<std::string> NumberItems(int count, int first, int step) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back(std::to_string(first + i * step));
  return items;
}

void SetUpSlider(HWND slider, int maximum, int tickInterval, int pageStep) {
  SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, maximum));
  SendMessageW(slider, TBM_SETTICFREQ, tickInterval, 0);
  SendMessageW(slider, TBM_SETPAGESIZE, 0, pageStep);
  SendMessageW(slider, TBM_SETLINESIZE, 0, 1);
}

}  // namespace

CConfigABCWindow::CConfigABCWindow(app::CConfigABC& model, WinDialogHost& host,
                                   ports::Desktop& desktop, std::filesystem::path programFolder,
                                   HINSTANCE instance, HWND owner)
    : model_(model), host_(host), desktop_(desktop), programFolder_(std::move(programFolder)) {
  Create(instance, IDD_SETTINGS, owner);
  if (Handle() != nullptr) {
    host_.Register(ports::DialogId::kSettings, Handle(), [this] { ShowModel(); });
  }
}

CConfigABCWindow::~CConfigABCWindow() {
  host_.Unregister(ports::DialogId::kSettings, Handle());
}

void CConfigABCWindow::OnInit() {
  FillList(IDC_SET_COLOURS, Items(app::CConfigABC::kColourItems));
  FillList(IDC_SET_ZOOM, Items(app::CConfigABC::kZoomItems));
  FillList(IDC_SET_LINES, NumberItems(app::CConfigABC::kLineItems, 1, 1));
  FillList(IDC_SET_CELLS, NumberItems(app::CConfigABC::kCellItems, 2, 2));
  FillList(IDC_SET_SYLLABLE_PAIR, Items(app::CConfigABC::kSyllablePairItems));
  FillList(IDC_SET_REPORT_PERIOD, Items(app::CConfigABC::kReportPeriodItems));
  SetUpSlider(Item(IDC_SET_RATE), 20, 1, 2);
  SetUpSlider(Item(IDC_SET_VOLUME), 100, 10, 10);
  boldFont_ = DerivedFont(Handle(), 1.0, true);
  SendDlgItemMessageW(Handle(), IDC_SET_SOUND_PROBLEM, WM_SETFONT,
                      reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
  ShowModel();
}

void CConfigABCWindow::OnCommand(int id, int code) {
  if (Showing()) return;
  const auto onIndex = [&](void (app::CConfigABC::*handler)(std::int32_t)) {
    if (code == CBN_SELCHANGE) Apply([&] { (model_.*handler)(Selection(id)); });
  };
  const auto onTick = [&](void (app::CConfigABC::*handler)(bool)) {
    if (code == BN_CLICKED) Apply([&] { (model_.*handler)(Ticked(id)); });
  };
  switch (id) {
    case IDC_SET_COLOURS:
      onIndex(&app::CConfigABC::OnColoursChanged);
      break;
    case IDC_SET_ZOOM:
      onIndex(&app::CConfigABC::OnZoomChanged);
      break;
    case IDC_SET_LINES:
      onIndex(&app::CConfigABC::OnLinesChanged);
      break;
    case IDC_SET_CELLS:
      onIndex(&app::CConfigABC::OnCellsChanged);
      break;
    case IDC_SET_VOICE:
      onIndex(&app::CConfigABC::OnVoiceChanged);
      break;
    case IDC_SET_AUTO_PLACE:
      onTick(&app::CConfigABC::OnAutoPlaceClicked);
      break;
    case IDC_SET_NO_SOUNDS:
      onTick(&app::CConfigABC::OnNoSoundsClicked);
      break;
    case IDC_SET_NO_EFFECTS:
      onTick(&app::CConfigABC::OnNoEffectsClicked);
      break;
    case IDC_SET_SYLLABLES:
      onTick(&app::CConfigABC::OnSyllableColoursClicked);
      break;
    case IDC_SET_SYLLABLE_PAIR:
      onIndex(&app::CConfigABC::OnSyllablePairChanged);
      break;
    case IDC_SET_SPLIT_GLIDES:
      onTick(&app::CConfigABC::OnSplitGlidesClicked);
      break;
    case IDC_SET_REPORT_PERIOD:
      onIndex(&app::CConfigABC::OnReportPeriodChanged);
      break;
    case IDC_SET_REPORT:
      if (code == BN_CLICKED) model_.OnReportClicked();
      break;
    case IDC_SET_EXPORT:
      if (code == BN_CLICKED) model_.OnExportClicked();
      break;
    case IDC_SET_ELEVES:
      // The children of the class, in a window of their own.
      if (code == BN_CLICKED) {
        host_.Show(ports::DialogId::kEleves);
        host_.Raise(ports::DialogId::kEleves);
      }
      break;
    case IDC_SET_INSTALL_VOICES:
      if (code == BN_CLICKED) {
        ShowWindow(Handle(), SW_HIDE);
        desktop_.Open(programFolder_ / voiceInstaller_);
      }
      break;
    case IDC_SET_OK:
      if (code == BN_CLICKED) ShowWindow(Handle(), SW_HIDE);
      break;
    default:
      break;
  }
}

void CConfigABCWindow::OnScroll(HWND control) {
  if (Showing()) return;
  // The rate and the volume follow the slider while it moves, not only when it is let go; the
  // messages that leave it where it was change nothing.
  const auto position = static_cast<std::int32_t>(SendMessageW(control, TBM_GETPOS, 0, 0));
  if (control == Item(IDC_SET_RATE) && position != model_.rateSlider) {
    Apply([&] { model_.OnRateMoved(position); });
  } else if (control == Item(IDC_SET_VOLUME) && position != model_.volumeSlider) {
    Apply([&] { model_.OnVolumeMoved(position); });
  }
}

HBRUSH CConfigABCWindow::OnColour(HDC dc, HWND control) {
  if (control != Item(IDC_SET_SOUND_PROBLEM)) return nullptr;
  SetTextColor(dc, RGB(0xB0, 0x00, 0x00));
  SetBkMode(dc, TRANSPARENT);
  return GetSysColorBrush(COLOR_BTNFACE);
}

template <typename Handler>
void CConfigABCWindow::Apply(Handler handler) {
  handler();
  ShowModel();
}

void CConfigABCWindow::ShowPosition(int id, std::int32_t position) {
  const HWND slider = Item(id);
  const auto lowest = static_cast<std::int32_t>(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0));
  const auto highest = static_cast<std::int32_t>(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0));
  const ShowingScope showing(*this);
  SendMessageW(slider, TBM_SETPOS, TRUE, std::clamp(position, lowest, highest));
}

void CConfigABCWindow::ShowNote(int id, const std::string& text) {
  ShowItemText(id, text);
  ShowWindow(Item(id), text.empty() ? SW_HIDE : SW_SHOWNA);
}

void CConfigABCWindow::ShowModel() {
  if (Handle() == nullptr) return;
  ShowSelection(IDC_SET_COLOURS, model_.colourSelection);
  ShowSelection(IDC_SET_ZOOM, model_.zoomSelection);
  ShowSelection(IDC_SET_LINES, model_.linesSelection);
  ShowSelection(IDC_SET_CELLS, model_.cellsSelection);
  if (ListItems(IDC_SET_VOICE) != model_.voiceItems) FillList(IDC_SET_VOICE, model_.voiceItems);
  ShowSelection(IDC_SET_VOICE, model_.voiceSelection);

  ShowPosition(IDC_SET_RATE, model_.rateSlider);
  ShowPosition(IDC_SET_VOLUME, model_.volumeSlider);
  ShowTicked(IDC_SET_AUTO_PLACE, model_.autoPlace);
  ShowTicked(IDC_SET_NO_SOUNDS, model_.noSounds);
  ShowTicked(IDC_SET_NO_EFFECTS, model_.noEffects);
  ShowTicked(IDC_SET_SYLLABLES, model_.syllableLook.on);
  ShowSelection(IDC_SET_SYLLABLE_PAIR, model_.syllableLook.pair);
  ShowTicked(IDC_SET_SPLIT_GLIDES, model_.syllableLook.splitGlides);
  ShowSelection(IDC_SET_REPORT_PERIOD, model_.reportPeriodSelection);
  ShowNote(IDC_SET_ZOOM_NOTE, model_.ZoomNote());
  ShowNote(IDC_SET_SOUND_PROBLEM, model_.soundProblem);
}

}  // namespace winshell
