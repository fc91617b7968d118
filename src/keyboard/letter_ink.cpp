#include "keyboard/letter_ink.h"

#include <algorithm>
#include <array>

namespace keyboard {

namespace {

struct Rgb {
  int r, g, b;
};

Rgb Split(std::uint32_t c) {
  return {gfx::Red(c), gfx::Green(c), gfx::Blue(c)};
}

int Dot(const Rgb& a, const Rgb& b) {
  return a.r * b.r + a.g * b.g + a.b * b.b;
}

Rgb Minus(const Rgb& a, const Rgb& b) {
  return {a.r - b.r, a.g - b.g, a.b - b.b};
}

// The face's colour on a row of the tile: its light runs from the top to the bottom.
Rgb FaceAt(const LetterKeyColours& scheme, int row, int height) {
  const Rgb top = Split(scheme.faceTop);
  const Rgb bottom = Split(scheme.faceBottom);
  const int span = std::max(1, height - 1);
  auto mix = [&](int a, int b) { return a + (b - a) * row / span; };
  return {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)};
}

// Pixels farther than this from the line between the face and an ink are not the letter's: the
// rim, the bevel, what another painter drew.
constexpr int kOffLine = 28;
// Below this share of ink a pixel is face (the face's own light varies a little).
constexpr double kLeastInk = 0.06;

}  // namespace

void InkTileLetter(gfx::Canvas& canvas, const gfx::Rect& area, const LetterKeyColours& scheme,
                   gfx::Colour ink) {
  if (ink == kKeepInk || area.IsEmpty()) return;
  // The rim and the bevel are left alone: the letter never comes near them.
  const int margin = std::max(2, area.Width() / 13);
  const gfx::Rect inside = area.Inflated(-margin, -margin).Intersect(canvas.Clip());
  const std::array<Rgb, 2> inks = {Split(scheme.consonant), Split(scheme.vowel)};
  const Rgb target = Split(ink);
  gfx::Image& image = canvas.Target();
  for (int y = inside.top; y < inside.bottom; ++y) {
    const Rgb face = FaceAt(scheme, y - area.top, area.Height());
    gfx::Colour* row = image.Row(y);
    for (int x = inside.left; x < inside.right; ++x) {
      const Rgb p = Split(row[x]);
      const Rgb fromFace = Minus(p, face);
      // The ink whose line from the face passes nearest the pixel, and how far along it lies.
      double bestShare = 0;
      int bestOff = kOffLine * kOffLine + 1;
      const Rgb* bestInk = nullptr;
      for (const Rgb& k : inks) {
        const Rgb line = Minus(k, face);
        const int length = Dot(line, line);
        if (length == 0) continue;
        const double share =
            std::clamp(static_cast<double>(Dot(fromFace, line)) / length, 0.0, 1.0);
        const double dr = fromFace.r - share * line.r;
        const double dg = fromFace.g - share * line.g;
        const double db = fromFace.b - share * line.b;
        const int off = static_cast<int>(dr * dr + dg * dg + db * db);
        if (off < bestOff) {
          bestOff = off;
          bestShare = share;
          bestInk = &k;
        }
      }
      if (bestInk == nullptr || bestShare < kLeastInk) continue;
      auto move = [&](int v, int from, int to) {
        return std::clamp(static_cast<int>(v + bestShare * (to - from) + 0.5), 0, 255);
      };
      row[x] = gfx::Rgb(move(p.r, bestInk->r, target.r), move(p.g, bestInk->g, target.g),
                        move(p.b, bestInk->b, target.b));
    }
  }
}

}  // namespace keyboard
