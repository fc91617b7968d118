#pragma once

#include <filesystem>

#include "base/random.h"
#include "effects/effect_image.h"
#include "effects/reward_cycle.h"
#include "gfx/image.h"
#include "ports/clock.h"
#include "ports/sound_player.h"
#include "ports/window.h"

namespace effects {

class Fireworks;

// A rectangle of the back buffer and the pixels it held.
struct ScreenArea {
  gfx::Rect rect;
  gfx::Image pixels;
  bool IsEmpty() const { return pixels.IsNull(); }
};

// Plays the rewards over a rectangle of the screen: every frame is drawn into the back buffer and
// shown at once, and the rectangle is put back as it was at the end. The program waits meanwhile,
// as it does for every effect. A sound given to a player starts before its first frame; an empty
// path plays none.
class EffectPlayer {
 public:
  static constexpr int kFireRise = 100;  // the flames climb this far above the area

  EffectPlayer(gfx::Image& backBuffer, ports::Window& window, ports::Clock& clock,
               ports::SoundPlayer& sound, base::RandomGenerator& random)
      : backBuffer_(backBuffer), window_(window), clock_(clock), sound_(sound), random_(random) {}

  // The part of the area that lies on the back buffer, and its pixels.
  ScreenArea CaptureScreenArea(gfx::Rect area) const;

  void PlayFire(gfx::Rect area, const std::filesystem::path& sound = {});
  void PlayShortFire(gfx::Rect area, const std::filesystem::path& sound = {});
  void PlayRipples(gfx::Rect area, const std::filesystem::path& sound = {});
  void PlayMist(gfx::Rect area, const std::filesystem::path& sound = {});
  void PlayBlink(gfx::Rect area, int flashes);
  void PlayJitter(gfx::Rect area);
  void PlayEmboss(gfx::Rect area);

  // One reward of the cycle for a solved word whose cells cover gridBounds.
  void PlayReward(Reward reward, gfx::Rect gridBounds, const std::filesystem::path& sound = {});

  // Twice through the frames, each fitted into the area, then the whole view is repainted.
  void PlayFireworks(const Fireworks& fireworks, gfx::Rect area);

 private:
  void Fire(gfx::Rect area, int frames, int passes, const std::filesystem::path& sound);
  void PlaySound(const std::filesystem::path& sound);
  void Show(const EffectImage& image, const gfx::Rect& rect);
  void Restore(const ScreenArea& captured);

  gfx::Image& backBuffer_;
  ports::Window& window_;
  ports::Clock& clock_;
  ports::SoundPlayer& sound_;
  base::RandomGenerator& random_;
};

}  // namespace effects
