#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/work_log.h"

namespace notebook {

// One line of a child's journal, its texts in UTF-8. The line is
//   date heure <TAB> event <TAB> module <TAB> file <TAB> entry <TAB> attempt <TAB> seconds
//   <TAB> count <TAB> helped <TAB> error kind
// with "-" for a field that has nothing; a tab, a line break or a backslash in a text is written
// \t, \n, \\ and a text that is "-" itself is written \-. The README written beside the journal
// says the same for the teacher.
struct JournalLine {
  std::string when;  // "2026-12-09 07:40:12", local time
  base::WorkEventKind kind = base::WorkEventKind::kSessionStart;
  base::ModuleId module = base::ModuleId::kListe;
  std::string source;
  std::string entry;
  std::string attempt;
  std::int64_t seconds = -1;
  std::int32_t count = -1;
  std::int32_t helped = -1;
  std::string errorKind;

  std::string_view Day() const { return std::string_view(when).substr(0, 10); }
};

inline constexpr int kJournalFields = 10;

// The word the journal uses for an event ("mot", "essai", ...) and for a module.
std::string_view EventWord(base::WorkEventKind kind);
std::string_view ModuleWord(base::ModuleId module);

// The line with its final line break.
std::string FormatJournalLine(const JournalLine& line);
// A line without its line break; nothing when it is not a whole journal line.
std::optional<JournalLine> ParseJournalLine(std::string_view text);

// "2026-12-09 07:40:12" for a calendar time in seconds, in local time.
std::string LocalDateTime(std::int64_t calendarSeconds);

// The event as the journal keeps it: texts in UTF-8, stamped with its time.
JournalLine LineOf(const base::WorkEvent& event, std::int64_t calendarSeconds);

}  // namespace notebook
