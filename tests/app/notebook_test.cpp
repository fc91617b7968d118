// The child's notebook through the program: a dictation session leaves its journal, the teacher's
// buttons give the report and the CSV, and "Revoir mes mots ratés" dictates the words missed.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "grid/grid_text.h"
#include "notebook/journal_reader.h"
#include "notebook/journal_writer.h"
#include "support/view_harness.h"

namespace {

using base::WorkEventKind;
using testing_support::KeyLetter;
using testing_support::ViewHarness;

const std::vector<std::string> kTwentyWords = {"chat", "rat",  "zoo",  "lune", "mer", "sel", "riz",
                                               "nez",  "vase", "bol",  "lit",  "pot", "sac", "jus",
                                               "vin",  "ami",  "dame", "fil",  "mur", "ton"};

struct Session {
  Session() {
    view = &harness.Create();
    std::string list;
    for (const std::string& w : kTwentyWords) list += w + "\n";
    const auto path = harness.data.Path() / "liste.txt";
    testing_support::WriteBytes(path, list);
    harness.fake.dialogs.openAnswer = path;
    view->Parts().listDialog.OpenList();
    harness.ClickIcon(app::IconModuleList);
    harness.fake.window.clientSize.width =
        2 * view->Parts().state.gridLeft + 24 * view->Parts().state.cellWidth + 20;
    for (int k = 0; k < view->Parts().state.keyCount; ++k)
      keyOf.try_emplace(KeyLetter(*view, k), k);
  }
  int FirstColumn() const {
    for (int c = 0; c < grid::WritingGrid::kColumns; ++c) {
      if (view->Parts().grid.enabled[1][static_cast<std::size_t>(c)] != 0) return c;
    }
    return -1;
  }
  // The child lays `letters` from the first answer cell on, one cell after the other.
  void Write(const std::string& letters, int from = 0) {
    const int first = FirstColumn();
    for (std::size_t i = 0; i < letters.size(); ++i) {
      harness.WriteKeyInto(keyOf.at(letters[i]), first + from + static_cast<int>(i), 1);
      harness.fake.clock.now += 1000;
    }
  }
  // The tile in answer cell `at` taken out of the grid.
  void TakeOut(int at) {
    const gfx::Rect cell = base::CellRect(view->Parts().state, FirstColumn() + at, 1);
    const gfx::Point on{cell.left + 10, cell.top + 10};
    harness.Press(on);
    harness.MoveTo(on, {on.x, on.y + 200});
    harness.Release({on.x, on.y + 200});
  }
  void Rewarded() { view->OnTimer(base::kTimerWordSuccess); }
  notebook::JournalContents Journal() const {
    return notebook::ReadJournal(harness.data.Path() / notebook::kJournalFileName);
  }

  ViewHarness harness;
  app::CScribixView* view = nullptr;
  std::map<char, int> keyOf;
};

// The session of the notebook's measure: twenty words, three wrong complete attempts, two
// helps and one solution.
void PlayTwentyWords(Session& s) {
  for (const std::string& word : kTwentyWords) {
    s.harness.ClickIcon(app::IconNextWord);
    s.harness.Paint();
    s.harness.fake.clock.now += 2000;
    if (word == "chat") {
      s.Write("chaz");  // wrong, then helped: the "z" goes
      s.harness.ClickIcon(app::IconHelp);
      s.Write("t", 3);
    } else if (word == "rat") {
      s.Write("raz");  // wrong, mended by the child
      s.TakeOut(2);
      s.Write("t", 2);
    } else if (word == "zoo") {
      s.Write("zoa");  // wrong, then the solution
      s.harness.ClickIcon(app::IconSolution);
    } else if (word == "lune") {
      s.Write("l");
      s.harness.ClickIcon(app::IconHelp);  // lays the "u"
      s.Write("ne", 2);
    } else {
      s.Write(word);
    }
    s.Rewarded();
  }
}

TEST(Notebook, ATwentyWordSessionIsJournalledAttemptByAttempt) {
  Session s;
  PlayTwentyWords(s);
  const auto journal = s.Journal();
  EXPECT_EQ(journal.damagedLines, 0);
  std::map<WorkEventKind, int> count;
  std::vector<std::string> wrong, shown;
  for (const auto& line : journal.lines) {
    ++count[line.kind];
    EXPECT_EQ(line.module, base::ModuleId::kListe);
    EXPECT_EQ(line.source, "liste.txt");
    if (line.kind == WorkEventKind::kWrongAttempt) wrong.push_back(line.entry + ":" + line.attempt);
    if (line.kind == WorkEventKind::kEntryShown) shown.push_back(line.entry);
  }
  EXPECT_EQ(count[WorkEventKind::kSessionStart], 1);
  EXPECT_EQ(shown, kTwentyWords);
  EXPECT_EQ(wrong, (std::vector<std::string>{"chat:chaz", "rat:raz", "zoo:zoa"}));
  EXPECT_EQ(count[WorkEventKind::kHelp], 2);
  EXPECT_EQ(count[WorkEventKind::kSolution], 1);
  EXPECT_EQ(count[WorkEventKind::kSkipped], 0);
  // The help and the solution keep the answer as it stood when they were asked for.
  std::vector<std::string> attemptsAsked;
  for (const auto& line : journal.lines) {
    if (line.kind == WorkEventKind::kHelp || line.kind == WorkEventKind::kSolution) {
      attemptsAsked.push_back(line.attempt);
    }
    // "mer": the instruction, then three letters a second apart.
    if (line.kind == WorkEventKind::kRightAnswer && line.entry == "mer") {
      EXPECT_EQ(line.seconds, 5);
    }
  }
  EXPECT_EQ(attemptsAsked, (std::vector<std::string>{"chaz", "zoa", "l___"}));

  // The report the teacher opens gives the same figures.
  s.view->Parts().settingsDialog.OnReportPeriodChanged(2);
  s.view->Parts().settingsDialog.OnReportClicked();
  ASSERT_EQ(s.harness.fake.desktop.opened.size(), 1u);
  const std::string html = testing_support::ReadBytes(s.harness.fake.desktop.opened[0]);
  auto figure = [&](const std::string& id) {
    std::smatch m;
    return std::regex_search(html, m, std::regex("id=\"" + id + "\">([0-9]+)<")) ? m[1].str() : "?";
  };
  EXPECT_EQ(figure("attempted"), "20");
  EXPECT_EQ(figure("first-time"), "16");
  EXPECT_EQ(figure("with-help"), "2");
  EXPECT_EQ(figure("with-solution"), "1");

  // The CSV where the teacher chose to put it: a header and one row per journal line.
  s.harness.fake.dialogs.saveAnswer = s.harness.data.Path() / "export.csv";
  s.view->Parts().settingsDialog.OnExportClicked();
  const std::string csv = testing_support::ReadBytes(s.harness.data.Path() / "export.csv");
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBF\"Date\";", 0), 0u);
  EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')),
            journal.lines.size() + 1);
  EXPECT_NE(csv.find("\"essai\";\"Liste\";\"liste.txt\";\"rat\";\"raz\""), std::string::npos);
}

TEST(Notebook, TheWordsMissedAreDictatedAgainFromAListOfTheirOwn) {
  Session s;
  PlayTwentyWords(s);
  s.harness.fake.dialogs.messages.clear();
  s.view->Parts().listDialog.OnReviewClicked();
  const auto path = s.harness.data.Path() / app::NotebookActions::kReviewListName;
  EXPECT_EQ(testing_support::ReadBytes(path), "chat\r\nrat\r\nzoo\r\nlune\r\n");
  EXPECT_EQ(s.view->Parts().words.listCount(), 4);
  EXPECT_EQ(s.harness.Spoken().back(), "Ecris le mot : chat!");
  EXPECT_TRUE(s.harness.fake.dialogs.messages.empty());
  // The review is a sitting of its own, on its own list.
  const auto journal = s.Journal();
  ASSERT_GE(journal.lines.size(), 2u);
  EXPECT_EQ(journal.lines[journal.lines.size() - 2].kind, WorkEventKind::kSessionStart);
  EXPECT_EQ(journal.lines.back().source, app::NotebookActions::kReviewListName);
}

TEST(Notebook, WithNothingToReviewTheChildIsToldAloud) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().listDialog.OnReviewClicked();
  ASSERT_EQ(harness.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(harness.fake.dialogs.messages[0].text, app::NotebookActions::kNothingToReview);
  EXPECT_EQ(harness.Spoken().back(), app::NotebookActions::kNothingToReview);
  EXPECT_FALSE(
      std::filesystem::exists(harness.data.Path() / app::NotebookActions::kReviewListName));
}

TEST(Notebook, AWrongAnswerIsCountedOnceHoweverItsTilesAreMoved) {
  Session s;
  s.harness.ClickIcon(app::IconNextWord);
  s.Write("chaz");
  s.TakeOut(3);
  s.Write("z", 3);  // the same wrong answer again
  s.TakeOut(3);
  s.Write("s", 3);                         // another one
  s.harness.ClickIcon(app::IconNextWord);  // given up
  std::vector<std::string> events;
  for (const auto& line : s.Journal().lines) {
    events.push_back(std::string(notebook::EventWord(line.kind)) + ":" + line.attempt);
  }
  EXPECT_EQ(events, (std::vector<std::string>{"seance:", "mot:", "essai:chaz", "essai:chas",
                                              "passe:chas", "mot:"}));
}

TEST(Notebook, HiddenWordsFoundAndTheFinishedTextAreJournalled) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().state.soundOn = 0;  // found without the sound as well
  view.Parts().editorDialog.OnTextChanged("un [ta] [et]", 0, 0);
  view.Parts().editorDialog.OnFixClicked(true);
  auto key = [](char c) { return grid::FindKeyFor(c, false)->key; };
  harness.fake.clock.now += 30'000;
  harness.WriteKeyInto(key('t'), 3, 0);
  harness.WriteKeyInto(key('a'), 4, 0);
  harness.fake.clock.now += 30'000;
  harness.WriteKeyInto(key('e'), 6, 0);
  harness.WriteKeyInto(key('t'), 7, 0);
  std::vector<std::string> events;
  for (const auto& line :
       notebook::ReadJournal(harness.data.Path() / notebook::kJournalFileName).lines) {
    EXPECT_EQ(line.module, base::ModuleId::kFrancais);
    events.push_back(std::string(notebook::EventWord(line.kind)) + ":" + line.entry + ":" +
                     std::to_string(line.count) + ":" + std::to_string(line.seconds));
  }
  EXPECT_EQ(events, (std::vector<std::string>{"seance::-1:-1", "trouve:ta:-1:0", "texte::2:30"}));
}

}  // namespace
