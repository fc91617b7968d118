#include "speech/config_abc.h"

#include <cstdio>

#include "app/scribix_view.h"
#include "speech/voices.h"

namespace speech {

void CConfigABC::SetDefaults() {
  colourSelection = 0;
  zoomSelection = 0;
  linesSelection = 5;
  cellsSelection = 10;
  rateSlider = 8;
  speechRate = -2;
  volumeSlider = 60;
  speechVolume = 60;
  view_.platform.dialogHost.Refresh(ports::DialogId::kSettings);
}

std::int32_t CConfigABC::ValidSelection(std::int32_t item, int itemCount) {
  return item >= 0 && item < itemCount ? item : -1;
}

void CConfigABC::OnColoursChanged(std::int32_t item) {
  colourSelection = ValidSelection(item, static_cast<int>(kColourItems.size()));
  if (colourSelection < 0) return;
  view_.ApplyKeyboardLook(colourSelection, zoomSelection);
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
}

void CConfigABC::OnZoomChanged(std::int32_t item) {
  zoomSelection = ValidSelection(item, static_cast<int>(kZoomItems.size()));
  if (zoomSelection < 0) return;
  auto& state = view_.state;
  if (colourSelection >= 0) state.keyboardColours = colourSelection;
  state.keyboardZoomIndex = zoomSelection;
  if (!state.InPuzzle()) {
    view_.SetKeyboardZoom(zoomSelection);
    lastAppliedZoom = zoomSelection;
    view_.LayoutView();
    view_.ApplyKeyboardLook(colourSelection, zoomSelection);
  }
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
}

void CConfigABC::OnLinesChanged(std::int32_t item) {
  linesSelection = ValidSelection(item, kLineItems);
  if (linesSelection < 0) return;
  auto& state = view_.state;
  state.gridLines = linesSelection + 1;
  view_.LayoutView();
  if (!state.InList() && zoomSelection != lastAppliedZoom) {
    lastAppliedZoom = zoomSelection;
    view_.BuildKeyboard();
  }
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
  AfterGridSizeChange();
}

void CConfigABC::OnCellsChanged(std::int32_t item) {
  cellsSelection = ValidSelection(item, kCellItems);
  if (cellsSelection < 0) return;
  view_.state.gridColumns = cellsSelection * 2 + 2;
  view_.LayoutView();
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
  AfterGridSizeChange();
}

void CConfigABC::AfterGridSizeChange() {
  view_.platform.window.InvalidateAll(true);
  view_.FitWindowToContent();
  view_.platform.dialogHost.Raise(ports::DialogId::kSettings);
}

void CConfigABC::OnVoiceChanged(std::int32_t item) {
  voiceSelection = ValidSelection(item, static_cast<int>(voiceItems.size()));
  if (voiceSelection < 0 || voiceSelection == lastAppliedVoice) return;
  lastAppliedVoice = voiceSelection;
  char line[64];
  std::snprintf(line, sizeof line, "combo voice %d\n", voiceSelection);
  view_.TraceLine(line);
  SelectVoice(view_, voiceSelection, false);
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
}

void CConfigABC::OnRateMoved(std::int32_t position) {
  rateSlider = position < 0 ? 0 : (position > 20 ? 20 : position);
  speechRate = rateSlider - 10;
  SetSpeechRate(view_, speechRate);
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
}

void CConfigABC::OnVolumeMoved(std::int32_t position) {
  volumeSlider = position < 0 ? 0 : (position > 100 ? 100 : position);
  speechVolume = volumeSlider;
  view_.speech.SetVolume(speechVolume);
}

void CConfigABC::OnAutoPlaceClicked(bool ticked) {
  autoPlace = ticked;
  view_.autoPlace = ticked ? 1 : 0;
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
  view_.platform.window.InvalidateAll(true);
  view_.grid.cursorRect = {};
}

void CConfigABC::OnNoSoundsClicked(bool ticked) {
  noSounds = ticked;
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
}

void CConfigABC::OnNoEffectsClicked(bool ticked) {
  noEffects = ticked;
  if (view_.settingsLoading != 0) return;
  view_.WriteSettings();
}

}  // namespace speech
