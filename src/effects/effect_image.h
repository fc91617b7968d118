#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/random.h"
#include "gfx/colour.h"
#include "gfx/image.h"

// The working picture of one reward effect and the pixel kernels that animate it. Pixels are
// 0x00RRGGBB, rows top-down, as in the back buffer.
namespace effects {

// Pixels as a device hands them out: rows top-down, each pixel little-endian, rows rowBytes
// apart (0 for rows without padding).
struct RawBitmap {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // 16 (5-5-5), 24 (blue, green, red) or 32
  int rowBytes = 0;
  std::vector<std::uint8_t> bytes;
};

// Colour of hue, saturation and lightness, each on 0..255 (hue 255 is a full turn).
gfx::Colour HslToRgb(int hue, int saturation, int lightness);

class EffectImage {
 public:
  // The largest side accepted; a larger bitmap is refused like one of too few colours.
  static constexpr int kMaxSide = 16384;
  static constexpr int kLatticeWidth = 192;
  static constexpr int kLatticeHeight = 192;
  static constexpr int kLatticeDepth = 64;
  static constexpr int kDampingShift = 5;
  static constexpr int kRefractionShift = 3;

  // Converts the bitmap to 32 bits. A bitmap of 8 bits per pixel or fewer, or one whose sizes
  // do not match its bytes, is refused: the image is left empty and every effect on it does
  // nothing.
  bool LoadFromBitmap(const RawBitmap& bitmap);
  void LoadFromImage(const gfx::Image& image);

  bool IsEmpty() const { return pixels_.IsNull(); }
  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  const gfx::Image& Pixels() const { return pixels_; }

  // Copies the pixels unchanged to (x, y) of the target, clipped to it.
  void DrawAt(gfx::Image& target, int x, int y) const;

  // Fire: heat climbs from random embers along the bottom row and is laid over the picture
  // through a palette from black through red and orange to yellow-white.
  void PrepareFire();
  // neighbours 4 or 3 (anything else counts as 4); strength is kept to 4..128.
  void StepFire(int neighbours, int passes, int strength, base::RandomGenerator& random);
  const std::array<gfx::Colour, 256>& FirePalette() const { return firePalette_; }
  int Heat(int x, int y) const;

  // Ripples: two height fields; the picture is refracted through the current one.
  void PrepareRipple();
  void DropStone(int x, int y, int radius, int depth);
  void StepRipple(int passes);
  int WaterHeight(int x, int y) const;

  // Mist: a drifting haze of eight octaves of noise from a random lattice.
  void PrepareMist(base::RandomGenerator& random);
  // time in milliseconds; each coordinate's time is divided by its divisor (at least 1).
  void RenderMist(std::int64_t time, int xDivisor, int yDivisor, int zDivisor);
  // The lattice value at a cell (0 before PrepareMist).
  float Lattice(int x, int y, int z) const;

  void InvertColours();
  // A grey relief: the 3 × 3 emboss weights on each channel, plus 128.
  void Emboss();
  // Every pixel trades places with a random partner up to half the sizes away.
  void Jitter(int xSize, int ySize, base::RandomGenerator& random);

 private:
  void Reset();
  void ComposeFire();
  void RenderWater();

  gfx::Image pixels_;
  // The captured pixels under the fire, the water or the mist.
  gfx::Image source_;

  std::array<gfx::Colour, 256> firePalette_{};
  std::vector<std::uint8_t> heat_;

  std::array<std::vector<std::int32_t>, 2> water_;
  int waterFlag_ = 0;  // which water buffer is current

  std::vector<float> lattice_;
};

}  // namespace effects
