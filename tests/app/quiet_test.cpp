// At rest the program wakes for nothing: each timer runs while its work lasts. Driven by the
// timers that run, as the window would fire them, so a timer stopped too early leaves work undone.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/mouse_keys.h"
#include "effects/fireworks_names.h"
#include "support/view_harness.h"

namespace {

using base::icons::IconId;
using testing_support::GridChar;
using testing_support::ViewHarness;

constexpr int kT = 4;

struct Quiet : ::testing::Test {
  Quiet() {
    h.fake.pictures.files[h.program.Path() / "Puzzles" / "marsupilami.jpg"] = gfx::Image(400, 300);
    for (int i = 0; i < effects::kFireworksFrameCount; ++i) {
      h.fake.pictures.files[h.program.Path() / "resb" / effects::FireworksFrameFile(i)] =
          gfx::Image(30, 20);
    }
    h.Create();
    h.Paint();
    h.View().OnTimer(base::kTimerFirstRun);
    h.Paint();
  }
  app::CScribixView& view() { return h.View(); }
  const std::map<int, int>& running() const { return h.fake.timers.running; }

  // Fires the timers that run, the shortest period first, as time passes, and paints what they
  // changed, until none runs. Gives the number of messages it took.
  int RunUntilQuiet(int limit = 2000) {
    int fired = 0;
    while (!running().empty() && fired < limit) {
      auto next = running().begin();
      for (auto it = running().begin(); it != running().end(); ++it) {
        if (it->second < next->second) next = it;
      }
      h.fake.clock.now += next->second;
      view().OnTimer(next->first);
      h.Paint();
      ++fired;
    }
    return fired;
  }

  ViewHarness h;
};

TEST_F(Quiet, NoTimerRunsAtRestInAnyModule) {
  EXPECT_TRUE(running().empty());
  for (const IconId module : {IconId::IconModuleMath, IconId::IconModuleList,
                              IconId::IconModuleFrench, IconId::IconModulePuzzle}) {
    h.ClickIcon(module);
    h.Paint();
    RunUntilQuiet();
    EXPECT_TRUE(running().empty()) << module;
    // A move over the empty screen and a click on nothing wake nothing either.
    h.Click({5, 5});
    view().OnMouseMove(0, {6, 6});
    h.Paint();
    EXPECT_TRUE(running().empty()) << module;
  }
}

TEST_F(Quiet, TilesMoveUnderTheAnimationTimerWhichStopsOnceTheyRest) {
  // A tile flying to the cursor by itself.
  view().Parts().settingsDialog.OnAutoPlaceClicked(true);
  h.Click(testing_support::OnKey(view(), kT));
  EXPECT_EQ(running().at(base::kTimerAnimation), 50);
  EXPECT_GT(RunUntilQuiet(), 3);
  EXPECT_EQ(GridChar(view(), 0, 0), 't');
  EXPECT_TRUE(running().empty());

  // The grid emptied: the tiles glide home, then the clearing ends.
  view().Parts().settingsDialog.OnAutoPlaceClicked(false);
  h.WriteKeyInto(kT, 3, 1);
  h.ClickIcon(IconId::IconClear);
  EXPECT_TRUE(running().count(base::kTimerAnimation));
  RunUntilQuiet();
  EXPECT_EQ(view().Parts().grid.clearing, 0);
  EXPECT_EQ(view().Parts().state.itemCount, view().Parts().state.keyCount);
  EXPECT_TRUE(running().empty());
}

TEST_F(Quiet, PuzzlePiecesTravelHomeAndTheTimerStopsWithTheLast) {
  h.ClickIcon(IconId::IconModulePuzzle);
  h.Paint();
  h.ClickIcon(IconId::IconScatter);
  RunUntilQuiet();
  const int pieces = view().Parts().state.keyCount;
  ASSERT_GT(pieces, 1);
  for (int i = 0; i < pieces; ++i) view().Parts().cells[i].posY = 520 + i;

  // One piece brought home by a double click on its place.
  const base::CellRecord& first = view().Parts().cells[0];
  view().OnLButtonDblClk(base::mouse::kLeftButton, {first.homeX + 5, first.homeY + 5});
  EXPECT_TRUE(running().count(base::kTimerAnimation));
  RunUntilQuiet();
  EXPECT_EQ(view().Parts().cells[0].posY, view().Parts().cells[0].homeY);
  EXPECT_EQ(view().Parts().cells[0].settled, 1);

  // Every piece, by the solution.
  h.ClickIcon(IconId::IconPuzzleSolution);
  RunUntilQuiet();
  for (int i = 0; i < pieces; ++i) {
    EXPECT_EQ(view().Parts().cells[i].posY, view().Parts().cells[i].homeY) << i;
    EXPECT_EQ(view().Parts().cells[i].settled, 1) << i;
  }
  EXPECT_TRUE(running().empty());
}

TEST_F(Quiet, TheTooltipTimerRunsFromAMoveOverAnIconUntilTheTooltipIsShownOrLeft) {
  const gfx::Rect french = view().Parts().icons[app::IconModuleFrench];
  const gfx::Point on{french.left + 4, french.top + 4};
  auto& tips = h.fake.window.tips;

  view().OnMouseMove(0, on);
  EXPECT_EQ(running().at(base::kTimerTooltip), 500);
  // More moves over it do not put the tooltip off.
  view().OnTimer(base::kTimerTooltip);
  view().OnMouseMove(0, {on.x + 1, on.y});
  EXPECT_EQ(RunUntilQuiet(), 1);
  ASSERT_FALSE(tips.empty());
  EXPECT_EQ(tips.back().second,
            "Module Fran\xE7"
            "ais");

  // Put away by a press, it comes back while the mouse rests, and the timer stops again.
  const std::size_t shown = tips.size();
  view().OnLButtonDown(base::mouse::kLeftButton, {5, 5});
  view().OnLButtonUp(base::mouse::kLeftButton, {5, 5});
  view().OnMouseMove(0, on);
  view().OnLButtonDown(base::mouse::kLeftButton, on);
  view().OnLButtonUp(base::mouse::kLeftButton, on);
  RunUntilQuiet();
  EXPECT_TRUE(running().empty());
  EXPECT_GT(tips.size(), shown);

  // Left for the empty screen before it showed: hidden and quiet at once.
  view().OnMouseMove(0, on);
  view().OnMouseMove(0, {600, 400});
  EXPECT_TRUE(running().empty());
  EXPECT_EQ(tips.back().second, "");

  // Over an open dialog no tooltip comes, and the timer does not go on asking.
  h.fake.dialogHost.visible[ports::DialogId::kEditor] = true;
  view().OnMouseMove(0, on);
  EXPECT_EQ(RunUntilQuiet(), 1);
  EXPECT_EQ(tips.back().second, "");
}

TEST_F(Quiet, TheAutomaticAdvanceWaitsForTheVoiceThenEveryTimerStops) {
  const auto path = h.data.Path() / "liste.txt";
  testing_support::WriteBytes(path, "t\nta\n");
  h.fake.dialogs.openAnswer = path;
  view().Parts().listDialog.OpenList();
  view().Parts().listDialog.OnAutoAdvanceChanged(1);
  h.ClickIcon(IconId::IconModuleList);
  h.ClickIcon(IconId::IconNextWord);
  h.Paint();
  RunUntilQuiet();
  const int first = view().Parts().words.currentEntry;

  // The word written: the reward, the congratulation, then the next entry by itself.
  h.fake.voice.speaking = true;
  view().Parts().settingsDialog.OnAutoPlaceClicked(true);
  h.Click(testing_support::OnKey(view(), kT));
  RunUntilQuiet(40);
  // The voice still speaks: the advance keeps looking, no more.
  ASSERT_TRUE(running().count(base::kTimerNextWord));
  EXPECT_EQ(running().size(), 1u);
  EXPECT_EQ(view().Parts().words.currentEntry, first);
  h.fake.voice.speaking = false;
  RunUntilQuiet();
  EXPECT_EQ(view().Parts().words.currentEntry, first + 1);
  EXPECT_TRUE(running().empty());
}

}  // namespace
