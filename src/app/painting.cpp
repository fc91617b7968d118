// The paint: the state steps first, then every screen is composed into the back buffer, which
// the window copies.
#include "app/scribix_view.h"

namespace app {

void CScribixView::OnDraw(gfx::Rect clip) {
  // A dialog sets things moving through the models it changes; the paint that follows sees it.
  AfterMessage after{*this};
  base::BuildDrawOrder(board_.cells, state_.itemCount, board_.held.selectedPiece);
  PreparePaint();
  const gfx::Size client = platform_.window.ClientSize();
  if (!backBuffer_.valid || backBuffer_.image.GetSize() != client) {
    // After a resize the whole client area is composed once into a new buffer.
    backBuffer_.image = gfx::Image(client.width, client.height);
    backBuffer_.valid = true;
    clip = backBuffer_.image.Bounds();
  }
  gfx::Canvas canvas(backBuffer_.image, clip);
  PaintScreen(canvas);
}

void CScribixView::PreparePaint() {
  if (state_.frenchTextPending == 1) {
    modules_.french.LoadText();
    state_.frenchTextPending = 0;
  }
  icons_.UpdateRects(platform_.window.ClientSize());
  modules_.switcher.Active().PreparePaint();
}

void CScribixView::PaintScreen(gfx::Canvas& canvas) const {
  const gfx::Size client = platform_.window.ClientSize();
  canvas.Fill(gfx::Rect{0, 0, client.width, client.height}, state_.backgroundColour);
  const Module& module = modules_.switcher.Active();
  module.PaintGrid(canvas);
  icons_.Draw(canvas, IconsShown());
  module.PaintItems(canvas);
}

void CScribixView::ChooseBackgroundColour() {
  const auto chosen = platform_.dialogs.ChooseColour(state_.backgroundColour);
  if (!chosen) return;
  state_.backgroundColour = *chosen;
  Layout::ShadesForBackground(*chosen, ActiveModule() == ModuleId::kPuzzle, state_.backgroundShade1,
                              state_.backgroundShade2);
  if (settingsFile_.loading == 0) {
    // The puzzle keeps the colours too; outside it only they change in its file.
    if (ActiveModule() == ModuleId::kPuzzle) {
      modules_.puzzle.SavePuzzleState();
    } else {
      modules_.puzzle.SaveColoursOutsidePuzzle();
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
