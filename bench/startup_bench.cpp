// Start-up: the view's construction with every picture decoded, scaled and cut, up to the first
// composed screen.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_support.h"
#include "keyboard/keyboard_pictures.h"

namespace {

void StartUpToFirstScreen(benchmark::State& state) {
  bench::BenchPlatform p;
  for (auto _ : state) {
    app::CScribixView view(p.platform, bench::ProgramFolder(), bench::ScratchFolder());
    view.OnCreate();
    view.OnTimer(base::kTimerFirstRun);
    view.OnDraw({0, 0, 1200, 840});
    benchmark::DoNotOptimize(view.BackBuffer().Data());
  }
}
BENCHMARK(StartUpToFirstScreen)->Unit(benchmark::kMillisecond);

// The keyboard pictures at start-up: 14 pictures decoded, scaled to the zoom in use, 528 faces.
void KeyboardPictureWork(benchmark::State& state) {
  bench::BenchPlatform p;
  std::size_t bytes = 0;
  for (auto _ : state) {
    keyboard::KeyboardPictures pictures;
    pictures.Load(p.pictures, p.dialogs, bench::ProgramFolder(), 0);
    bytes = pictures.PictureBytes();
    benchmark::DoNotOptimize(pictures.Glyph(0, 2, 3, 40));
  }
  state.counters["scaled_MiB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(KeyboardPictureWork)->Unit(benchmark::kMillisecond);

// A change of zoom: the 14 pictures scaled again and their faces cut. Going through the five
// zooms does the work that scaling everything at start-up would (60 letter pictures, 2640 faces).
void ZoomChange(benchmark::State& state) {
  bench::BenchPlatform p;
  keyboard::KeyboardPictures pictures;
  pictures.Load(p.pictures, p.dialogs, bench::ProgramFolder(), 0);
  std::size_t largest = 0;
  for (auto _ : state) {
    for (int zoom : {1, 2, 3, 4, 0}) {
      pictures.UseZoom(zoom);
      largest = std::max(largest, pictures.PictureBytes());
    }
  }
  state.counters["largest_zoom_MiB"] = static_cast<double>(largest) / (1 << 20);
}
BENCHMARK(ZoomChange)->Unit(benchmark::kMillisecond);

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
