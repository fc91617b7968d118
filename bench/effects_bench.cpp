// One frame of each reward effect, drawn into a back buffer: over a word (980 × 140), over a few
// lines (980 × 490) and over the largest grid (40 × 8 cells at zoom 2.0, about 3300 × 600). A
// frame should take no more than 5 ms over the first two; over the largest, well under its
// period: the mist (20 ms) no more than 10 ms, the fire and the ripples (50 ms) no more than 25.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "base/random.h"
#include "effects/effect_image.h"
#include "effects/effect_player.h"

namespace {

constexpr int kFireRise = effects::EffectPlayer::kFireRise;

gfx::Image Picture(int w, int h) {
  gfx::Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) image.SetPixel(x, y, gfx::Rgb(x % 256, y % 256, (x ^ y) % 256));
  }
  return image;
}

struct Frame {
  gfx::Image backBuffer;
  effects::EffectImage image;
  base::RandomGenerator random;
  Frame(int w, int h) : backBuffer(w, h) { image.LoadFromImage(Picture(w, h)); }
  void Draw() {
    image.DrawAt(backBuffer, 0, 0);
    benchmark::DoNotOptimize(backBuffer.Data());
  }
};

void Sizes(benchmark::internal::Benchmark* b) {
  b->Args({980, 140})->Args({980, 490})->Args({3300, 600})->Unit(benchmark::kMillisecond);
}

void FireFrame(benchmark::State& state) {
  // The fire covers the area and the 100 pixels above it.
  const int h = static_cast<int>(state.range(1)) + kFireRise;
  Frame f(static_cast<int>(state.range(0)), h);
  f.image.PrepareFire();
  std::uint32_t tick = 0;
  for (auto _ : state) {
    f.random.Seed(tick += 50);
    f.image.StepFire(4, 10, h, f.random);
    f.Draw();
  }
}
BENCHMARK(FireFrame)->Apply(Sizes);

void RipplesFrame(benchmark::State& state) {
  Frame f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  f.image.PrepareRipple();
  int frame = 0;
  for (auto _ : state) {
    // A stone now and then keeps the water moving however long the benchmark runs.
    if (frame++ % 20 == 0) f.image.DropStone(f.image.Width() / 2, f.image.Height() / 2, 20, 500);
    f.image.StepRipple(5);
    f.Draw();
  }
}
BENCHMARK(RipplesFrame)->Apply(Sizes);

void MistFrame(benchmark::State& state) {
  Frame f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  f.image.PrepareMist(f.random);
  std::int64_t tick = 12345;
  for (auto _ : state) {
    f.image.RenderMist(tick += 20, 1, 1, 1);
    f.Draw();
  }
}
BENCHMARK(MistFrame)->Apply(Sizes);

// The lattice is made once per mist, before its first frame.
void MistLattice(benchmark::State& state) {
  Frame f(16, 16);
  for (auto _ : state) f.image.PrepareMist(f.random);
}
BENCHMARK(MistLattice)->Unit(benchmark::kMillisecond);

void BlinkFrame(benchmark::State& state) {
  Frame f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    f.image.InvertColours();
    f.Draw();
  }
}
BENCHMARK(BlinkFrame)->Apply(Sizes);

void JitterFrame(benchmark::State& state) {
  Frame f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const gfx::Image captured = f.image.Pixels();
  for (auto _ : state) {
    f.image.LoadFromImage(captured);
    f.image.Jitter(8, 8, f.random);
    f.Draw();
  }
}
BENCHMARK(JitterFrame)->Apply(Sizes);

void EmbossFrame(benchmark::State& state) {
  Frame f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    f.image.Emboss();
    f.Draw();
  }
}
BENCHMARK(EmbossFrame)->Apply(Sizes);

}  // namespace
