#include "app/config_abc.h"

#include <cstdio>

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

}  // namespace app
