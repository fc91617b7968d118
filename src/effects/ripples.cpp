#include <algorithm>
#include <cstdint>

#include "effects/effect_image.h"

namespace effects {

namespace {

// Heights stay far from overflowing the sums of eight neighbours, however many stones fall.
constexpr std::int32_t kMaxHeight = 1 << 20;

}  // namespace

void EffectImage::PrepareRipple() {
  if (IsEmpty()) return;
  const std::size_t n = static_cast<std::size_t>(Width()) * Height();
  water_[0].assign(n, 0);
  water_[1].assign(n, 0);
  waterFlag_ = 0;
  source_ = pixels_;
}

int EffectImage::WaterHeight(int x, int y) const {
  const auto& current = water_[waterFlag_];
  if (current.empty() || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  return current[static_cast<std::size_t>(y) * Width() + x];
}

void EffectImage::DropStone(int x, int y, int radius, int depth) {
  auto& current = water_[waterFlag_];
  const int w = Width();
  const int h = Height();
  // Only the inner cells move; a picture without any has nothing to ripple.
  if (current.empty() || w < 3 || h < 3 || radius <= 0) return;
  x = std::clamp(x, 1, w - 2);
  y = std::clamp(y, 1, h - 2);
  const std::int64_t r2 = static_cast<std::int64_t>(radius) * radius;
  const std::int32_t d = std::clamp(depth, -kMaxHeight, kMaxHeight);
  const int jFirst = std::max(-radius, -y);
  const int jLast = std::min(radius, h - 1 - y);
  const int iFirst = std::max(-radius, -x);
  const int iLast = std::min(radius, w - 1 - x);
  for (int j = jFirst; j <= jLast; ++j) {
    for (int i = iFirst; i <= iLast; ++i) {
      if (static_cast<std::int64_t>(i) * i + static_cast<std::int64_t>(j) * j >= r2) continue;
      std::int32_t& cell = current[static_cast<std::size_t>(y + j) * w + (x + i)];
      cell = std::clamp(cell + d, -kMaxHeight, kMaxHeight);
    }
  }
}

void EffectImage::StepRipple(int passes) {
  if (water_[0].empty()) return;
  const int w = Width();
  const int h = Height();
  for (int pass = 0; pass < passes; ++pass) {
    const std::int32_t* cur = water_[waterFlag_].data();
    std::int32_t* next = water_[1 - waterFlag_].data();
    for (int y = 1; y < h - 1; ++y) {
      const std::int32_t* up = cur + static_cast<std::size_t>(y - 1) * w;
      const std::int32_t* mid = up + w;
      const std::int32_t* down = mid + w;
      std::int32_t* out = next + static_cast<std::size_t>(y) * w;
      for (int x = 1; x < w - 1; ++x) {
        const std::int32_t sum = up[x - 1] + up[x] + up[x + 1] + mid[x - 1] + mid[x + 1] +
                                 down[x - 1] + down[x] + down[x + 1];
        std::int32_t v = sum / 4 - out[x];
        v -= v >> kDampingShift;
        out[x] = v;
      }
    }
    waterFlag_ = 1 - waterFlag_;
  }
  RenderWater();
}

void EffectImage::RenderWater() {
  const int w = Width();
  const int h = Height();
  const std::int32_t* height = water_[waterFlag_].data();
  for (int y = 1; y < h - 1; ++y) {
    const std::int32_t* row = height + static_cast<std::size_t>(y) * w;
    gfx::Colour* out = pixels_.Row(y);
    const gfx::Colour* still = source_.Row(y);
    for (int x = 1; x < w - 1; ++x) {
      // Flat water, most of the area while the waves spread, shows the picture as it is.
      if (row[x] == row[x + 1] && row[x] == row[x + w]) {
        out[x] = still[x];
        continue;
      }
      const int dx = row[x] - row[x + 1];
      const int dy = (row[x] - row[x + w]) >> kRefractionShift;
      const int sx = x + (dx >> kRefractionShift);
      const int sy = y + dy;
      if (sx < 0 || sx >= w || sy < 0 || sy >= h) continue;
      // A slope towards the light darkens, one away from it lightens.
      const gfx::Colour c = source_.Pixel(sx, sy);
      out[x] =
          gfx::Rgb(std::clamp(gfx::Red(c) - dx, 0, 255), std::clamp(gfx::Green(c) - dx, 0, 255),
                   std::clamp(gfx::Blue(c) - dx, 0, 255));
    }
  }
}

}  // namespace effects
