#include "effects/effect_player.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "effects/fireworks.h"
#include "effects/reward_cycle.h"
#include "support/fake_ports.h"

namespace {

using effects::EffectPlayer;
using effects::Reward;
using gfx::Rect;

// A window that also notes, each time a rectangle is shown, whether the back buffer still
// holds the screen as it was.
class WatchingWindow : public testing_support::FakeWindow {
 public:
  WatchingWindow(const gfx::Image& backBuffer, const gfx::Image& before)
      : backBuffer_(backBuffer), before_(before) {}
  std::vector<bool> changed;
  void ShowNow(const Rect& area) override {
    FakeWindow::ShowNow(area);
    bool differs = false;
    for (int y = area.top; y < area.bottom && !differs; ++y) {
      for (int x = area.left; x < area.right && !differs; ++x) {
        differs = backBuffer_.Pixel(x, y) != before_.Pixel(x, y);
      }
    }
    changed.push_back(differs);
  }

 private:
  const gfx::Image& backBuffer_;
  const gfx::Image& before_;
};

gfx::Image Screen() {
  gfx::Image image(300, 200);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) image.SetPixel(x, y, gfx::Rgb(x % 256, y, (x * y) % 251));
  }
  return image;
}

bool Same(const gfx::Image& a, const gfx::Image& b) {
  return a.GetSize() == b.GetSize() &&
         std::equal(a.Data(), a.Data() + a.Width() * a.Height(), b.Data());
}

struct PlayerTest : ::testing::Test {
  gfx::Image before = Screen();
  gfx::Image backBuffer = before;
  WatchingWindow window{backBuffer, before};
  testing_support::FakeClock clock;
  testing_support::FakeSoundPlayer sound;
  base::RandomGenerator random;
  EffectPlayer player{backBuffer, window, clock, sound, random};
};

struct Case {
  std::string name;
  std::function<void(EffectPlayer&, Rect)> play;
  int frames;
  std::vector<int> sleeps;  // of one frame
  Rect shownFor100;         // what is shown for the area (100, 120, 160, 150)
};

std::vector<Case> Cases() {
  const Rect area{100, 120, 160, 150};
  const Rect raised{100, 20, 160, 150};
  return {
      {"fire", [](EffectPlayer& p, Rect r) { p.PlayFire(r); }, 50, {50}, raised},
      {"short fire", [](EffectPlayer& p, Rect r) { p.PlayShortFire(r); }, 25, {50}, raised},
      {"ripples", [](EffectPlayer& p, Rect r) { p.PlayRipples(r); }, 20, {50}, area},
      {"mist", [](EffectPlayer& p, Rect r) { p.PlayMist(r); }, 40, {20}, area},
      {"blink", [](EffectPlayer& p, Rect r) { p.PlayBlink(r, 3); }, 3, {300}, area},
      {"jitter", [](EffectPlayer& p, Rect r) { p.PlayJitter(r); }, 8, {200}, area},
      {"emboss", [](EffectPlayer& p, Rect r) { p.PlayEmboss(r); }, 8, {200}, area},
  };
}

TEST_F(PlayerTest, EveryPlayerShowsItsFramesAtItsRhythmAndPutsTheScreenBack) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    window.shownNow.clear();
    window.changed.clear();
    clock.sleeps.clear();
    c.play(player, Rect{100, 120, 160, 150});
    EXPECT_TRUE(Same(backBuffer, before));
    ASSERT_EQ(window.shownNow.size(), static_cast<std::size_t>(c.frames + 1));
    for (const Rect& r : window.shownNow) EXPECT_EQ(r, c.shownFor100);
    EXPECT_EQ(clock.sleeps, std::vector<int>(c.frames, c.sleeps[0]));
    // The last show is the screen restored; the frames before it drew something.
    EXPECT_FALSE(window.changed.back());
    EXPECT_TRUE(window.changed.front());
  }
  EXPECT_TRUE(sound.played.empty());
}

// Showing a frame costs time on a real screen; here every show moves the clock on, and the first
// one stalls for one and a half periods, as when the system is busy for a moment.
class SlowWindow : public testing_support::FakeWindow {
 public:
  explicit SlowWindow(testing_support::FakeClock& clock) : clock_(clock) {}
  int workMs = 7;
  int stallMs = 0;
  std::vector<std::int64_t> shownAt;
  void ShowNow(const Rect& area) override {
    FakeWindow::ShowNow(area);
    shownAt.push_back(clock_.now);
    clock_.now += workMs + (shownAt.size() == 1 ? stallMs : 0);
  }

 private:
  testing_support::FakeClock& clock_;
};

TEST(PlayerRhythm, FramesKeepTheirPeriodWhateverTheWorkAndCatchUpAfterAStall) {
  gfx::Image backBuffer = Screen();
  testing_support::FakeClock clock;
  clock.now = 123456;
  SlowWindow window{clock};
  testing_support::FakeSoundPlayer sound;
  base::RandomGenerator random;
  EffectPlayer player{backBuffer, window, clock, sound, random};
  for (const Case& c : Cases()) {
    const int period = c.sleeps[0];
    for (int stall : {0, period * 3 / 2}) {
      SCOPED_TRACE(c.name + (stall ? ", stalled" : ""));
      window.shownAt.clear();
      window.stallMs = stall;
      c.play(player, Rect{100, 120, 160, 150});
      ASSERT_EQ(window.shownAt.size(), static_cast<std::size_t>(c.frames + 1));
      const std::int64_t first = window.shownAt[0];
      for (int k = 0; k < c.frames; ++k) {
        // Never early; late only while catching up from the stall.
        EXPECT_GE(window.shownAt[k] - first, k * period) << "frame " << k;
        if (stall == 0) {
          EXPECT_EQ(window.shownAt[k] - first, k * period) << "frame " << k;
        }
      }
      EXPECT_EQ(window.shownAt[c.frames - 1] - first, (c.frames - 1) * period);
    }
  }
}

TEST_F(PlayerTest, AnAreaOffTheScreenIsClippedOrPlaysNothing) {
  // The fire climbs above the top of the window: only what lies on it is captured.
  player.PlayFire(Rect{10, 60, 50, 90});
  EXPECT_EQ(window.shownNow.front(), (Rect{10, 0, 50, 90}));
  EXPECT_TRUE(Same(backBuffer, before));
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    window.shownNow.clear();
    clock.sleeps.clear();
    c.play(player, Rect{400, 50, 500, 80});
    EXPECT_TRUE(window.shownNow.empty());
    EXPECT_TRUE(Same(backBuffer, before));
    // The fire still takes its time, so that what follows keeps its rhythm; the others end.
    const bool fire = c.name.find("fire") != std::string::npos;
    EXPECT_EQ(clock.sleeps.size(), fire ? static_cast<std::size_t>(c.frames) : 0u);
  }
  // An inverted rectangle captures nothing either.
  window.shownNow.clear();
  player.PlayRipples(Rect{160, 150, 100, 120});
  EXPECT_TRUE(window.shownNow.empty());
}

TEST_F(PlayerTest, BlinkingAnEvenNumberOfTimesEndsOnThePicture) {
  player.PlayBlink(Rect{0, 0, 300, 200}, effects::kRewardFlashes);
  ASSERT_EQ(window.changed.size(), 7u);
  EXPECT_EQ(window.changed, (std::vector<bool>{true, false, true, false, true, false, false}));
  window.shownNow.clear();
  player.PlayBlink(Rect{0, 0, 300, 200}, -4);
  EXPECT_EQ(window.shownNow.size(), 1u);
  EXPECT_TRUE(Same(backBuffer, before));
}

TEST_F(PlayerTest, TheSoundStartsBeforeTheFirstFrame) {
  const std::filesystem::path wave = std::filesystem::path("sons") / "caillou.wav";
  player.PlayRipples(Rect{100, 120, 160, 150}, wave);
  ASSERT_EQ(sound.played.size(), 1u);
  EXPECT_EQ(sound.played[0], wave);
  player.PlayRipples(Rect{100, 120, 160, 150});
  EXPECT_EQ(sound.played.size(), 1u);
}

TEST(RewardCycle, SixRewardsInTurnThenTheFirstAgain) {
  effects::RewardCycle cycle;
  const Reward expected[] = {Reward::kFire,   Reward::kRipples, Reward::kMist, Reward::kBlink,
                             Reward::kJitter, Reward::kEmboss,  Reward::kFire, Reward::kRipples};
  for (Reward r : expected) EXPECT_EQ(cycle.Next(), r);
  EXPECT_EQ(cycle.Position(), 2);
  EXPECT_EQ(effects::SoundOf(Reward::kFire), effects::RewardSound::kFire);
  EXPECT_EQ(effects::SoundOf(Reward::kRipples), effects::RewardSound::kRipples);
  EXPECT_EQ(effects::SoundOf(Reward::kMist), effects::RewardSound::kMist);
  EXPECT_EQ(effects::SoundOf(Reward::kBlink), effects::RewardSound::kNone);
}

TEST_F(PlayerTest, EachRewardPlaysOverItsAreaAndARewardWithoutCellsPlaysNothing) {
  const Rect grid{120, 130, 180, 160};
  struct Expect {
    Reward reward;
    Rect shown;
    std::size_t sleeps;
  };
  const Expect expected[] = {
      {Reward::kFire, Rect{120, 30, 180, 160}, 50},
      {Reward::kRipples, Rect{70, 80, 230, 200}, 20},
      {Reward::kMist, Rect{70, 80, 230, 200}, 40},
      {Reward::kBlink, grid, 6},
      {Reward::kJitter, grid, 8},
      {Reward::kEmboss, grid, 8},
  };
  for (const Expect& e : expected) {
    window.shownNow.clear();
    clock.sleeps.clear();
    player.PlayReward(e.reward, grid, "x.wav");
    ASSERT_FALSE(window.shownNow.empty());
    EXPECT_EQ(window.shownNow.back(), e.shown);
    EXPECT_EQ(clock.sleeps.size(), e.sleeps);
    EXPECT_TRUE(Same(backBuffer, before));
  }
  EXPECT_EQ(sound.played.size(), 6u);
  window.shownNow.clear();
  clock.sleeps.clear();
  player.PlayReward(Reward::kFire, Rect{200, 100, 150, 120});
  player.PlayReward(Reward::kMist, Rect{100, 200, 150, 120});
  EXPECT_TRUE(window.shownNow.empty());
  EXPECT_TRUE(clock.sleeps.empty());
}

TEST(Fireworks, FramesAreFittedToTheBoxThenShrunkIntoTheArea) {
  const Rect client{0, 0, 1200, 850};
  struct Fit {
    gfx::Size natural;
    Rect expected;
  };
  const Fit fits[] = {
      {{100, 50}, Rect{0, 125, 1200, 725}},  // 2000 × 1000, then 1200 × 600
      {{30, 60}, Rect{388, 0, 812, 850}},    // 999 × 2000 (in floats), then 424 × 850
      {{4000, 4000}, Rect{175, 0, 1025, 850}},
      {{0, 10}, Rect{}},
  };
  for (const Fit& f : fits) {
    EXPECT_EQ(effects::Fireworks::FrameArea(f.natural, client), f.expected)
        << f.natural.width << "x" << f.natural.height;
  }
  // A larger screen than the box shows a frame at the box's size.
  EXPECT_EQ(effects::Fireworks::FrameArea({100, 100}, Rect{0, 0, 3000, 2500}),
            (Rect{500, 250, 2500, 2250}));
}

TEST_F(PlayerTest, FireworksRunTwiceThroughTheFramesThatLoaded) {
  testing_support::FakePictures pictures;
  const std::filesystem::path folder = "program";
  for (int i = 0; i < effects::kFireworksFrameCount; ++i) {
    if (i == 4) continue;  // a frame whose file is missing
    pictures.files[folder / "resb" / effects::FireworksFrameFile(i)] =
        gfx::Image(40, 20, gfx::Rgb(10 * i, 0, 0));
  }
  effects::Fireworks fireworks;
  fireworks.Load(pictures, folder);
  EXPECT_EQ(fireworks.Frame(0).GetSize(), (gfx::Size{40, 20}));
  EXPECT_TRUE(fireworks.Frame(4).IsNull());
  EXPECT_TRUE(fireworks.Frame(11).IsNull());
  EXPECT_TRUE(fireworks.Frame(-1).IsNull());

  player.PlayFireworks(fireworks, backBuffer.Bounds());
  EXPECT_EQ(clock.sleeps, std::vector<int>(22, 300));
  ASSERT_EQ(window.shownNow.size(), 20u);
  for (const Rect& r : window.shownNow) EXPECT_EQ(r, (Rect{0, 25, 300, 175}));
  // The last frame is on the screen until the view paints itself again.
  EXPECT_EQ(backBuffer.Pixel(150, 100), gfx::Rgb(100, 0, 0));
  EXPECT_EQ(window.invalidateAllCount, 1);
}

}  // namespace
