#include "effects/effect_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using effects::EffectImage;
using effects::RawBitmap;
using gfx::Rgb;

// Every pixel different, so that moved pixels can be told apart.
gfx::Image Pattern(int w, int h) {
  gfx::Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) image.SetPixel(x, y, Rgb(x * 7 + y, y * 11 + x, (x * y) % 256));
  }
  return image;
}

EffectImage Loaded(const gfx::Image& image) {
  EffectImage e;
  e.LoadFromImage(image);
  return e;
}

std::vector<gfx::Colour> Sorted(const gfx::Image& image) {
  std::vector<gfx::Colour> v(image.Data(), image.Data() + image.Width() * image.Height());
  std::sort(v.begin(), v.end());
  return v;
}

bool SameImage(const gfx::Image& a, const gfx::Image& b) {
  return a.GetSize() == b.GetSize() &&
         std::equal(a.Data(), a.Data() + a.Width() * a.Height(), b.Data());
}

TEST(EffectImageLoad, EachDepthGivesRedGreenBlueWords) {
  // 16 bits, 5-5-5 little-endian: white, red, a mid grey (16 of 31) and blue; rows packed.
  RawBitmap b16{2, 2, 16, 0, {0xFF, 0x7F, 0x00, 0x7C, 0x10, 0x42, 0x1F, 0x00}};
  // 24 bits, blue, green, red, with rows padded to 8 bytes.
  RawBitmap b24{2, 2, 24, 8, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE}};
  // 32 bits: the fourth byte is dropped.
  RawBitmap b32{2, 1, 32, 0, {1, 2, 3, 0xFF, 4, 5, 6, 0x80}};
  EffectImage e;
  ASSERT_TRUE(e.LoadFromBitmap(b16));
  EXPECT_EQ(e.Pixels().Pixel(0, 0), Rgb(255, 255, 255));
  EXPECT_EQ(e.Pixels().Pixel(1, 0), Rgb(255, 0, 0));
  EXPECT_EQ(e.Pixels().Pixel(0, 1), Rgb(132, 132, 132));
  EXPECT_EQ(e.Pixels().Pixel(1, 1), Rgb(0, 0, 255));
  ASSERT_TRUE(e.LoadFromBitmap(b24));
  EXPECT_EQ(e.Pixels().Pixel(0, 0), Rgb(3, 2, 1));
  EXPECT_EQ(e.Pixels().Pixel(1, 0), Rgb(6, 5, 4));
  EXPECT_EQ(e.Pixels().Pixel(0, 1), Rgb(9, 8, 7));
  EXPECT_EQ(e.Pixels().Pixel(1, 1), Rgb(12, 11, 10));
  ASSERT_TRUE(e.LoadFromBitmap(b32));
  EXPECT_EQ(e.Pixels().Pixel(0, 0), 0x00030201u);
  EXPECT_EQ(e.Pixels().Pixel(1, 0), 0x00060504u);
}

TEST(EffectImageLoad, RefusesFewColoursAndSizesThatDoNotFit) {
  const std::vector<RawBitmap> refused = {
      {2, 2, 8, 0, std::vector<std::uint8_t>(4)},
      {2, 2, 1, 0, std::vector<std::uint8_t>(4)},
      {2, 2, 4, 0, std::vector<std::uint8_t>(4)},
      {2, 2, 24, 0, std::vector<std::uint8_t>(11)},  // one byte short
      {2, 2, 24, 5, std::vector<std::uint8_t>(64)},  // rows shorter than their pixels
      {2, 2, 32, -8, std::vector<std::uint8_t>(64)},
      {0, 2, 32, 0, {}},
      {-3, 2, 32, 0, std::vector<std::uint8_t>(64)},
      {100000, 1, 32, 0, std::vector<std::uint8_t>(400000)},
  };
  for (const RawBitmap& b : refused) {
    EffectImage e;
    e.LoadFromImage(Pattern(4, 4));
    EXPECT_FALSE(e.LoadFromBitmap(b)) << b.width << "x" << b.height << "x" << b.bitsPerPixel;
    EXPECT_TRUE(e.IsEmpty());
    // Every effect on an empty image does nothing.
    base::RandomGenerator random;
    e.PrepareFire();
    e.StepFire(4, 3, 50, random);
    e.PrepareRipple();
    e.DropStone(1, 1, 20, 500);
    e.StepRipple(2);
    e.PrepareMist(random);
    e.RenderMist(100, 1, 1, 1);
    e.InvertColours();
    e.Emboss();
    e.Jitter(8, 8, random);
    gfx::Image target(3, 3, 7);
    e.DrawAt(target, 0, 0);
    EXPECT_TRUE(SameImage(target, gfx::Image(3, 3, 7)));
  }
  // The last row needs no padding after it.
  EffectImage e;
  EXPECT_TRUE(e.LoadFromBitmap({1, 2, 24, 4, {1, 2, 3, 0, 4, 5, 6}}));
}

TEST(EffectImage, DrawsUnchangedAndClipped) {
  const gfx::Image pattern = Pattern(3, 3);
  const EffectImage e = Loaded(pattern);
  gfx::Image target(4, 4, 0);
  e.DrawAt(target, -1, 2);
  EXPECT_EQ(target.Pixel(0, 2), pattern.Pixel(1, 0));
  EXPECT_EQ(target.Pixel(1, 3), pattern.Pixel(2, 1));
  EXPECT_EQ(target.Pixel(2, 2), 0u);
  EXPECT_EQ(target.Pixel(0, 1), 0u);
}

TEST(EffectImage, InvertingTwiceGivesThePictureBack) {
  const gfx::Image pattern = Pattern(5, 4);
  EffectImage e = Loaded(pattern);
  e.InvertColours();
  EXPECT_EQ(e.Pixels().Pixel(0, 0), Rgb(255, 255, 255) - pattern.Pixel(0, 0));
  EXPECT_EQ(e.Pixels().Pixel(3, 2), Rgb(255 - 23, 255 - 25, 255 - 6));
  e.InvertColours();
  EXPECT_TRUE(SameImage(e.Pixels(), pattern));
}

TEST(EffectImage, EmbossOfAFlatPictureIsMidGreyEdgesIncluded) {
  for (gfx::Colour c : {Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(77, 228, 223), Rgb(255, 255, 255)}) {
    EffectImage e = Loaded(gfx::Image(6, 4, c));
    e.Emboss();
    e.Emboss();  // a flat relief stays flat
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) ASSERT_EQ(e.Pixels().Pixel(x, y), Rgb(128, 128, 128));
    }
  }
}

TEST(EffectImage, EmbossLightsOneSideOfADotAndShadesTheOther) {
  // One grey dot of 100 in the middle of black: each neighbour sees it through its own weight.
  gfx::Image dot(3, 3, 0);
  dot.SetPixel(1, 1, Rgb(100, 100, 100));
  EffectImage e = Loaded(dot);
  e.Emboss();
  const int expected[3][3] = {{128, 228, 228}, {28, 128, 228}, {28, 28, 128}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      const int v = expected[y][x];
      EXPECT_EQ(e.Pixels().Pixel(x, y), Rgb(v, v, v)) << x << "," << y;
    }
  }
}

TEST(EffectImage, JitterOnlyMovesPixels) {
  base::RandomGenerator random;
  random.Seed(42);
  const gfx::Image pattern = Pattern(16, 12);
  EffectImage e = Loaded(pattern);
  e.Jitter(8, 8, random);
  EXPECT_EQ(Sorted(e.Pixels()), Sorted(pattern));
  EXPECT_FALSE(SameImage(e.Pixels(), pattern));
  // Tiny pictures and sizes out of range: the sizes are kept to what the picture allows.
  for (auto [w, h, sx, sy] : {std::array{1, 1, 8, 8}, std::array{2, 3, 8, 8},
                              std::array{3, 1, 0, -5}, std::array{9, 9, 1000000, 7}}) {
    const gfx::Image small = Pattern(w, h);
    EffectImage s = Loaded(small);
    s.Jitter(sx, sy, random);
    EXPECT_EQ(Sorted(s.Pixels()), Sorted(small)) << w << "x" << h;
  }
}

TEST(EffectImageFire, PaletteRunsFromBlackThroughRedAndOrangeToWhite) {
  EffectImage e = Loaded(gfx::Image(2, 2));
  e.PrepareFire();
  const auto& palette = e.FirePalette();
  EXPECT_EQ(palette[0], Rgb(0, 0, 0));
  EXPECT_EQ(palette[255], Rgb(255, 255, 255));
  for (int i = 1; i < 256; ++i) {
    const gfx::Colour a = palette[i - 1];
    const gfx::Colour b = palette[i];
    ASSERT_LE(gfx::Red(a), gfx::Red(b)) << i;
    ASSERT_LE(gfx::Green(a), gfx::Green(b)) << i;
    ASSERT_LE(gfx::Blue(a), gfx::Blue(b)) << i;
    ASSERT_GE(gfx::Red(b), gfx::Green(b)) << i;
    ASSERT_GE(gfx::Green(b), gfx::Blue(b)) << i;
  }
  // Dark red, then orange, then a pale yellow.
  EXPECT_GT(gfx::Red(palette[32]), 100);
  EXPECT_LT(gfx::Green(palette[32]), 50);
  EXPECT_EQ(gfx::Red(palette[64]), 255);
  EXPECT_NEAR(gfx::Green(palette[64]), 128, 20);
  EXPECT_LT(gfx::Blue(palette[64]), 10);
  EXPECT_GT(gfx::Blue(palette[110]), 150);
  EXPECT_LT(gfx::Blue(palette[110]), gfx::Green(palette[110]));
}

TEST(EffectImageFire, HeatClimbsFromTheBottomRowThroughTheWrappedRows) {
  // One column, three neighbours: row r takes rows r+1, r+2 (twice) and r+3 of the heat map,
  // in place from the top, the rows below the last wrapping to the top.
  base::RandomGenerator random;
  random.Seed(7);
  base::RandomGenerator copy = random;
  const int ember = copy.Next() % 256;
  EffectImage e = Loaded(gfx::Image(1, 4));
  e.PrepareFire();
  e.StepFire(3, 1, 4, random);
  const int row0 = 4 * ember / 17;
  const int row1 = 4 * (2 * ember + row0) / 17;
  const int row2 = 4 * (ember + 2 * row0 + row1) / 17;
  const int row3 = 4 * (row0 + 2 * row1 + row2) / 17;
  ASSERT_GT(ember, 20);
  EXPECT_EQ(e.Heat(0, 0), row0);
  EXPECT_EQ(e.Heat(0, 1), row1);
  EXPECT_EQ(e.Heat(0, 2), row2);
  EXPECT_EQ(e.Heat(0, 3), row3);

  // The new heat is exact at every strength.
  for (int strength = 4; strength <= 128; ++strength) {
    random.Seed(strength);
    copy = random;
    const int v = copy.Next() % 256;
    EffectImage column = Loaded(gfx::Image(1, 4));
    column.PrepareFire();
    column.StepFire(3, 1, strength, random);
    const int d = 4 * strength + 1;
    const int h0 = strength * v / d;
    ASSERT_EQ(column.Heat(0, 0), h0) << strength;
    ASSERT_EQ(column.Heat(0, 1), strength * (2 * v + h0) / d) << strength;
  }

  // Four neighbours on three columns: the corners of the row below wrap around the sides.
  random.Seed(9);
  copy = random;
  int embers[3];
  for (int& v : embers) v = copy.Next() % 256;
  EffectImage wide = Loaded(gfx::Image(3, 5));
  wide.PrepareFire();
  wide.StepFire(4, 1, 128, random);
  // Row 1 takes row 2 at its sides (cold), row 3 (cold) and row 4, the embers.
  for (int c = 0; c < 3; ++c) EXPECT_EQ(wide.Heat(c, 1), 128 * embers[c] / 513) << c;
  // Row 3 takes row 4 at its sides, row 0 (wrapped, just computed: cold) and row 1.
  for (int c = 0; c < 3; ++c) {
    const int sum = embers[(c + 2) % 3] + embers[(c + 1) % 3] + wide.Heat(c, 1);
    EXPECT_EQ(wide.Heat(c, 3), 128 * sum / 513) << c;
  }
}

TEST(EffectImageFire, StrengthIsKeptInRangeAndColdFireShowsThePicture) {
  const gfx::Image pattern = Pattern(8, 10);
  auto run = [&](int strength) {
    base::RandomGenerator random;
    EffectImage e = Loaded(pattern);
    e.PrepareFire();
    e.StepFire(4, 6, strength, random);
    return e;
  };
  EXPECT_TRUE(SameImage(run(1000).Pixels(), run(128).Pixels()));
  EXPECT_TRUE(SameImage(run(-5).Pixels(), run(4).Pixels()));
  EXPECT_FALSE(SameImage(run(4).Pixels(), run(128).Pixels()));
  // Where the heat is nil, the picture shows as it was; where it burns, it does not.
  const EffectImage e = run(128);
  int burning = 0;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (e.Heat(x, y) == 0) {
        EXPECT_EQ(e.Pixels().Pixel(x, y), pattern.Pixel(x, y));
      } else if (e.Heat(x, y) > 60) {
        ++burning;
        EXPECT_NE(e.Pixels().Pixel(x, y), pattern.Pixel(x, y));
      }
    }
  }
  EXPECT_GT(burning, 0);
  // Every pixel is the fire laid over the picture by the fire's brightness.
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 8; ++x) {
      const gfx::Colour f = e.FirePalette()[e.Heat(x, y)];
      const gfx::Colour o = pattern.Pixel(x, y);
      const int a = (76 * gfx::Red(f) + 150 * gfx::Green(f) + 29 * gfx::Blue(f)) * 256 / 65280;
      auto mix = [a](int fc, int oc) { return (a * fc - (a - 256) * oc) / 256; };
      EXPECT_EQ(e.Pixels().Pixel(x, y),
                Rgb(mix(gfx::Red(f), gfx::Red(o)), mix(gfx::Green(f), gfx::Green(o)),
                    mix(gfx::Blue(f), gfx::Blue(o))))
          << x << "," << y;
    }
  }
  // With no pass the fire is cold everywhere.
  base::RandomGenerator random;
  EffectImage cold = Loaded(pattern);
  cold.PrepareFire();
  cold.StepFire(4, 0, 50, random);
  EXPECT_TRUE(SameImage(cold.Pixels(), pattern));
}

TEST(EffectImageRipples, AStoneInTheMiddleSpreadsSymmetrically) {
  EffectImage e = Loaded(Pattern(41, 41));
  e.PrepareRipple();
  e.DropStone(20, 20, 6, 500);
  EXPECT_EQ(e.WaterHeight(20, 20), 500);
  EXPECT_EQ(e.WaterHeight(25, 20), 500);
  EXPECT_EQ(e.WaterHeight(26, 20), 0);  // i² + j² < radius², strictly
  for (int step = 0; step < 6; ++step) {
    e.StepRipple(3);
    int moving = 0;
    for (int y = 0; y < 41; ++y) {
      for (int x = 0; x < 41; ++x) {
        const int v = e.WaterHeight(x, y);
        ASSERT_EQ(v, e.WaterHeight(40 - x, y)) << x << "," << y;
        ASSERT_EQ(v, e.WaterHeight(x, 40 - y)) << x << "," << y;
        ASSERT_EQ(v, e.WaterHeight(y, x)) << x << "," << y;
        if (x == 0 || y == 0 || x == 40 || y == 40) {
          ASSERT_EQ(v, 0);
        }
        if (v != 0) ++moving;
      }
    }
    EXPECT_GT(moving, 0);
  }
  // The wave has left the stone's circle.
  EXPECT_NE(e.WaterHeight(20, 32), 0);
}

TEST(EffectImageRipples, StonesLandInsideAndStillWaterShowsThePicture) {
  const gfx::Image pattern = Pattern(7, 7);
  EffectImage e = Loaded(pattern);
  e.PrepareRipple();
  e.StepRipple(4);
  EXPECT_TRUE(SameImage(e.Pixels(), pattern));
  // A stone off the picture falls on the nearest inner cell; a huge one stays in the picture.
  e.DropStone(-50, 100, 1, 9);
  EXPECT_EQ(e.WaterHeight(1, 5), 9);
  e.DropStone(3, 3, 1000000, 1);
  EXPECT_EQ(e.WaterHeight(0, 0), 1);
  EXPECT_EQ(e.WaterHeight(1, 5), 10);
  // Too small to have inner cells: nothing moves.
  EffectImage thin = Loaded(Pattern(2, 9));
  thin.PrepareRipple();
  thin.DropStone(1, 4, 3, 500);
  thin.StepRipple(3);
  EXPECT_EQ(thin.WaterHeight(1, 4), 0);
}

TEST(EffectImageRipples, TheSlopeShiftsAndShadesThePicture) {
  // source(x, y) = (10x, 10y, 100); one cell of height 16 at (3, 3), rendered without a pass.
  gfx::Image source(7, 7);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 7; ++x) source.SetPixel(x, y, Rgb(10 * x, 10 * y, 100));
  }
  EffectImage e = Loaded(source);
  e.PrepareRipple();
  e.DropStone(3, 3, 1, 16);
  e.StepRipple(0);
  // At the cell: dx = 16, dy = 16 >> 3; the pixel two across and two down, 16 darker.
  EXPECT_EQ(e.Pixels().Pixel(3, 3), Rgb(34, 34, 84));
  // To its left: dx = -16, so two to the left and 16 lighter.
  EXPECT_EQ(e.Pixels().Pixel(2, 3), Rgb(16, 46, 116));
  // Above it: dy = -16 >> 3, two up.
  EXPECT_EQ(e.Pixels().Pixel(3, 2), Rgb(30, 0, 100));
  EXPECT_EQ(e.Pixels().Pixel(5, 5), source.Pixel(5, 5));
}

// The fog of one pixel straight from its definition, in double precision.
int ReferenceMist(const EffectImage& e, int x, int y, std::int64_t t, int channel) {
  double fog = 0;
  for (int g = 128; g >= 1; g /= 2) {
    const double u = static_cast<double>(x + t) / g;
    const double v = static_cast<double>(y + t) / g;
    const double w = static_cast<double>(t) / g;
    const auto x0 = static_cast<std::int64_t>(std::floor(u));
    const auto y0 = static_cast<std::int64_t>(std::floor(v));
    const auto z0 = static_cast<std::int64_t>(std::floor(w));
    const double fx = u - x0, fy = v - y0, fz = w - z0;
    double sum = 0;
    for (int dz = 0; dz < 2; ++dz) {
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          const double weight = (dx ? fx : 1 - fx) * (dy ? fy : 1 - fy) * (dz ? fz : 1 - fz);
          sum += weight * e.Lattice(static_cast<int>((x0 + dx) % 192),
                                    static_cast<int>((y0 + dy) % 192),
                                    static_cast<int>((z0 + dz) % 64));
        }
      }
    }
    fog += g * sum;
  }
  const int h = static_cast<int>(fog * 256);
  const int alpha = h * 256 / 65280;
  return (channel * 256 * (256 - alpha) / 256 + h * alpha / 256) / 256;
}

TEST(EffectImageMist, FollowsTheTrilinearOctavesAndDrifts) {
  gfx::Image source(150, 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 150; ++x) source.SetPixel(x, y, Rgb(x, 6 * y, 255 - x));
  }
  base::RandomGenerator random;
  random.Seed(1234);
  EffectImage e = Loaded(source);
  e.PrepareMist(random);
  for (int z = 0; z < 64; z += 21) {
    for (int y = 0; y < 192; y += 37) {
      for (int x = 0; x < 192; x += 29) {
        ASSERT_GE(e.Lattice(x, y, z), 0.0f);
        ASSERT_LT(e.Lattice(x, y, z), 1.0f);
      }
    }
  }
  // Times whose octaves fall on and between lattice cells, and one far into the run, where the
  // coordinates wrap many times.
  for (std::int64_t t :
       {std::int64_t{0}, std::int64_t{77}, std::int64_t{123456}, std::int64_t{3'600'000'003}}) {
    e.RenderMist(t, 1, 1, 1);
    int worst = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 150; ++x) {
        const gfx::Colour c = source.Pixel(x, y);
        const gfx::Colour m = e.Pixels().Pixel(x, y);
        worst = std::max(worst, std::abs(gfx::Red(m) - ReferenceMist(e, x, y, t, gfx::Red(c))));
        worst = std::max(worst, std::abs(gfx::Blue(m) - ReferenceMist(e, x, y, t, gfx::Blue(c))));
      }
    }
    EXPECT_LE(worst, 1) << "t = " << t;
  }
  e.RenderMist(1000, 1, 1, 1);
  const gfx::Image early = e.Pixels();
  e.RenderMist(1020, 1, 1, 1);
  EXPECT_FALSE(SameImage(early, e.Pixels()));
  e.RenderMist(1000, 1, 1, 1);
  EXPECT_TRUE(SameImage(early, e.Pixels()));
}

}  // namespace

namespace {

std::uint64_t Checksum(const gfx::Image& image) {
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a over the pixel words
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      hash = (hash ^ image.Pixel(x, y)) * 1099511628211ull;
    }
  }
  return hash;
}

}  // namespace

// The mist's frames, pixel for pixel as the effect has always drawn them: sizes narrower and
// wider than the lattice, taller than it, and times on, between and far past lattice cells.
TEST(EffectImageMist, FramesStayPixelForPixelTheSame) {
  struct Frame {
    int width, height;
    std::int64_t time;
    std::uint64_t checksum;
  };
  const Frame frames[] = {
      {1, 1, 0, 0x44bd2bd473ccf799},
      {7, 3, 5, 0x5e8adcd2234a9b2a},
      {150, 40, 77, 0xd1cfdd62d433a22a},
      {300, 230, 123456, 0xacf7527545573208},
      {513, 61, 3'600'000'003, 0x63665e400c7838bc},
      {200, 200, 1020, 0x893d4f7e2a2ebf28},
  };
  for (const Frame& f : frames) {
    gfx::Image source(f.width, f.height);
    for (int y = 0; y < f.height; ++y) {
      for (int x = 0; x < f.width; ++x) {
        source.SetPixel(x, y, Rgb((x * 7) % 256, (y * 5) % 256, (x ^ y) % 256));
      }
    }
    base::RandomGenerator random;
    random.Seed(77);
    EffectImage e = Loaded(source);
    e.PrepareMist(random);
    e.RenderMist(f.time, 1, 1, 1);
    EXPECT_EQ(Checksum(e.Pixels()), f.checksum) << f.width << " x " << f.height << " at " << f.time
                                                << ": " << std::hex << Checksum(e.Pixels());
  }
}
