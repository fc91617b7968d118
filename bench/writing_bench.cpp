// Writing with the mouse: a drag step and a drop, with 200 tiles on the screen.
#include <benchmark/benchmark.h>

#include "base/mouse_keys.h"
#include "bench_support.h"

namespace {

struct WritingView {
  bench::BenchPlatform p;
  app::CScribixView view{p.platform, bench::ProgramFolder(), bench::ScratchFolder()};

  WritingView() {
    view.OnCreate();
    view.OnDraw({0, 0, 1200, 850});
    // 200 tiles lying about the screen, made from the keys as a child would leave them.
    auto& s = view.Parts().state;
    for (int i = 0; i < 200; ++i) {
      base::CellRecord& tile = view.Parts().cells[s.itemCount];
      tile = view.Parts().cells[i % 30];
      tile.posX = 20 + (i * 37) % 1100;
      tile.posY = 100 + (i * 53) % 350;
      tile.sourceKey = i % 30;
      ++s.itemCount;
    }
  }

  gfx::Point KeyCentre(int key) {
    const auto& k = view.Parts().cells[key];
    return {k.posX + k.width / 2, k.posY + k.height / 2};
  }
};

void DragStepWith200Tiles(benchmark::State& state) {
  WritingView w;
  const gfx::Point from = w.KeyCentre(4);
  w.view.OnLButtonDown(base::mouse::kLeftButton, from);
  int step = 0;
  for (auto _ : state) {
    const gfx::Point to{300 + (step % 40) * 3, 200 + (step % 17)};
    const int held = w.view.Parts().held.selectedPiece;
    const auto& tile = w.view.Parts().cells[held];
    const gfx::Rect before = gfx::Rect::FromSize(tile.posX, tile.posY, tile.width, tile.height);
    w.view.OnMouseMove(base::mouse::kLeftButton, to);
    const gfx::Rect after = gfx::Rect::FromSize(tile.posX, tile.posY, tile.width, tile.height);
    w.view.OnDraw(before.Union(after).Inflated(5, 5));
    benchmark::DoNotOptimize(w.view.BackBuffer().Data());
    ++step;
  }
}
BENCHMARK(DragStepWith200Tiles)->Unit(benchmark::kMicrosecond);

void DropWithChecksAndMirror(benchmark::State& state) {
  WritingView w;
  const int tiles = w.view.Parts().state.itemCount;
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    w.view.Parts().state.itemCount = tiles;
    const gfx::Point from = w.KeyCentre(2);
    w.view.OnLButtonDown(base::mouse::kLeftButton, from);
    const gfx::Rect cell = base::CellRect(w.view.Parts().state, n % 22, (n / 22) % 6);
    const auto& k = w.view.Parts().cells[2];
    const gfx::Point to{cell.left + (from.x - k.posX), cell.top + (from.y - k.posY)};
    w.view.OnMouseMove(base::mouse::kLeftButton, to);
    state.ResumeTiming();
    w.view.OnLButtonUp(0, to);
    benchmark::DoNotOptimize(w.view.Parts().editorDialog.text.data());
    ++n;
  }
}
BENCHMARK(DropWithChecksAndMirror)->Unit(benchmark::kMicrosecond);

}  // namespace
