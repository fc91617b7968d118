// A child writing with the mouse, switching modules and quitting: driven through the view's
// mouse messages and timers.
#include <gtest/gtest.h>

#include <cmath>

#include "base/mouse_keys.h"
#include "support/view_harness.h"

namespace {

using app::ModuleId;
using testing_support::Cursor;
using testing_support::CursorOf;
using testing_support::GridChar;
using testing_support::GridLine;
using testing_support::HeldTile;
using testing_support::OnKey;
using testing_support::ReadBytes;
using testing_support::TileAt;
using testing_support::TileIndexAt;
using testing_support::ViewHarness;

// Keys of the first page: a z e r t y u i o p ⌫ / q s d f g h j k l m ↵ / ⇧ w x c v b n …
constexpr int kA = 0, kE = 2, kT = 4, kErase = 10, kH = 16, kC = 25;
constexpr int kKeypad1 = 0, kKeypadPlus = 4, kKeypad2 = 1;

TEST(Writing, AChildWritesAWordLetterByLetterAndHearsItGrow) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  harness.WriteKeyInto(kH, 1, 0);
  harness.WriteKeyInto(kA, 2, 0);
  harness.WriteKeyInto(kT, 3, 0);
  EXPECT_EQ(GridLine(view, 0), "chat");
  EXPECT_EQ(view.Parts().state.itemCount, view.Parts().state.keyCount + 4);
  EXPECT_EQ(TileAt(view, 3, 0), 't');
  // The editor holds what the grid shows.
  EXPECT_EQ(view.Parts().editorDialog.text.substr(0, 6), "chat  ");
  EXPECT_EQ(harness.Spoken(), (std::vector<std::string>{"c", "ch", "cha", "chat"}));
  EXPECT_EQ(HeldTile(view), std::nullopt);
}

TEST(Writing, ATileLetGoOutsideTheGridOrOnAKeyIsRemoved) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.ClickKey(kE);
  EXPECT_EQ(view.Parts().state.itemCount, view.Parts().state.keyCount);
  EXPECT_TRUE(harness.Spoken().empty());
}

TEST(Writing, TheEraseKeyTakesBackTheLetterBeforeTheCursor) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  harness.WriteKeyInto(kA, 1, 0);  // the cursor goes on after the letter dropped
  EXPECT_EQ(CursorOf(view).column, 2);
  harness.ClickKey(kErase);
  EXPECT_EQ(GridLine(view, 0), "c");  // the "a" just written went
  EXPECT_EQ(CursorOf(view).column, 1);
  harness.ClickKey(kErase);
  harness.ClickKey(kErase);  // at (0, 0): nothing more
  EXPECT_EQ(GridLine(view, 0), "");
  EXPECT_EQ(view.Parts().editorDialog.text.find_first_not_of(" \r\n"), std::string::npos);
}

TEST(Writing, ADroppedTileGoesToTheNearestCellTiesToTheFirstScanned) {
  ViewHarness harness;
  auto& view = harness.Create();
  const auto& key = view.Parts().cells[kE];
  const gfx::Point from{key.posX + 10, key.posY + 10};
  // Half way between cells (4, 1) and (5, 1): the lower column wins.
  const gfx::Rect left = base::CellRect(view.Parts().state, 4, 1);
  const gfx::Point to{left.left + 20 + 10, left.top + 10};
  harness.Press(from);
  harness.MoveTo(from, to);
  harness.Release(to);
  EXPECT_EQ(TileIndexAt(view, 4, 1), view.Parts().state.keyCount);
  EXPECT_EQ(CursorOf(view), (Cursor{5, 1}));
}

TEST(Writing, ALetterDroppedOnAnotherPushesItBackToItsKey) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 2, 0);
  harness.WriteKeyInto(kH, 2, 0);
  EXPECT_EQ(GridChar(view, 2, 0), 'h');
  const int pushed = view.Parts().state.keyCount;  // the "c"
  EXPECT_EQ(view.Parts().cells[pushed].settled, 0);
  EXPECT_EQ(view.Parts().cells[pushed].gridCol, -1);
  // It travels home on the timer, then rests there.
  harness.Tick(60);
  const auto& c = view.Parts().cells[pushed];
  EXPECT_EQ(c.settled, 1);
  EXPECT_EQ(c.posX, c.homeX + view.Parts().state.keyboardLeft);
  EXPECT_EQ(c.posY, c.homeY + view.Parts().state.keyboardTop);
}

TEST(Writing, WithAutomaticPlacementATileFliesToTheCursorThirtyPixelsATick) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().settingsDialog.OnAutoPlaceClicked(true);
  view.Parts().grid.cursorCol = 3;
  view.Parts().grid.cursorRow = 1;
  const auto& key = view.Parts().cells[kT];
  const gfx::Rect target = base::CellRect(view.Parts().state, 3, 1);
  const double distance = std::hypot(key.startX - target.left, key.startY - target.top);
  harness.Click({key.posX + 5, key.posY + 5});
  const int tile = view.Parts().state.keyCount;
  ASSERT_EQ(view.Parts().state.itemCount, tile + 1);
  const int moves = static_cast<int>(std::ceil(distance / 30.0));
  harness.Tick(moves);
  EXPECT_EQ(view.Parts().cells[tile].posX, target.left);
  EXPECT_EQ(view.Parts().cells[tile].posY, target.top);
  EXPECT_EQ(view.Parts().cells[tile].gridCol, -1);  // there, but not yet laid down
  harness.Tick();
  EXPECT_EQ(view.Parts().cells[tile].gridCol, 3);
  EXPECT_EQ(GridChar(view, 3, 1), 't');
  EXPECT_EQ(CursorOf(view).column, 4);  // on to the next cell
  EXPECT_EQ(harness.Spoken(), std::vector<std::string>{"t"});
}

TEST(Writing, ALongPressTakesTheWholeWordUnlessTheTileWasDraggedAway) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 2);
  harness.WriteKeyInto(kH, 1, 2);
  harness.WriteKeyInto(kA, 2, 2);
  harness.WriteKeyInto(kT, 3, 2);
  const gfx::Rect cell = base::CellRect(view.Parts().state, 1, 2);
  const gfx::Point from{cell.left + 10, cell.top + 10};
  harness.Press(from);
  EXPECT_TRUE(harness.fake.timers.IsRunning(base::kTimerLongPress));
  view.OnTimer(base::kTimerLongPress);
  EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerLongPress));
  // The four letters move together to line 4 and land side by side.
  const gfx::Rect down = base::CellRect(view.Parts().state, 6, 4);
  harness.MoveTo(from, {down.left + 10, down.top + 10});
  harness.Release({down.left + 10, down.top + 10});
  EXPECT_EQ(GridLine(view, 2), "");
  EXPECT_EQ(GridLine(view, 4), "     chat");

  // Dragged more than 0.3 of its diagonal before the timer: only that tile moves.
  const gfx::Rect h = base::CellRect(view.Parts().state, 6, 4);
  const gfx::Point grab{h.left + 10, h.top + 10};
  harness.Press(grab);
  harness.MoveTo(grab, {grab.x + 30, grab.y});
  view.OnTimer(base::kTimerLongPress);
  EXPECT_EQ(view.Parts().tips.wantedTip, "");
  const gfx::Rect away = base::CellRect(view.Parts().state, 10, 5);
  harness.MoveTo({grab.x + 30, grab.y}, {away.left + 10, away.top + 10});
  harness.Release({away.left + 10, away.top + 10});
  EXPECT_EQ(GridLine(view, 4), "     c at");
  EXPECT_EQ(GridChar(view, 10, 5), 'h');
}

TEST(Writing, WithTheKeyboardHiddenAKeyMakesNoTile) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.ClickIcon(app::IconKeyboard);
  EXPECT_EQ(view.Parts().state.keyboardShown, 0);
  harness.Press(OnKey(view, kA));
  EXPECT_EQ(view.Parts().state.itemCount, view.Parts().state.keyCount);
  harness.Release(OnKey(view, kA));
}

TEST(Writing, TheSoundIconSilencesTheVoiceAndNothingIsSaidWhileItIsOff) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.ClickIcon(app::IconSound);
  EXPECT_EQ(view.Parts().state.soundOn, 0);
  EXPECT_EQ(harness.fake.voice.purges, 1);
  EXPECT_EQ(harness.fake.clock.sleeps.back(), 200);  // the icon sinks for a moment
  harness.WriteKeyInto(kC, 0, 0);
  harness.ClickIcon(app::IconReadText);
  EXPECT_TRUE(harness.Spoken().empty());
  harness.ClickIcon(app::IconSound);
  harness.ClickIcon(app::IconReadText);
  ASSERT_FALSE(harness.Spoken().empty());
  EXPECT_EQ(harness.Spoken().back().substr(0, 1), "c");
}

TEST(Writing, ClearingTurnsTheTilesAndCarriesThemHome) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  harness.WriteKeyInto(kA, 1, 0);
  harness.ClickIcon(app::IconClear);
  ASSERT_EQ(harness.fake.sound.played.size(), 1u);
  EXPECT_EQ(harness.fake.sound.played[0], harness.program / "sons" / "trash.wav");
  EXPECT_EQ(GridLine(view, 0), "");
  const int first = view.Parts().state.keyCount;
  EXPECT_EQ(view.Parts().cells[first].solvedMark, 1);
  EXPECT_EQ(view.Parts().grid.clearing, 1);
  harness.Tick(80);
  EXPECT_EQ(view.Parts().grid.clearing, 0);
  EXPECT_EQ(view.Parts().state.itemCount, view.Parts().state.keyCount);
  EXPECT_EQ(view.Parts().editorDialog.text.find_first_not_of(" \r\n"), std::string::npos);

  // With "Supprimer les bruitages" the grid clears silently.
  view.Parts().settingsDialog.OnNoSoundsClicked(true);
  harness.ClickIcon(app::IconClear);
  EXPECT_EQ(harness.fake.sound.played.size(), 1u);
}

TEST(Writing, ANewKeyboardLookKeepsWhatTheChildWrote) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();
  harness.WriteKeyInto(kC, 0, 0);
  harness.WriteKeyInto(kA, 1, 0);
  view.Parts().settingsDialog.OnColoursChanged(2);
  EXPECT_EQ(GridLine(view, 0), "ca");
  view.Parts().settingsDialog.OnZoomChanged(2);
  EXPECT_EQ(GridLine(view, 0), "ca");
  EXPECT_EQ(view.Parts().state.cellWidth, 60);
  // The tiles are made again at the new size, in their cells.
  const auto& tile = view.Parts().cells[TileIndexAt(view, 1, 0)];
  EXPECT_EQ(tile.width, 60);
  EXPECT_EQ(tile.posX, base::CellRect(view.Parts().state, 1, 0).left);
}

TEST(Writing, AFullTableRefusesTheTile) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().state.itemCount = base::kMaxItems;
  harness.Press(OnKey(view, kA));
  EXPECT_EQ(view.Parts().state.itemCount, base::kMaxItems);
  EXPECT_EQ(HeldTile(view), std::nullopt);
  harness.Release(OnKey(view, kA));
}

TEST(ModuleSwitch, EachModuleFindsItsWorkAgain) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  auto& sleeps = harness.fake.clock.sleeps;
  sleeps.clear();
  harness.ClickIcon(app::IconModuleMath);
  EXPECT_EQ(view.ActiveModule(), ModuleId::kMathematique);
  EXPECT_EQ(view.Parts().state.keyCount, 20);
  // The icon sinks for a moment, then the screen rests before the other module comes.
  EXPECT_EQ(sleeps, (std::vector<int>{200, 200}));
  EXPECT_NE(ReadBytes(harness.data / "defautabc").find("\r\nc "), std::string::npos);
  EXPECT_EQ(GridLine(view, 0), "");

  harness.WriteKeyInto(kKeypad1, 0, 0);
  harness.WriteKeyInto(kKeypadPlus, 1, 0);
  harness.WriteKeyInto(kKeypad2, 2, 0);
  EXPECT_EQ(GridLine(view, 0), "1+2");
  // Keypad tiles have no glyph: they show their key's face.
  EXPECT_EQ(view.Parts().cells[TileIndexAt(view, 0, 0)].glyph, 0);
  EXPECT_EQ(view.Parts().cells[TileIndexAt(view, 0, 0)].page, 4);

  sleeps.clear();
  harness.ClickIcon(app::IconModuleFrench);
  EXPECT_EQ(view.ActiveModule(), ModuleId::kFrancais);
  EXPECT_EQ(sleeps, (std::vector<int>{200, 200}));
  EXPECT_EQ(view.Parts().state.keyCount, 41);
  EXPECT_NE(ReadBytes(harness.data / "defautm").find("$2"), std::string::npos);
  EXPECT_EQ(GridLine(view, 0), "c");
  EXPECT_EQ(TileAt(view, 0, 0), 'c');

  harness.ClickIcon(app::IconModuleMath);
  EXPECT_EQ(GridLine(view, 0), "1+2");
}

TEST(ModuleSwitch, ClickingTheActiveModuleChangesNothingButUnfixesTheExercise) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  view.Parts().editorDialog.fixed = true;
  harness.fake.clock.sleeps.clear();
  harness.ClickIcon(app::IconModuleFrench);
  EXPECT_FALSE(view.Parts().editorDialog.fixed);
  EXPECT_EQ(GridLine(view, 0), "c");
  EXPECT_FALSE(std::filesystem::exists(harness.data / "defautabc"));
  // The icon sinks; no module is left, so there is no pause.
  EXPECT_EQ(harness.fake.clock.sleeps, std::vector<int>{200});
}

TEST(ModuleSwitch, QuittingSavesFirstAndNoKeepsTheProgramRunning) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  harness.fake.dialogs.answers.push_back(ports::MessageAnswer::kNo);
  harness.ClickIcon(app::IconQuit);
  ASSERT_EQ(harness.fake.dialogs.messages.size(), 1u);
  const auto& asked = harness.fake.dialogs.messages[0];
  EXPECT_EQ(asked.text, "Voulez-vous quitter Scribix ?");
  EXPECT_EQ(asked.caption, "Confirmation");
  EXPECT_EQ(asked.buttons, ports::MessageButtons::kYesNo);
  EXPECT_EQ(asked.icon, ports::MessageIcon::kInformation);
  EXPECT_FALSE(harness.fake.window.ended);
  EXPECT_NE(ReadBytes(harness.data / "defautabc").find("\r\nc "), std::string::npos);

  harness.fake.dialogs.answers.push_back(ports::MessageAnswer::kYes);
  harness.ClickIcon(app::IconQuit);
  EXPECT_TRUE(harness.fake.window.ended);

  // The next start finds the work again.
  ViewHarness next;
  testing_support::WriteBytes(next.data / "defautabc", ReadBytes(harness.data / "defautabc"));
  auto& again = next.Create();
  next.Paint();
  EXPECT_EQ(GridLine(again, 0), "c");
  (void)view;
}

TEST(MouseDispatch, IconsAreTestedInTheProgramsOrder) {
  ViewHarness harness;
  auto& view = harness.Create();
  // "Mot ou phrase suivante" stands beside "Module Puzzle": a click on it stays in the list.
  harness.EnterModule(ModuleId::kListe);
  const gfx::Rect next = view.Parts().icons[app::IconNextWord];
  harness.Click({next.left + 2, next.top + 5});
  EXPECT_EQ(view.ActiveModule(), ModuleId::kListe);

  // The manual goes on to the tests below it; the settings end the click.
  harness.EnterModule(ModuleId::kFrancais);
  harness.ClickIcon(app::IconManual);
  EXPECT_EQ(harness.fake.desktop.opened.size(), 1u);
  harness.ClickIcon(app::IconSettings);
  EXPECT_TRUE(harness.fake.dialogHost.IsVisible(ports::DialogId::kSettings));
  harness.ClickIcon(app::IconModuleEdit);
  EXPECT_TRUE(harness.fake.dialogHost.IsVisible(ports::DialogId::kEditor));

  // A click on an empty cell moves the cursor there.
  const gfx::Rect cell = base::CellRect(view.Parts().state, 7, 3);
  harness.Click({cell.left + 3, cell.top + 3});
  EXPECT_EQ(CursorOf(view), (Cursor{7, 3}));
  EXPECT_EQ(view.Parts().held.pickFlags, base::mouse::kNoPress);
}

}  // namespace
