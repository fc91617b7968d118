// The paint: the state steps first, then every screen is composed into the back buffer, which
// the window copies.
#include "app/scribix_view.h"

namespace app {

void CScribixView::OnDraw(gfx::Rect clip) {
  base::BuildDrawOrder(cells_, state_.itemCount, held_.selectedPiece);
  PreparePaint();
  const gfx::Size client = platform_.window.ClientSize();
  if (!backBufferValid_ || backBuffer_.GetSize() != client) {
    // After a resize the whole client area is composed once into a new buffer.
    backBuffer_ = gfx::Image(client.width, client.height);
    backBufferValid_ = true;
    clip = backBuffer_.Bounds();
  }
  gfx::Canvas canvas(backBuffer_, clip);
  PaintScreen(canvas);
}

void CScribixView::PreparePaint() {
  if (state_.frenchTextPending == 1) {
    french_.LoadText();
    state_.frenchTextPending = 0;
  }
  icons_.UpdateRects(platform_.window.ClientSize());
  Active().PreparePaint();
}

void CScribixView::PaintScreen(gfx::Canvas& canvas) const {
  const gfx::Size client = platform_.window.ClientSize();
  canvas.Fill(gfx::Rect{0, 0, client.width, client.height}, state_.backgroundColour);
  const Module& module = Active();
  module.PaintGrid(canvas);
  icons_.Draw(canvas, IconsShown());
  module.PaintItems(canvas);
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
  const auto chosen = platform_.dialogs.ChooseColour(state_.backgroundColour);
  if (!chosen) return;
  state_.backgroundColour = *chosen;
  ShadesForBackground(*chosen, puzzleMode() == 1, state_.backgroundShade1, state_.backgroundShade2);
  if (settingsLoading_ == 0) {
    // The puzzle keeps the colours too; outside it only they change in its file.
    if (puzzleMode() == 1) {
      puzzle_.SavePuzzleState();
    } else {
      puzzle_.SaveColoursOutsidePuzzle();
    }
  }
  WriteSettings();
  platform_.window.InvalidateAll(true);
}

int CScribixView::Delay(int ms) {
  // Sleeping, not spinning: the wait is the same and the processor stays free.
  const auto start = platform_.clock.NowMs();
  platform_.clock.Sleep(ms);
  return static_cast<int>(platform_.clock.NowMs() - start);
}

}  // namespace app
