#include "winshell/win_dialog_host.h"

#include <gtest/gtest.h>

#include "dialog_test_models.h"
#include "winshell/dialogs/config_puzzle_window.h"
#include "winshell/dialogs/dialog_ids.h"
#include "winshell/dialogs/open_list_window.h"

namespace {

using ports::DialogId;
using namespace windialogs_test;

HWND PlainWindow() {
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, Instance(),
                         nullptr);
}

TEST(WinDialogHostTest, ShowsOnlyTheDialogsThatHaveAWindow) {
  winshell::WinDialogHost host;
  // No window yet: nothing happens, nothing is visible.
  host.Show(DialogId::kEditor);
  host.Raise(DialogId::kEditor);
  host.Refresh(DialogId::kEditor);
  EXPECT_FALSE(host.IsVisible(DialogId::kEditor));

  int refreshes = 0;
  HWND window = PlainWindow();
  ASSERT_NE(window, nullptr);
  host.Register(DialogId::kPuzzleSettings, window, [&] { ++refreshes; });
  EXPECT_EQ(refreshes, 1);  // what the model held before the window existed
  host.Refresh(DialogId::kPuzzleSettings);
  EXPECT_EQ(refreshes, 2);
  host.Show(DialogId::kPuzzleSettings);
  EXPECT_TRUE(host.IsVisible(DialogId::kPuzzleSettings));
  EXPECT_FALSE(host.IsVisible(DialogId::kEditor));
  host.Raise(DialogId::kPuzzleSettings);
  host.Hide(DialogId::kPuzzleSettings);
  EXPECT_FALSE(host.IsVisible(DialogId::kPuzzleSettings));

  // A window destroyed behind the host's back drops out.
  DestroyWindow(window);
  host.Show(DialogId::kPuzzleSettings);
  host.Refresh(DialogId::kPuzzleSettings);
  EXPECT_FALSE(host.IsVisible(DialogId::kPuzzleSettings));
  EXPECT_EQ(host.Window(DialogId::kPuzzleSettings), nullptr);
  EXPECT_EQ(refreshes, 2);

  // Another window's leaving does not take the dialog's own.
  HWND again = PlainWindow();
  host.Register(DialogId::kPuzzleSettings, again, [&] { ++refreshes; });
  host.Unregister(DialogId::kPuzzleSettings, window);
  EXPECT_EQ(host.Window(DialogId::kPuzzleSettings), again);
  host.Unregister(DialogId::kPuzzleSettings, again);
  EXPECT_EQ(host.Window(DialogId::kPuzzleSettings), nullptr);
  DestroyWindow(again);
}

TEST(WinDialogHostTest, RunsTheModalDialogRegisteredLast) {
  winshell::WinDialogHost host;
  host.RunModal(DialogId::kVoiceWarning);  // none: nothing happens
  std::vector<int> runs;
  host.RegisterModal(DialogId::kVoiceWarning, [&] {
    runs.push_back(1);
    // Registering again while it runs must not pull the running one from under it.
    host.RegisterModal(DialogId::kVoiceWarning, [&] { runs.push_back(2); });
  });
  host.RunModal(DialogId::kVoiceWarning);
  host.RunModal(DialogId::kVoiceWarning);
  EXPECT_EQ(runs, (std::vector<int>{1, 2}));
}

TEST(WinDialogHostTest, KeysGoToTheVisibleDialogTheyAreFor) {
  Models models;
  winshell::CConfigPuzzleWindow window(models.puzzle, models.host, Instance(), nullptr);
  const HWND dialog = window.Handle();
  ASSERT_NE(dialog, nullptr);
  const HWND pieces = GetDlgItem(dialog, IDC_PUZ_PIECES);
  MSG tab{pieces, WM_KEYDOWN, VK_TAB, 0, 0, {}};

  // Hidden, the dialog takes nothing.
  EXPECT_FALSE(models.host.PreTranslate(tab));
  models.host.Show(DialogId::kPuzzleSettings);
  SetFocus(pieces);
  EXPECT_TRUE(models.host.PreTranslate(tab));
  // Tab moved the focus on from the box of the pieces.
  EXPECT_NE(GetFocus(), pieces);

  // A message for another window is left to the main loop.
  HWND other = PlainWindow();
  MSG elsewhere{other, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_FALSE(models.host.PreTranslate(elsewhere));
  DestroyWindow(other);

  // Escape hides it, as its close box does.
  MSG escape{pieces, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(models.host.PreTranslate(escape));
  EXPECT_FALSE(models.host.IsVisible(DialogId::kPuzzleSettings));
}

// The list of words is a box of several lines, which takes every key for itself: Escape there
// closes "Listes de mots" as soon as the main loop hands it on, whatever the box would do with it.
TEST(WinDialogHostTest, EscapeInTheBoxOfWordsClosesTheWordLists) {
  Models models;
  winshell::COpenList2Window window(models.list, models.host, Instance(), nullptr, ".");
  const HWND entries = GetDlgItem(window.Handle(), IDC_LIST_ENTRIES);
  ASSERT_NE(entries, nullptr);
  models.list.listText = "chat\r\nmaison";
  models.host.Refresh(DialogId::kWordLists);
  models.host.Show(DialogId::kWordLists);
  SetFocus(entries);
  ASSERT_EQ(GetFocus(), entries);
  MSG escape{entries, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
  EXPECT_TRUE(models.host.PreTranslate(escape));
  EXPECT_FALSE(models.host.IsVisible(DialogId::kWordLists));
  // Nothing the key left behind brings it back or touches the list.
  MSG message;
  for (int i = 0; i < 200 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (models.host.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  EXPECT_FALSE(models.host.IsVisible(DialogId::kWordLists));
  EXPECT_EQ(models.list.listText, "chat\r\nmaison");

  // Escape in the open drop-down of the automatic advance closes the drop-down alone.
  models.host.Show(DialogId::kWordLists);
  const HWND advance = GetDlgItem(window.Handle(), IDC_LIST_AUTO_ADVANCE);
  SetFocus(advance);
  SendMessageW(advance, CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_NE(SendMessageW(advance, CB_GETDROPPEDSTATE, 0, 0), 0);
  MSG closeList{advance, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
  if (!models.host.PreTranslate(closeList)) {
    TranslateMessage(&closeList);
    DispatchMessageW(&closeList);
  }
  EXPECT_EQ(SendMessageW(advance, CB_GETDROPPEDSTATE, 0, 0), 0);
  EXPECT_TRUE(models.host.IsVisible(DialogId::kWordLists));

  // Enter in the box is still a new line of the list, not the dialog's.
  SetFocus(entries);
  MSG enter{entries, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
  if (!models.host.PreTranslate(enter)) {
    TranslateMessage(&enter);
    DispatchMessageW(&enter);
  }
  EXPECT_TRUE(models.host.IsVisible(DialogId::kWordLists));
}

}  // namespace
