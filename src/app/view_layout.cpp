// Where the grid and the keyboard go, how the keyboard looks, and what the settings dialog
// changes in them.
#include <algorithm>

#include "app/scribix_view.h"

namespace app {

void CScribixView::LayoutView() {
  const gfx::Size client = platform_.window.ClientSize();
  const int w = client.width;

  const int gridWidth = state_.gridColumns * state_.cellWidth;
  state_.gridLeft = gridWidth + 200 > w ? 100 : static_cast<int>((w - gridWidth) * 0.5);

  const double pitch = state_.cellHeight + state_.lineGap;
  state_.keyboardTop = static_cast<int>(state_.gridTop + pitch * (state_.gridLines + 0.3));
  state_.letterKeyboardTop = state_.digitKeyboardTop = state_.keyboardTop;

  const int baseWidth = mathMode() == 1 ? keyboard::kKeypadWidth : keyboard::kLetterKeyboardWidth;
  const int k = static_cast<int>(state_.keyboardZoom * static_cast<float>(baseWidth));
  state_.keyboardLeft = k + 200 > w ? 100 : static_cast<int>((w - k) * 0.5);
  state_.letterKeyboardLeft = state_.digitKeyboardLeft = state_.keyboardLeft;

  Active().MoveKeyboard();
  icons_.UpdateRects(client);
  // The grid shows the editor's text again at its new size.
  if (platform_.window.IsVisible()) {
    if (exercises::WritingModule* writing = Writing()) writing->LayTilesAgain();
  }
}

gfx::Size CScribixView::ContentSize(std::int32_t zoomIndex) const {
  // What the layout puts on the screen at that zoom: the grid, either keyboard in its panel,
  // the trash beside the panel, and every icon in its own place.
  const float zoom = keyboard::kZoomFactors[static_cast<std::size_t>(zoomIndex)];
  const float scale = IconScaleForZoom(zoomIndex);
  const int icon = static_cast<int>(72.0f * scale);
  const int cell = static_cast<int>(static_cast<float>(keyboard::kKeySide) * zoom);
  const int keyPitch = static_cast<int>(static_cast<float>(keyboard::kKeyPitch) * zoom);
  const int keys = static_cast<int>(
      zoom * static_cast<float>(std::max(keyboard::kLetterKeyboardWidth, keyboard::kKeypadWidth)));
  const int panel = keyboard::kFrameMargin;
  const int grid = (cell + state_.columnGap) * state_.gridColumns;
  const int width = std::max({grid + 110, keys + 100 + 2 * panel + icon + 15,
                              keys + 2 * (panel + icon + 15), IconBar::NarrowestWidthAt(scale)});
  const double pitch = cell + state_.lineGap;
  const int keyboardTop = static_cast<int>(state_.gridTop + pitch * (state_.gridLines + 0.3));
  const int rows = std::max(keyboard::kLetterRows, keyboard::kKeypadRows);
  const int height = keyboardTop + (rows - 1) * keyPitch + cell + panel + 5;
  return {width, height};
}

std::int32_t CScribixView::FittingZoomIndex(std::int32_t chosen) const {
  chosen = std::clamp(chosen, 0, keyboard::kZoomCount - 1);
  // The zoom chosen when the screen has room for it, otherwise the largest that fits: the
  // grid, the keyboard and the icons must all be seen and reached.
  const gfx::Size room = platform_.window.LargestClientSize();
  if (room.width <= 0 || room.height <= 0) return chosen;
  for (std::int32_t zoom = chosen; zoom > 0; --zoom) {
    const gfx::Size needed = ContentSize(zoom);
    if (needed.width <= room.width && needed.height <= room.height) return zoom;
  }
  return 0;
}

std::int32_t CScribixView::ChosenZoomIndex() const {
  const std::int32_t chosen = settingsDialog_.zoomSelection;
  return chosen >= 0 && chosen < keyboard::kZoomCount ? chosen : state_.keyboardZoomIndex;
}

void CScribixView::FitWindowToContent() {
  // A grid made larger, or another screen, may leave no room for the zoom in use.
  const std::int32_t fitting = FittingZoomIndex(ChosenZoomIndex());
  if (fitting != state_.keyboardZoomIndex && puzzleMode() == 0) {
    if (!SettingsLoading()) SaveModuleText();
    SetKeyboardZoom(fitting);
    LayoutView();
    ApplyKeyboardLook(-1, fitting);
  }
  settingsDialog_.ShowZoomInUse(state_.keyboardZoomIndex);
  if (platform_.window.IsMaximised()) return;
  int width = (state_.cellWidth + state_.columnGap) * state_.gridColumns + 200;
  const int keyboardWidth =
      static_cast<int>(static_cast<float>(state_.keysPerRow) *
                           (static_cast<float>(keyboard::kKeyPitch) * state_.keyboardZoom + 2.0f) +
                       350.0f);
  width = std::max({width, keyboardWidth, 1200});
  const int pitch = state_.cellHeight + state_.lineGap;
  int height = state_.gridTop + pitch * state_.gridLines + pitch * state_.keyRows + 100;
  // Never larger than the screen has room for: what lies beyond it could not be reached.
  const gfx::Size room = platform_.window.LargestClientSize();
  if (room.width > 0 && room.height > 0) {
    width = std::min(width, room.width);
    height = std::min(height, room.height);
  }
  platform_.window.ResizeMainWindow(width, height);
  LayoutView();
}

void CScribixView::SetKeyboardZoom(std::int32_t zoomIndex) {
  if (zoomIndex < 0 || zoomIndex >= keyboard::kZoomCount) return;
  state_.keyboardZoom = keyboard::kZoomFactors[static_cast<std::size_t>(zoomIndex)];
  state_.cellWidth = state_.cellHeight =
      static_cast<int>(static_cast<float>(keyboard::kKeySide) * state_.keyboardZoom);
  state_.halfZoom = state_.keyboardZoom * 0.5f;
  state_.iconScale = IconScaleForZoom(zoomIndex);
  keyboardPictures_.UseZoom(zoomIndex);
}

void CScribixView::BuildKeyboard() {
  // A list without a selection keeps the grid as it is.
  if (settingsDialog_.cellsSelection >= 0) {
    state_.gridColumns = settingsDialog_.cellsSelection * 2 + 2;
  }
  if (settingsDialog_.linesSelection >= 0) state_.gridLines = settingsDialog_.linesSelection + 1;
  state_.columnGap = 0;
  state_.lineGap = 25;
  LayoutView();
  Active().BuildKeys();
}

void CScribixView::LoadIcons() {
  icons_.Load(platform_.pictures, state_.programFolder, state_.iconScale,
              platform_.window.ClientSize());
  state_.iconSize = icons_.IconSize();
}

void CScribixView::ApplyKeyboardLook(std::int32_t colourIndex, std::int32_t zoomIndex) {
  if (zoomIndex >= 0) state_.keyboardZoomIndex = zoomIndex;
  if (colourIndex >= 0) state_.keyboardColours = colourIndex;
  // What the child wrote stays through a new look; the start lays the module's text down.
  exercises::WritingModule* writing = KeepsWritingThroughLook() ? Writing() : nullptr;
  const exercises::KeptWriting kept =
      writing != nullptr ? writing->KeepWriting() : exercises::KeptWriting{};
  LoadIcons();
  BuildKeyboard();
  if (writing != nullptr) {
    writing->RefreshLabels();
    writing->RestoreWriting(kept);
  } else {
    ResetGrid();
    Active().ApplyKeyboardLook();
  }
  platform_.window.InvalidateAll(true);
}

void CScribixView::ApplyKeyboardColours(std::int32_t colourIndex) {
  if (puzzleMode() == 1) {
    KeyboardLookChanged(colourIndex, -1);
    return;
  }
  ResetGrid();
  if (colourIndex >= 0) state_.keyboardColours = colourIndex;
  Active().ApplyKeyboardLook();
  platform_.window.InvalidateAll(true);
}

void CScribixView::ResetGrid() {
  grid_.ResetTextLayers();
  editorDialog_.SetTextFromProgram({});
  state_.itemCount = state_.keyCount;
  grid_.cursorCol = grid_.cursorRow = 0;
  editorDialog_.SetFixedFromProgram(false);
  grid::FixExercise(grid_, false);
  // The tiles are gone: the screen must not go on showing them.
  platform_.window.InvalidateAll(true);
}

void CScribixView::KeyboardLookChanged(std::int32_t colourIndex, std::int32_t zoomIndex) {
  if (puzzleMode() == 1) {
    // The puzzle shows no keyboard: the look waits until the puzzle is left.
    if (colourIndex >= 0) state_.keyboardColours = colourIndex;
    if (zoomIndex >= 0) state_.keyboardZoomIndex = zoomIndex;
    keyboardLookPending_ = true;
    return;
  }
  // The keyboard is made again from the module's file: what the child wrote is kept there first.
  if (!SettingsLoading()) SaveModuleText();
  ApplyKeyboardLook(colourIndex, zoomIndex);
}

bool CScribixView::KeyboardZoomChanged(std::int32_t colourIndex, std::int32_t zoomIndex) {
  if (colourIndex >= 0) state_.keyboardColours = colourIndex;
  // The zoom chosen is kept in the settings; the one used is the largest the screen has room
  // for.
  zoomIndex = FittingZoomIndex(zoomIndex);
  state_.keyboardZoomIndex = zoomIndex;
  if (puzzleMode() == 1) {
    keyboardLookPending_ = true;
    return false;
  }
  if (!SettingsLoading()) SaveModuleText();
  SetKeyboardZoom(zoomIndex);
  LayoutView();
  ApplyKeyboardLook(colourIndex, zoomIndex);
  // The window takes the size of the new zoom.
  FitWindowToContent();
  return true;
}

bool CScribixView::GridLinesChanged(std::int32_t lines, bool rebuildKeyboard) {
  state_.gridLines = lines;
  LayoutView();
  if (listMode() == 1 || !rebuildKeyboard) return false;
  BuildKeyboard();
  return true;
}

void CScribixView::GridColumnsChanged(std::int32_t columns) {
  state_.gridColumns = columns;
  LayoutView();
}

void CScribixView::GridSizeSettled() {
  platform_.window.InvalidateAll(true);
  FitWindowToContent();
}

void CScribixView::VoiceChanged(std::int32_t index) {
  speech::SelectVoice(voices_, speech_, trace_, index, settingsDialog_.speechRate,
                      settingsDialog_.speechVolume);
}

void CScribixView::RateChanged(std::int32_t rate) {
  speech::SetSpeechRate(voices_, speech_, rate);
}

void CScribixView::VolumeChanged(std::int32_t volume) {
  speech_.SetVolume(volume);
}

void CScribixView::AutoPlaceChanged(bool on) {
  autoPlace_ = on ? 1 : 0;
  if (SettingsLoading()) return;
  WriteSettings();
  platform_.window.InvalidateAll(true);
  grid_.cursorRect = {};
}

}  // namespace app
