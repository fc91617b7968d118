// What the child does with the pieces: pick one up, drag it, drop it home, let the program bring
// it home, scatter them all, ask for the solution.
#include <algorithm>

#include "base/carry_home.h"
#include "puzzle/puzzle_module.h"
#include "text/cp1252.h"

namespace puzzle {

namespace {

gfx::Rect PieceRect(const base::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

}  // namespace

void PuzzleModule::SelectPieceAt(gfx::Point point) {
  const int hit = HitTestPiece(ctx_.cells, PieceCount(), point);
  ctx_.held.selectedPiece = hit;
  heldWasHome_ = false;
  if (hit >= 0) {
    heldWasHome_ = ctx_.cells[hit].placed == 1;
    ctx_.cells[hit].placed = 0;
  }
}

gfx::Rect PuzzleModule::PickUpSelected(std::uint32_t flags, gfx::Point point) {
  base::HeldRecord& held = ctx_.held;
  const int i = held.selectedPiece;
  if (i < 0 || i >= PieceCount()) return {};
  base::CellRecord& r = ctx_.cells[i];
  held.grabOffset = {point.x - r.posX, point.y - r.posY};
  r.glyph = r.glyphAlt = 0;
  held.pickFlags = flags;
  held.dragRect = gfx::Rect::FromSize(r.posX, r.posY, ctx_.state.cellWidth, ctx_.state.cellHeight);
  return held.dragRect;
}

gfx::Rect PuzzleModule::OnLButtonDown(std::uint32_t flags, gfx::Point point, int /*hit*/) {
  SelectPieceAt(point);
  return PickUpSelected(flags, point);
}

gfx::Rect PuzzleModule::DragPiece(std::uint32_t flags, gfx::Point point) {
  base::HeldRecord& held = ctx_.held;
  const int i = held.selectedPiece;
  // Another button or modifier key than at the pick-up: the piece waits.
  if (i < 0 || i >= PieceCount() || flags != held.pickFlags) return {};
  base::CellRecord& r = ctx_.cells[i];
  const int dx = point.x - r.posX - held.grabOffset.x;
  const int dy = point.y - r.posY - held.grabOffset.y;
  const gfx::Rect before = held.dragRect.Inflated(5, 5);
  r.posX += dx;
  r.posY += dy;
  held.dragRect = held.dragRect.Offset(dx, dy);
  return held.dragRect.Union(before);
}

gfx::Rect PuzzleModule::OnMouseMove(std::uint32_t flags, gfx::Point point) {
  return DragPiece(flags, point);
}

void PuzzleModule::DropPiece(gfx::Point /*point*/) {
  base::HeldRecord& held = ctx_.held;
  const int i = held.selectedPiece;
  if (i < 0 || i >= PieceCount()) {
    held.selectedPiece = -1;
    return;
  }
  base::CellRecord& r = ctx_.cells[i];
  const bool wasHome = heldWasHome_;
  heldWasHome_ = false;
  if (NearHome(r)) {
    const int dx = r.homeX - r.posX;
    const int dy = r.homeY - r.posY;
    r.posX = r.homeX;
    r.posY = r.homeY;
    r.placed = 1;
    const gfx::Rect before = held.dragRect.Inflated(5, 5);
    held.selectedPiece = -1;
    // A piece counts once: one taken from its home and put back was counted already, and the
    // puzzle it completes was complete before.
    if (!wasHome) {
      ++placedCount;
      NoteIfComplete();
      if (CountPiecesHome(ctx_.cells, PieceCount()) == ctx_.state.keyCount) {
        ctx_.playSound(PuzzleSound::kApplause);
        ShowFireworks();
      }
    }
    Invalidate(held.dragRect.Offset(dx, dy).Union(before), true);
    Invalidate(kCounterStrip, true);
  } else {
    r.placed = 0;
    if (wasHome) {
      // Taken away from its home, the piece is no longer placed.
      placedCount = std::max(placedCount - 1, 0);
      helpedCount = std::min(helpedCount, placedCount);
      Invalidate(kCounterStrip, true);
    }
    // Let go outside the window, the piece would be lost to the child: it stays inside.
    const gfx::Size client = ctx_.platform.window.ClientSize();
    const int x = std::max(0, std::min(r.posX, client.width - r.width));
    const int y = std::max(0, std::min(r.posY, client.height - r.height));
    if (x != r.posX || y != r.posY) {
      Invalidate(PieceRect(r).Inflated(5, 5), true);
      r.posX = x;
      r.posY = y;
    }
    // Let go, the piece has its edge again.
    Invalidate(held.dragRect, false);
    Invalidate(PieceRect(r).Inflated(5, 5), false);
  }
  held.selectedPiece = -1;
}

void PuzzleModule::KeepLoosePiecesInside() {
  // A puzzle left in a larger window: the pieces lying beyond this one come back into it.
  const gfx::Size client = ctx_.platform.window.ClientSize();
  for (int i = 0; i < PieceCount(); ++i) {
    base::CellRecord& r = ctx_.cells[i];
    if (r.placed == 1 || r.settled == 0) continue;
    r.posX = std::max(0, std::min(r.posX, client.width - r.width));
    r.posY = std::max(0, std::min(r.posY, client.height - r.height));
  }
}

void PuzzleModule::OnLButtonUp(std::uint32_t /*flags*/, gfx::Point point) {
  if (ctx_.held.selectedPiece >= 0) DropPiece(point);
}

void PuzzleModule::ShowFireworks() {
  if (ctx_.dialog.noEffects) return;
  ctx_.showFireworks();
}

void PuzzleModule::PlacePieceAutomatically(gfx::Point point) {
  if (!active_ || ctx_.dialog.noAutoPlace) return;
  const int count = PieceCount();
  int i = HitTestPiece(ctx_.cells, count, point);
  if (i < 0) {
    // An empty home place brings the piece that belongs there, from wherever it lies.
    const int cell = HomeCellAt(cut_, kHomeOrigin, point);
    if (cell < 0) return;
    for (int k = 0; k < count && i < 0; ++k) {
      if (ctx_.cells[k].sourceKey == cell) i = k;
    }
    if (i < 0) return;
  }
  base::CellRecord& r = ctx_.cells[i];
  // At home, or on its way there already: it was counted.
  if (r.placed == 1 || r.settled == 0) return;
  r.settled = 0;
  AnimatePiecesHome();
  ++helpedCount;
  ++placedCount;
  NoteIfComplete();
  Invalidate(kCounterStrip, true);
}

int PuzzleModule::AnimatePiecesHome() {
  base::AppState& s = ctx_.state;
  const int count = std::clamp(s.itemCount, 0, base::kMaxItems);
  const int moving = base::CountMovingHome(ctx_.cells, count);
  if (ctx_.clearing == 1 && moving == 0) {
    ctx_.clearing = 0;
    s.itemCount = s.keyCount;
    ctx_.clearingDone();
    return 0;
  }
  if (moving == 0) return 0;
  for (const base::HomeStep& step : base::CarryHome(ctx_.cells, count, {0, 0})) {
    // While the exercise is fixed the pieces on their way are not redrawn until they arrive.
    if (step.kind != base::HomeStep::Kind::kMoving || !ctx_.editorFixed) {
      Invalidate(step.before, false);
    }
    if (step.kind == base::HomeStep::Kind::kSettled) continue;
    if (step.kind == base::HomeStep::Kind::kArrived || !ctx_.editorFixed) {
      Invalidate(step.after, false);
    }
  }
  return moving;
}

void PuzzleModule::Tick() {
  AnimatePiecesHome();
}

bool PuzzleModule::Moving() const {
  const int count = std::clamp(ctx_.state.itemCount, 0, base::kMaxItems);
  return ctx_.clearing == 1 || base::CountMovingHome(ctx_.cells, count) > 0;
}

void PuzzleModule::ScatterPieces() {
  const gfx::Size client = ctx_.platform.window.ClientSize();
  const gfx::Size area{client.width - ctx_.state.cellWidth, client.height - ctx_.state.cellHeight};
  placedCount = helpedCount = 0;
  StartTiming();
  ctx_.random.Seed(static_cast<std::uint32_t>(ctx_.platform.clock.CalendarSeconds()));
  puzzle::ScatterPieces(ctx_.cells, PieceCount(), area, ctx_.random);
  ctx_.playSound(PuzzleSound::kScatter);
}

void PuzzleModule::ShowPuzzleSolution() {
  for (int i = 0; i < PieceCount(); ++i) {
    base::CellRecord& r = ctx_.cells[i];
    r.settled = 0;
    r.solvedMark = 1;
    r.gridCol = r.gridRow = -1;
    if (r.placed == 0) {
      ++helpedCount;
      ++placedCount;
    }
    r.placed = 1;
  }
  NoteIfComplete();
  Invalidate(kCounterStrip, true);
}

void PuzzleModule::StartTiming() {
  startedMs_ = ctx_.platform.clock.NowMs();
  completeNoted_ = false;
}

void PuzzleModule::NoteIfComplete() {
  const int pieces = PieceCount();
  if (completeNoted_ || pieces == 0 || placedCount < pieces) return;
  completeNoted_ = true;
  const std::string picture = text::TextFromPath(ctx_.state.picturePath.filename());
  if (!workSessionOpen_) {
    workSessionOpen_ = true;
    ctx_.work.Record(
        {.kind = base::WorkEventKind::kSessionStart, .module = Id(), .source = picture});
  }
  ctx_.work.Record(
      {.kind = base::WorkEventKind::kPuzzleComplete,
       .module = Id(),
       .source = picture,
       .seconds = std::max<std::int64_t>(ctx_.platform.clock.NowMs() - startedMs_, 0) / 1000,
       .count = pieces,
       .helped = helpedCount});
}

}  // namespace puzzle
