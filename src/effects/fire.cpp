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
  // The four heats summed (at most 4 × 255) give the new heat; a table spares a division a cell.
  std::array<std::uint8_t, 4 * 255 + 1> cooled{};
  for (int sum = 0; sum <= 4 * 255; ++sum) {
    cooled[sum] = static_cast<std::uint8_t>(s * sum / (4 * s + 1));
  }
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
        for (int c = 0; c < w; ++c) out[c] = cooled[r1[c] + 2 * r2[c] + r3[c]];
        continue;
      }
      if (w == 1) {
        out[0] = cooled[2 * r1[0] + r2[0] + r3[0]];
        continue;
      }
      out[0] = cooled[r1[w - 1] + r2[0] + r1[1] + r3[0]];
      for (int c = 1; c < w - 1; ++c) out[c] = cooled[r1[c - 1] + r2[c] + r1[c + 1] + r3[c]];
      out[w - 1] = cooled[r1[w - 2] + r2[w - 1] + r1[0] + r3[w - 1]];
    }
  }
  ComposeFire();
}

void EffectImage::ComposeFire() {
  // The fire's brightness a (0..256) decides how much of it covers the picture.
  std::array<int, 256> cover{};
  for (int i = 0; i < 256; ++i) {
    const gfx::Colour f = firePalette_[i];
    cover[i] = (76 * gfx::Red(f) + 150 * gfx::Green(f) + 29 * gfx::Blue(f)) * 256 / 65280;
  }
  const std::size_t n = static_cast<std::size_t>(Width()) * Height();
  const gfx::Colour* under = source_.Data();
  gfx::Colour* out = pixels_.Data();
  for (std::size_t i = 0; i < n; ++i) {
    const int heat = heat_[i];
    const gfx::Colour f = firePalette_[heat];
    const gfx::Colour o = under[i];
    const int a = cover[heat];
    auto mix = [a](int fc, int oc) { return ((a * fc - (a - 256) * oc) / 256) & 0x1FF; };
    out[i] = gfx::Rgb(mix(gfx::Red(f), gfx::Red(o)), mix(gfx::Green(f), gfx::Green(o)),
                      mix(gfx::Blue(f), gfx::Blue(o)));
  }
}

}  // namespace effects
