#include "winshell/win_dialog_host.h"

#include <gtest/gtest.h>

#include "dialog_test_models.h"
#include "winshell/dialogs/config_puzzle_window.h"

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

}  // namespace
