#include "app/layout.h"

#include <algorithm>

#include "keyboard/keyboard_layout.h"

namespace app {

Layout::Layout(base::AppState& state, ports::Window& window, ports::Pictures& pictures,
               keyboard::KeyboardPictures& keyboardPictures, IconBar& icons,
               const CConfigABC& settings, ShownModule active)
    : state_(state),
      window_(window),
      pictures_(pictures),
      keyboardPictures_(keyboardPictures),
      icons_(icons),
      settings_(settings),
      active_(std::move(active)) {}

void Layout::LayoutView() {
  const gfx::Size client = window_.ClientSize();
  const int w = client.width;

  const int gridWidth = state_.gridColumns * state_.cellWidth;
  state_.gridLeft = gridWidth + 200 > w ? 100 : static_cast<int>((w - gridWidth) * 0.5);

  const double pitch = state_.cellHeight + state_.lineGap;
  state_.keyboardTop = static_cast<int>(state_.gridTop + pitch * (state_.gridLines + 0.3));
  state_.letterKeyboardTop = state_.digitKeyboardTop = state_.keyboardTop;

  const int baseWidth = active_.id() == ModuleId::kMathematique ? keyboard::kKeypadWidth
                                                                : keyboard::kLetterKeyboardWidth;
  const int k = static_cast<int>(state_.keyboardZoom * static_cast<float>(baseWidth));
  state_.keyboardLeft = k + 200 > w ? 100 : static_cast<int>((w - k) * 0.5);
  state_.letterKeyboardLeft = state_.digitKeyboardLeft = state_.keyboardLeft;

  active_.module().MoveKeyboard();
  icons_.UpdateRects(client);
  // The grid shows the editor's text again at its new size.
  if (window_.IsVisible()) {
    if (exercises::WritingModule* writing = active_.writing()) writing->LayTilesAgain();
  }
}

gfx::Size Layout::ContentSize(std::int32_t zoomIndex) const {
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

std::int32_t Layout::FittingZoomIndex(std::int32_t chosen) const {
  chosen = std::clamp(chosen, 0, keyboard::kZoomCount - 1);
  // The zoom chosen when the screen has room for it, otherwise the largest that fits: the
  // grid, the keyboard and the icons must all be seen and reached.
  const gfx::Size room = window_.LargestClientSize();
  if (room.width <= 0 || room.height <= 0) return chosen;
  for (std::int32_t zoom = chosen; zoom > 0; --zoom) {
    const gfx::Size needed = ContentSize(zoom);
    if (needed.width <= room.width && needed.height <= room.height) return zoom;
  }
  return 0;
}

std::int32_t Layout::ChosenZoomIndex() const {
  const std::int32_t chosen = settings_.zoomSelection;
  return chosen >= 0 && chosen < keyboard::kZoomCount ? chosen : state_.keyboardZoomIndex;
}

void Layout::FitWindow() {
  if (window_.IsMaximised()) return;
  int width = (state_.cellWidth + state_.columnGap) * state_.gridColumns + 200;
  const int keyboardWidth =
      static_cast<int>(static_cast<float>(state_.keysPerRow) *
                           (static_cast<float>(keyboard::kKeyPitch) * state_.keyboardZoom + 2.0f) +
                       350.0f);
  width = std::max({width, keyboardWidth, 1200});
  const int pitch = state_.cellHeight + state_.lineGap;
  int height = state_.gridTop + pitch * state_.gridLines + pitch * state_.keyRows + 100;
  // Never larger than the screen has room for: what lies beyond it could not be reached.
  const gfx::Size room = window_.LargestClientSize();
  if (room.width > 0 && room.height > 0) {
    width = std::min(width, room.width);
    height = std::min(height, room.height);
  }
  window_.ResizeMainWindow(width, height);
  LayoutView();
}

void Layout::SetKeyboardZoom(std::int32_t zoomIndex) {
  if (zoomIndex < 0 || zoomIndex >= keyboard::kZoomCount) return;
  state_.keyboardZoom = keyboard::kZoomFactors[static_cast<std::size_t>(zoomIndex)];
  state_.cellWidth = state_.cellHeight =
      static_cast<int>(static_cast<float>(keyboard::kKeySide) * state_.keyboardZoom);
  state_.iconScale = IconScaleForZoom(zoomIndex);
  keyboardPictures_.UseZoom(zoomIndex);
}

void Layout::LoadIcons() {
  icons_.Load(pictures_, state_.programFolder, state_.iconScale, window_.ClientSize());
}

void Layout::ShadesForBackground(gfx::Colour chosen, bool inPuzzle, gfx::Colour& shade1,
                                 gfx::Colour& shade2) {
  auto darker = [](int c, int by) { return c > by ? c - by : 0; };
  shade1 = gfx::Rgb(darker(gfx::Red(chosen), 10), darker(gfx::Green(chosen), 10),
                    darker(gfx::Blue(chosen), 10));
  // Outside the puzzle the keyboard panel leans further from green.
  const int greenStep = inPuzzle ? 10 : 30;
  shade2 = gfx::Rgb(darker(gfx::Red(shade1), 10), darker(gfx::Green(shade1), greenStep),
                    darker(gfx::Blue(shade1), 10));
}

}  // namespace app
