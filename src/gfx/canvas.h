#pragma once

#include "gfx/image.h"

namespace gfx {

// The system colours of a raised or sunken edge.
inline constexpr Colour kEdgeHighlight = Rgb(255, 255, 255);
inline constexpr Colour kEdgeLight = Rgb(227, 227, 227);
inline constexpr Colour kEdgeShadow = Rgb(160, 160, 160);
inline constexpr Colour kEdgeDarkShadow = Rgb(105, 105, 105);

enum class EdgeStyle {
  kRaised,       // raised outer and inner border, two pixels
  kRaisedInner,  // one pixel: highlight top-left, shadow bottom-right
  kRaisedOuter,  // one pixel: light top-left, dark shadow bottom-right
  kSunken,       // sunken outer and inner border, two pixels
};

// Raster operations on an image, limited to a clip rectangle (the area being repainted).
class Canvas {
 public:
  explicit Canvas(Image& target);
  Canvas(Image& target, Rect clip);

  Image& Target() { return target_; }
  Rect Clip() const { return clip_; }

  void Fill(Rect area, Colour colour);
  // An outline of the given thickness drawn inside the rectangle, no fill.
  void Frame(Rect area, Colour colour, int thickness = 1);
  void Edge(Rect area, EdgeStyle style);
  // Plain copy of a part of the source to dest (top-left); both sides are clipped.
  void Copy(const ImageView& source, Point dest);
  void Copy(const Image& source, Rect sourceArea, Point dest);
  // The source stretched into dest with a smoothing filter.
  void Stretch(const ImageView& source, Rect dest);

 private:
  void HorizontalLine(int x0, int x1, int y, Colour colour);
  void VerticalLine(int x, int y0, int y1, Colour colour);

  Image& target_;
  Rect clip_;
};

}  // namespace gfx
