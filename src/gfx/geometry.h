#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gfx {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle in the Windows convention: right and bottom lie just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect FromSize(int x, int y, int width, int height) {
    return Rect{x, y, x + width, y + height};
  }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  constexpr Rect Inflated(int dx, int dy) const {
    return Rect{left - dx, top - dy, right + dx, bottom + dy};
  }
  constexpr Rect Offset(int dx, int dy) const {
    return Rect{left + dx, top + dy, right + dx, bottom + dy};
  }
  constexpr Rect Intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
           std::min(bottom, o.bottom)};
    return r.IsEmpty() ? Rect{} : r;
  }
  // The smallest rectangle holding both; an empty rectangle adds nothing.
  constexpr Rect Union(const Rect& o) const {
    if (IsEmpty()) return o;
    if (o.IsEmpty()) return *this;
    return Rect{std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Rounding multiply-then-divide, half away from zero; 0 for a division by zero.
constexpr int MulDivRounded(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t p = static_cast<std::int64_t>(a) * b;
  const std::int64_t absP = p < 0 ? -p : p;
  const std::int64_t absC = c < 0 ? -static_cast<std::int64_t>(c) : c;
  const std::int64_t q = (absP + absC / 2) / absC;
  return static_cast<int>((p < 0) != (c < 0) ? -q : q);
}

// The length of (dx, dy) rounded half up.
inline int RoundedLength(int dx, int dy) {
  return static_cast<int>(
      std::floor(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy) + 0.5));
}

}  // namespace gfx
