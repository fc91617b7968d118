// Where the grid and the keyboard go, and how the keyboard looks.
#include <algorithm>

#include "app/scribix_view.h"

namespace app {

void CScribixView::LayoutView() {
  const gfx::Size client = platform.window.ClientSize();
  const int w = client.width;

  const int gridWidth = state.gridColumns * state.cellWidth;
  state.gridLeft = gridWidth + 200 > w ? 100 : static_cast<int>((w - gridWidth) * 0.5);

  const double pitch = state.cellHeight + state.lineGap;
  state.keyboardTop = static_cast<int>(state.gridTop + pitch * (state.gridLines + 0.3));
  state.letterKeyboardTop = state.digitKeyboardTop = state.keyboardTop;

  const int baseWidth = state.InMath() ? keyboard::kKeypadWidth : keyboard::kLetterKeyboardWidth;
  const int k = static_cast<int>(state.keyboardZoom * static_cast<float>(baseWidth));
  state.keyboardLeft = k + 200 > w ? 100 : static_cast<int>((w - k) * 0.5);
  state.letterKeyboardLeft = state.digitKeyboardLeft = state.keyboardLeft;

  if (state.InMath()) {
    keyboard::MoveKeypad(state, cells, keys, state.keyboardLeft, state.keyboardTop);
  } else {
    keyboard::MoveLetterKeyboard(state, cells, keys, state.keyboardLeft, state.keyboardTop);
  }
  UpdateIconRects(client);
  // The editor's text goes into the grid again once the writing grid can take it.
}

void CScribixView::FitWindowToContent() {
  if (platform.window.IsMaximised()) return;
  int width = (state.cellWidth + state.columnGap) * state.gridColumns + 200;
  const int keyboardWidth =
      static_cast<int>(static_cast<float>(state.keysPerRow) *
                           (static_cast<float>(keyboard::kKeyPitch) * state.keyboardZoom + 2.0f) +
                       350.0f);
  width = std::max({width, keyboardWidth, 1200});
  const int pitch = state.cellHeight + state.lineGap;
  const int height = state.gridTop + pitch * state.gridLines + pitch * state.keyRows + 100;
  platform.window.ResizeMainWindow(width, height);
  LayoutView();
}

void CScribixView::SetKeyboardZoom(std::int32_t zoomIndex) {
  if (zoomIndex < 0 || zoomIndex >= keyboard::kZoomCount) return;
  state.keyboardZoom = keyboard::kZoomFactors[static_cast<std::size_t>(zoomIndex)];
  state.cellWidth = state.cellHeight =
      static_cast<int>(static_cast<float>(keyboard::kKeySide) * state.keyboardZoom);
  state.halfZoom = state.keyboardZoom * 0.5f;
  state.iconScale = IconScaleForZoom(zoomIndex);
  keyboardPictures.UseZoom(zoomIndex);
}

void CScribixView::BuildKeyboard() {
  // A list without a selection keeps the grid as it is.
  if (settingsDialog.cellsSelection >= 0) state.gridColumns = settingsDialog.cellsSelection * 2 + 2;
  if (settingsDialog.linesSelection >= 0) state.gridLines = settingsDialog.linesSelection + 1;
  state.columnGap = 0;
  state.lineGap = 25;
  LayoutView();
  if (state.InPuzzle()) return;  // the puzzle lays its pieces out itself
  state.keyCount = state.itemCount =
      std::min(state.keysPerRow * state.keyRows, keyboard::kLetterKeys);
  if (state.InMath()) {
    keyboard::LayoutKeypad(state, cells, keys, true);
  } else {
    keyboard::LayoutLetterKeyboard(state, cells, keys, true);
  }
}

namespace {

int CurrentZoomChoice(const speech::CConfigABC& dialog, const AppState& state) {
  return dialog.zoomSelection >= 0 ? dialog.zoomSelection : state.keyboardZoomIndex;
}

}  // namespace

void CScribixView::SetKeyLabels(bool shift, bool signs) {
  const int page = keyboard::LetterPage(shift, signs);
  keyboard::WriteKeyLabels(cells, page);
  const int zoom = CurrentZoomChoice(settingsDialog, state);
  keyboardPictures.UseZoom(zoom);
  puzzleBitmap = keyboardPictures.LetterPicture(zoom, state.keyboardColours, page);
}

void CScribixView::SetKeypadLabels() {
  state.keysPerRow = keyboard::kKeypadColumns;
  state.keyRows = keyboard::kKeypadRows;
  keyboard::WriteKeyLabels(cells, keyboard::PageKeypad);
  const int zoom = CurrentZoomChoice(settingsDialog, state);
  keyboardPictures.UseZoom(zoom);
  puzzleBitmap = keyboardPictures.KeypadPicture(zoom, state.keyboardColours);
}

void CScribixView::ApplyKeyboardLook(std::int32_t colourIndex, std::int32_t zoomIndex) {
  if (zoomIndex >= 0) state.keyboardZoomIndex = zoomIndex;
  if (colourIndex >= 0) state.keyboardColours = colourIndex;
  LoadIcons();
  BuildKeyboard();
  ResetGrid();
  if (state.InMath()) {
    SetKeypadLabels();
    LoadMathText();
  } else {
    SetKeyLabels(keys.shiftOn != 0, keys.signsPageOn != 0);
    LoadFrenchText();
  }
  platform.window.InvalidateAll(true);
}

void CScribixView::ApplyKeyboardColours(std::int32_t colourIndex) {
  ResetGrid();
  if (colourIndex >= 0) state.keyboardColours = colourIndex;
  if (state.InMath()) {
    SetKeypadLabels();
    LoadMathText();
  } else {
    SetKeyLabels(keys.shiftOn != 0, keys.signsPageOn != 0);
    LoadFrenchText();
  }
  platform.window.InvalidateAll(true);
}

void CScribixView::ResetGrid() {
  grid.ResetTextLayers();
  editorDialog.SetTextFromProgram({});
  state.itemCount = state.keyCount;
  grid.cursorCol = grid.cursorRow = 0;
  editorDialog.SetFixedFromProgram(false);
}

gfx::Rect CScribixView::CellRect(int column, int line) const {
  return gfx::Rect::FromSize(state.gridLeft + column * (state.cellWidth + state.columnGap),
                             state.gridTop + line * (state.cellHeight + state.lineGap),
                             state.cellWidth, state.cellHeight);
}

}  // namespace app
