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
#include "notebook/profile_chooser.h"
#include "notebook/profiles.h"
#include "support/view_harness.h"

namespace {

using base::WorkEventKind;
using testing_support::KeyLetter;
using testing_support::ViewHarness;

const char* const kChildren[] = {
    "L\xE9"
    "a",
    "Zo\xE9", "Malik"};
const char* const kFolders[] = {"lea", "zoe", "malik"};

const std::vector<std::string> kTwentyWords = {"chat", "rat",  "zoo",  "lune", "mer", "sel", "riz",
                                               "nez",  "vase", "bol",  "lit",  "pot", "sac", "jus",
                                               "vin",  "ami",  "dame", "fil",  "mur", "ton"};

struct Session {
  // `children`: a class of that many children is made first; the program starts on their buttons.
  explicit Session(int children = 0) {
    if (children > 0) {
      MakeClass(children);
      view = &harness.Create();
      view->OnTimer(base::kTimerFirstRun);
      harness.Paint();
      return;
    }
    view = &harness.Create();
    OpenTheList();
  }
  void MakeClass(int children) {
    notebook::ProfileBook book;
    book.Load(harness.data.Path(), harness.data.Path());
    for (int i = 0; i < children; ++i) ASSERT_FALSE(book.Add(kChildren[i], i));
  }
  // Child `child` clicks their button on "Qui travaille ?".
  void Choose(int child, int children) {
    const auto rects =
        notebook::ProfileChooser::ButtonRects(harness.fake.window.clientSize, children);
    const gfx::Rect& r = rects[static_cast<std::size_t>(child)];
    harness.Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  void OpenTheList() {
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
  notebook::JournalContents Journal(const std::string& folder = {}) const {
    return notebook::ReadJournal(harness.data.Path() / folder / notebook::kJournalFileName);
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
  // The voice reads "raz" as "rat", "chaz" not as "chat", and has nothing for "zoa".
  s.harness.fake.voice.phonemes = {{u"chat",
                                    "\xCA\x83"
                                    "a"},
                                   {u"chaz",
                                    "\xCA\x83"
                                    "az"},
                                   {u"rat",
                                    "\xCA\x81"
                                    "a"},
                                   {u"raz",
                                    "\xCA\x81"
                                    "a"},
                                   {u"zoo", "zo"}};
  PlayTwentyWords(s);
  const auto journal = s.Journal();
  EXPECT_EQ(journal.damagedLines, 0);
  std::map<WorkEventKind, int> count;
  std::vector<std::string> wrong, shown;
  for (const auto& line : journal.lines) {
    ++count[line.kind];
    EXPECT_EQ(line.module, base::ModuleId::kListe);
    EXPECT_EQ(line.source, "liste.txt");
    if (line.kind == WorkEventKind::kWrongAttempt) {
      wrong.push_back(line.entry + ":" + line.attempt + ":" + line.errorKind);
    }
    if (line.kind == WorkEventKind::kEntryShown) shown.push_back(line.entry);
  }
  EXPECT_EQ(count[WorkEventKind::kSessionStart], 1);
  EXPECT_EQ(shown, kTwentyWords);
  EXPECT_EQ(wrong, (std::vector<std::string>{"chat:chaz:different", "rat:raz:pareil", "zoo:zoa:"}));
  EXPECT_EQ(count[WorkEventKind::kHelp], 2);
  EXPECT_EQ(count[WorkEventKind::kSolution], 1);
  // A solution brings no reward: "zoo" stays open until the next word passes it over.
  EXPECT_EQ(count[WorkEventKind::kSkipped], 1);
  // The help and the solution keep the answer as it stood when they were asked for.
  std::vector<std::string> attemptsAsked;
  for (const auto& line : journal.lines) {
    if (line.kind == WorkEventKind::kHelp || line.kind == WorkEventKind::kSolution) {
      attemptsAsked.push_back(line.attempt);
    }
    // "mer": the instruction, then three letters a second apart; the last one makes it right.
    if (line.kind == WorkEventKind::kRightAnswer && line.entry == "mer") {
      EXPECT_EQ(line.seconds, 4);
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
  // The kinds of errors the voice could tell, each with the child's spelling and the word.
  std::vector<std::string> kinds;
  const std::regex kindRow(
      "data-kind=\"([a-z]+)\"><th>([^<]*)</th><td class=\"n\">([0-9]+)</td><td>([^<]*)<");
  for (std::sregex_iterator it(html.begin(), html.end(), kindRow), end; it != end; ++it) {
    kinds.push_back((*it)[1].str() + "|" + (*it)[2].str() + "|" + (*it)[3].str() + "|" +
                    (*it)[4].str());
  }
  EXPECT_EQ(kinds, (std::vector<std::string>{"pareil|\xC3\x87"
                                             "a se lit pareil|1|raz (rat)",
                                             "different|\xC3\x87"
                                             "a ne se dit pas pareil|1|chaz (chat)"}));

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

// The reward comes a moment after the last tile: leaving the module or closing the program in
// that moment keeps the right answer, and a word made right twice counts once.
TEST(Notebook, ARightAnswerIsJournalledTheMomentTheWordIsRight) {
  enum class Then { kLeaveTheModule, kCloseTheProgram, kMakeItRightAgain, kLastLetterFlewIn };
  for (const Then then : {Then::kLeaveTheModule, Then::kCloseTheProgram, Then::kMakeItRightAgain,
                          Then::kLastLetterFlewIn}) {
    Session s;
    s.harness.ClickIcon(app::IconNextWord);
    s.harness.Paint();
    if (then == Then::kLastLetterFlewIn) {
      // Placed by itself: a key clicked sends its letter flying to the next cell.
      s.Write("cha");
      s.view->Parts().settingsDialog.OnAutoPlaceClicked(true);
      s.harness.ClickKey(s.keyOf.at('t'));
      s.harness.Tick(100);
    } else {
      s.Write("chat");
    }
    switch (then) {
      case Then::kLeaveTheModule:
      case Then::kLastLetterFlewIn:
        s.harness.EnterModule(app::ModuleId::kFrancais);
        break;
      case Then::kCloseTheProgram:
        s.harness.view.reset();
        break;
      case Then::kMakeItRightAgain:
        s.TakeOut(3);
        s.Write("t", 3);
        s.Rewarded();
        break;
    }
    std::vector<std::string> events;
    for (const auto& line : s.Journal().lines) {
      events.push_back(std::string(notebook::EventWord(line.kind)) + ":" + line.entry);
    }
    EXPECT_EQ(events, (std::vector<std::string>{"seance:", "mot:chat", "juste:chat"}))
        << static_cast<int>(then);
  }
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

// Three children take turns at one computer: each one's attempts land in their own journal, and
// nothing is written while the buttons wait for the next child.
TEST(Notebook, EachChildOfTheClassWritesIntoTheirOwnJournal) {
  Session s(3);
  ASSERT_EQ(s.view->ActiveModule(), app::ModuleId::kQuiTravaille);
  const std::string wrong[] = {"chaz", "chas", "chah"};
  for (int child = 0; child < 3; ++child) {
    s.Choose(child, 3);
    ASSERT_EQ(s.view->ActiveModule(), app::ModuleId::kFrancais) << child;
    s.OpenTheList();
    s.harness.ClickIcon(app::IconNextWord);
    s.harness.Paint();
    s.Write(wrong[child]);
    s.TakeOut(3);
    s.Write("t", 3);
    s.Rewarded();
    s.harness.ClickIcon(app::IconWhoWorks);
    ASSERT_EQ(s.view->ActiveModule(), app::ModuleId::kQuiTravaille);
  }
  // The teacher's buttons have no child to report on.
  s.harness.fake.dialogs.messages.clear();
  s.view->Parts().settingsDialog.OnReportClicked();
  s.view->Parts().settingsDialog.OnExportClicked();
  ASSERT_EQ(s.harness.fake.dialogs.messages.size(), 2u);
  EXPECT_EQ(s.harness.fake.dialogs.messages[0].text, app::NotebookActions::kNoChildAtWork);
  EXPECT_TRUE(s.harness.fake.desktop.opened.empty());
  EXPECT_FALSE(std::filesystem::exists(s.harness.data.Path() / notebook::kJournalFileName));

  for (int child = 0; child < 3; ++child) {
    std::vector<std::string> attempts;
    int rights = 0;
    for (const auto& line : s.Journal(kFolders[child]).lines) {
      if (line.kind == WorkEventKind::kWrongAttempt) attempts.push_back(line.attempt);
      if (line.kind == WorkEventKind::kRightAnswer) ++rights;
    }
    EXPECT_EQ(attempts, std::vector<std::string>{wrong[child]}) << kFolders[child];
    EXPECT_EQ(rights, 1) << kFolders[child];
  }

  // Zoé's report is Zoé's alone, and says so.
  s.Choose(1, 3);
  s.view->Parts().settingsDialog.OnReportPeriodChanged(2);
  s.view->Parts().settingsDialog.OnReportClicked();
  ASSERT_EQ(s.harness.fake.desktop.opened.size(), 1u);
  EXPECT_EQ(s.harness.fake.desktop.opened[0].parent_path(), s.harness.data.Path() / "zoe");
  const std::string html = testing_support::ReadBytes(s.harness.fake.desktop.opened[0]);
  EXPECT_NE(html.find("<span id=\"child\">Zo\xC3\xA9</span>"), std::string::npos);
  EXPECT_NE(html.find("chas"), std::string::npos);
  EXPECT_EQ(html.find("chaz"), std::string::npos);
  EXPECT_EQ(html.find("chah"), std::string::npos);
  s.harness.fake.dialogs.saveAnswer = s.harness.data.Path() / "zoe.csv";
  s.view->Parts().settingsDialog.OnExportClicked();
  const std::string csv = testing_support::ReadBytes(s.harness.data.Path() / "zoe.csv");
  EXPECT_NE(csv.find("\"chas\""), std::string::npos);
  EXPECT_EQ(csv.find("chaz"), std::string::npos);
  EXPECT_EQ(s.harness.fake.dialogs.saveRequests.back().proposedName, "journal-zoe.csv");
}

}  // namespace
