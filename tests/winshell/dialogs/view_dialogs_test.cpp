#include <gtest/gtest.h>

#include <filesystem>

#include "dialog_test_models.h"
#include "null_program.h"
#include "winshell/dialogs/dialog_windows.h"

namespace {

using ports::DialogId;
using namespace windialogs_test;

// The windows the program makes at start-up, over the whole program: each opens through its
// dialog's id, and a change goes both ways between a window and the program.
TEST(ViewDialogsTest, TheProgramOpensEachWindowAndFollowsItsControls) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "scribix-view-dialogs-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  {
    NullProgram program(folder);
    app::ViewParts parts = program.view->Parts();
    auto windows =
        winshell::MakeDialogWindows(Instance(), nullptr, parts, program.desktop, program.clock,
                                    program.window, folder, program.dialogHost);
    ASSERT_NE(windows, nullptr);
    ASSERT_EQ(program.view->OnCreate(), 0);

    const struct {
      DialogId id;
      const wchar_t* caption;
    } dialogs[] = {
        {DialogId::kWordLists, L"Listes de mots"},
        {DialogId::kEditor,
         L"\u00c9dition du texte (maximum : 8 lignes et 40 caract\u00e8res par ligne)"},
        {DialogId::kSettings, L"Configuration"},
        {DialogId::kPuzzleSettings, L"Configuration du puzzle"},
    };
    for (const auto& dialog : dialogs) {
      const HWND window = program.dialogHost.Window(dialog.id);
      ASSERT_NE(window, nullptr);
      EXPECT_FALSE(IsWindowVisible(window));  // made hidden
      EXPECT_EQ(Text(window), dialog.caption);
      program.dialogHost.Show(dialog.id);
      EXPECT_TRUE(program.dialogHost.IsVisible(dialog.id));
      program.dialogHost.Hide(dialog.id);
    }

    // The settings as the program chose them at start-up are shown.
    const HWND settings = program.dialogHost.Window(DialogId::kSettings);
    EXPECT_EQ(Selected(settings, IDC_SET_LINES), parts.settingsDialog.linesSelection);
    EXPECT_EQ(Selected(settings, IDC_SET_CELLS), parts.settingsDialog.cellsSelection);

    // The teacher's choice reaches the grid ...
    Choose(settings, IDC_SET_LINES, 2);
    EXPECT_EQ(parts.state.gridLines, 3);
    // ... and the program's own change is shown without being applied a second time.
    parts.settingsDialog.linesSelection = 5;
    program.dialogHost.Refresh(DialogId::kSettings);
    EXPECT_EQ(Selected(settings, IDC_SET_LINES), 5);
    EXPECT_EQ(parts.state.gridLines, 3);

    // The editor's text is the Français module's.
    const HWND editor = program.dialogHost.Window(DialogId::kEditor);
    parts.editorDialog.SetTextFromProgram("le chat");
    EXPECT_EQ(windows->Editor().BoxText(), L"le chat");
    EXPECT_NE(editor, nullptr);

    windows.reset();
    EXPECT_EQ(program.dialogHost.Window(DialogId::kSettings), nullptr);
    EXPECT_FALSE(IsWindow(settings));
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
