#include <gtest/gtest.h>

#include <algorithm>

#include "app/icon_table.h"
#include "support/view_harness.h"

namespace {

using app::IconId;
using testing_support::ViewHarness;

TEST(IconBar, SizesAndPlacesFollowTheKeyboardZoom) {
  ViewHarness harness;
  auto& view = harness.Create();
  EXPECT_EQ(view.Parts().icons.IconSize(), 36);
  EXPECT_EQ(view.Parts().icons[app::IconModuleFrench], gfx::Rect::FromSize(45, 5, 36, 36));
  EXPECT_EQ(view.Parts().icons[app::IconModuleMath].left, 90);
  EXPECT_EQ(view.Parts().icons[app::IconModuleList].left, 135);
  EXPECT_EQ(view.Parts().icons[app::IconModulePuzzle].left, 180);
  EXPECT_EQ(view.Parts().icons[app::IconQuit], gfx::Rect::FromSize(1200 - 36 - 5, 5, 36, 36));
  EXPECT_EQ(view.Parts().icons[app::IconClear], gfx::Rect::FromSize(1200 - 41, 850 - 41, 36, 36));
  EXPECT_EQ(view.Parts().icons[app::IconSound].left, 1200 - 361 - 36);
  EXPECT_EQ(view.Parts().icons.Bitmap(app::PictureAbc).Width(), 36);

  view.Parts().settingsDialog.OnZoomChanged(4);
  EXPECT_EQ(view.Parts().icons.IconSize(), 48);
  EXPECT_EQ(view.Parts().icons[app::IconModuleFrench], gfx::Rect::FromSize(46, 5, 48, 48));
  EXPECT_EQ(view.Parts().icons[app::IconModuleMath].left, 107);
  EXPECT_EQ(view.Parts().icons[app::IconModuleList].left, 167);
  EXPECT_EQ(view.Parts().icons[app::IconModulePuzzle].left, 227);
  EXPECT_EQ(view.Parts().icons.Bitmap(app::PictureAbc).Width(), 48);
  view.Parts().settingsDialog.OnZoomChanged(1);
  EXPECT_EQ(view.Parts().icons.IconSize(), 45);
}

TEST(IconBar, EachModuleDrawsItsIcons) {
  ViewHarness harness;
  auto& view = harness.Create();
  auto shows = [&](IconId id, int picture) {
    const gfx::Rect r = view.Parts().icons[id];
    return view.BackBuffer().Pixel(r.left + 3, r.top + 3) == testing_support::IconColour(picture);
  };
  harness.Paint();
  EXPECT_TRUE(shows(app::IconModuleEdit, app::PictureEdit));
  // Both instruction icons show the same file.
  EXPECT_TRUE(shows(app::IconRepeat, app::PictureRepeatWord));
  EXPECT_TRUE(shows(app::IconKeyboard, app::PictureKeyboardOn));
  EXPECT_FALSE(shows(app::IconNextWord, app::PictureNextWord));

  harness.EnterModule(app::ModuleId::kListe);
  view.Parts().listDialog.hideHelp = true;
  harness.Paint();
  EXPECT_TRUE(shows(app::IconNextWord, app::PictureNextWord));
  EXPECT_TRUE(shows(app::IconSolution, app::PictureSolution));
  EXPECT_FALSE(shows(app::IconHelp, app::PictureWizard));
  EXPECT_FALSE(shows(app::IconModuleEdit, app::PictureEdit));
  EXPECT_TRUE(shows(app::IconReplayWord, app::PictureReplayWord));
  EXPECT_TRUE(shows(app::IconReplaySlow, app::PictureReplaySlow));
  EXPECT_TRUE(shows(app::IconReplayLetters, app::PictureReplayLetters));

  harness.EnterModule(app::ModuleId::kPuzzle);
  view.Parts().state.soundOn = 0;
  harness.Paint();
  EXPECT_TRUE(shows(app::IconScatter, app::PictureScatter));
  EXPECT_TRUE(shows(app::IconSound, app::PictureSoundOff));
  EXPECT_FALSE(shows(app::IconKeyboard, app::PictureKeyboardOn));
  EXPECT_FALSE(shows(app::IconClear, app::PictureTrash));
}

// An icon one writing module shows and another does not appears, or goes, with the change.
TEST(IconBar, AModuleChangeRepaintsTheIconsThatComeAndGo) {
  ViewHarness harness;
  auto& view = harness.Create();
  auto changed = [&](app::ModuleId to) {
    const auto before = view.IconsShown();
    harness.fake.window.invalidated.clear();
    harness.EnterModule(to);
    const auto after = view.IconsShown();
    for (const auto& [shown, gone] : {std::pair{before, after}, std::pair{after, before}}) {
      for (const app::IconShown& icon : shown) {
        if (std::any_of(gone.begin(), gone.end(), [&](const app::IconShown& other) {
              return other.icon == icon.icon && other.picture == icon.picture;
            })) {
          continue;
        }
        const gfx::Rect r = view.Parts().icons[icon.icon];
        const auto& areas = harness.fake.window.invalidated;
        EXPECT_TRUE(std::any_of(areas.begin(), areas.end(),
                                [&](const gfx::Rect& a) { return a.Intersect(r) == r; }))
            << "icon " << icon.icon << " entering module " << static_cast<int>(to);
      }
    }
  };
  changed(app::ModuleId::kListe);
  changed(app::ModuleId::kFrancais);
}

TEST(Tooltips, TextDependsOnTheModule) {
  ViewHarness harness;
  auto& view = harness.Create();
  // Near the right edge of each icon.
  auto tipAt = [&](gfx::Point p) {
    view.OnMouseMove(0, p);
    return view.Parts().tips.wantedTip;
  };
  auto at = [&](IconId id) {
    const gfx::Rect r = view.Parts().icons[id];
    return tipAt({r.right - 2, r.top + 2});
  };
  EXPECT_EQ(at(app::IconModuleFrench),
            "Module Fran\xE7"
            "ais");
  EXPECT_EQ(at(app::IconRepeat), "R\xE9p\xE9ter la consigne");
  EXPECT_EQ(at(app::IconSound), "Couper le son");
  EXPECT_EQ(at(app::IconKeyboard), "Masquer le clavier");
  view.Parts().state.keyboardShown = 0;
  EXPECT_EQ(at(app::IconKeyboard), "Afficher le clavier");
  EXPECT_EQ(at(app::IconNextWord), "");
  EXPECT_EQ(tipAt({600, 400}), "");

  harness.EnterModule(app::ModuleId::kListe);
  view.Parts().listDialog.hideHelp = true;  // hidden, but its tooltip stays
  EXPECT_EQ(at(app::IconRepeat), "Repeter la consigne");
  EXPECT_EQ(at(app::IconHelp), "Aide");
  EXPECT_EQ(at(app::IconWordLists), "Gestion des listes de mots");
  EXPECT_EQ(at(app::IconReplayWord),
            "R\xE9\xE9"
            "couter le mot");
  EXPECT_EQ(at(app::IconReplaySlow),
            "R\xE9\xE9"
            "couter lentement");
  EXPECT_EQ(at(app::IconReplayLetters),
            "R\xE9\xE9"
            "couter lettre par lettre");

  harness.EnterModule(app::ModuleId::kPuzzle);
  view.Parts().state.soundOn = 0;
  EXPECT_EQ(at(app::IconModuleList), "Module Liste ");
  EXPECT_EQ(at(app::IconModuleFrench), "");
  EXPECT_EQ(at(app::IconModuleMath), "");
  EXPECT_EQ(at(app::IconSavePuzzle), "Sauvegarder  le puzzle");
  EXPECT_EQ(at(app::IconModel), "Afficher le mod\xE8le du puzzle");
  view.Parts().puzzle.modelShown = 1;
  EXPECT_EQ(at(app::IconModel), "Cacher le mod\xE8le du puzzle");
  EXPECT_EQ(at(app::IconSound), "R\xE9tablir le son");
  // Silent for want of a voice: the sound icon says why, in every module.
  view.Parts().settingsDialog.SetSoundProblem("no voice");
  EXPECT_EQ(at(app::IconSound), view.Parts().settingsDialog.soundOffTip);
  harness.EnterModule(app::ModuleId::kFrancais);
  view.Parts().state.soundOn = 1;
  EXPECT_EQ(at(app::IconSound), view.Parts().settingsDialog.soundOnTip);
  EXPECT_NE(view.Parts().settingsDialog.soundOnTip, "Couper le son");
}

TEST(Tooltips, ShowAfterATickAtRestAndHideAtOnceOffTheIcons) {
  ViewHarness harness;
  auto& view = harness.Create();
  auto& tips = harness.fake.window.tips;
  const gfx::Rect french = view.Parts().icons[app::IconModuleFrench];
  const gfx::Rect math = view.Parts().icons[app::IconModuleMath];

  view.OnMouseMove(0, {french.left + 4, french.top + 4});
  view.OnTimer(base::kTimerTooltip);  // first tick: not yet
  EXPECT_TRUE(tips.empty());
  view.OnTimer(base::kTimerTooltip);  // second tick at rest: shown, 18 pixels lower in the window
  ASSERT_EQ(tips.size(), 1u);
  EXPECT_EQ(tips.back().second,
            "Module Fran\xE7"
            "ais");
  EXPECT_EQ(tips.back().first, (gfx::Point{french.left + 4 + 100, french.top + 4 + 50}));
  view.OnTimer(base::kTimerTooltip);  // shown again while the mouse stays
  EXPECT_EQ(tips.size(), 2u);

  // To another icon: nothing hidden, the tick clears, the next tick shows the new one.
  view.OnMouseMove(0, {math.left + 4, math.top + 4});
  EXPECT_EQ(tips.size(), 2u);
  view.OnTimer(base::kTimerTooltip);
  EXPECT_EQ(view.Parts().tips.shownTip, "");
  EXPECT_EQ(tips.size(), 2u);
  view.OnTimer(base::kTimerTooltip);
  EXPECT_EQ(tips.back().second, "Module Math\xE9matique");

  // Off every icon: hidden at once.
  view.OnMouseMove(0, {600, 400});
  EXPECT_EQ(tips.back().second, "");

  // A visible dialog keeps tooltips away.
  harness.fake.dialogHost.visible[ports::DialogId::kEditor] = true;
  view.OnMouseMove(0, {french.left + 4, french.top + 4});
  view.OnTimer(base::kTimerTooltip);
  view.OnTimer(base::kTimerTooltip);
  EXPECT_EQ(tips.back().second, "");
  EXPECT_EQ(view.Parts().tips.wantedTip, "");
}

TEST(Tooltips, EveryIconAWritingModuleDrawsHasItsTooltipThere) {
  ViewHarness harness;
  auto& view = harness.Create();
  for (const auto module :
       {app::ModuleId::kFrancais, app::ModuleId::kListe, app::ModuleId::kMathematique}) {
    harness.EnterModule(module);
    const auto tips = view.IconTips();
    for (const app::IconShown& icon : view.IconsShown()) {
      const bool found = std::any_of(tips.begin(), tips.end(),
                                     [&](const app::IconTip& t) { return t.icon == icon.icon; });
      EXPECT_TRUE(found) << "module " << static_cast<int>(module) << " icon " << icon.icon;
    }
  }
  // The puzzle names only its own icons and the list module's.
  harness.EnterModule(app::ModuleId::kPuzzle);
  for (const app::IconTip& tip : view.IconTips()) {
    EXPECT_NE(tip.icon, app::IconModuleFrench);
    EXPECT_NE(tip.icon, app::IconModuleMath);
  }
}

TEST(IconTable, EveryIconShownInAModuleHasACommandThere) {
  ViewHarness harness;
  auto& view = harness.Create();
  // The module icons and the quit icon belong to the module switch, before the table.
  const auto switched = [](IconId id) {
    return id == app::IconQuit || id == app::IconModuleFrench || id == app::IconModuleList ||
           id == app::IconModuleMath || id == app::IconModulePuzzle;
  };
  for (const auto module : {app::ModuleId::kFrancais, app::ModuleId::kListe,
                            app::ModuleId::kMathematique, app::ModuleId::kPuzzle}) {
    harness.EnterModule(module);
    const auto rows = app::IconTable::Rows();
    const auto tips = view.IconTips();
    for (const app::IconShown& icon : view.IconsShown()) {
      // Every icon drawn sinks under a press, the switch's too.
      EXPECT_TRUE(app::IconTable::ShowsPress(icon.icon, module))
          << "module " << static_cast<int>(module) << " icon " << icon.icon;
      if (switched(icon.icon)) continue;
      const bool answers = std::any_of(rows.begin(), rows.end(), [&](const app::IconCommand& r) {
        return r.icon == icon.icon && (r.modules & app::In(module)) != 0;
      });
      EXPECT_TRUE(answers) << "module " << static_cast<int>(module) << " icon " << icon.icon;
      const bool tipped = std::any_of(tips.begin(), tips.end(),
                                      [&](const app::IconTip& t) { return t.icon == icon.icon; });
      EXPECT_TRUE(tipped) << "module " << static_cast<int>(module) << " icon " << icon.icon;
    }
  }
  // No icon answers twice in one module: the first row would hide the second.
  const auto rows = app::IconTable::Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = i + 1; j < rows.size(); ++j) {
      EXPECT_FALSE(rows[i].icon == rows[j].icon && (rows[i].modules & rows[j].modules) != 0)
          << "icon " << rows[i].icon;
    }
  }
  // Nor has an icon two faces in one module: its tooltip would depend on their order.
  const auto faces = app::IconTable::Faces();
  for (std::size_t i = 0; i < faces.size(); ++i) {
    for (std::size_t j = i + 1; j < faces.size(); ++j) {
      EXPECT_FALSE(faces[i].icon == faces[j].icon && (faces[i].modules & faces[j].modules) != 0)
          << "icon " << faces[i].icon;
    }
  }
}

TEST(IconBar, TheManualOpensFromTheProgramFolder) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.OpenManual();
  ASSERT_EQ(harness.fake.desktop.opened.size(), 1u);
  EXPECT_EQ(harness.fake.desktop.opened[0], harness.program / "Documentation-Scribix.pdf");
}

}  // namespace
