#include "gfx/image.h"

#include <algorithm>
#include <cmath>

namespace gfx {

Image::Image(int width, int height, Colour fill) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

Image Crop(const Image& source, Rect area) {
  area = area.Intersect(source.Bounds());
  Image out(area.Width(), area.Height());
  for (int y = 0; y < out.Height(); ++y) {
    std::copy_n(source.Row(area.top + y) + area.left, out.Width(), out.Row(y));
  }
  return out;
}

namespace {

// Weights of one output sample along one axis: a tent filter whose width grows with the
// reduction, so that shrinking averages and enlarging interpolates.
struct Tap {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Tap> MakeTaps(int sourceLength, int destLength) {
  std::vector<Tap> taps(static_cast<std::size_t>(destLength));
  const double scale = static_cast<double>(sourceLength) / destLength;
  const double support = std::max(1.0, scale);
  for (int i = 0; i < destLength; ++i) {
    const double centre = (i + 0.5) * scale - 0.5;
    int first = static_cast<int>(std::floor(centre - support)) + 1;
    int last = static_cast<int>(std::ceil(centre + support)) - 1;
    first = std::clamp(first, 0, sourceLength - 1);
    last = std::clamp(last, 0, sourceLength - 1);
    Tap& tap = taps[static_cast<std::size_t>(i)];
    tap.first = first;
    double total = 0;
    for (int s = first; s <= last; ++s) {
      const double w = std::max(0.0, 1.0 - std::abs(s - centre) / support);
      tap.weights.push_back(static_cast<float>(w));
      total += w;
    }
    if (total <= 0) {
      tap.weights.assign(1, 1.0f);
      tap.first = std::clamp(static_cast<int>(std::lround(centre)), 0, sourceLength - 1);
      continue;
    }
    for (float& w : tap.weights) w = static_cast<float>(w / total);
  }
  return taps;
}

Colour Mix(const float* acc) {
  auto channel = [](float v) { return std::clamp(static_cast<int>(v + 0.5f), 0, 255); };
  return Rgb(channel(acc[0]), channel(acc[1]), channel(acc[2]));
}

}  // namespace

Image ScaleSmooth(const ImageView& source, int width, int height) {
  if (source.IsNull() || width <= 0 || height <= 0) return {};
  const Rect a = source.area.Intersect(source.image->Bounds());
  if (a.IsEmpty()) return {};
  const Image& src = *source.image;
  const auto hTaps = MakeTaps(a.Width(), width);
  const auto vTaps = MakeTaps(a.Height(), height);

  // Horizontal pass into floating point rows, then the vertical pass.
  std::vector<float> mid(static_cast<std::size_t>(width) * a.Height() * 3);
  for (int y = 0; y < a.Height(); ++y) {
    const Colour* row = src.Row(a.top + y) + a.left;
    float* out = mid.data() + static_cast<std::size_t>(y) * width * 3;
    for (int x = 0; x < width; ++x) {
      const Tap& t = hTaps[static_cast<std::size_t>(x)];
      float acc[3] = {0, 0, 0};
      for (std::size_t k = 0; k < t.weights.size(); ++k) {
        const Colour c = row[t.first + static_cast<int>(k)];
        acc[0] += t.weights[k] * static_cast<float>(Red(c));
        acc[1] += t.weights[k] * static_cast<float>(Green(c));
        acc[2] += t.weights[k] * static_cast<float>(Blue(c));
      }
      out[x * 3] = acc[0];
      out[x * 3 + 1] = acc[1];
      out[x * 3 + 2] = acc[2];
    }
  }
  Image result(width, height);
  for (int y = 0; y < height; ++y) {
    const Tap& t = vTaps[static_cast<std::size_t>(y)];
    Colour* out = result.Row(y);
    for (int x = 0; x < width; ++x) {
      float acc[3] = {0, 0, 0};
      for (std::size_t k = 0; k < t.weights.size(); ++k) {
        const float* m = mid.data() + (static_cast<std::size_t>(t.first) + k) * width * 3 + x * 3;
        acc[0] += t.weights[k] * m[0];
        acc[1] += t.weights[k] * m[1];
        acc[2] += t.weights[k] * m[2];
      }
      out[x] = Mix(acc);
    }
  }
  return result;
}

Image TurnQuarter(const Image& source) {
  if (source.IsNull()) return {};
  const int w = source.Width();
  const int h = source.Height();
  Image out(h, w);
  for (int y = 0; y < h; ++y) {
    const Colour* row = source.Row(y);
    for (int x = 0; x < w; ++x) out.SetPixel(y, w - 1 - x, row[x]);
  }
  return out;
}

}  // namespace gfx
