#include "exercises/word_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/view_harness.h"
#include "text/cp1252.h"

namespace {

using V = std::vector<std::string>;

TEST(WordListFile, EntriesAreTrimmedAndBlankLinesSkipped) {
  EXPECT_EQ(exercises::ParseListFile("  chat\t\nle petit  chien  \n\n \t \nmaison"),
            (V{"chat", "le petit  chien", "maison"}));
  // Saved by the program: CR CR LF between lines; UTF-8 from any editor.
  EXPECT_EQ(exercises::ParseListFile("b\xE9"
                                     "b\xE9\r\r\nf\xEA"
                                     "te\r\r\n"),
            (V{"b\xE9"
               "b\xE9",
               "f\xEA"
               "te"}));
  EXPECT_EQ(exercises::ParseListFile("b\xC3\xA9"
                                     "b\xC3\xA9\n"),
            (V{"b\xE9"
               "b\xE9"}));
  EXPECT_EQ(exercises::ParseListFile(""), V{});
}

TEST(WordListFile, KeepsTheFirstThousandEntries) {
  std::string file;
  for (int i = 0; i < 1200; ++i) file += "mot" + std::to_string(i) + "\n";
  const V entries = exercises::ParseListFile(file);
  ASSERT_EQ(entries.size(), 1000u);
  EXPECT_EQ(entries.back(), "mot999");
}

TEST(WordListDraw, ShufflesAlikeInTheSameSecondAndRestoresTheFileOrder) {
  exercises::WordList list;
  list.listFileOrder = {"un", "deux", "trois", "quatre", "cinq", "six"};
  list.listEntries = list.listFileOrder;
  base::RandomGenerator random;
  exercises::ApplyDraw(list, true, random, 1000);
  const V once = list.listEntries;
  EXPECT_NE(once, list.listFileOrder);
  V sorted = once;
  std::sort(sorted.begin(), sorted.end());
  V expected = list.listFileOrder;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sorted, expected);

  exercises::ApplyDraw(list, false, random, 1000);
  EXPECT_EQ(list.listEntries, list.listFileOrder);
  exercises::ApplyDraw(list, true, random, 1000);
  EXPECT_EQ(list.listEntries, once);
}

TEST(RandomGenerator, HasTheClassicRange) {
  base::RandomGenerator random;
  random.Seed(1);
  // The classic sequence for seed 1.
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  EXPECT_EQ(random.Next(), 6334);
  for (int i = 0; i < 10000; ++i) {
    const int v = random.Next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, base::RandomGenerator::kMax);
  }
}

TEST(ListDialog, LoadingAListFillsTheBoxAndResetsTheCurrentEntry) {
  testing_support::ViewHarness harness(false);
  auto& view = harness.Create();
  testing_support::WriteBytes(harness.data / "animaux.txt", "chat\n  chien \n");
  view.Words().currentEntry = 3;
  view.ListDialog().LoadList((harness.data / "animaux.txt").string());
  EXPECT_EQ(view.Words().currentEntry, -1);
  EXPECT_EQ(view.Words().listCount(), 2);
  EXPECT_EQ(view.ListDialog().listText, "chat\r\nchien\r\n");
  view.ListDialog().LoadList((harness.data / "missing.txt").string());
  EXPECT_EQ(view.Words().listCount(), 0);
  EXPECT_EQ(view.ListDialog().listText, "");
}

// The settings file is written again after each change of the dialog.
struct ListDialogHarness {
  // Without the program's pictures: their messages are not the dialog's.
  ListDialogHarness() : view(harness.Create()) { harness.fake.dialogs.messages.clear(); }
  bool SettingsWritten() {
    const bool written = std::filesystem::exists(view.State().settingsPath);
    std::filesystem::remove(view.State().settingsPath);
    return written;
  }
  std::filesystem::path Write(const std::string& name, const std::string& bytes) {
    const auto path = harness.data.Path() / name;
    testing_support::WriteBytes(path, bytes);
    return path;
  }
  testing_support::ViewHarness harness{false};
  app::CScribixView& view;
};

TEST(ListDialog, OpeningAListSavesItsPathAndShowsTheDialogAgain) {
  ListDialogHarness h;
  auto& dialogs = h.harness.fake.dialogs;
  auto& list = h.view.ListDialog();
  h.SettingsWritten();
  list.OpenList();  // cancelled
  EXPECT_FALSE(h.SettingsWritten());
  EXPECT_EQ(list.listPath, "");
  EXPECT_TRUE(h.harness.fake.dialogHost.IsVisible(ports::DialogId::kWordLists));

  dialogs.openAnswer = h.Write("animaux.txt", "chat\nchien\n");
  h.view.Words().currentEntry = 1;
  list.OpenList();
  EXPECT_TRUE(h.SettingsWritten());
  EXPECT_EQ(list.listPath, text::TextFromPath(*dialogs.openAnswer));
  EXPECT_EQ(h.view.Words().listEntries, (V{"chat", "chien"}));
  EXPECT_EQ(h.view.Words().currentEntry, -1);
  ASSERT_EQ(dialogs.openRequests.size(), 2u);
  EXPECT_EQ(dialogs.openRequests[1].filter, exercises::COpenList2::kFileFilter);
  EXPECT_EQ(dialogs.openRequests[1].initialFolder, h.harness.program.Path() / "Liste-de-mots");
  EXPECT_EQ(dialogs.openRequests[1].proposedName, "");
}

TEST(ListDialog, ASavedListReadsBackToTheSameEntries) {
  ListDialogHarness h;
  auto& list = h.view.ListDialog();
  list.OnListTextEdited("chat\r\nle  petit chien\r\nf\xEAte");
  const auto path = h.harness.data.Path() / "saved.txt";
  h.harness.fake.dialogs.saveAnswer = path;
  list.SaveList();
  EXPECT_EQ(testing_support::ReadBytes(path), "chat\r\r\nle  petit chien\r\r\nf\xEAte");
  EXPECT_EQ(list.listPath, "");  // saving does not change the list's file
  EXPECT_EQ(h.harness.fake.dialogs.saveRequests.at(0).filter, exercises::COpenList2::kFileFilter);
  list.LoadList(text::TextFromPath(path));
  EXPECT_EQ(h.view.Words().listFileOrder, (V{"chat", "le  petit chien", "f\xEAte"}));
  EXPECT_TRUE(h.harness.fake.dialogs.messages.empty());

  const auto nowhere = h.harness.data.Path() / "absent" / "liste.txt";
  h.harness.fake.dialogs.saveAnswer = nowhere;
  list.SaveList();
  ASSERT_EQ(h.harness.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(h.harness.fake.dialogs.messages[0].text,
            "probl\xE8me d'ouverture du  fichier " + text::TextFromPath(nowhere) + " !");
  EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST(ListDialog, TypingReplacesTheListInTheBoxOrderAndTheRandomBoxDrawsFromIt) {
  ListDialogHarness h;
  auto& list = h.view.ListDialog();
  auto& words = h.view.Words();
  list.LoadList(text::TextFromPath(h.Write("l.txt", "a\nb\nc\nd\ne\nf\n")));
  list.OnRandomClicked(true);
  EXPECT_TRUE(h.SettingsWritten());
  EXPECT_NE(words.listEntries, words.listFileOrder);
  words.currentEntry = 2;
  const std::string longLine(90, 'x');
  list.OnListTextEdited(
      "  z\xE8"
      "bre \r\n\r\n\xE2ne\r\n" +
      longLine + "\r\n");
  // Typed lines are kept as typed, cut to 80 characters; empty ones do not count.
  EXPECT_EQ(words.listEntries, (V{"  z\xE8"
                                  "bre ",
                                  "\xE2ne", std::string(80, 'x')}));
  EXPECT_EQ(words.listFileOrder, words.listEntries);
  EXPECT_EQ(words.currentEntry, 2);

  list.OnRandomClicked(false);
  EXPECT_EQ(words.listEntries, words.listFileOrder);
  EXPECT_TRUE(h.SettingsWritten());
}

TEST(ListDialog, ARandomListLoadedTwiceInTheSameSecondComesInTheSameOrder) {
  ListDialogHarness h;
  auto& list = h.view.ListDialog();
  list.OnRandomClicked(true);
  const auto path = text::TextFromPath(h.Write("l.txt", "a\nb\nc\nd\ne\nf\ng\n"));
  list.LoadList(path);
  const V first = h.view.Words().listEntries;
  list.LoadList(path);
  EXPECT_EQ(h.view.Words().listEntries, first);
  EXPECT_NE(first, h.view.Words().listFileOrder);
}

TEST(ListDialog, TheDelayListSetsTheAutomaticAdvance) {
  ListDialogHarness h;
  auto& list = h.view.ListDialog();
  const std::vector<std::int32_t> seconds = {0, 3, 5, 7, 10, 15, 20, 30};
  for (std::int32_t item = 7; item >= 0; --item) {
    list.OnAutoAdvanceChanged(item);
    EXPECT_EQ(h.view.AutoAdvanceSeconds(), seconds[static_cast<std::size_t>(item)]);
    EXPECT_EQ(list.autoAdvanceSelection, item);
    EXPECT_TRUE(h.SettingsWritten());
  }
  list.OnAutoAdvanceChanged(8);  // no such item
  EXPECT_EQ(list.autoAdvanceSelection, 0);
  EXPECT_FALSE(h.SettingsWritten());
}

TEST(ListDialog, HidingTheDictationButtonsRepaintsTheirPlaceAtOnce) {
  ListDialogHarness h;
  auto& list = h.view.ListDialog();
  h.view.SetActiveModule(app::ModuleId::kListe);
  auto shown = [&](base::icons::IconId icon) {
    for (const auto& s : h.view.IconsShown()) {
      if (s.icon == icon) return true;
    }
    return false;
  };
  for (const bool help : {true, false}) {
    const auto icon = help ? app::IconHelp : app::IconSolution;
    h.harness.fake.window.invalidated.clear();
    if (help) {
      list.OnHideHelpClicked(true);
    } else {
      list.OnHideSolutionClicked(true);
    }
    const gfx::Rect place = h.view.Icons()[icon];
    EXPECT_EQ(h.harness.fake.window.invalidated,
              std::vector<gfx::Rect>{gfx::Rect::FromSize(place.left, place.top, 40, 40)});
    EXPECT_FALSE(shown(icon));
    EXPECT_TRUE(h.SettingsWritten());
  }
  list.OnHideHelpClicked(false);
  EXPECT_TRUE(shown(app::IconHelp));
}

TEST(ListDialog, AListOfMoreThanAThousandEntriesKeepsTheFirstThousandAndSaysSo) {
  ListDialogHarness h;
  auto& list = h.view.ListDialog();
  std::string file;
  for (int i = 0; i < 1200; ++i) file += "mot" + std::to_string(i) + "\n";
  list.LoadList(text::TextFromPath(h.Write("long.txt", file)));
  EXPECT_EQ(h.view.Words().listCount(), 1000);
  const std::string told =
      "La liste compte 1200 mots ou phrases : seuls les 1000 premiers ont \xE9t\xE9 gard\xE9s.";
  ASSERT_EQ(h.harness.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(h.harness.fake.dialogs.messages[0].text, told);

  // Typing in a box already too long is not interrupted at every key.
  std::string box;
  for (int i = 0; i < 1001; ++i) box += "m\r\n";
  list.OnListTextEdited(box);
  list.OnListTextEdited(box + "n");
  EXPECT_EQ(h.view.Words().listCount(), 1000);
  EXPECT_EQ(h.harness.fake.dialogs.messages.size(), 2u);
}

}  // namespace
