// The paint: every screen is composed into the back buffer, then copied to the window.
#include "app/scribix_view.h"

namespace app {

void CScribixView::OnDraw(gfx::Rect clip) {
  keyboard::BuildDrawOrder(cells, state.itemCount, selectedPiece);
  const gfx::Size client = platform.window.ClientSize();
  if (!backBufferValid || backBuffer.GetSize() != client) {
    // After a resize the whole client area is composed once into a new buffer.
    backBuffer = gfx::Image(client.width, client.height);
    backBufferValid = true;
    clip = backBuffer.Bounds();
  }
  gfx::Canvas canvas(backBuffer, clip);
  PaintScreen(canvas);
}

void CScribixView::PaintScreen(gfx::Canvas& canvas) {
  if (state.frenchTextPending == 1) {
    LoadFrenchText();
    state.frenchTextPending = 0;
  }
  const gfx::Size client = platform.window.ClientSize();
  canvas.Fill(gfx::Rect{0, 0, client.width, client.height}, state.backgroundColour);

  DrawGrid(canvas);
  UpdateIconRects(client);
  DrawIcons(canvas);

  if (puzzleBitmap != nullptr) {
    if (!state.InPuzzle() && state.keyboardShown == 1) DrawKeyboardPanel(canvas);
    for (int i = state.keyCount; i < state.itemCount; ++i) FrameMarkedTile(canvas, i);
    DrawItems(canvas);
  } else if (!state.InPuzzle()) {
    // The keyboard picture comes back for the next paint.
    SetKeyLabels(false, false);
  }
}

void CScribixView::ShadesForBackground(gfx::Colour chosen, bool inPuzzle, gfx::Colour& shade1,
                                       gfx::Colour& shade2) {
  auto darker = [](int c, int by) { return c > by ? c - by : 0; };
  shade1 = gfx::Rgb(darker(gfx::Red(chosen), 10), darker(gfx::Green(chosen), 10),
                    darker(gfx::Blue(chosen), 10));
  // Outside the puzzle the keyboard panel leans further from green.
  const int greenStep = inPuzzle ? 10 : 30;
  shade2 = gfx::Rgb(darker(gfx::Red(shade1), 10), darker(gfx::Green(shade1), greenStep),
                    darker(gfx::Blue(shade1), 10));
}

void CScribixView::ChooseBackgroundColour() {
  const auto chosen = platform.dialogs.ChooseColour(state.backgroundColour);
  if (!chosen) return;
  state.backgroundColour = *chosen;
  ShadesForBackground(*chosen, state.InPuzzle(), state.backgroundShade1, state.backgroundShade2);
  WriteSettings();
  platform.window.InvalidateAll(true);
}

int CScribixView::Delay(int ms) {
  // Sleeping, not spinning: the wait is the same and the processor stays free.
  const auto start = platform.clock.NowMs();
  platform.clock.Sleep(ms);
  return static_cast<int>(platform.clock.NowMs() - start);
}

}  // namespace app
