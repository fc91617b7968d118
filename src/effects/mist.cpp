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
    std::vector<int> x0, x1;
    std::vector<float> xf;
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
    o.x0.resize(w);
    o.x1.resize(w);
    o.xf.resize(w);
    for (int x = 0; x < w; ++x) {
      const std::int64_t u = x + tx;
      o.x0[x] = static_cast<int>((u >> o.shift) % kLatticeWidth);
      o.x1[x] = (o.x0[x] + 1) % kLatticeWidth;
      o.xf[x] = static_cast<float>(u & (g - 1)) / o.size;
    }
    o.a.resize(w);
    o.b.resize(w);
  }

  std::vector<float> depthRow(kLatticeWidth);
  auto makeRow = [&](const Octave& o, int latticeRow, std::vector<float>& out) {
    const float* front =
        lattice_.data() +
        (static_cast<std::size_t>(o.z0) * kLatticeHeight + latticeRow) * kLatticeWidth;
    const float* back =
        lattice_.data() +
        (static_cast<std::size_t>(o.z1) * kLatticeHeight + latticeRow) * kLatticeWidth;
    for (int i = 0; i < kLatticeWidth; ++i) depthRow[i] = front[i] + (back[i] - front[i]) * o.zf;
    for (int x = 0; x < w; ++x) {
      const float v0 = depthRow[o.x0[x]];
      const float v1 = depthRow[o.x1[x]];
      out[x] = o.size * (v0 + (v1 - v0) * o.xf[x]);
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
      if (o.rowB != y1) {
        makeRow(o, y1, o.b);
        o.rowB = y1;
      }
      const float* a = o.a.data();
      const float* b = o.b.data();
      float* f = fog.data();
      for (int x = 0; x < w; ++x) f[x] += a[x] + (b[x] - a[x]) * yf;
    }
    const gfx::Colour* under = source_.Row(y);
    gfx::Colour* out = pixels_.Row(y);
    for (int x = 0; x < w; ++x) {
      const int haze = static_cast<int>(fog[x] * 256);
      const int alpha = haze * 256 / 65280;
      const int light = haze * alpha / 256;
      auto mix = [&](int c) { return (c * 256 * (256 - alpha) / 256 + light) / 256; };
      const gfx::Colour c = under[x];
      out[x] = gfx::Rgb(mix(gfx::Red(c)), mix(gfx::Green(c)), mix(gfx::Blue(c)));
    }
  }
}

}  // namespace effects
