#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <filesystem>

#include "dialog_test_models.h"
#include "null_program.h"
#include "winshell/dialogs/dialog_windows.h"

namespace {

namespace fs = std::filesystem;
using ports::DialogId;
using namespace windialogs_test;
using Rows = std::vector<winshell::CElevesWindow::Row>;

// A folder of the test's own, gone afterwards.
struct Folder {
  explicit Folder(const char* name) : path(fs::temp_directory_path() / name) {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

// The teacher selects a child with the mouse.
void SelectRow(HWND dialog, int row) {
  ListView_SetItemState(GetDlgItem(dialog, IDC_ELV_CHILDREN), row, LVIS_SELECTED | LVIS_FOCUSED,
                        LVIS_SELECTED | LVIS_FOCUSED);
}

// 0: the window itself.
bool Enabled(HWND dialog, int id) {
  return IsWindowEnabled(id == 0 ? dialog : GetDlgItem(dialog, id)) != FALSE;
}

// The teacher opens "Élèves" from the settings and makes a class there: two children with their
// pictures, one renamed and given another picture, one removed once the question is answered,
// then a new class folder.
TEST(ElevesWindowTest, TheTeacherAddsRenamesAndRemovesChildrenAndChoosesTheClassFolder) {
  const Folder data("scribix-eleves-test");
  const Folder school("scribix-eleves-school");
  NullProgram program(data.path);
  app::ViewParts parts = program.view->Parts();
  auto windows =
      winshell::MakeDialogWindows(Instance(), nullptr, parts, program.desktop, program.clock,
                                  program.window, data.path, program.dialogHost);
  ASSERT_EQ(program.view->OnCreate(), 0);
  winshell::CElevesWindow& window = windows->Eleves();
  const HWND dialog = program.dialogHost.Window(DialogId::kEleves);
  ASSERT_NE(dialog, nullptr);
  ASSERT_EQ(dialog, window.Handle());
  EXPECT_FALSE(IsWindowVisible(dialog));

  // The French texts, the eight pictures to choose from, and the class folder as it is.
  const struct {
    int id;  // 0: the caption
    const wchar_t* text;
  } texts[] = {
      {0, L"\u00c9l\u00e8ves"},
      {IDC_ELV_NAME_LABEL, L"Pr\u00e9nom"},
      {IDC_ELV_LOOK_LABEL, L"Image"},
      {IDC_ELV_ADD, L"Ajouter"},
      {IDC_ELV_RENAME, L"Renommer"},
      {IDC_ELV_REMOVE, L"Retirer"},
      {IDC_ELV_CLOSE, L"Fermer"},
      {IDC_ELV_FOLDER_GROUP, L"Dossier de la classe"},
      {IDC_ELV_CHOOSE_FOLDER, L"Choisir..."},
  };
  for (const auto& t : texts) {
    EXPECT_EQ(Text(t.id == 0 ? dialog : GetDlgItem(dialog, t.id)), t.text) << t.id;
  }
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_ELV_LOOK, CB_GETCOUNT, 0, 0), notebook::kLookCount);
  EXPECT_EQ(ImageList_GetImageCount(
                ListView_GetImageList(GetDlgItem(dialog, IDC_ELV_CHILDREN), LVSIL_SMALL)),
            notebook::kLookCount);
  EXPECT_EQ(ItemText(dialog, IDC_ELV_FOLDER), data.path.wstring());

  program.dialogHost.Show(DialogId::kSettings);
  Click(program.dialogHost.Window(DialogId::kSettings), IDC_SET_ELEVES);
  EXPECT_TRUE(program.dialogHost.IsVisible(DialogId::kEleves));

  // Léa with the first picture; the next child is offered the next one, and Zoé takes the sixth.
  EXPECT_FALSE(Enabled(dialog, IDC_ELV_RENAME));
  EXPECT_FALSE(Enabled(dialog, IDC_ELV_REMOVE));
  Type(dialog, IDC_ELV_NAME, L"L\u00e9a");
  Click(dialog, IDC_ELV_ADD);
  EXPECT_EQ(window.ShownChildren(), (Rows{{"L\xE9"
                                           "a",
                                           0}}));
  EXPECT_EQ(ItemText(dialog, IDC_ELV_NAME), L"");
  EXPECT_EQ(Selected(dialog, IDC_ELV_LOOK), 1);
  // The name typed first, the picture chosen next: the name stays.
  Type(dialog, IDC_ELV_NAME, L"Zo\u00e9");
  Choose(dialog, IDC_ELV_LOOK, 5);
  EXPECT_EQ(ItemText(dialog, IDC_ELV_NAME), L"Zo\u00e9");
  // Enter in the first name adds, as the button does.
  SetFocus(GetDlgItem(dialog, IDC_ELV_NAME));
  MSG enter{GetDlgItem(dialog, IDC_ELV_NAME), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(program.dialogHost.PreTranslate(enter));
  EXPECT_EQ(window.ShownChildren(), (Rows{{"L\xE9"
                                           "a",
                                           0},
                                          {"Zo\xE9", 5}}));
  EXPECT_TRUE(fs::is_directory(data.path / "lea"));
  EXPECT_TRUE(fs::is_directory(data.path / "zoe"));

  // Zoé selected: her name and picture are shown; renamed Chloé, she takes the third picture.
  SelectRow(dialog, 1);
  EXPECT_EQ(parts.eleves.selection, 1);
  EXPECT_EQ(ItemText(dialog, IDC_ELV_NAME), L"Zo\u00e9");
  EXPECT_EQ(Selected(dialog, IDC_ELV_LOOK), 5);
  EXPECT_TRUE(Enabled(dialog, IDC_ELV_RENAME));
  Type(dialog, IDC_ELV_NAME, L"Chlo\u00e9");
  Click(dialog, IDC_ELV_RENAME);
  Choose(dialog, IDC_ELV_LOOK, 2);
  EXPECT_EQ(window.ShownChildren(), (Rows{{"L\xE9"
                                           "a",
                                           0},
                                          {"Chlo\xE9", 2}}));
  EXPECT_EQ(window.ShownSelection(), 1);
  // Another click moves the selection; the list and the model agree on it.
  SelectRow(dialog, 0);
  EXPECT_EQ(parts.eleves.selection, 0);
  EXPECT_EQ(window.ShownSelection(), 0);
  SelectRow(dialog, 1);

  // "Retirer" asks first; "Non" keeps her. (The start-up told of the pictures this folder lacks.)
  program.dialogs.asked.clear();
  Click(dialog, IDC_ELV_REMOVE);
  ASSERT_EQ(program.dialogs.asked.size(), 1u);
  EXPECT_EQ(program.dialogs.asked[0],
            "Retirer Chlo\xE9 de la classe ? Son travail est gard\xE9 dans le dossier "
            "\"anciens-eleves\".");
  EXPECT_EQ(window.ShownChildren().size(), 2u);
  // "Oui"; a second click on "Retirer" while the question is up does nothing (it would remove
  // Léa once Chloé is gone).
  program.dialogs.answer = ports::MessageAnswer::kYes;
  program.dialogs.whileAsked = [dialog] { Click(dialog, IDC_ELV_REMOVE); };
  Click(dialog, IDC_ELV_REMOVE);
  program.dialogs.whileAsked = nullptr;
  EXPECT_EQ(program.dialogs.asked.size(), 2u);
  EXPECT_TRUE(Enabled(dialog, 0));
  EXPECT_EQ(window.ShownChildren(), (Rows{{"L\xE9"
                                           "a",
                                           0}}));
  EXPECT_EQ(parts.classSession.Book().Count(), 1u);
  EXPECT_TRUE(fs::is_directory(data.path / notebook::kFormerFolder));

  // Cancelled, the folder chooser changes nothing; an empty class folder on the school's server
  // has no child yet.
  window.chooseFolder = [] { return std::nullopt; };
  Click(dialog, IDC_ELV_CHOOSE_FOLDER);
  EXPECT_EQ(window.ShownChildren().size(), 1u);
  window.chooseFolder = [&] { return school.path; };
  Click(dialog, IDC_ELV_CHOOSE_FOLDER);
  EXPECT_EQ(ItemText(dialog, IDC_ELV_FOLDER), school.path.wstring());
  EXPECT_TRUE(window.ShownChildren().empty());
  EXPECT_FALSE(Enabled(dialog, IDC_ELV_REMOVE));

  // "Fermer" only hides it.
  Click(dialog, IDC_ELV_CLOSE);
  EXPECT_FALSE(program.dialogHost.IsVisible(DialogId::kEleves));
  EXPECT_TRUE(IsWindow(dialog));
  windows.reset();
  EXPECT_EQ(program.dialogHost.Window(DialogId::kEleves), nullptr);
}

}  // namespace
