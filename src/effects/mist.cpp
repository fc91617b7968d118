#include <algorithm>
#include <cstdint>
#include <vector>

#include "effects/effect_image.h"

namespace effects {

namespace {

constexpr int kOctaves = 8;  // sizes 128, 64, ..., 1

}  // namespace

void EffectImage::PrepareMist(base::RandomGenerator& random) {
  if (IsEmpty()) return;
  source_ = pixels_;
  lattice_.resize(static_cast<std::size_t>(kLatticeWidth) * kLatticeHeight * kLatticeDepth);
  for (float& v : lattice_) v = static_cast<float>(random.Next()) / 32768.0f;
}

float EffectImage::Lattice(int x, int y, int z) const {
  if (lattice_.empty() || x < 0 || y < 0 || z < 0 || x >= kLatticeWidth || y >= kLatticeHeight ||
      z >= kLatticeDepth) {
    return 0;
  }
  return lattice_[(static_cast<std::size_t>(z) * kLatticeHeight + y) * kLatticeWidth + x];
}

// The fog at (x, y) is the sum over the octave sizes g of g × the lattice interpolated at
// ((x + tx) / g, (y + ty) / g, tz / g). With g a power of two and whole coordinates, the cells and
// fractions are exact. For one octave the depth is the same for the whole frame and the height
// for a whole row, so a row of the lattice, blended in depth and across, serves every row of
// pixels between two lattice rows; only the blend between two such rows is done per pixel.
// Every sum is taken in the same order as the plain formula, so the frames do not depend on
// these shortcuts.
void EffectImage::RenderMist(std::int64_t time, int xDivisor, int yDivisor, int zDivisor) {
  if (IsEmpty() || lattice_.empty()) return;
  const int w = Width();
  const int h = Height();
  const std::int64_t t = std::max<std::int64_t>(time, 0);
  const std::int64_t tx = t / std::max(xDivisor, 1);
  const std::int64_t ty = t / std::max(yDivisor, 1);
  const std::int64_t tz = t / std::max(zDivisor, 1);

  struct Octave {
    int shift = 0;
    float size = 0;
    int z0 = 0, z1 = 0;
    float zf = 0;
    std::vector<float> fractions;  // j / g for j < g
    // Lattice rows blended across, times the size; -1 when not made yet.
    int rowA = -1, rowB = -1;
    std::vector<float> a, b;
  };
  std::vector<Octave> octaves(kOctaves);
  for (int k = 0; k < kOctaves; ++k) {
    Octave& o = octaves[k];
    o.shift = kOctaves - 1 - k;
    const std::int64_t g = std::int64_t{1} << o.shift;
    o.size = static_cast<float>(g);
    o.z0 = static_cast<int>((tz >> o.shift) % kLatticeDepth);
    o.z1 = (o.z0 + 1) % kLatticeDepth;
    o.zf = static_cast<float>(tz & (g - 1)) / o.size;
    o.fractions.resize(static_cast<std::size_t>(g));
    for (std::int64_t j = 0; j < g; ++j) o.fractions[j] = static_cast<float>(j) / o.size;
    o.a.resize(w);
    o.b.resize(w);
  }

  std::vector<float> depthRow(kLatticeWidth);
  std::vector<float> periodRow;
  auto makeRow = [&](const Octave& o, int latticeRow, std::vector<float>& out) {
    const float* front =
        lattice_.data() +
        (static_cast<std::size_t>(o.z0) * kLatticeHeight + latticeRow) * kLatticeWidth;
    const float* back =
        lattice_.data() +
        (static_cast<std::size_t>(o.z1) * kLatticeHeight + latticeRow) * kLatticeWidth;
    for (int i = 0; i < kLatticeWidth; ++i) depthRow[i] = front[i] + (back[i] - front[i]) * o.zf;
    // Across, one lattice cell at a time: the cell's two values hold for the whole run, and the
    // fractions step through the table. The blended row repeats every 192 cells; when that period
    // is shorter than the picture, it is made once and copied along.
    const int g = 1 << o.shift;
    const int period = kLatticeWidth * g;
    auto blend = [&](float* dest, std::int64_t from, int count) {
      int x = 0;
      while (x < count) {
        const std::int64_t u = x + from;
        const int cell = static_cast<int>((u >> o.shift) % kLatticeWidth);
        const int first = static_cast<int>(u & (g - 1));
        const int run = std::min(g - first, count - x);
        const float v0 = depthRow[cell];
        const float step = depthRow[(cell + 1) % kLatticeWidth] - v0;
        const float* f = o.fractions.data() + first;
        for (int i = 0; i < run; ++i) dest[x + i] = o.size * (v0 + step * f[i]);
        x += run;
      }
    };
    if (period >= w) {
      blend(out.data(), tx, w);
      return;
    }
    periodRow.resize(static_cast<std::size_t>(period));
    blend(periodRow.data(), 0, period);
    int x = 0;
    int i = static_cast<int>(tx % period);
    while (x < w) {
      const int n = std::min(period - i, w - x);
      std::copy_n(periodRow.data() + i, n, out.data() + x);
      x += n;
      i = 0;
    }
  };

  std::vector<float> fog(w);
  for (int y = 0; y < h; ++y) {
    std::fill(fog.begin(), fog.end(), 0.0f);
    for (Octave& o : octaves) {
      const std::int64_t v = y + ty;
      const int y0 = static_cast<int>((v >> o.shift) % kLatticeHeight);
      const int y1 = (y0 + 1) % kLatticeHeight;
      const float yf = static_cast<float>(v & ((std::int64_t{1} << o.shift) - 1)) / o.size;
      if (o.rowA != y0) {
        if (o.rowB == y0) {
          std::swap(o.a, o.b);
          o.rowA = y0;
          o.rowB = -1;
        } else {
          makeRow(o, y0, o.a);
          o.rowA = y0;
        }
      }
      const float* a = o.a.data();
      float* f = fog.data();
      // On a lattice row the blend is the row itself (a + (b - a) × 0 is a).
      if (yf == 0.0f) {
        for (int x = 0; x < w; ++x) f[x] += a[x];
        continue;
      }
      if (o.rowB != y1) {
        makeRow(o, y1, o.b);
        o.rowB = y1;
      }
      const float* b = o.b.data();
      for (int x = 0; x < w; ++x) f[x] += a[x] + (b[x] - a[x]) * yf;
    }
    // Each channel is (c × (256 - alpha) + haze × alpha / 256) / 256. The haze stays below
    // 255 × 256, so alpha is haze / 255 and each channel's sum stays below 65536: red and blue are
    // mixed side by side in one word, green in another.
    const gfx::Colour* under = source_.Row(y);
    gfx::Colour* out = pixels_.Row(y);
    for (int x = 0; x < w; ++x) {
      const auto haze = static_cast<std::uint32_t>(static_cast<int>(fog[x] * 256));
      const std::uint32_t alpha = (haze * 0x8081u) >> 23;  // haze / 255 for haze < 65536
      const std::uint32_t light = (haze * alpha) >> 8;
      const std::uint32_t keep = 256 - alpha;
      const gfx::Colour c = under[x];
      const std::uint32_t redBlue = (c & 0x00FF00FFu) * keep + light * 0x00010001u;
      const std::uint32_t green = ((c >> 8) & 0xFFu) * keep + light;
      out[x] = ((redBlue >> 8) & 0x00FF00FFu) | (green & 0x0000FF00u);
    }
  }
}

}  // namespace effects
