// The rewards reach the screen and the speakers, and the screen is put back afterwards.
#include <gtest/gtest.h>

#include "support/view_harness.h"
#include "text/cp1252.h"

namespace {

using testing_support::ViewHarness;

TEST(Rewards, SolvedWordsPlayTheCycleWithItsSoundsAndTheScreenComesBack) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.EnterModule(app::ModuleId::kListe);
  harness.Paint();
  const gfx::Image before = view.BackBuffer();
  view.Parts().grid.gridBounds =
      base::CellRect(view.Parts().state, 3, 1).Union(base::CellRect(view.Parts().state, 7, 1));

  const std::vector<std::string> sounds = {
      "chemin\xE9"
      "e.wav",
      "caillou.wav", "brume.wav"};
  for (int i = 0; i < 7; ++i) {
    const auto shown = harness.fake.window.shownNow.size();
    const auto played = harness.fake.sound.played.size();
    harness.fake.timers.Start(base::kTimerWordSuccess, 50);
    view.OnTimer(base::kTimerWordSuccess);
    EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerWordSuccess));
    EXPECT_GT(harness.fake.window.shownNow.size(), shown + 1) << "reward " << i;
    const int kind = i % 6;
    if (kind < 3) {
      ASSERT_EQ(harness.fake.sound.played.size(), played + 1) << i;
      EXPECT_EQ(text::TextFromPath(harness.fake.sound.played.back().filename()),
                sounds[static_cast<std::size_t>(kind)]);
    } else {
      EXPECT_EQ(harness.fake.sound.played.size(), played) << i;
    }
    for (int y = 0; y < before.Height(); y += 7) {
      for (int x = 0; x < before.Width(); x += 7) {
        ASSERT_EQ(view.BackBuffer().Pixel(x, y), before.Pixel(x, y)) << i << " " << x << " " << y;
      }
    }
  }

  // With the effects switched off nothing is shown, and the sound switch silences the rest.
  view.Parts().settingsDialog.OnNoEffectsClicked(true);
  const auto shown = harness.fake.window.shownNow.size();
  view.OnTimer(base::kTimerWordSuccess);
  EXPECT_EQ(harness.fake.window.shownNow.size(), shown);
}

// "Bravo" is heard whole: the effect's sound ends when it begins, and the automatic advance
// counts its delay from its end, so the next instruction never cuts it off.
TEST(Rewards, TheCongratulationIsHeardWholeBeforeTheDelayOfTheNextEntryBegins) {
  ViewHarness harness;
  auto& view = harness.Create();
  const auto list = harness.data.Path() / "liste.txt";
  testing_support::WriteBytes(list, "chat\nrat\n");
  harness.fake.dialogs.openAnswer = list;
  view.Parts().listDialog.OpenList();
  view.Parts().listDialog.OnAutoAdvanceChanged(2);  // 5 s
  harness.ClickIcon(app::IconModuleList);
  harness.ClickIcon(app::IconNextWord);
  harness.Paint();
  ASSERT_EQ(view.Parts().words.currentEntry, 0);
  ASSERT_FALSE(view.Parts().grid.gridBounds.IsEmpty());

  harness.fake.voice.speaking = true;  // "Bravo!!! ..." is being said
  harness.fake.timers.Start(base::kTimerWordSuccess, 50);
  view.OnTimer(base::kTimerWordSuccess);
  ASSERT_EQ(harness.fake.sound.played.size(), 1u);  // the fire's crackle
  EXPECT_EQ(harness.fake.sound.stops, 1);
  EXPECT_EQ(harness.fake.timers.running[base::kTimerNextWord], exercises::Dictation::kSpeechLookMs);

  for (int look = 0; look < 3; ++look) view.OnTimer(base::kTimerNextWord);
  EXPECT_EQ(view.Parts().words.currentEntry, 0);
  harness.fake.voice.speaking = false;  // heard: the delay starts now
  view.OnTimer(base::kTimerNextWord);
  EXPECT_EQ(view.Parts().words.currentEntry, 0);
  EXPECT_EQ(harness.fake.timers.running[base::kTimerNextWord], 5000);
  view.OnTimer(base::kTimerNextWord);
  EXPECT_EQ(view.Parts().words.currentEntry, 1);
  EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerNextWord));

  // Without sound nothing is said, so nothing is waited for.
  harness.ClickIcon(app::IconSound);
  harness.fake.voice.speaking = true;
  harness.ClickIcon(app::IconNextWord);
  harness.Paint();
  harness.fake.timers.Start(base::kTimerWordSuccess, 50);
  view.OnTimer(base::kTimerWordSuccess);
  EXPECT_EQ(harness.fake.timers.running[base::kTimerNextWord], 5000);
}

TEST(Rewards, TheFixedTextPlaysItsRewardAndAFoundWordBlinks) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();
  const gfx::Image before = view.BackBuffer();
  view.OnTimer(base::kTimerFixedSuccess);
  ASSERT_FALSE(harness.fake.window.shownNow.empty());
  // Over the middle of the window: 25 % to 75 % across, 45 % to 75 % down (ripples spread 50 more).
  for (const gfx::Rect& r : harness.fake.window.shownNow) {
    EXPECT_GE(r.left, 1200 * 25 / 100 - 50);
    EXPECT_LE(r.right, 1200 * 75 / 100 + 50);
  }
  EXPECT_EQ(harness.fake.sound.played.size(), 1u);

  const auto shown = harness.fake.window.shownNow.size();
  view.OnTimer(base::kTimerBlink);
  EXPECT_GT(harness.fake.window.shownNow.size(), shown);
  for (int y = 0; y < before.Height(); y += 5) {
    for (int x = 0; x < before.Width(); x += 5)
      ASSERT_EQ(view.BackBuffer().Pixel(x, y), before.Pixel(x, y));
  }
}

}  // namespace
