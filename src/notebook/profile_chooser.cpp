// "Qui travaille ?": the children's buttons, their pictures, and the name said under the mouse.
#include "notebook/profile_chooser.h"

#include <algorithm>
#include <cmath>

namespace notebook {

namespace {

constexpr int kButtonWidth = 330;
constexpr int kButtonHeight = 120;
constexpr int kSmallestButtonHeight = 56;
constexpr int kGap = 24;
constexpr int kMargin = 30;
constexpr int kTitleTop = 70;
constexpr int kButtonsTop = 150;
constexpr int kTitlePoints = 34;
constexpr int kNamePoints = 30;
constexpr gfx::Colour kInk = gfx::Rgb(20, 20, 60);
constexpr gfx::Colour kButtonFace = gfx::Rgb(255, 253, 240);
constexpr gfx::Colour kHoveredFace = gfx::Rgb(255, 240, 170);

// Fills the rows of a shape: for each row of the square, the part of it the shape covers.
template <typename Span>
void FillRows(gfx::Canvas& canvas, const gfx::Rect& square, gfx::Colour colour, Span span) {
  const int size = square.Width();
  for (int y = 0; y < square.Height(); ++y) {
    const auto [from, to] = span(y, size);
    if (to > from)
      canvas.Fill({square.left + from, square.top + y, square.left + to, square.top + y + 1},
                  colour);
  }
}

}  // namespace

gfx::Colour LookColour(int look) {
  static constexpr gfx::Colour kColours[kLookCount] = {
      gfx::Rgb(220, 40, 40),   gfx::Rgb(40, 90, 220),  gfx::Rgb(30, 160, 60),
      gfx::Rgb(240, 200, 20),  gfx::Rgb(245, 130, 20), gfx::Rgb(140, 60, 190),
      gfx::Rgb(240, 110, 170), gfx::Rgb(20, 180, 190)};
  return kColours[std::clamp(look, 0, kLookCount - 1)];
}

void DrawLook(gfx::Canvas& canvas, const gfx::Rect& square, int look) {
  const gfx::Colour colour = LookColour(look);
  const gfx::Rect inner = square.Inflated(-2, -2);
  switch (std::clamp(look, 0, kLookCount - 1) % 4) {
    case 0:  // a disc
      FillRows(canvas, inner, colour, [](int y, int size) {
        const double r = size / 2.0;
        const double dy = y + 0.5 - r;
        const double half = std::sqrt(std::max(0.0, r * r - dy * dy));
        return std::pair{static_cast<int>(r - half), static_cast<int>(r + half)};
      });
      break;
    case 1:  // a square
      canvas.Fill(inner.Inflated(-inner.Width() / 10, -inner.Height() / 10), colour);
      break;
    case 2:  // a triangle, point upwards
      FillRows(canvas, inner, colour, [](int y, int size) {
        const int w = (y + 1) / 2;
        return std::pair{size / 2 - w, size / 2 + w};
      });
      break;
    default:  // a diamond
      FillRows(canvas, inner, colour, [](int y, int size) {
        const int w = y < size / 2 ? y + 1 : size - y;
        return std::pair{size / 2 - w, size / 2 + w};
      });
      break;
  }
  canvas.Frame(square, kInk);
}

std::vector<gfx::Rect> ProfileChooser::ButtonRects(gfx::Size client, std::size_t count) {
  std::vector<gfx::Rect> rects;
  if (count == 0) return rects;
  const int usable = std::max(kButtonWidth, client.width - 2 * kMargin);
  const int columns =
      std::clamp((usable + kGap) / (kButtonWidth + kGap), 1, static_cast<int>(count));
  const int rows = (static_cast<int>(count) + columns - 1) / columns;
  // A large class still fits the window: the buttons get lower, never smaller than a name.
  const int room = client.height - kButtonsTop - kMargin;
  const int height = std::clamp(room / rows - kGap, kSmallestButtonHeight, kButtonHeight);
  const int width = columns * kButtonWidth + (columns - 1) * kGap;
  const int left = std::max(kMargin, (client.width - width) / 2);
  for (std::size_t i = 0; i < count; ++i) {
    const int column = static_cast<int>(i) % columns;
    const int row = static_cast<int>(i) / columns;
    rects.push_back(gfx::Rect::FromSize(left + column * (kButtonWidth + kGap),
                                        kButtonsTop + row * (height + kGap), kButtonWidth, height));
  }
  return rects;
}

int ProfileChooser::ChildAt(gfx::Point point) const {
  const auto rects = ButtonRects(ctx_.window.ClientSize(), ctx_.book.Count());
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].Contains(point)) return static_cast<int>(i);
  }
  return -1;
}

void ProfileChooser::Enter(base::ModuleId /*left*/, const std::function<void()>& /*layOut*/) {
  hovered_ = -1;
  ctx_.window.InvalidateAll(true);
}

void ProfileChooser::Leave(base::ModuleId /*next*/) {
  hovered_ = -1;
}

gfx::Rect ProfileChooser::OnLButtonDown(std::uint32_t /*flags*/, gfx::Point point, int /*hit*/) {
  const int child = ChildAt(point);
  if (child >= 0) ctx_.choose(static_cast<std::size_t>(child));
  return {};
}

gfx::Rect ProfileChooser::OnMouseMove(std::uint32_t /*flags*/, gfx::Point point) {
  const int child = ChildAt(point);
  if (child == hovered_) return {};
  const auto rects = ButtonRects(ctx_.window.ClientSize(), ctx_.book.Count());
  gfx::Rect changed;
  if (hovered_ >= 0 && hovered_ < static_cast<int>(rects.size())) changed = rects[hovered_];
  hovered_ = child;
  if (child < 0) return changed;
  // Said once each time the mouse comes onto the button, not at every move on it.
  if (ctx_.soundOn == 1) ctx_.sayName(ctx_.book.Children()[static_cast<std::size_t>(child)].name);
  const gfx::Rect now = rects[static_cast<std::size_t>(child)];
  if (changed.IsEmpty()) return now;
  return {std::min(changed.left, now.left), std::min(changed.top, now.top),
          std::max(changed.right, now.right), std::max(changed.bottom, now.bottom)};
}

void ProfileChooser::PaintGrid(gfx::Canvas& canvas) const {
  const gfx::Size client = ctx_.window.ClientSize();
  ctx_.textPainter.DrawText(canvas.Target(), canvas.Clip(), {kMargin + 10, kTitleTop}, kTitle,
                            kTitlePoints, kInk);
  const auto rects = ButtonRects(client, ctx_.book.Count());
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const gfx::Rect& button = rects[i];
    if (button.Intersect(canvas.Clip()).IsEmpty()) continue;
    const Profile& child = ctx_.book.Children()[i];
    canvas.Fill(button, static_cast<int>(i) == hovered_ ? kHoveredFace : kButtonFace);
    canvas.Frame(button, LookColour(child.look), 5);
    const int side = button.Height() - 24;
    DrawLook(canvas, gfx::Rect::FromSize(button.left + 14, button.top + 12, side, side),
             child.look);
    const gfx::Rect label{button.left + side + 30, button.top, button.right - 8, button.bottom};
    const int points = std::min(kNamePoints, button.Height() / 3);
    ctx_.textPainter.DrawText(canvas.Target(), canvas.Clip().Intersect(label),
                              {label.left, button.top + button.Height() / 2 - points * 3 / 4},
                              child.name, points, kInk);
  }
}

void ProfileChooser::AddIcons(std::vector<base::IconShown>& icons) const {
  using namespace base::icons;
  icons.push_back({IconQuit, PictureQuit});
  icons.push_back({IconManual, PictureHelp});
  icons.push_back({IconSound, ctx_.soundOn == 1 ? PictureSoundOn : PictureSoundOff});
  icons.push_back({IconSettings, PictureSettings});
}

}  // namespace notebook
