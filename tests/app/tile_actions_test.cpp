// Every action on the letters does what the child sees: the cursor after a drop, a letter placed
// automatically let go once landed, a hidden keyboard, the shift page, linked words and one tile
// a cell. Driven through the view's mouse messages and timers.
#include <gtest/gtest.h>

#include <map>

#include "support/view_harness.h"

namespace {

using testing_support::CursorOf;
using testing_support::GridLine;
using testing_support::HeldTile;
using testing_support::KeyLetter;
using testing_support::OnKey;
using testing_support::ViewHarness;

constexpr int kA = 0, kE = 2, kT = 4, kO = 8, kErase = 10, kSpace = 36, kH = 16, kL = 19,
              kShift = 22, kC = 25;

// The most tiles resting in one cell (the hidden letters of a fixed exercise lie under).
int MostTilesInACell(app::CScribixView& view) {
  std::map<std::pair<int, int>, int> count;
  int most = 0;
  for (int i = view.Parts().state.keyCount; i < view.Parts().state.itemCount; ++i) {
    const auto& r = view.Parts().cells[i];
    if (r.gridCol < 0 || (r.fixed != 0 && r.visible == 0)) continue;
    most = std::max(most, ++count[{r.gridCol, r.gridRow}]);
  }
  return most;
}

// A press on the tile in (column, line), held until the long-press timer fires when asked, dragged
// to cell (toColumn, toLine) and let go.
void DragTileInto(ViewHarness& h, int column, int line, int toColumn, int toLine, bool longPress) {
  const gfx::Rect from = base::CellRect(h.View().Parts().state, column, line);
  const gfx::Rect to = base::CellRect(h.View().Parts().state, toColumn, toLine);
  h.Press({from.left + 10, from.top + 10});
  if (longPress) h.View().OnTimer(base::kTimerLongPress);
  h.MoveTo({from.left + 10, from.top + 10}, {to.left + 10, to.top + 10});
  h.Release({to.left + 10, to.top + 10});
}

TEST(TileActions, AfterADropTheCursorStandsAfterTheLetter) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  harness.WriteKeyInto(kH, 1, 0);
  harness.WriteKeyInto(kA, 2, 0);
  harness.WriteKeyInto(kT, 3, 0);
  harness.ClickKey(kErase);
  EXPECT_EQ(GridLine(view, 0), "cha");  // the letter just written goes
  harness.WriteKeyInto(kT, 3, 0);
  harness.ClickKey(kSpace);
  view.Parts().settingsDialog.OnAutoPlaceClicked(true);
  harness.ClickKey(kL);
  harness.Tick(40);
  EXPECT_EQ(GridLine(view, 0), "chat l");  // one blank after the word, then the automatic letter
  EXPECT_EQ(view.Parts().editorDialog.text.substr(0, 6), "chat l");
}

TEST(TileActions, ALetterPlacedAutomaticallyIsLetGoOnceLanded) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().settingsDialog.OnAutoPlaceClicked(true);
  harness.ClickKey(kC);
  harness.Tick(40);
  harness.ClickKey(kH);
  harness.Tick(40);
  for (auto icon : {app::IconSound, app::IconSound, app::IconKeyboard, app::IconKeyboard,
                    app::IconStopReading, app::IconRepeat, app::IconModuleEdit}) {
    harness.ClickIcon(icon);
    EXPECT_EQ(HeldTile(view), std::nullopt);
  }
  harness.ClickKey(kA);
  // The button is still down when it lands: the release does not drop it again.
  harness.Press(OnKey(view, kT));
  harness.Tick(40);
  harness.Release(OnKey(view, kT));
  harness.Tick(40);
  EXPECT_EQ(GridLine(view, 0), "chat");
  EXPECT_EQ(CursorOf(view).column, 4);
}

TEST(TileActions, AHiddenKeyboardCannotBeDraggedApart) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  const auto key = view.Parts().cells[kA];
  harness.ClickIcon(app::IconKeyboard);
  const gfx::Point from{key.posX + 10, key.posY + 10};
  const gfx::Rect cell = base::CellRect(view.Parts().state, 3, 1);
  harness.Press(from);
  harness.MoveTo(from, {cell.left + 10, cell.top + 10});
  harness.Release({cell.left + 10, cell.top + 10});
  harness.ClickIcon(app::IconKeyboard);
  EXPECT_EQ(view.Parts().cells[kA].posX, key.posX);
  EXPECT_EQ(view.Parts().cells[kA].posY, key.posY);
  EXPECT_EQ(view.Parts().state.itemCount, view.Parts().state.keyCount + 1);
  EXPECT_EQ(GridLine(view, 1), "");
}

TEST(TileActions, TheKeysShowSmallLettersAgainAfterAModuleChange) {
  for (auto away : {app::IconModuleList, app::IconModuleMath}) {
    ViewHarness harness;
    auto& view = harness.Create();
    harness.ClickKey(kShift);
    ASSERT_EQ(KeyLetter(view, kA), 'A');
    harness.ClickIcon(away);
    harness.ClickIcon(app::IconModuleFrench);
    EXPECT_EQ(KeyLetter(view, kA), 'a');
    harness.WriteKeyInto(kA, 0, 0);
    EXPECT_EQ(GridLine(view, 0), "a");
    EXPECT_EQ(view.Parts().editorDialog.text.substr(0, 1), "a");
  }
}

TEST(TileActions, ALinkedWordMovesWholeAfterALetterWasReplacedAndKeepsItsBlank) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().editorDialog.OnTextChanged("(chat) (le chat)", 0, 0);
  harness.WriteKeyInto(kO, 2, 0);  // "chot": the "a" goes home, out of the word
  harness.Tick(60);
  DragTileInto(harness, 0, 0, 2, 2, false);
  EXPECT_EQ(GridLine(view, 0), "     le chat");
  EXPECT_EQ(GridLine(view, 2), "  chot");

  // "le chat" moved to (5, 3): each letter drawn in the cell it is written in.
  DragTileInto(harness, 5, 0, 5, 3, false);
  EXPECT_EQ(GridLine(view, 3), "     le chat");
  for (int i = view.Parts().state.keyCount; i < view.Parts().state.itemCount; ++i) {
    const auto& r = view.Parts().cells[i];
    if (r.gridCol < 0) continue;
    const gfx::Rect cell = base::CellRect(view.Parts().state, r.gridCol, r.gridRow);
    EXPECT_EQ(r.posX, cell.left) << r.Letter();
    EXPECT_EQ(r.posY, cell.top) << r.Letter();
  }
}

TEST(TileActions, OneCellHoldsOneTile) {
  ViewHarness harness;
  auto& view = harness.Create();
  // A letter placed automatically on an occupied cell: the one there goes home.
  harness.WriteKeyInto(kC, 3, 0);
  harness.WriteKeyInto(kH, 2, 0);  // the cursor now stands on the "c"
  view.Parts().settingsDialog.OnAutoPlaceClicked(true);
  harness.ClickKey(kA);
  harness.Tick(40);
  EXPECT_EQ(GridLine(view, 0), "  ha");
  EXPECT_EQ(MostTilesInACell(view), 1);
  view.Parts().settingsDialog.OnAutoPlaceClicked(false);

  // A word taken by a long press and dropped over another word.
  harness.WriteKeyInto(kC, 0, 2);
  harness.WriteKeyInto(kH, 1, 2);
  harness.WriteKeyInto(kA, 2, 2);
  harness.WriteKeyInto(kT, 3, 2);
  harness.WriteKeyInto(kL, 0, 4);
  harness.WriteKeyInto(kE, 1, 4);
  DragTileInto(harness, 0, 4, 1, 2, true);
  EXPECT_EQ(GridLine(view, 2), "clet");
  EXPECT_EQ(GridLine(view, 4), "");
  EXPECT_EQ(MostTilesInACell(view), 1);
  harness.Tick(60);
  EXPECT_EQ(view.Parts().editorDialog.text.substr(0, 4), "  ha");
}

TEST(TileActions, TheTextReadAloudIsTheOneOnScreenAfterThePuzzle) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.WriteKeyInto(kC, 0, 0);
  harness.ClickIcon(app::IconModulePuzzle);
  harness.ClickIcon(app::IconModuleList);
  ASSERT_EQ(view.ActiveModule(), app::ModuleId::kListe);
  const std::size_t before = harness.Spoken().size();
  harness.ClickIcon(app::IconReadText);
  EXPECT_EQ(harness.Spoken().size(), before);
  EXPECT_EQ(GridLine(view, 0), "");
  EXPECT_EQ(view.Parts().editorDialog.text, "");
  harness.ClickIcon(app::IconModuleFrench);
  EXPECT_EQ(GridLine(view, 0), "c");
}

}  // namespace
