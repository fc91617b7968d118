// Painting: the whole screen into the back buffer, and one key.
#include <benchmark/benchmark.h>

#include "bench_support.h"

namespace {

struct StartedView {
  bench::BenchPlatform p;
  app::CScribixView view{p.platform, bench::ProgramFolder(), bench::ScratchFolder()};
  StartedView() {
    view.OnCreate();
    view.OnDraw({0, 0, 1200, 850});
  }
};

void FullScreenCompose(benchmark::State& state) {
  StartedView s;
  s.view.Parts().settingsDialog.OnAutoPlaceClicked(true);
  for (auto _ : state) {
    s.view.OnDraw({0, 0, 1200, 850});
    benchmark::DoNotOptimize(s.view.BackBuffer().Data());
  }
}
BENCHMARK(FullScreenCompose)->Unit(benchmark::kMicrosecond);

void RepaintOneKey(benchmark::State& state) {
  StartedView s;
  const auto& key = s.view.Parts().cells[5];
  const gfx::Rect area = gfx::Rect::FromSize(key.posX, key.posY, key.width, key.height);
  for (auto _ : state) {
    s.view.OnDraw(area);
    benchmark::DoNotOptimize(s.view.BackBuffer().Data());
  }
}
BENCHMARK(RepaintOneKey)->Unit(benchmark::kMicrosecond);

}  // namespace
