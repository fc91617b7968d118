#include "app/config_abc.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "text/cp1252.h"

namespace app {

void CConfigABC::SetDefaults() {
  colourSelection = 0;
  zoomSelection = 0;
  linesSelection = 5;
  cellsSelection = 10;
  rateSlider = 8;
  speechRate = -2;
  volumeSlider = 60;
  speechVolume = 60;
  host_.Refresh(ports::DialogId::kSettings);
}

std::string CConfigABC::SoundProblemText(const std::string& backendNote) {
  // The backend says in its note what it could not open, and the system's reason in brackets.
  const std::string note = text::FromUtf8(backendNote);
  static constexpr std::string_view kNoOutput = "can be opened (";
  if (const auto at = note.find(kNoOutput); at != std::string::npos) {
    const auto from = at + kNoOutput.size();
    const auto to = note.rfind(')');
    const std::string reason =
        to != std::string::npos && to > from ? note.substr(from, to - from) : note.substr(from);
    return "Aucune sortie audio n'a pu \xEAtre ouverte (" + reason +
           ") : Scribix ne parle pas et ne joue aucun son.";
  }
  if (note.empty()) return "Aucune voix de synth\xE8se n'est disponible : Scribix ne parle pas.";
  std::string reason = note;
  if (const auto silent = reason.find("; speech is silent"); silent != std::string::npos) {
    reason.erase(silent);
  }
  return "La synth\xE8se vocale n'a pas pu d\xE9marrer (" + reason + ") : Scribix ne parle pas.";
}

void CConfigABC::SetSoundProblem(const std::string& backendNote) {
  soundProblem = SoundProblemText(backendNote);
  soundOnTip = "Couper le son - " + soundProblem;
  soundOffTip = "R\xE9tablir le son - " + soundProblem;
  host_.Refresh(ports::DialogId::kSettings);
}

void CConfigABC::ShowZoomInUse(std::int32_t used) {
  const std::int32_t shown = used != zoomSelection ? used : -1;
  if (shown == zoomInUse) return;
  zoomInUse = shown;
  host_.Refresh(ports::DialogId::kSettings);
}

std::string CConfigABC::ZoomNote() const {
  if (zoomInUse < 0 || zoomInUse >= static_cast<int>(kZoomItems.size()) || zoomSelection < 0 ||
      zoomSelection >= static_cast<int>(kZoomItems.size())) {
    return {};
  }
  return std::string("Zoom utilis\xE9 : ") + kZoomItems[static_cast<std::size_t>(zoomInUse)] +
         " (l'\xE9"
         "cran est trop petit pour " +
         kZoomItems[static_cast<std::size_t>(zoomSelection)] + ")";
}

void CConfigABC::SetVoices(std::vector<std::string> names, std::int32_t chosen) {
  for (auto& name : names) voiceItems.push_back(std::move(name));
  if (!voiceItems.empty()) voiceSelection = chosen;
  host_.Refresh(ports::DialogId::kSettings);
}

std::int32_t CConfigABC::ValidSelection(std::int32_t item, int itemCount) {
  return item >= 0 && item < itemCount ? item : -1;
}

void CConfigABC::SaveUnlessLoading() {
  if (!actions_.SettingsLoading()) actions_.SaveSettings();
}

void CConfigABC::OnColoursChanged(std::int32_t item) {
  colourSelection = ValidSelection(item, static_cast<int>(kColourItems.size()));
  if (colourSelection < 0) return;
  actions_.KeyboardLookChanged(colourSelection, zoomSelection);
  SaveUnlessLoading();
}

void CConfigABC::OnZoomChanged(std::int32_t item) {
  zoomSelection = ValidSelection(item, static_cast<int>(kZoomItems.size()));
  if (zoomSelection < 0) return;
  if (actions_.KeyboardZoomChanged(colourSelection, zoomSelection)) lastAppliedZoom = zoomSelection;
  SaveUnlessLoading();
}

void CConfigABC::OnLinesChanged(std::int32_t item) {
  linesSelection = ValidSelection(item, kLineItems);
  if (linesSelection < 0) return;
  if (actions_.GridLinesChanged(linesSelection + 1, zoomSelection != lastAppliedZoom)) {
    lastAppliedZoom = zoomSelection;
  }
  if (actions_.SettingsLoading()) return;
  actions_.SaveSettings();
  AfterGridSizeChange();
}

void CConfigABC::OnCellsChanged(std::int32_t item) {
  cellsSelection = ValidSelection(item, kCellItems);
  if (cellsSelection < 0) return;
  actions_.GridColumnsChanged(cellsSelection * 2 + 2);
  if (actions_.SettingsLoading()) return;
  actions_.SaveSettings();
  AfterGridSizeChange();
}

void CConfigABC::AfterGridSizeChange() {
  actions_.GridSizeSettled();
  host_.Raise(ports::DialogId::kSettings);
}

void CConfigABC::OnVoiceChanged(std::int32_t item) {
  voiceSelection = ValidSelection(item, static_cast<int>(voiceItems.size()));
  if (voiceSelection < 0 || voiceSelection == lastAppliedVoice) return;
  lastAppliedVoice = voiceSelection;
  char line[64];
  std::snprintf(line, sizeof line, "combo voice %d\n", voiceSelection);
  actions_.Trace(line);
  actions_.VoiceChanged(voiceSelection);
  SaveUnlessLoading();
}

void CConfigABC::OnRateMoved(std::int32_t position) {
  rateSlider = position < 0 ? 0 : (position > 20 ? 20 : position);
  speechRate = rateSlider - 10;
  actions_.RateChanged(speechRate);
  SaveUnlessLoading();
}

void CConfigABC::OnVolumeMoved(std::int32_t position) {
  volumeSlider = position < 0 ? 0 : (position > 100 ? 100 : position);
  speechVolume = volumeSlider;
  actions_.VolumeChanged(speechVolume);
}

void CConfigABC::OnAutoPlaceClicked(bool ticked) {
  autoPlace = ticked;
  actions_.AutoPlaceChanged(ticked);
}

void CConfigABC::OnNoSoundsClicked(bool ticked) {
  noSounds = ticked;
  SaveUnlessLoading();
}

void CConfigABC::OnNoEffectsClicked(bool ticked) {
  noEffects = ticked;
  SaveUnlessLoading();
}

void CConfigABC::OnSyllableColoursClicked(bool ticked) {
  const bool turnedOn = ticked && !syllableLook.on;
  syllableLook.on = ticked;
  actions_.SyllablesChanged(turnedOn);
  SaveUnlessLoading();
}

void CConfigABC::OnSyllablePairChanged(std::int32_t item) {
  const std::int32_t pair = ValidSelection(item, static_cast<int>(kSyllablePairItems.size()));
  if (pair < 0) return;
  syllableLook.pair = pair;
  actions_.SyllablesChanged(false);
  SaveUnlessLoading();
}

void CConfigABC::OnSplitGlidesClicked(bool ticked) {
  syllableLook.splitGlides = ticked;
  actions_.SyllablesChanged(false);
  SaveUnlessLoading();
}

void CConfigABC::OnReportPeriodChanged(std::int32_t item) {
  reportPeriodSelection = std::clamp(item, 0, 2);
}

void CConfigABC::OnReportClicked() {
  if (showReport) showReport(std::clamp(reportPeriodSelection, 0, 2));
}

void CConfigABC::OnExportClicked() {
  if (exportJournal) exportJournal();
}

}  // namespace app
