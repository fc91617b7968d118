#include "gfx/canvas.h"

#include <algorithm>

namespace gfx {

Canvas::Canvas(Image& target) : target_(target), clip_(target.Bounds()) {}

Canvas::Canvas(Image& target, Rect clip)
    : target_(target), clip_(clip.Intersect(target.Bounds())) {}

void Canvas::Fill(Rect area, Colour colour) {
  const Rect r = area.Intersect(clip_);
  for (int y = r.top; y < r.bottom; ++y) std::fill_n(target_.Row(y) + r.left, r.Width(), colour);
}

void Canvas::HorizontalLine(int x0, int x1, int y, Colour colour) {
  Fill(Rect{x0, y, x1, y + 1}, colour);
}

void Canvas::VerticalLine(int x, int y0, int y1, Colour colour) {
  Fill(Rect{x, y0, x + 1, y1}, colour);
}

void Canvas::Frame(Rect area, Colour colour, int thickness) {
  if (area.IsEmpty()) return;
  for (int i = 0; i < thickness; ++i) {
    const Rect r = area.Inflated(-i, -i);
    if (r.IsEmpty()) break;
    HorizontalLine(r.left, r.right, r.top, colour);
    HorizontalLine(r.left, r.right, r.bottom - 1, colour);
    VerticalLine(r.left, r.top, r.bottom, colour);
    VerticalLine(r.right - 1, r.top, r.bottom, colour);
  }
}

void Canvas::Edge(Rect area, EdgeStyle style) {
  // One ring: top and left in the first colour, bottom and right in the second.
  auto ring = [this](Rect r, Colour topLeft, Colour bottomRight) {
    if (r.IsEmpty()) return;
    HorizontalLine(r.left, r.right - 1, r.top, topLeft);
    VerticalLine(r.left, r.top, r.bottom - 1, topLeft);
    HorizontalLine(r.left, r.right, r.bottom - 1, bottomRight);
    VerticalLine(r.right - 1, r.top, r.bottom, bottomRight);
  };
  switch (style) {
    case EdgeStyle::kRaised:
      ring(area, kEdgeLight, kEdgeDarkShadow);
      ring(area.Inflated(-1, -1), kEdgeHighlight, kEdgeShadow);
      break;
    case EdgeStyle::kRaisedInner:
      ring(area, kEdgeHighlight, kEdgeShadow);
      break;
    case EdgeStyle::kRaisedOuter:
      ring(area, kEdgeLight, kEdgeDarkShadow);
      break;
    case EdgeStyle::kSunken:
      ring(area, kEdgeShadow, kEdgeHighlight);
      ring(area.Inflated(-1, -1), kEdgeDarkShadow, kEdgeLight);
      break;
  }
}

void Canvas::Copy(const Image& source, Rect sourceArea, Point dest) {
  Copy(ImageView{&source, sourceArea}, dest);
}

void Canvas::Copy(const ImageView& source, Point dest) {
  if (source.image == nullptr) return;
  // Clip the source to its image, then the destination to the clip, moving both together.
  Rect src = source.area.Intersect(source.image->Bounds());
  dest.x += src.left - source.area.left;
  dest.y += src.top - source.area.top;
  const Rect wanted = Rect::FromSize(dest.x, dest.y, src.Width(), src.Height());
  const Rect d = wanted.Intersect(clip_);
  if (d.IsEmpty()) return;
  const int sx = src.left + (d.left - dest.x);
  const int sy = src.top + (d.top - dest.y);
  for (int y = 0; y < d.Height(); ++y) {
    std::copy_n(source.image->Row(sy + y) + sx, d.Width(), target_.Row(d.top + y) + d.left);
  }
}

void Canvas::Stretch(const ImageView& source, Rect dest) {
  if (source.IsNull() || dest.IsEmpty()) return;
  if (source.Width() == dest.Width() && source.Height() == dest.Height()) {
    Copy(source, Point{dest.left, dest.top});
    return;
  }
  const Image scaled = ScaleSmooth(source, dest.Width(), dest.Height());
  Copy(ViewOf(scaled), Point{dest.left, dest.top});
}

}  // namespace gfx
