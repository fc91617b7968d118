// The puzzle: a drag step with 1000 pieces on the screen, a cut at 1000 pieces, and entering the
// puzzle with its default picture.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"

namespace {

using base::icons::IconId;

// The press on an icon waits 200 ms to show it sinking: the child's time, not the program's.
class NoWaitClock : public ports::SystemClock {
 public:
  void Sleep(int) override {}
};

struct PuzzleView {
  bench::BenchPlatformWith<NoWaitClock> p;
  std::filesystem::path data = bench::ScratchFolder();
  app::CScribixView view{p.platform, bench::ProgramFolder(), data};

  PuzzleView() {
    std::filesystem::remove(data / "defautpuz");
    view.OnCreate();
    view.OnDraw({0, 0, 1200, 850});
  }
  void ClickIcon(IconId id) {
    const gfx::Rect r = view.Icons()[id];
    const gfx::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    view.OnLButtonDown(1, centre);
    view.OnLButtonUp(0, centre);
  }
};

void EnterPuzzleWithDefaultPicture(benchmark::State& state) {
  PuzzleView w;
  for (auto _ : state) {
    w.ClickIcon(IconId::IconModulePuzzle);
    w.view.OnDraw({0, 0, 1200, 850});
    state.PauseTiming();
    w.ClickIcon(IconId::IconModuleFrench);
    std::filesystem::remove(w.data / "defautpuz");
    state.ResumeTiming();
  }
}
BENCHMARK(EnterPuzzleWithDefaultPicture)->Unit(benchmark::kMillisecond);

void CutAt1000Pieces(benchmark::State& state) {
  PuzzleView w;
  w.ClickIcon(IconId::IconModulePuzzle);
  int i = 0;
  for (auto _ : state) {
    // Alternating, so that every keystroke really cuts again.
    w.view.PuzzleDialog().OnPiecesTextChanged(i++ % 2 == 0 ? "1000" : "999");
    benchmark::DoNotOptimize(w.view.State().keyCount);
  }
  state.counters["pieces"] = w.view.State().keyCount;
}
BENCHMARK(CutAt1000Pieces)->Unit(benchmark::kMillisecond);

void DragStepWith1000Pieces(benchmark::State& state) {
  PuzzleView w;
  w.ClickIcon(IconId::IconModulePuzzle);
  w.view.PuzzleDialog().OnPiecesTextChanged("1000");
  w.ClickIcon(IconId::IconScatter);
  w.view.OnDraw({0, 0, 1200, 850});
  const auto& s = w.view.State();
  // The topmost piece, taken in its middle.
  base::BuildDrawOrder(w.view.Cells(), s.itemCount, -1);
  const int top = w.view.Cells().drawOrder[static_cast<std::size_t>(s.itemCount - 1)];
  const auto& piece = w.view.Cells()[top];
  const gfx::Point from{piece.posX + piece.width / 2, piece.posY + piece.height / 2};
  w.view.OnLButtonDown(1, from);
  int step = 0;
  for (auto _ : state) {
    const gfx::Rect before = w.view.Held().dragRect.Inflated(5, 5);
    w.view.OnMouseMove(1, {300 + (step % 40) * 7, 200 + (step % 17) * 5});
    w.view.OnDraw(w.view.Held().dragRect.Union(before));
    benchmark::DoNotOptimize(w.view.BackBuffer().Data());
    ++step;
  }
  state.counters["pieces"] = s.keyCount;
}
BENCHMARK(DragStepWith1000Pieces)->Unit(benchmark::kMicrosecond);

}  // namespace
