#include "gfx/picture_drawing.h"

namespace gfx {

namespace {

Rect Centred(const ImageView& bitmap, Rect rect) {
  int w = bitmap.Width();
  int h = bitmap.Height();
  if (w > rect.Width() && w > 0) {
    h = h * rect.Width() / w;
    w = rect.Width();
  }
  if (h > rect.Height() && h > 0) {
    w = w * rect.Height() / h;
    h = rect.Height();
  }
  const int x = (rect.left + rect.right - w) / 2;
  const int y = (rect.top + rect.bottom - h) / 2;
  return Rect::FromSize(x, y, w, h);
}

void CopyTopLeft(Canvas& canvas, const ImageView& bitmap, const Rect& r) {
  canvas.Copy(ImageView{bitmap.image,
                        Rect::FromSize(bitmap.area.left, bitmap.area.top, r.Width(), r.Height())},
              Point{r.left, r.top});
}

}  // namespace

Rect DrawBitmapCentred(Canvas& canvas, const ImageView& bitmap, Rect rect, bool stretch) {
  if (bitmap.IsNull()) return {};
  const Rect r = Centred(bitmap, rect);
  if (stretch) {
    canvas.Stretch(bitmap, r);
  } else {
    CopyTopLeft(canvas, bitmap, r);
  }
  return r;
}

Rect DrawBitmapCentredInset(Canvas& canvas, const ImageView& bitmap, Rect rect, bool stretch) {
  if (bitmap.IsNull()) return {};
  const Rect r = Centred(bitmap, rect);
  if (stretch) {
    canvas.Stretch(bitmap, r.Inflated(-1, -1));
  } else {
    CopyTopLeft(canvas, bitmap, r);
  }
  return r;
}

Image TurnBitmap(const Image& bitmap) {
  return TurnQuarter(bitmap);
}

}  // namespace gfx
