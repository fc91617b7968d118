#include <gtest/gtest.h>

#include "support/view_harness.h"

namespace {

using testing_support::ReadBytes;
using testing_support::ViewHarness;

TEST(ViewLife, TraceHoldsTheStartUpStepsInOrder) {
  ViewHarness harness;
  testing_support::WriteBytes(harness.data / "debug.txt", "an old run\n");
  auto& view = harness.Create();
  EXPECT_EQ(ReadBytes(harness.data / "debug.txt"),
            "Start test \ndlgopenlist2\nInitBitmapBack\ndlgEdit\ndlgconfigABC\nInitDS\n"
            "dlgconfigP\nInitBitmap\nOpenB\nInitialiseKey\nChangeFontZ\nOnReadDefaut\n");

  harness.fake.voices.sources = {{{"Hortense", "h"}}};
  view.OnTimer(base::kTimerFirstRun);
  const std::string trace = ReadBytes(harness.data / "debug.txt");
  const auto init = trace.find("Init populate voice\n");
  const auto voice = trace.find("szSubKeyName2 : NA: 1 NI :0 Hortense\n");
  const auto end = trace.find("End populate voice\n");
  ASSERT_NE(init, std::string::npos);
  EXPECT_LT(init, voice);
  EXPECT_LT(voice, end);
}

TEST(ViewLife, AnUnwritableTraceIsDroppedSilently) {
  ViewHarness harness;
  testing_support::WriteBytes(harness.data / "x", "");
  std::filesystem::create_directory(harness.data / "debug.txt");  // cannot be opened as a file
  auto& view = harness.Create();
  view.StartupTrace().Line("more\n");
  EXPECT_TRUE(std::filesystem::is_directory(harness.data / "debug.txt"));
}

TEST(ViewLife, WindowCreationStartsTheThreeTimers) {
  ViewHarness harness;
  harness.Create();
  const auto& timers = harness.fake.timers.running;
  EXPECT_EQ(timers.at(base::kTimerAnimation), 50);
  EXPECT_EQ(timers.at(base::kTimerTooltip), 500);
  EXPECT_EQ(timers.at(base::kTimerFirstRun), 600);
  EXPECT_EQ(timers.size(), 3u);
}

TEST(ViewLife, TheFirstRunTimerRunsOnceThenStops) {
  ViewHarness harness;
  harness.fake.voices.sources = {{{"Alpha", "a"}, {"Beta", "b"}}};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerFirstRun));
  EXPECT_EQ(view.SettingsDialog().voiceItems.size(), 2u);
  EXPECT_EQ(harness.fake.window.resizes.size(), 1u);
  // A late tick already queued does not list the voices a second time.
  view.OnTimer(base::kTimerFirstRun);
  EXPECT_EQ(view.SettingsDialog().voiceItems.size(), 2u);
  EXPECT_EQ(harness.fake.window.resizes.size(), 1u);
  EXPECT_EQ(view.SettingsLoading(), 0);
}

TEST(ViewLife, DefaultSettingsFitTheWindowTo1200By840) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  ASSERT_EQ(harness.fake.window.resizes.size(), 1u);
  EXPECT_EQ(harness.fake.window.resizes[0], (gfx::Size{1200, 840}));
}

TEST(ViewLife, FittingFollowsTheGridAndTheKeyboard) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.SettingsDialog().OnCellsChanged(19);  // 40 cells
  view.SettingsDialog().OnLinesChanged(7);   // 8 lines
  EXPECT_EQ(harness.fake.window.resizes.back(),
            (gfx::Size{40 * 40 + 200, 90 + 65 * 8 + 65 * 4 + 100}));

  view.SettingsDialog().OnZoomChanged(4);  // keys of 80
  view.SettingsDialog().OnLinesChanged(7);
  EXPECT_EQ(harness.fake.window.resizes.back(),
            (gfx::Size{80 * 40 + 200, 90 + 105 * 8 + 105 * 4 + 100}));

  harness.fake.window.maximised = true;
  const auto count = harness.fake.window.resizes.size();
  view.SettingsDialog().OnLinesChanged(7);
  EXPECT_EQ(harness.fake.window.resizes.size(), count);
}

TEST(ViewLife, ANarrowWindowPutsGridAndKeyboardAt100) {
  struct Case {
    int clientWidth;
    int gridLeft;
    int keyboardLeft;
  };
  // Grid 22 × 40 = 880, keyboard 517 wide at zoom 1.0.
  for (const Case c : {Case{1200, 160, 341}, Case{1080, 100, 281}, Case{1079, 100, 281},
                       Case{717, 100, 100}, Case{718, 100, 100}, Case{600, 100, 100}}) {
    ViewHarness harness;
    harness.fake.window.clientSize = {c.clientWidth, 850};
    auto& view = harness.Create();
    EXPECT_EQ(view.State().gridLeft, c.gridLeft) << c.clientWidth;
    EXPECT_EQ(view.State().keyboardLeft, c.keyboardLeft) << c.clientWidth;
    EXPECT_EQ(view.State().keyboardTop, 90 + 409) << c.clientWidth;  // 65 × 6.3 truncated
    EXPECT_EQ(view.Cells()[0].posX, view.State().keyboardLeft);
  }
}

TEST(ViewLife, DelaySleepsTheTimeAskedFor) {
  ViewHarness harness;
  auto& view = harness.Create();
  EXPECT_EQ(view.Delay(200), 200);
  EXPECT_EQ(harness.fake.clock.sleeps.back(), 200);
}

TEST(ViewLife, OneListItemIsCelebratedOnce) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Words().listFileOrder = view.Words().listEntries = {"chat", "chien"};
  view.Words().currentEntry = 0;
  view.Grid().gridBounds = {100, 100, 200, 140};
  harness.fake.timers.Start(base::kTimerWordSuccess, 50);
  view.OnTimer(base::kTimerWordSuccess);
  EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerWordSuccess));

  // The same item again: its celebration stops, the French text's own rewards go on.
  harness.fake.timers.Start(base::kTimerWordSuccess, 50);
  harness.fake.timers.Start(base::kTimerBlink, 50);
  harness.fake.timers.Start(base::kTimerFixedSuccess, 1500);
  view.OnTimer(base::kTimerWordSuccess);
  EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerWordSuccess));
  EXPECT_TRUE(harness.fake.timers.IsRunning(base::kTimerBlink));
  EXPECT_TRUE(harness.fake.timers.IsRunning(base::kTimerFixedSuccess));

  // The next item is celebrated: only its own timer stops.
  view.Words().currentEntry = 1;
  harness.fake.timers.Start(base::kTimerBlink, 50);
  view.OnTimer(base::kTimerWordSuccess);
  EXPECT_TRUE(harness.fake.timers.IsRunning(base::kTimerBlink));
}

}  // namespace
