#include <gtest/gtest.h>

#include <set>

#include "base/timer_ids.h"
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
  const auto trace = harness.data / "debug.txt";
  std::filesystem::create_directory(trace);  // cannot be opened as a file
  auto& view = harness.Create();
  view.Parts().trace.Line("more\n");
  view.OnTimer(base::kTimerFirstRun);
  // The start goes on to its end, says nothing and writes no trace anywhere else.
  EXPECT_EQ(view.Parts().state.keyCount, 41);
  EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerFirstRun));
  EXPECT_TRUE(harness.fake.dialogs.messages.empty());
  EXPECT_TRUE(std::filesystem::is_directory(trace));
  EXPECT_TRUE(std::filesystem::is_empty(trace));
  for (const auto& entry : std::filesystem::directory_iterator(harness.data.Path())) {
    if (!entry.is_regular_file()) continue;
    EXPECT_EQ(ReadBytes(entry.path()).find("Start test"), std::string::npos) << entry.path();
  }
}

TEST(ViewLife, WindowCreationStartsOnlyTheFirstRunTimer) {
  ViewHarness harness;
  harness.Create();
  const auto& timers = harness.fake.timers.running;
  EXPECT_EQ(timers.at(base::kTimerFirstRun), 600);
  EXPECT_EQ(timers.size(), 1u);
}

TEST(ViewLife, TheFirstRunTimerRunsOnceThenStops) {
  ViewHarness harness;
  harness.fake.voices.sources = {{{"Alpha", "a"}, {"Beta", "b"}}};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerFirstRun));
  EXPECT_EQ(view.Parts().settingsDialog.voiceItems.size(), 2u);
  EXPECT_EQ(harness.fake.window.resizes.size(), 1u);
  // A late tick already queued does not list the voices a second time.
  view.OnTimer(base::kTimerFirstRun);
  EXPECT_EQ(view.Parts().settingsDialog.voiceItems.size(), 2u);
  EXPECT_EQ(harness.fake.window.resizes.size(), 1u);
  EXPECT_EQ(view.Parts().settings.loading, 0);
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
  view.Parts().settingsDialog.OnCellsChanged(19);  // 40 cells
  view.Parts().settingsDialog.OnLinesChanged(7);   // 8 lines
  EXPECT_EQ(harness.fake.window.resizes.back(),
            (gfx::Size{40 * 40 + 200, 90 + 65 * 8 + 65 * 4 + 100}));

  view.Parts().settingsDialog.OnZoomChanged(4);  // keys of 80
  view.Parts().settingsDialog.OnLinesChanged(7);
  EXPECT_EQ(harness.fake.window.resizes.back(),
            (gfx::Size{80 * 40 + 200, 90 + 105 * 8 + 105 * 4 + 100}));

  harness.fake.window.maximised = true;
  const auto count = harness.fake.window.resizes.size();
  view.Parts().settingsDialog.OnLinesChanged(7);
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
    EXPECT_EQ(view.Parts().state.gridLeft, c.gridLeft) << c.clientWidth;
    EXPECT_EQ(view.Parts().state.keyboardLeft, c.keyboardLeft) << c.clientWidth;
    EXPECT_EQ(view.Parts().state.keyboardTop, 90 + 409) << c.clientWidth;  // 65 × 6.3 truncated
    EXPECT_EQ(view.Parts().cells[0].posX, view.Parts().state.keyboardLeft);
  }
}

TEST(ViewLife, DelaySleepsTheTimeAskedFor) {
  ViewHarness harness;
  auto& view = harness.Create();
  auto& clock = harness.fake.clock;
  for (const int ms : {1, 137, 200}) {
    clock.sleeps.clear();
    const auto before = clock.now;
    EXPECT_EQ(view.Delay(ms), ms);
    EXPECT_EQ(clock.sleeps, std::vector<int>{ms}) << "one sleep, not a spin";
    EXPECT_EQ(clock.now - before, ms);
  }
}

TEST(ViewLife, OneListItemIsCelebratedOnce) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().words.listFileOrder = view.Parts().words.listEntries = {"chat", "chien"};
  view.Parts().words.currentEntry = 0;
  view.Parts().grid.gridBounds = {100, 100, 200, 140};
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
  view.Parts().words.currentEntry = 1;
  harness.fake.timers.Start(base::kTimerBlink, 50);
  view.OnTimer(base::kTimerWordSuccess);
  EXPECT_TRUE(harness.fake.timers.IsRunning(base::kTimerBlink));
}

}  // namespace

namespace {

// Every timer the program starts, through every module and every reward, is one it declares,
// and every one it declares is started somewhere: no tick goes to nobody.
TEST(TimerIds, EveryTimerTheProgramStartsIsDeclared) {
  // Keys of the first letter page and of the keypad.
  constexpr int kA = 0, kE = 2, kT = 4, kH = 16, kC = 25, kKeypad1 = 0;
  ViewHarness harness;
  const std::vector<int>& started = harness.fake.timers.started;
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);

  // Français: a fixed exercise, one hidden word found, then the other, which finishes it.
  view.Parts().editorDialog.OnTextChanged("un [ta] [et]", 0, 0);
  view.Parts().editorDialog.OnFixClicked(true);
  harness.WriteKeyInto(kT, 3, 0);
  harness.WriteKeyInto(kA, 4, 0);
  harness.WriteKeyInto(kE, 6, 0);
  harness.WriteKeyInto(kT, 7, 0);
  for (const int id : {base::kTimerBlink, base::kTimerFixedSuccess}) view.OnTimer(id);

  // Mathématique: a tile held down.
  harness.ClickIcon(app::IconModuleMath);
  harness.WriteKeyInto(kKeypad1, 0, 0);
  const gfx::Rect cell = base::CellRect(view.Parts().state, 0, 0);
  const gfx::Point onTile{cell.left + 5, cell.top + 5};
  harness.Press(onTile);
  view.OnTimer(base::kTimerLongPress);
  harness.Release(onTile);

  // Liste: a word found, and the next one coming by itself.
  testing_support::WriteBytes(harness.data / "liste.txt", "chat\n");
  harness.fake.dialogs.openAnswer = harness.data / "liste.txt";
  view.Parts().listDialog.OpenList();
  view.Parts().listDialog.OnAutoAdvanceChanged(2);
  harness.ClickIcon(app::IconModuleList);
  harness.ClickIcon(app::IconNextWord);
  harness.Paint();
  const int letters[] = {kC, kH, kA, kT};
  int next = 0;
  for (int line = 0; line < view.Parts().state.gridLines; ++line) {
    for (int column = 0; column < view.Parts().state.gridColumns && next < 4; ++column) {
      if (view.Parts()
              .grid.enabled[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)]) {
        harness.WriteKeyInto(letters[next++], column, line);
      }
    }
  }
  ASSERT_EQ(next, 4) << "the word's cells";
  view.OnTimer(base::kTimerWordSuccess);
  view.OnTimer(base::kTimerNextWord);
  // The next entry, laid by the solution, comes by itself too.
  const std::size_t before = started.size();
  harness.ClickIcon(app::IconSolution);
  EXPECT_GT(started.size(), before);
  harness.Tick();
  // The entry heard again letter by letter, each lit in turn.
  harness.ClickIcon(app::IconReplayLetters);
  view.OnTimer(base::kTimerSpokenLight);

  // The puzzle, its pieces brought home by the solution; a tooltip on the way out.
  harness.ClickIcon(app::IconModulePuzzle);
  harness.ClickIcon(app::IconScatter);
  harness.ClickIcon(app::IconPuzzleSolution);
  harness.Tick(3);
  harness.ClickIcon(app::IconModuleFrench);
  // The class's first child: the lock on the child's folder is kept fresh.
  view.Parts().eleves.nameText =
      "L\xE9"
      "a";
  view.Parts().eleves.OnAdd();
  const gfx::Rect math = view.Parts().icons[app::IconModuleMath];
  view.OnMouseMove(0, {math.left + 4, math.top + 4});

  std::set<int> ids(started.begin(), started.end());
  for (const int id : ids) EXPECT_TRUE(base::OwnerOf(id).has_value()) << "timer " << id;
  std::set<int> declared;
  for (const base::TimerUse& use : base::kTimers) declared.insert(use.id);
  EXPECT_EQ(ids, declared);
}

}  // namespace
