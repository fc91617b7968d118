// The screen as the child sees it at every keyboard zoom: the window fits the screen, and every
// icon, the grid and the keyboard can be seen and reached.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "keyboard/picture_names.h"
#include "support/view_harness.h"

namespace {

using app::ModuleId;
using base::icons::IconId;
using testing_support::ViewHarness;

constexpr gfx::Size kScreens[] = {{1024, 768}, {1280, 720},  {1280, 800},  {1366, 768}, {1440, 900},
                                  {1600, 900}, {1680, 1050}, {1600, 1200}, {1920, 1080}};

bool Inside(const gfx::Rect& inner, gfx::Size client) {
  return inner.left >= 0 && inner.top >= 0 && inner.right <= client.width &&
         inner.bottom <= client.height;
}

std::string Name(const gfx::Rect& r) {
  std::ostringstream out;
  out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
  return out.str();
}

// What a module shows: its icons, each in its own place with its own picture, none lying over
// another icon the module answers to, nor over the keys or the grid.
void ExpectIconsApart(app::CScribixView& view, gfx::Size client, const std::string& where,
                      bool keyboardSeen = true) {
  const auto shown = view.IconsShown();
  const auto tips = view.IconTips();
  std::set<int> pictures;
  for (std::size_t a = 0; a < shown.size(); ++a) {
    const gfx::Rect ra = view.Parts().icons[shown[a].icon];
    EXPECT_TRUE(Inside(ra, client)) << where << " icon " << shown[a].icon << " " << Name(ra);
    EXPECT_TRUE(pictures.insert(shown[a].picture).second)
        << where << " picture shown twice: " << shown[a].picture;
    for (std::size_t b = a + 1; b < shown.size(); ++b) {
      const gfx::Rect rb = view.Parts().icons[shown[b].icon];
      EXPECT_TRUE(ra.Intersect(rb).IsEmpty())
          << where << " icons " << shown[a].icon << " " << Name(ra) << " and " << shown[b].icon
          << " " << Name(rb);
    }
    // The icon answers where it is seen: its tooltip, not another's, at its middle.
    for (const app::IconTip& tip : tips) {
      if (tip.icon == shown[a].icon || view.Parts().icons[tip.icon] == ra) continue;
      EXPECT_TRUE(view.Parts().icons[tip.icon].Intersect(ra).IsEmpty())
          << where << " icon " << shown[a].icon << " under the place of " << tip.icon;
    }
    if (view.ActiveModule() == ModuleId::kPuzzle || !keyboardSeen) continue;
    for (int k = 0; k < view.Parts().state.keyCount; ++k) {
      const base::CellRecord& key = view.Parts().cells[k];
      EXPECT_TRUE(
          gfx::Rect::FromSize(key.posX, key.posY, key.width, key.height).Intersect(ra).IsEmpty())
          << where << " icon " << shown[a].icon << " over key " << k;
    }
    EXPECT_TRUE(view.Parts().keys.keyboardFrame.Intersect(ra).IsEmpty())
        << where << " icon " << shown[a].icon << " over the keyboard";
  }
}

// The grid and every key lie within the window.
void ExpectWritingScreenWhole(app::CScribixView& view, gfx::Size client, const std::string& where) {
  const base::AppState& s = view.Parts().state;
  const gfx::Rect grid =
      gfx::Rect::FromSize(s.gridLeft, s.gridTop, s.gridColumns * (s.cellWidth + s.columnGap),
                          s.gridLines * (s.cellHeight + s.lineGap) - s.lineGap);
  EXPECT_TRUE(Inside(grid, client)) << where << " grid " << Name(grid);
  EXPECT_TRUE(Inside(view.Parts().keys.keyboardFrame, client))
      << where << " keyboard " << Name(view.Parts().keys.keyboardFrame);
  for (int k = 0; k < s.keyCount; ++k) {
    const base::CellRecord& key = view.Parts().cells[k];
    EXPECT_TRUE(Inside(gfx::Rect::FromSize(key.posX, key.posY, key.width, key.height), client))
        << where << " key " << k;
  }
  EXPECT_TRUE(
      view.Parts().keys.keyboardFrame.Intersect(view.Parts().icons[IconId::IconClear]).IsEmpty())
      << where;
}

TEST(ScreenFit, EveryZoomOnEveryScreenShowsTheWholeScreen) {
  for (const gfx::Size screen : kScreens) {
    ViewHarness h;
    h.fake.window.largestClient = screen;
    auto& view = h.Create();
    view.OnTimer(base::kTimerFirstRun);
    for (const ModuleId module : {ModuleId::kFrancais, ModuleId::kListe, ModuleId::kMathematique}) {
      if (module == ModuleId::kListe) h.ClickIcon(IconId::IconModuleList);
      if (module == ModuleId::kMathematique) h.ClickIcon(IconId::IconModuleMath);
      ASSERT_EQ(view.ActiveModule(), module);
      for (int zoom = 0; zoom < keyboard::kZoomCount; ++zoom) {
        view.Parts().settingsDialog.OnZoomChanged(zoom);
        h.Paint();
        const gfx::Size client = h.fake.window.clientSize;
        std::ostringstream where;
        where << screen.width << "x" << screen.height << " module " << static_cast<int>(module)
              << " zoom " << zoom;
        EXPECT_LE(client.width, screen.width) << where.str();
        EXPECT_LE(client.height, screen.height) << where.str();
        // The zoom chosen stays the teacher's; the one used is no larger.
        EXPECT_EQ(view.Parts().settingsDialog.zoomSelection, zoom);
        EXPECT_LE(view.Parts().state.keyboardZoomIndex, zoom) << where.str();
        ExpectWritingScreenWhole(view, client, where.str());
        ExpectIconsApart(view, client, where.str());
      }
    }
  }
}

TEST(ScreenFit, TheLargestZoomThatFitsIsUsedAndTheChoiceIsKept) {
  struct Case {
    gfx::Size screen;
    int chosen;
    int used;
  };
  const Case cases[] = {{{1024, 768}, 4, 0},  {{1024, 768}, 0, 0},  {{1920, 1080}, 4, 3},
                        {{1920, 1080}, 2, 2}, {{1600, 1200}, 4, 2}, {{0, 0}, 4, 4}};
  for (const Case& c : cases) {
    ViewHarness h;
    h.fake.window.largestClient = c.screen;
    auto& view = h.Create();
    view.OnTimer(base::kTimerFirstRun);
    view.Parts().settingsDialog.OnZoomChanged(c.chosen);
    EXPECT_EQ(view.Parts().state.keyboardZoomIndex, c.used) << c.screen.width << " " << c.chosen;
    EXPECT_EQ(view.Parts().state.cellWidth,
              static_cast<int>(40 * keyboard::kZoomFactors[static_cast<std::size_t>(c.used)]));
    // The settings keep the zoom chosen: on a larger screen it is used again.
    ViewHarness next;
    std::filesystem::copy_file(h.data.Path() / "defaut", next.data.Path() / "defaut");
    auto& again = next.Create();
    again.OnTimer(base::kTimerFirstRun);
    EXPECT_EQ(again.Parts().settingsDialog.zoomSelection, c.chosen);
    EXPECT_EQ(again.Parts().state.keyboardZoomIndex, c.chosen);
  }
}

TEST(ScreenFit, AGridMadeLargerGivesUpTheZoomItNoLongerHasRoomFor) {
  ViewHarness h;
  h.fake.window.largestClient = {1920, 1080};
  auto& view = h.Create();
  view.OnTimer(base::kTimerFirstRun);
  view.Parts().settingsDialog.OnZoomChanged(2);
  EXPECT_EQ(view.Parts().state.keyboardZoomIndex, 2);
  view.Parts().settingsDialog.OnLinesChanged(7);  // 8 lines
  EXPECT_LT(view.Parts().state.keyboardZoomIndex, 2);
  EXPECT_LE(h.fake.window.clientSize.height, 1080);
  ExpectWritingScreenWhole(view, h.fake.window.clientSize, "8 lines");
}

TEST(IconPlaces, NoIconHidesAnotherInAnyModuleAtAnyZoom) {
  ViewHarness h;
  auto& view = h.Create();
  view.OnTimer(base::kTimerFirstRun);
  const ModuleId modules[] = {ModuleId::kFrancais, ModuleId::kListe, ModuleId::kMathematique,
                              ModuleId::kPuzzle};
  for (int zoom = 0; zoom < keyboard::kZoomCount; ++zoom) {
    view.Parts().settingsDialog.OnZoomChanged(zoom);
    for (const int width : {view.Parts().icons.NarrowestWidth(), 1200, 1920}) {
      h.fake.window.clientSize = {width, 900};
      view.OnSize();
      for (const ModuleId module : modules) {
        h.EnterModule(module);
        h.Paint();
        // The keyboard is seen whole in the windows the program makes (above); here only the
        // icons among themselves.
        ExpectIconsApart(view, h.fake.window.clientSize,
                         "zoom " + std::to_string(zoom) + " width " + std::to_string(width) +
                             " module " + std::to_string(static_cast<int>(module)),
                         false);
      }
      h.EnterModule(ModuleId::kFrancais);
    }
  }
}

TEST(IconPlaces, IconsInNobodysWayKeepTheirPlaces) {
  ViewHarness h;
  auto& view = h.Create();
  h.Paint();
  const auto left = [&](IconId id) { return view.Parts().icons[id].left; };
  // Zoom 1.0 in a 1200-pixel window: only the icons that lay over a module icon moved.
  EXPECT_EQ(left(IconId::IconModuleFrench), 45);
  EXPECT_EQ(left(IconId::IconModulePuzzle), 180);
  EXPECT_EQ(left(IconId::IconReadText), 274);
  EXPECT_EQ(left(IconId::IconScatter), 425);
  EXPECT_EQ(left(IconId::IconSolution), 574);
  EXPECT_EQ(left(IconId::IconQuit), 1200 - 36 - 5);
  EXPECT_EQ(left(IconId::IconManual), 1200 - 91);
  EXPECT_EQ(left(IconId::IconNextWord), 220);
  EXPECT_EQ(left(IconId::IconLoadPuzzle), 220);
  EXPECT_EQ(left(IconId::IconSavePuzzle), 260);

  // In the list, a click on "Mot ou phrase suivante" gives the next word, one on "Module
  // Puzzle" opens the puzzle.
  h.ClickIcon(IconId::IconModuleList);
  h.ClickIcon(IconId::IconNextWord);
  EXPECT_EQ(view.ActiveModule(), ModuleId::kListe);
  h.ClickIcon(IconId::IconModulePuzzle);
  EXPECT_EQ(view.ActiveModule(), ModuleId::kPuzzle);
  // In the puzzle, "Charger un puzzle" opens the file dialog and leaves for no module.
  const std::size_t opened = h.fake.dialogs.openRequests.size();
  h.ClickIcon(IconId::IconLoadPuzzle);
  EXPECT_EQ(view.ActiveModule(), ModuleId::kPuzzle);
  EXPECT_EQ(h.fake.dialogs.openRequests.size(), opened + 1);
  h.ClickIcon(IconId::IconSavePuzzle);
  EXPECT_EQ(view.ActiveModule(), ModuleId::kPuzzle);
}

}  // namespace
