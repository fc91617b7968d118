#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "notebook/journal_format.h"

namespace notebook {

enum class ReportPeriod { kToday, kThisWeek, kEverything };

// What became of one dictated entry.
struct EntryResult {
  std::string day;
  std::string entry;
  std::vector<std::string> wrongAttempts;  // as the tiles spelt them
  int helps = 0;
  bool solution = false;
  bool skipped = false;
  bool right = false;
  std::int64_t seconds = -1;  // to the right answer

  // Something was answered: the entry was worked on, not only shown.
  bool Attempted() const {
    return right || skipped || solution || helps > 0 || !wrongAttempts.empty();
  }
  bool RightFirstTime() const {
    return right && wrongAttempts.empty() && helps == 0 && !solution && !skipped;
  }
};

struct Summary {
  int attempted = 0;
  int rightFirstTime = 0;
  int withHelp = 0;  // helped, without the solution
  int withSolution = 0;
  std::vector<EntryResult> toReview;  // not right the first time, in the order worked on
  std::vector<std::pair<std::string, std::int64_t>> secondsPerDay;  // days in order
  std::vector<std::pair<std::string, int>> errorKinds;              // the kinds known
  int hiddenWordsFound = 0;
  int textsComplete = 0;
  int puzzlesComplete = 0;
  int puzzlePiecesHelped = 0;
};

// The first day of the period, "YYYY-MM-DD", for a calendar time; empty for everything.
std::string PeriodStart(ReportPeriod period, std::int64_t calendarSeconds);
// The entries dictated in these lines, each with what became of it.
std::vector<EntryResult> DictationResults(const std::vector<JournalLine>& lines);
// The figures of the lines dated from `firstDay` on (all of them when it is empty).
Summary Summarise(const std::vector<JournalLine>& lines, std::string_view firstDay);

// The page the teacher prints: UTF-8 HTML with the chart drawn in SVG, one A4 page for a
// session of twenty words.
std::string ReportHtml(const Summary& summary, std::string_view periodName,
                       std::string_view writtenAt);

// The entries not right the first time in the last `sessions` dictation sessions (UTF-8, each
// once, in the order worked on).
std::vector<std::string> WordsToReview(const std::vector<JournalLine>& lines, int sessions);

}  // namespace notebook
