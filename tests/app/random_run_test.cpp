// A child let loose: thousands of random presses, moves, releases, double clicks, icons, keys,
// module changes, timer ticks, settings and edits, with what must always hold checked after
// each one.
#include <gtest/gtest.h>

#include <random>

#include "support/mouse_run.h"

namespace {

TEST(RandomRun, NoCellHoldsTwoTilesNoKeyLeavesTheKeyboardAndTheEditorFollowsTheGrid) {
  constexpr int kSeeds = 4;
  constexpr std::size_t kBytesPerRun = 4000;
  int steps = 0;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    testing_support::ViewHarness harness;
    harness.Create();
    harness.Paint();
    testing_support::MouseRun run(harness);
    std::mt19937 random(static_cast<unsigned>(seed));
    std::string bytes(kBytesPerRun, '\0');
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    std::string_view rest = bytes;
    while (run.Step(rest)) {
      ++steps;
      const std::string broken = run.Broken();
      ASSERT_EQ(broken, "") << "after step " << steps << ": " << run.LastStep();
      if (steps % 200 == 0) harness.fake.ForgetRecords();
    }
  }
  EXPECT_GT(steps, 3000);
}

}  // namespace
