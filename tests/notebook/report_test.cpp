// What the teacher reads from the journal: the report's figures, its page, the CSV for a
// spreadsheet and the words the child practises again.
#include "notebook/report.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "notebook/journal_csv.h"
#include "notebook/journal_format.h"

namespace {

using base::ModuleId;
using base::WorkEventKind;
using notebook::JournalLine;

// A journal written by hand: each call adds a line a second (or `gap` seconds) after the last.
struct Journal {
  std::vector<JournalLine> lines;
  std::string day = "2026-12-09";
  int clock = 9 * 3600;

  void Add(WorkEventKind kind, std::string entry = {}, std::string attempt = {}, int gap = 1) {
    clock += gap;
    char when[32];
    std::snprintf(when, sizeof when, "%s %02d:%02d:%02d", day.c_str(), clock / 3600,
                  clock / 60 % 60, clock % 60);
    JournalLine l;
    l.when = when;
    l.kind = kind;
    l.module = ModuleId::kListe;
    l.source = "liste.txt";
    l.entry = std::move(entry);
    l.attempt = std::move(attempt);
    lines.push_back(l);
  }
  void Right(const std::string& word) {
    Add(WorkEventKind::kEntryShown, word);
    Add(WorkEventKind::kRightAnswer, word, {}, 5);
  }
};

// The session of twenty words: three wrong attempts, two helps, one solution.
Journal TwentyWords() {
  Journal j;
  j.Add(WorkEventKind::kSessionStart);
  j.Add(WorkEventKind::kEntryShown, "chat");
  j.Add(WorkEventKind::kWrongAttempt, "chat", "chaz");
  j.Add(WorkEventKind::kHelp, "chat", "chaz");
  j.Add(WorkEventKind::kRightAnswer, "chat");
  j.Add(WorkEventKind::kEntryShown, "\xC3\xA9l\xC3\xA9phant");
  j.Add(WorkEventKind::kWrongAttempt, "\xC3\xA9l\xC3\xA9phant", "elefan");
  j.Add(WorkEventKind::kRightAnswer, "\xC3\xA9l\xC3\xA9phant");
  j.Add(WorkEventKind::kEntryShown, "zoo");
  j.Add(WorkEventKind::kWrongAttempt, "zoo", "zoa");
  j.Add(WorkEventKind::kSolution, "zoo", "zoa");
  j.Add(WorkEventKind::kSkipped, "zoo", "zoo");
  j.Add(WorkEventKind::kEntryShown, "lune");
  j.Add(WorkEventKind::kHelp, "lune", "l___");
  j.Add(WorkEventKind::kRightAnswer, "lune");
  for (int i = 0; i < 16; ++i) j.Right("mot" + std::to_string(i));
  return j;
}

std::vector<std::string> Words(const std::vector<notebook::EntryResult>& results) {
  std::vector<std::string> words;
  for (const auto& r : results) words.push_back(r.entry);
  return words;
}

TEST(Report, TheFiguresOfASessionAndTheWordsToReview) {
  const Journal j = TwentyWords();
  const notebook::Summary s = notebook::Summarise(j.lines, {});
  EXPECT_EQ(s.attempted, 20);
  EXPECT_EQ(s.rightFirstTime, 16);
  EXPECT_EQ(s.withHelp, 2);
  EXPECT_EQ(s.withSolution, 1);
  EXPECT_EQ(Words(s.toReview),
            (std::vector<std::string>{"chat", "\xC3\xA9l\xC3\xA9phant", "zoo", "lune"}));
  EXPECT_EQ(s.toReview[0].wrongAttempts, (std::vector<std::string>{"chaz"}));
  // Sixteen words of six seconds and fifteen lines of one second, after the first.
  ASSERT_EQ(s.secondsPerDay.size(), 1u);
  EXPECT_EQ(s.secondsPerDay[0].second, 16 * 6 + 14);
}

TEST(Report, TimeOnTaskLeavesOutLongPausesAndTheDaysOutsideThePeriod) {
  Journal j;
  j.day = "2026-12-07";
  j.Add(WorkEventKind::kSessionStart);
  j.Right("chat");
  j.Add(WorkEventKind::kEntryShown, "rat", {}, 3600);  // an hour away counts as five minutes
  j.day = "2026-12-09";
  j.Add(WorkEventKind::kSessionStart);
  j.Right("zoo");
  const auto all = notebook::Summarise(j.lines, {});
  ASSERT_EQ(all.secondsPerDay.size(), 2u);
  EXPECT_EQ(all.secondsPerDay[0],
            (std::pair<std::string, std::int64_t>{"2026-12-07", 1 + 5 + 300}));
  EXPECT_EQ(all.secondsPerDay[1], (std::pair<std::string, std::int64_t>{"2026-12-09", 6}));
  EXPECT_EQ(all.attempted, 2);  // "rat" was only shown
  const auto today = notebook::Summarise(j.lines, "2026-12-09");
  EXPECT_EQ(today.attempted, 1);
  EXPECT_EQ(today.secondsPerDay.size(), 1u);
}

TEST(Report, PeriodsStartTodayOrOnMonday) {
  // Wednesday 9 December 2026, 10:00 local time, whatever the time zone.
  std::tm parts{};
  parts.tm_year = 126;
  parts.tm_mon = 11;
  parts.tm_mday = 9;
  parts.tm_hour = 10;
  parts.tm_isdst = -1;
  const std::int64_t wednesday = std::mktime(&parts);
  EXPECT_EQ(notebook::PeriodStart(notebook::ReportPeriod::kToday, wednesday), "2026-12-09");
  EXPECT_EQ(notebook::PeriodStart(notebook::ReportPeriod::kThisWeek, wednesday), "2026-12-07");
  EXPECT_EQ(notebook::PeriodStart(notebook::ReportPeriod::kThisWeek, wednesday - 2 * 86400),
            "2026-12-07");  // Monday itself
  EXPECT_EQ(notebook::PeriodStart(notebook::ReportPeriod::kThisWeek, wednesday + 4 * 86400),
            "2026-12-07");  // Sunday
  EXPECT_EQ(notebook::PeriodStart(notebook::ReportPeriod::kEverything, wednesday), "");
}

std::string IdValue(const std::string& html, const std::string& id) {
  std::smatch m;
  const std::regex pattern("id=\"" + id + "\">([^<]*)<");
  return std::regex_search(html, m, pattern) ? m[1].str() : "?";
}

TEST(Report, ThePageGivesTheSessionsFiguresBack) {
  Journal j = TwentyWords();
  // A word written by a teacher with markup in it stays text on the page.
  j.Add(WorkEventKind::kEntryShown, "<b>&");
  j.Add(WorkEventKind::kSkipped, "<b>&", "b");
  j.lines.back().errorKind = "son voisin";
  const std::string html =
      notebook::ReportHtml(notebook::Summarise(j.lines, {}), "aujourd'hui", "2026-12-09 10:00:00");
  EXPECT_EQ(IdValue(html, "attempted"), "21");
  EXPECT_EQ(IdValue(html, "first-time"), "16");
  EXPECT_EQ(IdValue(html, "with-help"), "2");
  EXPECT_EQ(IdValue(html, "with-solution"), "1");
  std::vector<std::string> review;
  const std::regex row("<tr class=\"review\"><td>([^<]*)</td>");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), row); it != std::sregex_iterator();
       ++it) {
    review.push_back((*it)[1].str());
  }
  EXPECT_EQ(review, (std::vector<std::string>{"chat", "\xC3\xA9l\xC3\xA9phant", "zoo", "lune",
                                              "&lt;b&gt;&amp;"}));
  EXPECT_NE(html.find("<svg"), std::string::npos);
  EXPECT_NE(html.find("data-day=\"2026-12-09\" data-seconds=\""), std::string::npos);
  EXPECT_EQ(html.find("<b>&"), std::string::npos);
  EXPECT_NE(html.find("charset=\"utf-8\""), std::string::npos);
  EXPECT_NE(html.find("size: A4"), std::string::npos);
}

// A reader of the CSV as a spreadsheet program reads it: ";" between fields, quotes doubled.
std::vector<std::vector<std::string>> ParseCsv(std::string_view text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        rows.back().back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        rows.back().back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ';') {
      rows.back().emplace_back();
    } else if (c == '\n') {
      rows.emplace_back(1);
    } else if (c != '\r') {
      rows.back().back() += c;
    }
  }
  if (rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
  return rows;
}

TEST(JournalCsv, ASpreadsheetReadsTheSessionBack) {
  Journal j = TwentyWords();
  j.lines[2].attempt = "a \"b\"; c\nd";  // what a spreadsheet must not split
  const std::string csv = notebook::JournalCsv(j.lines);
  ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  const auto rows = ParseCsv(std::string_view(csv).substr(3));
  ASSERT_EQ(rows.size(), j.lines.size() + 1);
  EXPECT_EQ(rows[0][2], "\xC3\x89v\xC3\xA9nement");
  std::map<std::string, int> events;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 11u) << i;
    ++events[rows[i][2]];
  }
  EXPECT_EQ(events["mot"], 20);
  EXPECT_EQ(events["essai"], 3);
  EXPECT_EQ(events["aide"], 2);
  EXPECT_EQ(events["solution"], 1);
  EXPECT_EQ(rows[3][0], "2026-12-09");
  EXPECT_EQ(rows[3][5], "chat");
  EXPECT_EQ(rows[3][6], "a \"b\"; c\nd");
  EXPECT_EQ(rows[6][5], "\xC3\xA9l\xC3\xA9phant");
}

TEST(Review, TheWordsMissedInTheLastThreeSittings) {
  Journal j;
  // Four sittings; the first is too old to count, the last has a word missed twice.
  const std::vector<std::vector<std::string>> missed = {
      {"vieux"}, {"chat"}, {}, {"zoo", "rat", "zoo"}};
  for (const auto& sitting : missed) {
    j.Add(WorkEventKind::kSessionStart);
    j.Right("juste");
    for (const std::string& word : sitting) {
      j.Add(WorkEventKind::kEntryShown, word);
      j.Add(WorkEventKind::kWrongAttempt, word, "x");
      j.Add(WorkEventKind::kRightAnswer, word);
    }
  }
  // Another module's sitting between them is no dictation sitting.
  JournalLine puzzle = j.lines.back();
  puzzle.module = ModuleId::kPuzzle;
  puzzle.kind = WorkEventKind::kSessionStart;
  j.lines.push_back(puzzle);
  EXPECT_EQ(notebook::WordsToReview(j.lines, 3), (std::vector<std::string>{"chat", "zoo", "rat"}));
  EXPECT_EQ(notebook::WordsToReview(j.lines, 1), (std::vector<std::string>{"zoo", "rat"}));
  EXPECT_EQ(notebook::WordsToReview(j.lines, 9),
            (std::vector<std::string>{"vieux", "chat", "zoo", "rat"}));
  EXPECT_TRUE(notebook::WordsToReview({}, 3).empty());
}

}  // namespace
