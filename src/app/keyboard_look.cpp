#include "app/keyboard_look.h"

namespace app {

KeyboardLook::KeyboardLook(base::AppState& state, ports::Window& window, Layout& layout,
                           SettingsFile& settingsFile, CConfigABC& settings,
                           speech::VoiceTable& voices, speech::SpeechEngine& speech,
                           base::Trace& trace, grid::WritingGrid& grid, ShownModule active,
                           Steps steps)
    : state_(state),
      window_(window),
      layout_(layout),
      settingsFile_(settingsFile),
      settings_(settings),
      voices_(voices),
      speech_(speech),
      trace_(trace),
      grid_(grid),
      active_(std::move(active)),
      steps_(std::move(steps)) {}

void KeyboardLook::ApplyKeyboardLook(std::int32_t colourIndex, std::int32_t zoomIndex) {
  if (zoomIndex >= 0) state_.keyboardZoomIndex = zoomIndex;
  if (colourIndex >= 0) state_.keyboardColours = colourIndex;
  // What the child wrote stays through a new look; the start lays the module's text down.
  exercises::WritingModule* writing = KeepsWritingThroughLook() ? active_.writing() : nullptr;
  const exercises::KeptWriting kept =
      writing != nullptr ? writing->KeepWriting() : exercises::KeptWriting{};
  layout_.LoadIcons();
  steps_.buildKeyboard();
  if (writing != nullptr) {
    writing->RefreshLabels();
    writing->RestoreWriting(kept);
  } else {
    steps_.resetGrid();
    active_.module().ApplyKeyboardLook();
  }
  window_.InvalidateAll(true);
}

void KeyboardLook::ApplyKeyboardColours(std::int32_t colourIndex) {
  if (InPuzzle()) {
    KeyboardLookChanged(colourIndex, -1);
    return;
  }
  steps_.resetGrid();
  if (colourIndex >= 0) state_.keyboardColours = colourIndex;
  active_.module().ApplyKeyboardLook();
  window_.InvalidateAll(true);
}

bool KeyboardLook::KeepsWritingThroughLook() const {
  if (SettingsLoading() || InPuzzle()) return false;
  return active_.id() == ModuleId::kListe || state_.itemCount > state_.keyCount;
}

void KeyboardLook::FitWindowToContent() {
  // A grid made larger, or another screen, may leave no room for the zoom in use.
  const std::int32_t fitting = layout_.FittingZoomIndex(layout_.ChosenZoomIndex());
  if (fitting != state_.keyboardZoomIndex && !InPuzzle()) {
    if (!SettingsLoading()) steps_.saveModuleText();
    layout_.SetKeyboardZoom(fitting);
    layout_.LayoutView();
    ApplyKeyboardLook(-1, fitting);
  }
  settings_.ShowZoomInUse(state_.keyboardZoomIndex);
  layout_.FitWindow();
}

void KeyboardLook::KeyboardLookChanged(std::int32_t colourIndex, std::int32_t zoomIndex) {
  if (InPuzzle()) {
    // The puzzle shows no keyboard: the look waits until the puzzle is left.
    if (colourIndex >= 0) state_.keyboardColours = colourIndex;
    if (zoomIndex >= 0) state_.keyboardZoomIndex = zoomIndex;
    pending = true;
    return;
  }
  // The keyboard is made again from the module's file: what the child wrote is kept there first.
  if (!SettingsLoading()) steps_.saveModuleText();
  ApplyKeyboardLook(colourIndex, zoomIndex);
}

bool KeyboardLook::KeyboardZoomChanged(std::int32_t colourIndex, std::int32_t zoomIndex) {
  if (colourIndex >= 0) state_.keyboardColours = colourIndex;
  // The zoom chosen is kept in the settings; the one used is the largest the screen has room
  // for.
  zoomIndex = layout_.FittingZoomIndex(zoomIndex);
  state_.keyboardZoomIndex = zoomIndex;
  if (InPuzzle()) {
    pending = true;
    return false;
  }
  if (!SettingsLoading()) steps_.saveModuleText();
  layout_.SetKeyboardZoom(zoomIndex);
  layout_.LayoutView();
  ApplyKeyboardLook(colourIndex, zoomIndex);
  // The window takes the size of the new zoom.
  FitWindowToContent();
  return true;
}

bool KeyboardLook::GridLinesChanged(std::int32_t lines, bool rebuildKeyboard) {
  state_.gridLines = lines;
  layout_.LayoutView();
  if (active_.id() == ModuleId::kListe || !rebuildKeyboard) return false;
  steps_.buildKeyboard();
  return true;
}

void KeyboardLook::GridColumnsChanged(std::int32_t columns) {
  state_.gridColumns = columns;
  layout_.LayoutView();
}

void KeyboardLook::GridSizeSettled() {
  window_.InvalidateAll(true);
  FitWindowToContent();
}

void KeyboardLook::VoiceChanged(std::int32_t index) {
  speech::SelectVoice(voices_, speech_, trace_, index, settings_.speechRate,
                      settings_.speechVolume);
}

void KeyboardLook::RateChanged(std::int32_t rate) {
  speech::SetSpeechRate(voices_, speech_, rate);
}

void KeyboardLook::VolumeChanged(std::int32_t volume) {
  speech_.SetVolume(volume);
}

void KeyboardLook::SyllablesChanged(bool turnedOn) {
  // While the settings file is read the start reads the exceptions once, after it.
  if (turnedOn && !SettingsLoading() && steps_.readSyllableExceptions) {
    steps_.readSyllableExceptions();
  }
  window_.InvalidateAll(false);
}

void KeyboardLook::AutoPlaceChanged(bool on) {
  settingsFile_.autoPlace = on ? 1 : 0;
  if (SettingsLoading()) return;
  steps_.saveSettings();
  window_.InvalidateAll(true);
  grid_.cursorRect = {};
}

}  // namespace app
