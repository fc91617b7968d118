// The child's and the teacher's work kept through what happens in a school day: restarts,
// module tours, keyboard look changes and clearing while a letter flies.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "grid/grid_text.h"
#include "support/view_harness.h"

namespace {

using app::ModuleId;
using testing_support::CursorOf;
using testing_support::GridLine;
using testing_support::HeldTile;
using testing_support::ReadBytes;
using testing_support::ViewHarness;

constexpr int kA = 0, kE = 2, kT = 4, kL = 19, kC = 25, kH = 16;

// What a fixed exercise is made of: the fixed layers and the tiles in their cells.
using Tile = std::tuple<int, int, int, int, int>;  // column, line, letter, visible, fixed
struct Exercise {
  grid::WritingGrid::Layer<grid::WritingGrid::kColumns> fixedText, hidden;
  std::vector<Tile> tiles;
  bool operator==(const Exercise&) const = default;
};

Exercise ExerciseOf(app::CScribixView& view) {
  Exercise e{view.Parts().grid.fixedText, view.Parts().grid.hidden, {}};
  for (int i = view.Parts().state.keyCount; i < view.Parts().state.itemCount; ++i) {
    const auto& r = view.Parts().cells[i];
    e.tiles.emplace_back(r.gridCol, r.gridRow, r.letter, r.visible, r.fixed);
  }
  std::sort(e.tiles.begin(), e.tiles.end());
  return e;
}

int VisibleTiles(app::CScribixView& view) {
  int n = 0;
  for (int i = view.Parts().state.keyCount; i < view.Parts().state.itemCount; ++i) {
    n += view.Parts().cells[i].visible == 1 && view.Parts().cells[i].gridCol >= 0 ? 1 : 0;
  }
  return n;
}

void FixLeChat(app::CScribixView& view) {
  view.Parts().editorDialog.OnTextChanged("le ch[at]", 0, 0);
  view.Parts().editorDialog.OnFixClicked(true);
}

TEST(KeepingWork, AFixedExerciseComesBackAsFixingLeftItAfterEveryWayOut) {
  // Each way out and back again; the restart hands the view over to a new start.
  struct Way {
    const char* name;
    std::function<void(std::unique_ptr<ViewHarness>&)> go;
  };
  const std::vector<Way> ways = {
      {"restart after Oui",
       [](std::unique_ptr<ViewHarness>& h) {
         h->fake.dialogs.answers.push_back(ports::MessageAnswer::kYes);
         h->ClickIcon(app::IconQuit);
         ASSERT_TRUE(h->fake.window.ended);
         auto next = std::make_unique<ViewHarness>();
         testing_support::WriteBytes(next->data / "defautabc", ReadBytes(h->data / "defautabc"));
         next->Create();
         next->Paint();
         h = std::move(next);
       }},
      {"colours", [](auto& h) { h->View().Parts().settingsDialog.OnColoursChanged(2); }},
      {"zoom and back",
       [](auto& h) {
         h->View().Parts().settingsDialog.OnZoomChanged(2);
         h->View().Parts().settingsDialog.OnZoomChanged(0);
       }},
      {"Mathématique",
       [](auto& h) {
         h->ClickIcon(app::IconModuleMath);
         h->ClickIcon(app::IconModuleFrench);
       }},
      {"Liste",
       [](auto& h) {
         h->ClickIcon(app::IconModuleList);
         h->ClickIcon(app::IconModuleFrench);
       }},
      {"Liste then Mathématique",
       [](auto& h) {
         h->ClickIcon(app::IconModuleList);
         h->ClickIcon(app::IconModuleMath);
         h->ClickIcon(app::IconModuleFrench);
       }},
      {"Puzzle",
       [](auto& h) {
         h->ClickIcon(app::IconModulePuzzle);
         ASSERT_EQ(h->View().ActiveModule(), ModuleId::kPuzzle);
         h->ClickIcon(app::IconModuleFrench);
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    auto h = std::make_unique<ViewHarness>();
    h->Create();
    h->Paint();
    FixLeChat(h->View());
    const Exercise fixed = ExerciseOf(h->View());
    ASSERT_EQ(VisibleTiles(h->View()), 4);

    way.go(h);
    app::CScribixView& view = h->View();
    ASSERT_EQ(view.ActiveModule(), ModuleId::kFrancais);
    EXPECT_TRUE(view.Parts().editorDialog.fixed);
    EXPECT_TRUE(ExerciseOf(view) == fixed);
    EXPECT_NE(ReadBytes(h->data / "defautabc").find("#1"), std::string::npos);

    // The child completes it: the text stays, and the success comes.
    h->WriteKeyInto(kA, 5, 0);
    h->WriteKeyInto(kT, 6, 0);
    EXPECT_EQ(VisibleTiles(view), 6);
    EXPECT_EQ(view.Parts().state.itemCount - view.Parts().state.keyCount,
              8);  // and the 2 hidden below
    EXPECT_TRUE(h->fake.timers.IsRunning(base::kTimerFixedSuccess));
  }
}

TEST(KeepingWork, LeavingTheListSavesNoGridAsTheFrenchText) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  harness.ClickIcon(app::IconModuleList);
  EXPECT_EQ(view.ActiveModule(), ModuleId::kListe);
  EXPECT_EQ(view.Parts().editorDialog.text, "");
  for (auto away : {app::IconModuleMath, app::IconModuleList, app::IconModulePuzzle}) {
    harness.ClickIcon(away);
    if (view.ActiveModule() != ModuleId::kListe) harness.ClickIcon(app::IconModuleList);
    EXPECT_NE(ReadBytes(harness.data / "defautabc").find("\r\nc "), std::string::npos);
  }
  harness.ClickIcon(app::IconModuleFrench);
  EXPECT_EQ(GridLine(view, 0), "c");
}

TEST(KeepingWork, ANewLookKeepsTheAnswersOfAFixedExerciseAndTheDictationsGrid) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();
  FixLeChat(view);
  harness.WriteKeyInto(kA, 5, 0);
  ASSERT_EQ(VisibleTiles(view), 5);
  view.Parts().settingsDialog.OnZoomChanged(2);
  EXPECT_EQ(VisibleTiles(view), 5);
  EXPECT_EQ(view.Parts().state.cellWidth, 60);
  view.Parts().settingsDialog.OnColoursChanged(1);
  EXPECT_EQ(VisibleTiles(view), 5);
  EXPECT_TRUE(view.Parts().editorDialog.fixed);
  // Every tile stands in its cell at the new size, with the new look's picture.
  for (int i = view.Parts().state.keyCount; i < view.Parts().state.itemCount; ++i) {
    const auto& r = view.Parts().cells[i];
    EXPECT_EQ(r.posX, base::CellRect(view.Parts().state, r.gridCol, r.gridRow).left);
    EXPECT_EQ(r.width, 60);
  }
  harness.WriteKeyInto(kT, 6, 0);
  EXPECT_TRUE(harness.fake.timers.IsRunning(base::kTimerFixedSuccess));
}

TEST(KeepingWork, ANewLookKeepsTheDictationsWordAndLetters) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();
  harness.WriteKeyInto(kE, 0, 0);  // a Français text, which the dictation must not get
  const auto list = harness.data / "liste.txt";
  testing_support::WriteBytes(list, "chat\r\n");
  harness.fake.dialogs.openAnswer = list;
  view.Parts().listDialog.OpenList();
  harness.ClickIcon(app::IconModuleList);
  harness.fake.window.clientSize.width =
      2 * view.Parts().state.gridLeft + 24 * view.Parts().state.cellWidth + 20;
  harness.ClickIcon(app::IconNextWord);
  harness.Paint();
  const int column = CursorOf(view).column, line = CursorOf(view).line;
  ASSERT_EQ(view.Parts().grid.expected[line][column], 'c');
  harness.WriteKeyInto(kC, column, line);
  const auto enabled = view.Parts().grid.enabled;
  const std::string written = GridLine(view, line);
  ASSERT_EQ(written.substr(written.size() - 1), "c");
  ASSERT_EQ(GridLine(view, 0), "");
  view.Parts().settingsDialog.OnColoursChanged(2);
  EXPECT_EQ(GridLine(view, 0), "");
  EXPECT_EQ(GridLine(view, line), written);
  EXPECT_EQ(view.Parts().state.itemCount - view.Parts().state.keyCount, 1);
  EXPECT_TRUE(view.Parts().grid.enabled == enabled);
}

TEST(KeepingWork, ClearingWhileALetterFliesEndsAndWhatIsWrittenAfterIsKept) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().settingsDialog.OnAutoPlaceClicked(true);
  harness.WriteKeyInto(kC, 0, 0);
  harness.Tick(40);
  harness.ClickKey(kH);  // "h" takes off
  harness.Tick(2);
  harness.ClickIcon(app::IconClear);
  harness.Tick(100);
  EXPECT_EQ(view.Parts().grid.clearing, 0);
  EXPECT_EQ(view.Parts().state.itemCount, view.Parts().state.keyCount);
  EXPECT_EQ(HeldTile(view), std::nullopt);

  harness.ClickKey(kL);
  harness.Tick(40);
  EXPECT_EQ(GridLine(view, 0), "l");
  EXPECT_EQ(view.Parts().editorDialog.text.substr(0, 1), "l");
  harness.fake.dialogs.answers.push_back(ports::MessageAnswer::kYes);
  harness.ClickIcon(app::IconQuit);
  EXPECT_NE(ReadBytes(harness.data / "defautabc").find("\r\nl "), std::string::npos);
}

}  // namespace
