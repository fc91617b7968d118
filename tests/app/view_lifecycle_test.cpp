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
  view.OnTimer(app::kTimerFirstRun);
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
  view.TraceLine("more\n");
  EXPECT_TRUE(std::filesystem::is_directory(harness.data / "debug.txt"));
}

TEST(ViewLife, WindowCreationStartsTheThreeTimers) {
  ViewHarness harness;
  harness.Create();
  const auto& timers = harness.fake.timers.running;
  EXPECT_EQ(timers.at(app::kTimerAnimation), 50);
  EXPECT_EQ(timers.at(app::kTimerTooltip), 500);
  EXPECT_EQ(timers.at(app::kTimerFirstRun), 600);
  EXPECT_EQ(timers.size(), 3u);
}

TEST(ViewLife, TheFirstRunTimerRunsOnceThenStops) {
  ViewHarness harness;
  harness.fake.voices.sources = {{{"Alpha", "a"}, {"Beta", "b"}}};
  auto& view = harness.Create();
  view.OnTimer(app::kTimerFirstRun);
  EXPECT_FALSE(harness.fake.timers.IsRunning(app::kTimerFirstRun));
  EXPECT_EQ(view.settingsDialog.voiceItems.size(), 2u);
  EXPECT_EQ(harness.fake.window.resizes.size(), 1u);
  // A late tick already queued does not list the voices a second time.
  view.OnTimer(app::kTimerFirstRun);
  EXPECT_EQ(view.settingsDialog.voiceItems.size(), 2u);
  EXPECT_EQ(harness.fake.window.resizes.size(), 1u);
  EXPECT_EQ(view.settingsLoading, 0);
}

TEST(ViewLife, DefaultSettingsFitTheWindowTo1200By840) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.OnTimer(app::kTimerFirstRun);
  ASSERT_EQ(harness.fake.window.resizes.size(), 1u);
  EXPECT_EQ(harness.fake.window.resizes[0], (gfx::Size{1200, 840}));
}

TEST(ViewLife, FittingFollowsTheGridAndTheKeyboard) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.settingsDialog.OnCellsChanged(19);  // 40 cells
  view.settingsDialog.OnLinesChanged(7);   // 8 lines
  EXPECT_EQ(harness.fake.window.resizes.back(),
            (gfx::Size{40 * 40 + 200, 90 + 65 * 8 + 65 * 4 + 100}));

  view.settingsDialog.OnZoomChanged(4);  // keys of 80
  view.FitWindowToContent();
  EXPECT_EQ(harness.fake.window.resizes.back(),
            (gfx::Size{80 * 40 + 200, 90 + 105 * 8 + 105 * 4 + 100}));

  harness.fake.window.maximised = true;
  const auto count = harness.fake.window.resizes.size();
  view.FitWindowToContent();
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
    EXPECT_EQ(view.state.gridLeft, c.gridLeft) << c.clientWidth;
    EXPECT_EQ(view.state.keyboardLeft, c.keyboardLeft) << c.clientWidth;
    EXPECT_EQ(view.state.keyboardTop, 90 + 409) << c.clientWidth;  // 65 × 6.3 truncated
    EXPECT_EQ(view.cells[0].posX, view.state.keyboardLeft);
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
  view.wordList.listFileOrder = view.wordList.listEntries = {"chat", "chien"};
  view.wordList.currentEntry = 0;
  view.grid.gridBounds = {100, 100, 200, 140};
  harness.fake.timers.Start(app::kTimerWordSuccess, 50);
  view.OnTimer(app::kTimerWordSuccess);
  EXPECT_EQ(view.lastCelebratedText, "chat");
  EXPECT_EQ(view.lastCelebratedIndex, 0);

  harness.fake.timers.Start(app::kTimerBlink, 50);
  harness.fake.timers.Start(app::kTimerFixedSuccess, 1500);
  view.OnTimer(app::kTimerWordSuccess);
  EXPECT_FALSE(harness.fake.timers.IsRunning(app::kTimerBlink));
  EXPECT_FALSE(harness.fake.timers.IsRunning(app::kTimerFixedSuccess));

  view.wordList.currentEntry = 1;
  view.OnTimer(app::kTimerWordSuccess);
  EXPECT_EQ(view.lastCelebratedText, "chien");
}

}  // namespace
