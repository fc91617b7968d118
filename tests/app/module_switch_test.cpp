// Changing modules: the work of the module left is kept, the pause the child sees, the keyboard
// of the module entered; and the editor choosing the module of the file it opens.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "keyboard/key_table.h"
#include "support/view_harness.h"

namespace {

using app::ModuleId;
using testing_support::ReadBytes;
using testing_support::ViewHarness;
using testing_support::WriteBytes;

constexpr base::icons::IconId kModuleIcons[] = {app::IconModuleFrench, app::IconModuleList,
                                                app::IconModuleMath, app::IconModulePuzzle};

std::string Name(ModuleId module) {
  static const char* const kNames[] = {"Francais", "Liste", "Mathematique", "Puzzle"};
  return kNames[static_cast<int>(module)];
}

// The file each module keeps its work in; the dictation keeps none.
std::filesystem::path WorkFile(const ViewHarness& harness, ModuleId module) {
  switch (module) {
    case ModuleId::kFrancais:
      return harness.data / "defautabc";
    case ModuleId::kMathematique:
      return harness.data / "defautm";
    case ModuleId::kPuzzle:
      return harness.data / "defautpuz";
    case ModuleId::kListe:
    case ModuleId::kQuiTravaille:
      break;
  }
  return {};
}

TEST(ModuleSwitch, EveryChangeKeepsTheWorkLeftPausesWhereItShouldAndBringsTheModulesKeys) {
  const ModuleId all[] = {ModuleId::kFrancais, ModuleId::kListe, ModuleId::kMathematique,
                          ModuleId::kPuzzle};
  for (const ModuleId from : all) {
    for (const ModuleId to : all) {
      if (from == to) continue;
      const std::string change = Name(from) + " -> " + Name(to);
      ViewHarness harness;
      auto& view = harness.Create();
      harness.EnterModule(from);
      ASSERT_EQ(view.ActiveModule(), from) << change;
      const std::filesystem::path work = WorkFile(harness, from);
      std::filesystem::remove(harness.data / "defautabc");
      std::filesystem::remove(harness.data / "defautm");
      std::filesystem::remove(harness.data / "defautpuz");
      harness.fake.clock.sleeps.clear();

      harness.ClickIcon(kModuleIcons[static_cast<int>(to)]);
      ASSERT_EQ(view.ActiveModule(), to) << change;

      // Only the module left has written its file.
      for (const ModuleId other : all) {
        const std::filesystem::path file = WorkFile(harness, other);
        if (file.empty()) continue;
        EXPECT_EQ(std::filesystem::exists(file), other == from) << change << ": " << file;
      }
      // The press on the icon, then the moment the old grid stays when Mathématique is left or
      // the keypad or the dictation comes; never around the puzzle.
      const bool pause = from != ModuleId::kPuzzle && to != ModuleId::kPuzzle &&
                         (from == ModuleId::kMathematique || to == ModuleId::kMathematique ||
                          to == ModuleId::kListe);
      EXPECT_EQ(harness.fake.clock.sleeps.size(), pause ? 2u : 1u) << change;
      if (to == ModuleId::kMathematique) {
        EXPECT_EQ(view.Parts().state.keyCount, 20) << change;
        EXPECT_EQ(view.Parts().state.keysPerRow, 5) << change;
      } else if (to != ModuleId::kPuzzle) {
        EXPECT_EQ(view.Parts().state.keyCount, keyboard::kLetterKeys) << change;
      }
    }
  }
}

TEST(ModuleSwitch, TheWorkOfEachWritingModuleComesBackWhenItIsEnteredAgain) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().editorDialog.OnTextChanged("chat", 0, 0);
  harness.EnterModule(ModuleId::kMathematique);
  EXPECT_EQ(view.Parts().editorDialog.text, "");
  view.Parts().editorDialog.OnTextChanged("1+2=3", 0, 0);
  harness.EnterModule(ModuleId::kListe);
  EXPECT_EQ(view.Parts().editorDialog.text, "");
  harness.EnterModule(ModuleId::kPuzzle);
  harness.EnterModule(ModuleId::kFrancais);
  EXPECT_EQ(view.Parts().editorDialog.text, "chat");
  harness.EnterModule(ModuleId::kPuzzle);
  harness.EnterModule(ModuleId::kMathematique);
  EXPECT_EQ(view.Parts().editorDialog.text, "1+2=3");
  EXPECT_EQ(view.Parts().state.keyCount, 20);
}

TEST(ModuleSwitch, AFileOpenedInTheEditorChoosesItsModuleWithoutPressingTheIcon) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();
  view.Parts().editorDialog.OnTextChanged("chat", 0, 0);
  const auto mathFile = harness.data / "calcul.txt";
  WriteBytes(mathFile, "$2\r\n1+2=3");
  harness.fake.clock.sleeps.clear();
  harness.fake.window.shownNow.clear();

  harness.fake.dialogs.openAnswer = mathFile;
  ASSERT_TRUE(view.Parts().editorDialog.OnOpenClicked());
  EXPECT_EQ(view.ActiveModule(), ModuleId::kMathematique);
  EXPECT_EQ(view.Parts().state.keyCount, 20);
  EXPECT_EQ(view.Parts().editorDialog.text, "1+2=3");
  // The Français text was kept before the keypad came, after the pause of any change to it.
  EXPECT_NE(ReadBytes(harness.data / "defautabc").find("chat"), std::string::npos);
  EXPECT_EQ(harness.fake.clock.sleeps, std::vector<int>{200});
  // No icon was drawn pressed: the teacher clicked in the editor, not on the icon.
  const gfx::Rect icon = view.Parts().icons[app::IconModuleMath];
  for (const gfx::Rect& shown : harness.fake.window.shownNow) {
    EXPECT_FALSE(shown.Intersect(icon) == icon) << "the Mathématique icon was shown pressed";
  }
}

}  // namespace
