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

// Lists typed elsewhere: Notepad's "Unicode" (UTF-16 with its mark, either byte first), the
// typographic apostrophe of word processors.
TEST(WordListFile, ReadsUtf16ListsAndTakesTheTypographicApostropheForTheKeyboards) {
  auto utf16 = [](std::u16string_view units, bool little) {
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t u : units) {
      const char lo = static_cast<char>(u & 0xFF);
      const char hi = static_cast<char>(u >> 8);
      bytes += little ? lo : hi;
      bytes += little ? hi : lo;
    }
    return bytes;
  };
  const V expected{"s\x9Cur", "l'eau",
                   "b\xE9"
                   "b\xE9"};
  for (const bool little : {true, false}) {
    EXPECT_EQ(exercises::ParseListFile(
                  utf16(u"s\u0153ur\r\nl\u2019eau\r\n\r\n b\u00E9b\u00E9\r\n", little)),
              expected)
        << little;
  }
  EXPECT_EQ(exercises::ParseListFile("s\xC5\x93ur\nl\xE2\x80\x99"
                                     "eau\nb\xC3\xA9"
                                     "b\xC3\xA9"),
            expected);
  EXPECT_EQ(exercises::ParseListFile("s\x9Cur\nl\x92"
                                     "eau\nb\xE9"
                                     "b\xE9"),
            expected);
  // In the box too; a line of blanks is no entry there either.
  EXPECT_EQ(exercises::ParseListBox("s\x9Cur\r\n   \r\n\t\r\nl\x92"
                                    "eau\r\nb\xE9"
                                    "b\xE9"),
            expected);
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
  view.Parts().words.currentEntry = 3;
  view.Parts().listDialog.LoadList((harness.data / "animaux.txt").string());
  EXPECT_EQ(view.Parts().words.currentEntry, -1);
  EXPECT_EQ(view.Parts().words.listCount(), 2);
  EXPECT_EQ(view.Parts().listDialog.listText, "chat\r\nchien\r\n");
  view.Parts().listDialog.LoadList((harness.data / "missing.txt").string());
  EXPECT_EQ(view.Parts().words.listCount(), 0);
  EXPECT_EQ(view.Parts().listDialog.listText, "");
}

// The settings file is written again after each change of the dialog.
struct ListDialogHarness {
  // Without the program's pictures: their messages are not the dialog's.
  ListDialogHarness() : view(harness.Create()) { harness.fake.dialogs.messages.clear(); }
  bool SettingsWritten() {
    const bool written = std::filesystem::exists(view.Parts().state.settingsPath);
    std::filesystem::remove(view.Parts().state.settingsPath);
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
  auto& list = h.view.Parts().listDialog;
  h.SettingsWritten();
  list.OpenList();  // cancelled
  EXPECT_FALSE(h.SettingsWritten());
  EXPECT_EQ(list.listPath, "");
  EXPECT_TRUE(h.harness.fake.dialogHost.IsVisible(ports::DialogId::kWordLists));

  dialogs.openAnswer = h.Write("animaux.txt", "chat\nchien\n");
  h.view.Parts().words.currentEntry = 1;
  list.OpenList();
  EXPECT_TRUE(h.SettingsWritten());
  EXPECT_EQ(list.listPath, text::TextFromPath(*dialogs.openAnswer));
  EXPECT_EQ(h.view.Parts().words.listEntries, (V{"chat", "chien"}));
  EXPECT_EQ(h.view.Parts().words.currentEntry, -1);
  ASSERT_EQ(dialogs.openRequests.size(), 2u);
  EXPECT_EQ(dialogs.openRequests[1].filter, exercises::COpenList2::kFileFilter);
  EXPECT_EQ(dialogs.openRequests[1].initialFolder, h.harness.program.Path() / "Liste-de-mots");
  EXPECT_EQ(dialogs.openRequests[1].proposedName, "");
}

TEST(ListDialog, ASavedListReadsBackToTheSameEntries) {
  ListDialogHarness h;
  auto& list = h.view.Parts().listDialog;
  list.OnListTextEdited("chat\r\nle  petit chien\r\nf\xEAte");
  const auto path = h.harness.data.Path() / "saved.txt";
  h.harness.fake.dialogs.saveAnswer = path;
  h.SettingsWritten();
  list.SaveList();
  // One CR LF a line, as every editor expects.
  EXPECT_EQ(testing_support::ReadBytes(path), "chat\r\nle  petit chien\r\nf\xEAte");
  // The saved list is the one the program remembers.
  EXPECT_EQ(list.listPath, text::TextFromPath(path));
  EXPECT_TRUE(h.SettingsWritten());
  EXPECT_EQ(h.harness.fake.dialogs.saveRequests.at(0).filter, exercises::COpenList2::kFileFilter);
  list.LoadList(text::TextFromPath(path));
  EXPECT_EQ(h.view.Parts().words.listFileOrder, (V{"chat", "le  petit chien", "f\xEAte"}));
  EXPECT_TRUE(h.harness.fake.dialogs.messages.empty());

  const auto nowhere = h.harness.data.Path() / "absent" / "liste.txt";
  h.harness.fake.dialogs.saveAnswer = nowhere;
  list.SaveList();
  ASSERT_EQ(h.harness.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(h.harness.fake.dialogs.messages[0].text,
            "probl\xE8me d'ouverture du  fichier " + text::TextFromPath(nowhere) + " !");
  EXPECT_FALSE(std::filesystem::exists(nowhere));
  EXPECT_EQ(list.listPath, text::TextFromPath(path));  // a failed save changes nothing
}

// The teacher hears at once of the entries the child could never finish; the list is kept.
TEST(ListDialog, OpeningAListNamesTheEntriesNoKeyCanWrite) {
  ListDialogHarness h;
  auto& dialogs = h.harness.fake.dialogs;
  // In UTF-8: œuf, grand-mère, 50 %, « non », CŒUR.
  dialogs.openAnswer =
      h.Write("l.txt", "\xC5\x93uf\ngrand-m\xC3\xA8re\n50 %\n\xC2\xAB non \xC2\xBB\nC\xC5\x92UR\n");
  h.view.Parts().listDialog.OpenList();
  EXPECT_EQ(h.view.Parts().words.listCount(), 5);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Ces mots ou phrases ont des caract\xE8res absents du clavier, l'\xE9l\xE8ve ne pourra "
            "pas les \xE9"
            "crire :\n50 %\n\xAB non \xBB");
  // Nothing to say about a list the keys can write, nor at start-up.
  dialogs.messages.clear();
  dialogs.openAnswer = h.Write("m.txt", "chat\nl\x92\xE9t\xE9\n");
  h.view.Parts().listDialog.OpenList();
  EXPECT_TRUE(dialogs.messages.empty());
}

// The program started again over the same folders, as the next day in class.
app::CScribixView& Restart(testing_support::ViewHarness& harness) {
  harness.view.reset();
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  return view;
}

// Typed in the box and saved: the next start dictates the list as typed.
TEST(ListDialog, ATypedListSavedIsTheListOfTheNextStart) {
  ListDialogHarness h;
  h.view.Parts().listDialog.OnListTextEdited("chat\r\nle  petit chien\r\n");
  h.harness.fake.dialogs.saveAnswer = h.harness.data.Path() / "tapee.txt";
  h.view.Parts().listDialog.SaveList();
  auto& again = Restart(h.harness);
  EXPECT_EQ(again.Parts().words.listFileOrder, (V{"chat", "le  petit chien"}));
  EXPECT_EQ(again.Parts().listDialog.listText, "chat\r\nle  petit chien\r\n");
}

// A list in a folder whose name Windows-1252 cannot write (Łukasz, Ştefan) opens again at the
// next start.
TEST(ListDialog, AListInAFolderNamedOutsideWindows1252OpensAgainAtTheNextStart) {
  for (const char* folder : {"\xC5\x81ukasz",
                             "\xC5\x9E"
                             "tefan",
                             "\xC3\xA9t\xC3\xA9"}) {
    ListDialogHarness h;
    const auto dir = h.harness.data.Path() /
                     std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(folder)));
    std::filesystem::create_directories(dir);
    testing_support::WriteBytes(dir / "liste.txt", "chat\nchien\n");
    h.harness.fake.dialogs.openAnswer = dir / "liste.txt";
    h.view.Parts().listDialog.OpenList();
    EXPECT_EQ(h.view.Parts().words.listCount(), 2) << folder;
    auto& again = Restart(h.harness);
    EXPECT_EQ(again.Parts().words.listFileOrder, (V{"chat", "chien"})) << folder;
  }
}

TEST(ListDialog, TypingReplacesTheListInTheBoxOrderAndTheRandomBoxDrawsFromIt) {
  ListDialogHarness h;
  auto& list = h.view.Parts().listDialog;
  auto& words = h.view.Parts().words;
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
  auto& list = h.view.Parts().listDialog;
  list.OnRandomClicked(true);
  const auto path = text::TextFromPath(h.Write("l.txt", "a\nb\nc\nd\ne\nf\ng\n"));
  list.LoadList(path);
  const V first = h.view.Parts().words.listEntries;
  list.LoadList(path);
  EXPECT_EQ(h.view.Parts().words.listEntries, first);
  EXPECT_NE(first, h.view.Parts().words.listFileOrder);
}

TEST(ListDialog, TheDelayListSetsTheAutomaticAdvance) {
  ListDialogHarness h;
  auto& list = h.view.Parts().listDialog;
  const std::vector<std::int32_t> seconds = {0, 3, 5, 7, 10, 15, 20, 30};
  for (std::int32_t item = 7; item >= 0; --item) {
    list.OnAutoAdvanceChanged(item);
    EXPECT_EQ(h.view.Parts().settings.autoAdvanceSeconds, seconds[static_cast<std::size_t>(item)]);
    EXPECT_EQ(list.autoAdvanceSelection, item);
    EXPECT_TRUE(h.SettingsWritten());
  }
  list.OnAutoAdvanceChanged(8);  // no such item
  EXPECT_EQ(list.autoAdvanceSelection, 0);
  EXPECT_FALSE(h.SettingsWritten());
}

TEST(ListDialog, HidingTheDictationButtonsRepaintsTheirPlaceAtOnce) {
  ListDialogHarness h;
  auto& list = h.view.Parts().listDialog;
  h.harness.EnterModule(app::ModuleId::kListe);
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
    const gfx::Rect place = h.view.Parts().icons[icon];
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
  auto& list = h.view.Parts().listDialog;
  std::string file;
  for (int i = 0; i < 1200; ++i) file += "mot" + std::to_string(i) + "\n";
  list.LoadList(text::TextFromPath(h.Write("long.txt", file)));
  EXPECT_EQ(h.view.Parts().words.listCount(), 1000);
  const std::string told =
      "La liste compte 1200 mots ou phrases : seuls les 1000 premiers ont \xE9t\xE9 gard\xE9s.";
  ASSERT_EQ(h.harness.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(h.harness.fake.dialogs.messages[0].text, told);

  // Typing in a box already too long is not interrupted at every key.
  std::string box;
  for (int i = 0; i < 1001; ++i) box += "m\r\n";
  list.OnListTextEdited(box);
  list.OnListTextEdited(box + "n");
  EXPECT_EQ(h.view.Parts().words.listCount(), 1000);
  EXPECT_EQ(h.harness.fake.dialogs.messages.size(), 2u);
}

}  // namespace
