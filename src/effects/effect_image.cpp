#include "effects/effect_image.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "gfx/canvas.h"

namespace effects {

namespace {

double HueChannel(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 1.0 / 2) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

int ToByte(double v) {
  return std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255);
}

// Clamps to lo..hi, and to lo when the range is empty (a tiny picture).
int ClampRange(int v, int lo, int hi) {
  return std::max(lo, std::min(v, hi));
}

}  // namespace

gfx::Colour HslToRgb(int hue, int saturation, int lightness) {
  const double h = std::clamp(hue, 0, 255) / 255.0;
  const double s = std::clamp(saturation, 0, 255) / 255.0;
  const double l = std::clamp(lightness, 0, 255) / 255.0;
  if (s == 0) return gfx::Rgb(ToByte(l), ToByte(l), ToByte(l));
  const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
  const double p = 2 * l - q;
  return gfx::Rgb(ToByte(HueChannel(p, q, h + 1.0 / 3)), ToByte(HueChannel(p, q, h)),
                  ToByte(HueChannel(p, q, h - 1.0 / 3)));
}

void EffectImage::Reset() {
  pixels_ = gfx::Image();
  source_ = gfx::Image();
  heat_.clear();
  water_[0].clear();
  water_[1].clear();
  waterFlag_ = 0;
  lattice_.clear();
}

bool EffectImage::LoadFromBitmap(const RawBitmap& bitmap) {
  Reset();
  const int bytesPerPixel = bitmap.bitsPerPixel / 8;
  if (bitmap.bitsPerPixel != 16 && bitmap.bitsPerPixel != 24 && bitmap.bitsPerPixel != 32) {
    return false;
  }
  if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > kMaxSide ||
      bitmap.height > kMaxSide) {
    return false;
  }
  const std::size_t packed = static_cast<std::size_t>(bitmap.width) * bytesPerPixel;
  const std::size_t rowBytes =
      bitmap.rowBytes == 0 ? packed : static_cast<std::size_t>(bitmap.rowBytes);
  if (bitmap.rowBytes < 0 || rowBytes < packed) return false;
  // The last row needs only its pixels, not its padding.
  const std::size_t needed = rowBytes * static_cast<std::size_t>(bitmap.height - 1) + packed;
  if (bitmap.bytes.size() < needed) return false;

  gfx::Image image(bitmap.width, bitmap.height);
  for (int y = 0; y < bitmap.height; ++y) {
    const std::uint8_t* in = bitmap.bytes.data() + rowBytes * static_cast<std::size_t>(y);
    gfx::Colour* out = image.Row(y);
    for (int x = 0; x < bitmap.width; ++x, in += bytesPerPixel) {
      switch (bitmap.bitsPerPixel) {
        case 16: {
          // 5-5-5, each widened to the full byte so that white stays white.
          const int v = in[0] | (in[1] << 8);
          const int r = (v >> 10) & 31;
          const int g = (v >> 5) & 31;
          const int b = v & 31;
          out[x] = gfx::Rgb((r << 3) | (r >> 2), (g << 3) | (g >> 2), (b << 3) | (b >> 2));
          break;
        }
        default:  // blue, green, red, and for 32 bits a byte that is not used
          out[x] = gfx::Rgb(in[2], in[1], in[0]);
          break;
      }
    }
  }
  pixels_ = std::move(image);
  return true;
}

void EffectImage::LoadFromImage(const gfx::Image& image) {
  Reset();
  pixels_ = image;
}

void EffectImage::DrawAt(gfx::Image& target, int x, int y) const {
  if (IsEmpty()) return;
  gfx::Canvas(target).Copy(gfx::ViewOf(pixels_), gfx::Point{x, y});
}

void EffectImage::InvertColours() {
  gfx::Colour* p = pixels_.Data();
  const std::size_t n = static_cast<std::size_t>(Width()) * Height();
  for (std::size_t i = 0; i < n; ++i) p[i] = (p[i] ^ 0x00FFFFFFu) & 0x00FFFFFFu;
}

namespace {

// Weights by (dx, dy): top row 0, -1, -1; middle 1, 0, -1; bottom 1, 1, 0.
struct Tap {
  int dx, dy, weight;
};
constexpr Tap kEmbossTaps[] = {{0, -1, -1}, {1, -1, -1}, {-1, 0, 1},
                               {1, 0, -1},  {-1, 1, 1},  {0, 1, 1}};

gfx::Colour EmbossGrey(int r, int g, int b) {
  r = std::clamp(r + 128, 0, 255);
  g = std::clamp(g + 128, 0, 255);
  b = std::clamp(b + 128, 0, 255);
  // The weights add up to 255, so a grey keeps its value.
  const int sum = 76 * r + 150 * g + 29 * b;
  const int grey = (sum + 1 + (sum >> 8)) >> 8;  // sum / 255, exact up to 255 × 255
  return gfx::Rgb(grey, grey, grey);
}

// A pixel at the edge: a neighbour beyond it is the centre pixel itself.
gfx::Colour EmbossEdge(const gfx::Image& in, int x, int y) {
  const gfx::Colour centre = in.Pixel(x, y);
  int r = 0, g = 0, b = 0;
  for (const Tap& t : kEmbossTaps) {
    const int nx = x + t.dx;
    const int ny = y + t.dy;
    const bool inside = nx >= 0 && nx < in.Width() && ny >= 0 && ny < in.Height();
    const gfx::Colour c = inside ? in.Pixel(nx, ny) : centre;
    r += t.weight * gfx::Red(c);
    g += t.weight * gfx::Green(c);
    b += t.weight * gfx::Blue(c);
  }
  return EmbossGrey(r, g, b);
}

}  // namespace

void EffectImage::Emboss() {
  if (IsEmpty()) return;
  const int w = Width();
  const int h = Height();
  gfx::Image out(w, h);
  for (int y = 0; y < h; ++y) {
    gfx::Colour* o = out.Row(y);
    if (y == 0 || y == h - 1 || w < 3) {
      for (int x = 0; x < w; ++x) o[x] = EmbossEdge(pixels_, x, y);
      continue;
    }
    const gfx::Colour* up = pixels_.Row(y - 1);
    const gfx::Colour* mid = pixels_.Row(y);
    const gfx::Colour* down = pixels_.Row(y + 1);
    o[0] = EmbossEdge(pixels_, 0, y);
    for (int x = 1; x < w - 1; ++x) {
      auto channel = [&](int shift) {
        auto v = [shift](gfx::Colour c) { return static_cast<int>((c >> shift) & 0xFF); };
        return v(mid[x - 1]) + v(down[x - 1]) + v(down[x]) - v(up[x]) - v(up[x + 1]) -
               v(mid[x + 1]);
      };
      o[x] = EmbossGrey(channel(16), channel(8), channel(0));
    }
    o[w - 1] = EmbossEdge(pixels_, w - 1, y);
  }
  pixels_ = std::move(out);
}

void EffectImage::Jitter(int xSize, int ySize, base::RandomGenerator& random) {
  if (IsEmpty()) return;
  const int w = Width();
  const int h = Height();
  const int sx = ClampRange(xSize, 1, w / 2 - 1);
  const int sy = ClampRange(ySize, 1, h / 2 - 1);
  // Swapping within one buffer moves pixels but never loses or doubles one.
  gfx::Colour* p = pixels_.Data();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int px = std::clamp(x + random.Next() % sx - sx / 2, 0, w - 1);
      const int py = std::clamp(y + random.Next() % sy - sy / 2, 0, h - 1);
      std::swap(p[static_cast<std::size_t>(y) * w + x], p[static_cast<std::size_t>(py) * w + px]);
    }
  }
}

}  // namespace effects
