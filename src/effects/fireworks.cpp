#include "effects/fireworks.h"

#include "ports/picture_loading.h"

namespace effects {

void Fireworks::Load(ports::Pictures& pictures, const std::filesystem::path& programFolder) {
  for (int i = 0; i < kFireworksFrameCount; ++i) {
    const auto picture =
        ports::LoadPicture(pictures, programFolder / "resb" / FireworksFrameFile(i));
    if (!picture) {
      frames_[i] = gfx::Image();
      continue;
    }
    const gfx::Size size = ports::PictureSizeInPixels(*picture).pixels;
    frames_[i] = ports::RenderPicture(pictures, *picture, size.width, size.height);
  }
}

const gfx::Image& Fireworks::Frame(int frame) const {
  if (frame < 0 || frame >= kFireworksFrameCount) return none_;
  return frames_[frame];
}

gfx::Rect Fireworks::FrameArea(gfx::Size natural, gfx::Rect area) {
  if (natural.width <= 0 || natural.height <= 0 || area.IsEmpty()) return {};
  const float sx = static_cast<float>(kBox) / static_cast<float>(natural.width);
  const float sy = static_cast<float>(kBox) / static_cast<float>(natural.height);
  const float s = sx > sy ? sy : sx;
  int w = static_cast<int>(static_cast<float>(natural.width) * s);
  int h = static_cast<int>(static_cast<float>(natural.height) * s);
  if (w > area.Width() && w > 0) {
    h = h * area.Width() / w;
    w = area.Width();
  }
  if (h > area.Height() && h > 0) {
    w = w * area.Height() / h;
    h = area.Height();
  }
  if (w <= 0 || h <= 0) return {};
  return gfx::Rect::FromSize((area.left + area.right - w) / 2, (area.top + area.bottom - h) / 2, w,
                             h);
}

}  // namespace effects
