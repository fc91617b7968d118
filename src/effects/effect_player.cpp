#include "effects/effect_player.h"

#include <algorithm>

#include "effects/fireworks.h"
#include "gfx/canvas.h"

namespace effects {

namespace {

constexpr int kFireFrames = 50;
constexpr int kFirePasses = 10;
constexpr int kShortFireFrames = 25;
constexpr int kShortFirePasses = 5;
constexpr int kFireFrameMs = 50;
constexpr int kRippleFrames = 20;
constexpr int kRipplePasses = 5;
constexpr int kRippleFrameMs = 50;
constexpr int kStoneRadius = 20;
constexpr int kStoneDepth = 500;
constexpr int kMistFrames = 40;
constexpr int kMistFrameMs = 20;
constexpr int kBlinkMs = 300;
constexpr int kShiverFrames = 8;  // jitter and emboss
constexpr int kShiverMs = 200;
constexpr int kJitterSize = 8;

std::uint32_t TickSeed(const ports::Clock& clock) {
  return static_cast<std::uint32_t>(clock.NowMs());
}

// Frame n is due period × n after the first: each wait is shortened by the work done since the
// last frame, so the drawing never stretches the effect. A frame that is late is drawn at once,
// and the following ones catch up.
class FramePacer {
 public:
  FramePacer(ports::Clock& clock, int periodMs)
      : clock_(clock), periodMs_(periodMs), start_(clock.NowMs()) {}
  void WaitForNextFrame() {
    ++frame_;
    const std::int64_t wait = start_ + frame_ * periodMs_ - clock_.NowMs();
    if (wait > 0) clock_.Sleep(static_cast<int>(std::min<std::int64_t>(wait, periodMs_)));
  }

 private:
  ports::Clock& clock_;
  std::int64_t periodMs_;
  std::int64_t start_;
  std::int64_t frame_ = 0;
};

}  // namespace

ScreenArea EffectPlayer::CaptureScreenArea(gfx::Rect area) const {
  ScreenArea captured;
  captured.rect = area.Intersect(backBuffer_.Bounds());
  if (!captured.rect.IsEmpty()) captured.pixels = gfx::Crop(backBuffer_, captured.rect);
  return captured;
}

void EffectPlayer::PlaySound(const std::filesystem::path& sound) {
  if (!sound.empty()) sound_.Play(sound);
}

void EffectPlayer::Show(const EffectImage& image, const gfx::Rect& rect) {
  if (image.IsEmpty()) return;
  image.DrawAt(backBuffer_, rect.left, rect.top);
  window_.ShowNow(rect);
}

void EffectPlayer::Restore(const ScreenArea& captured) {
  if (captured.IsEmpty()) return;
  gfx::Canvas(backBuffer_)
      .Copy(gfx::ViewOf(captured.pixels), {captured.rect.left, captured.rect.top});
  window_.ShowNow(captured.rect);
}

void EffectPlayer::Fire(gfx::Rect area, int frames, int passes,
                        const std::filesystem::path& sound) {
  PlaySound(sound);
  area.top -= kFireRise;
  const ScreenArea captured = CaptureScreenArea(area);
  // Without pixels the fire still takes its time, so what follows it keeps its rhythm.
  EffectImage image;
  image.LoadFromImage(captured.pixels);
  image.PrepareFire();
  const int strength = captured.rect.Height();
  FramePacer pacer(clock_, kFireFrameMs);
  for (int frame = 0; frame < frames; ++frame) {
    pacer.WaitForNextFrame();
    random_.Seed(TickSeed(clock_));
    image.StepFire(4, passes, strength, random_);
    Show(image, captured.rect);
  }
  Restore(captured);
}

void EffectPlayer::PlayFire(gfx::Rect area, const std::filesystem::path& sound) {
  Fire(area, kFireFrames, kFirePasses, sound);
}

void EffectPlayer::PlayShortFire(gfx::Rect area, const std::filesystem::path& sound) {
  Fire(area, kShortFireFrames, kShortFirePasses, sound);
}

void EffectPlayer::PlayRipples(gfx::Rect area, const std::filesystem::path& sound) {
  PlaySound(sound);
  const ScreenArea captured = CaptureScreenArea(area);
  if (captured.IsEmpty()) return;
  EffectImage image;
  image.LoadFromImage(captured.pixels);
  image.PrepareRipple();
  image.DropStone(image.Width() / 2, image.Height() / 2, kStoneRadius, kStoneDepth);
  FramePacer pacer(clock_, kRippleFrameMs);
  for (int frame = 0; frame < kRippleFrames; ++frame) {
    pacer.WaitForNextFrame();
    image.StepRipple(kRipplePasses);
    Show(image, captured.rect);
  }
  Restore(captured);
}

void EffectPlayer::PlayMist(gfx::Rect area, const std::filesystem::path& sound) {
  PlaySound(sound);
  const ScreenArea captured = CaptureScreenArea(area);
  if (captured.IsEmpty()) return;
  EffectImage image;
  image.LoadFromImage(captured.pixels);
  random_.Seed(TickSeed(clock_));
  image.PrepareMist(random_);
  FramePacer pacer(clock_, kMistFrameMs);
  for (int frame = 0; frame < kMistFrames; ++frame) {
    pacer.WaitForNextFrame();
    image.RenderMist(clock_.NowMs(), 1, 1, 1);
    Show(image, captured.rect);
  }
  Restore(captured);
}

void EffectPlayer::PlayBlink(gfx::Rect area, int flashes) {
  const ScreenArea captured = CaptureScreenArea(area);
  if (captured.IsEmpty()) return;
  EffectImage image;
  image.LoadFromImage(captured.pixels);
  FramePacer pacer(clock_, kBlinkMs);
  for (int frame = 0; frame < flashes; ++frame) {
    image.InvertColours();
    Show(image, captured.rect);
    pacer.WaitForNextFrame();
  }
  Restore(captured);
}

void EffectPlayer::PlayJitter(gfx::Rect area) {
  const ScreenArea captured = CaptureScreenArea(area);
  if (captured.IsEmpty()) return;
  EffectImage image;
  FramePacer pacer(clock_, kShiverMs);
  for (int frame = 0; frame < kShiverFrames; ++frame) {
    image.LoadFromImage(captured.pixels);
    image.Jitter(kJitterSize, kJitterSize, random_);
    Show(image, captured.rect);
    pacer.WaitForNextFrame();
  }
  Restore(captured);
}

void EffectPlayer::PlayEmboss(gfx::Rect area) {
  const ScreenArea captured = CaptureScreenArea(area);
  if (captured.IsEmpty()) return;
  EffectImage image;
  image.LoadFromImage(captured.pixels);
  FramePacer pacer(clock_, kShiverMs);
  for (int frame = 0; frame < kShiverFrames; ++frame) {
    image.Emboss();
    Show(image, captured.rect);
    pacer.WaitForNextFrame();
  }
  Restore(captured);
}

void EffectPlayer::PlayReward(Reward reward, gfx::Rect gridBounds,
                              const std::filesystem::path& sound) {
  // No cells drawn, no reward.
  if (gridBounds.right < gridBounds.left || gridBounds.bottom < gridBounds.top) return;
  const gfx::Rect area = RewardArea(reward, gridBounds);
  switch (reward) {
    case Reward::kFire:
      PlayFire(area, sound);
      break;
    case Reward::kRipples:
      PlayRipples(area, sound);
      break;
    case Reward::kMist:
      PlayMist(area, sound);
      break;
    case Reward::kBlink:
      PlaySound(sound);
      PlayBlink(area, kRewardFlashes);
      break;
    case Reward::kJitter:
      PlaySound(sound);
      PlayJitter(area);
      break;
    case Reward::kEmboss:
      PlaySound(sound);
      PlayEmboss(area);
      break;
  }
}

void EffectPlayer::PlayFireworks(const Fireworks& fireworks, gfx::Rect area) {
  gfx::Canvas canvas(backBuffer_);
  FramePacer pacer(clock_, Fireworks::kFrameMs);
  for (int round = 0; round < Fireworks::kRounds; ++round) {
    for (int i = 0; i < kFireworksFrameCount; ++i) {
      const gfx::Image& frame = fireworks.Frame(i);
      const gfx::Rect shown = Fireworks::FrameArea(frame.GetSize(), area);
      if (!shown.IsEmpty()) {
        canvas.Stretch(gfx::ViewOf(frame), shown);
        const gfx::Rect visible = shown.Intersect(backBuffer_.Bounds());
        if (!visible.IsEmpty()) window_.ShowNow(visible);
      }
      pacer.WaitForNextFrame();
    }
  }
  window_.InvalidateAll(true);
}

}  // namespace effects
