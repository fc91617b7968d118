// Start-up: the view's construction with every picture decoded, scaled and cut, up to the first
// composed screen.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "keyboard/keyboard_pictures.h"

namespace {

void StartUpToFirstScreen(benchmark::State& state) {
  bench::BenchPlatform p;
  for (auto _ : state) {
    app::CScribixView view(p.platform, bench::ProgramFolder(), bench::ScratchFolder());
    view.OnCreate();
    view.OnTimer(app::kTimerFirstRun);
    view.OnDraw({0, 0, 1200, 840});
    benchmark::DoNotOptimize(view.BackBuffer().Data());
  }
}
BENCHMARK(StartUpToFirstScreen)->Unit(benchmark::kMillisecond);

// The keyboard pictures alone: 60 scaled letter pictures, the keypads and 2640 faces.
void KeyboardPictureWork(benchmark::State& state) {
  bench::BenchPlatform p;
  std::size_t bytes = 0;
  long residentBefore = bench::ResidentBytes();
  long residentGrowth = 0;
  for (auto _ : state) {
    keyboard::KeyboardPictures pictures;
    pictures.Load(p.pictures, p.dialogs, bench::ProgramFolder());
    bytes = pictures.PictureBytes();
    residentGrowth = bench::ResidentBytes() - residentBefore;
    benchmark::DoNotOptimize(pictures.Glyph(4, 2, 3, 40));
  }
  state.counters["picture_MiB"] = static_cast<double>(bytes) / (1 << 20);
  state.counters["resident_growth_MiB"] = static_cast<double>(residentGrowth) / (1 << 20);
}
BENCHMARK(KeyboardPictureWork)->Unit(benchmark::kMillisecond);

// Resident memory of a started program (without the toolkit's windows).
void ResidentAfterStartUp(benchmark::State& state) {
  bench::BenchPlatform p;
  long resident = 0;
  for (auto _ : state) {
    app::CScribixView view(p.platform, bench::ProgramFolder(), bench::ScratchFolder());
    view.OnCreate();
    view.OnDraw({0, 0, 1200, 840});
    resident = bench::ResidentBytes();
  }
  state.counters["resident_MiB"] = static_cast<double>(resident) / (1 << 20);
}
BENCHMARK(ResidentAfterStartUp)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
