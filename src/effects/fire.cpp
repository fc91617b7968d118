#include <algorithm>
#include <array>

#include "effects/effect_image.h"

namespace effects {

int EffectImage::Heat(int x, int y) const {
  if (heat_.empty() || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  return heat_[static_cast<std::size_t>(y) * Width() + x];
}

void EffectImage::PrepareFire() {
  if (IsEmpty()) return;
  source_ = pixels_;
  heat_.assign(static_cast<std::size_t>(Width()) * Height(), 0);
  // Hue 0° to 120° and lightness rising twice as fast: black, red, orange, yellow, white.
  for (int i = 0; i < 256; ++i) firePalette_[i] = HslToRgb(i / 3, 255, std::min(2 * i, 255));
}

void EffectImage::StepFire(int neighbours, int passes, int strength,
                           base::RandomGenerator& random) {
  if (IsEmpty() || heat_.empty()) return;
  const int s = std::clamp(strength, 4, 128);
  // The new heat s × sum / (4s + 1), sum being at most 4 × 255, as a multiplication and a shift:
  // with the factor rounded up at 24 bits the error stays below 1 / (4s + 1) for every sum, so
  // the quotient is exact, the product fits in 32 bits, and the rows vectorise.
  const std::uint32_t factor = static_cast<std::uint32_t>(
      ((static_cast<std::uint64_t>(s) << 24) + 4 * s) / static_cast<std::uint64_t>(4 * s + 1));
  auto cooled = [factor](std::uint32_t sum) {
    return static_cast<std::uint8_t>((sum * factor) >> 24);
  };
  const int w = Width();
  const int h = Height();
  std::uint8_t* heat = heat_.data();
  auto row = [&](int r) { return heat + static_cast<std::size_t>(r % h) * w; };
  for (int pass = 0; pass < passes; ++pass) {
    std::uint8_t* bottom = row(h - 1);
    for (int c = 0; c < w; ++c) bottom[c] = static_cast<std::uint8_t>(random.Next() % 256);
    // In place from the top: each cell takes from the rows below it, which this pass has not
    // reached yet (except where the rows wrap around).
    for (int r = 0; r < h; ++r) {
      std::uint8_t* out = row(r);
      const std::uint8_t* r1 = row(r + 1);
      const std::uint8_t* r2 = row(r + 2);
      const std::uint8_t* r3 = row(r + 3);
      if (neighbours == 3) {
        for (int c = 0; c < w; ++c) out[c] = cooled(r1[c] + 2u * r2[c] + r3[c]);
        continue;
      }
      if (w == 1) {
        out[0] = cooled(2u * r1[0] + r2[0] + r3[0]);
        continue;
      }
      out[0] = cooled(0u + r1[w - 1] + r2[0] + r1[1] + r3[0]);
      for (int c = 1; c < w - 1; ++c) out[c] = cooled(0u + r1[c - 1] + r2[c] + r1[c + 1] + r3[c]);
      out[w - 1] = cooled(0u + r1[w - 2] + r2[w - 1] + r1[0] + r3[w - 1]);
    }
  }
  ComposeFire();
}

void EffectImage::ComposeFire() {
  // Each channel is (a × F - (a - 256) × O) / 256, a being the fire's brightness (0..256). Both
  // terms are below 65536, so red and blue are mixed side by side in one word, green in another;
  // the fire's share is the same for every pixel of a heat.
  std::array<std::uint32_t, 256> fireRedBlue{};
  std::array<std::uint32_t, 256> fireGreen{};
  std::array<std::uint32_t, 256> keep{};
  for (int i = 0; i < 256; ++i) {
    const gfx::Colour f = firePalette_[i];
    const std::uint32_t a = static_cast<std::uint32_t>(
        (76 * gfx::Red(f) + 150 * gfx::Green(f) + 29 * gfx::Blue(f)) * 256 / 65280);
    fireRedBlue[i] = a * (f & 0x00FF00FFu);
    fireGreen[i] = a * (f & 0x0000FF00u);
    keep[i] = 256 - a;
  }
  const std::size_t n = static_cast<std::size_t>(Width()) * Height();
  const gfx::Colour* under = source_.Data();
  gfx::Colour* out = pixels_.Data();
  for (std::size_t i = 0; i < n; ++i) {
    const int heat = heat_[i];
    const gfx::Colour o = under[i];
    const std::uint32_t redBlue = fireRedBlue[heat] + keep[heat] * (o & 0x00FF00FFu);
    const std::uint32_t green = fireGreen[heat] + keep[heat] * (o & 0x0000FF00u);
    out[i] = ((redBlue >> 8) & 0x00FF00FFu) | ((green >> 8) & 0x0000FF00u);
  }
}

}  // namespace effects
