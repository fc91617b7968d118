#include "notebook/report.h"

#include <algorithm>
#include <ctime>
#include <map>

namespace notebook {

namespace {

using base::WorkEventKind;

// A pause longer than this between two events is no work: it counts as this long.
constexpr std::int64_t kLongestPauseSeconds = 300;

std::int64_t SecondsOf(std::string_view when) {
  // "YYYY-MM-DD HH:MM:SS" as a count of seconds; only differences within a day are used.
  auto number = [&](std::size_t at, std::size_t n) {
    std::int64_t v = 0;
    for (std::size_t i = at; i < at + n && i < when.size(); ++i) v = v * 10 + (when[i] - '0');
    return v;
  };
  return number(11, 2) * 3600 + number(14, 2) * 60 + number(17, 2);
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

std::string Escaped(std::string_view text) {
  std::string out;
  AppendEscaped(out, text);
  return out;
}

std::string Duration(std::int64_t seconds) {
  const std::int64_t minutes = (seconds + 30) / 60;
  if (minutes < 60) return std::to_string(minutes) + " min";
  return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

}  // namespace

std::string PeriodStart(ReportPeriod period, std::int64_t calendarSeconds) {
  switch (period) {
    case ReportPeriod::kEverything:
      return {};
    case ReportPeriod::kToday:
      return LocalDateTime(calendarSeconds).substr(0, 10);
    case ReportPeriod::kThisWeek: {
      const std::time_t t = static_cast<std::time_t>(calendarSeconds);
      int weekday = 1;
      if (const std::tm* local = std::localtime(&t)) weekday = local->tm_wday;
      // The French week starts on Monday. Noon keeps a change of summer time out of the count.
      const std::int64_t daysSinceMonday = (weekday + 6) % 7;
      const std::string today = LocalDateTime(calendarSeconds);
      const std::int64_t noon = calendarSeconds - SecondsOf(today) + 12 * 3600;
      return LocalDateTime(noon - daysSinceMonday * 86400).substr(0, 10);
    }
  }
  return {};
}

std::vector<EntryResult> DictationResults(const std::vector<JournalLine>& lines) {
  std::vector<EntryResult> results;
  bool open = false;  // the last entry shown still takes what follows
  for (const JournalLine& line : lines) {
    if (line.module != base::ModuleId::kListe) continue;
    switch (line.kind) {
      case WorkEventKind::kSessionStart:
        open = false;
        break;
      case WorkEventKind::kEntryShown:
        results.push_back({std::string(line.Day()), line.entry});
        open = true;
        break;
      case WorkEventKind::kWrongAttempt:
        if (open) results.back().wrongAttempts.push_back(line.attempt);
        break;
      case WorkEventKind::kHelp:
        if (open) ++results.back().helps;
        break;
      case WorkEventKind::kSolution:
        if (open) results.back().solution = true;
        break;
      case WorkEventKind::kSkipped:
        if (open) results.back().skipped = true;
        open = false;
        break;
      case WorkEventKind::kRightAnswer:
        if (open) {
          results.back().right = true;
          results.back().seconds = line.seconds;
        }
        open = false;
        break;
      default:
        break;
    }
  }
  return results;
}

Summary Summarise(const std::vector<JournalLine>& all, std::string_view firstDay) {
  std::vector<JournalLine> lines;
  for (const JournalLine& line : all) {
    if (firstDay.empty() || line.Day() >= firstDay) lines.push_back(line);
  }

  Summary s;
  for (const EntryResult& r : DictationResults(lines)) {
    if (!r.Attempted()) continue;
    ++s.attempted;
    if (r.RightFirstTime()) {
      ++s.rightFirstTime;
    } else {
      s.toReview.push_back(r);
    }
    if (r.solution) {
      ++s.withSolution;
    } else if (r.helps > 0) {
      ++s.withHelp;
    }
  }

  std::map<std::string, std::int64_t> perDay;
  std::map<std::string, int> kinds;
  const JournalLine* previous = nullptr;
  for (const JournalLine& line : lines) {
    // Time on task: the time between two events of one sitting, a long pause cut short.
    if (line.kind != WorkEventKind::kSessionStart && previous != nullptr &&
        previous->Day() == line.Day()) {
      const std::int64_t gap = SecondsOf(line.when) - SecondsOf(previous->when);
      if (gap > 0) perDay[std::string(line.Day())] += std::min(gap, kLongestPauseSeconds);
    }
    perDay.try_emplace(std::string(line.Day()), 0);
    previous = &line;
    switch (line.kind) {
      case WorkEventKind::kWrongAttempt:
        if (!line.errorKind.empty()) ++kinds[line.errorKind];
        break;
      case WorkEventKind::kHiddenWordFound:
        ++s.hiddenWordsFound;
        break;
      case WorkEventKind::kTextComplete:
        ++s.textsComplete;
        break;
      case WorkEventKind::kPuzzleComplete:
        ++s.puzzlesComplete;
        s.puzzlePiecesHelped += std::max(line.helped, 0);
        break;
      default:
        break;
    }
  }
  s.secondsPerDay.assign(perDay.begin(), perDay.end());
  s.errorKinds.assign(kinds.begin(), kinds.end());
  return s;
}

std::string ReportHtml(const Summary& s, std::string_view periodName, std::string_view writtenAt) {
  std::string h;
  h += "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n";
  h += "<title>Bilan Scribix</title>\n<style>\n";
  h += "@page { size: A4; margin: 14mm; }\n";
  h += "body { font-family: sans-serif; font-size: 11pt; margin: 0; color: #000; }\n";
  h += "h1 { font-size: 16pt; margin: 0 0 2mm 0; }\nh2 { font-size: 12pt; margin: 4mm 0 1mm 0; }\n";
  h += "table { border-collapse: collapse; }\n";
  h += "td, th { border: 1px solid #888; padding: 1px 6px; text-align: left; }\n";
  h += "td.n { text-align: right; }\n.small { font-size: 9pt; color: #333; }\n";
  h += "</style>\n</head>\n<body>\n";
  h += "<h1>Bilan de Scribix &mdash; ";
  AppendEscaped(h, periodName);
  h += "</h1>\n<p class=\"small\">\xC3\x89tabli le ";
  AppendEscaped(h, writtenAt);
  h += "</p>\n";

  h += "<h2>Dict\xC3\xA9"
       "e</h2>\n<table>\n";
  auto row = [&](std::string_view id, std::string_view label, int value) {
    h += "<tr><th>";
    h += label;
    h += "</th><td class=\"n\" id=\"";
    h += id;
    h += "\">";
    h += std::to_string(value);
    h += "</td></tr>\n";
  };
  row("attempted", "Mots travaill\xC3\xA9s", s.attempted);
  row("first-time", "Justes du premier coup", s.rightFirstTime);
  row("with-help", "Avec l'aide", s.withHelp);
  row("with-solution", "Avec la solution", s.withSolution);
  h += "</table>\n";

  h += "<h2>Mots \xC3\xA0 revoir</h2>\n";
  if (s.toReview.empty()) {
    h += "<p>Aucun.</p>\n";
  } else {
    h += "<table class=\"small\">\n<tr><th>Mot</th><th>Essais</th><th>Aide</th><th>Solution</th>"
         "</tr>\n";
    for (const EntryResult& r : s.toReview) {
      h += "<tr class=\"review\"><td>";
      AppendEscaped(h, r.entry);
      h += "</td><td>";
      for (std::size_t i = 0; i < r.wrongAttempts.size(); ++i) {
        if (i > 0) h += ", ";
        AppendEscaped(h, r.wrongAttempts[i]);
      }
      h += "</td><td class=\"n\">";
      h += std::to_string(r.helps);
      h += "</td><td>";
      h += r.solution ? "oui" : (r.skipped ? "pass\xC3\xA9" : "");
      h += "</td></tr>\n";
    }
    h += "</table>\n";
  }

  h += "<h2>Temps de travail par jour</h2>\n";
  // The chart: one bar per day, its minutes written above it.
  const std::size_t days = std::max<std::size_t>(s.secondsPerDay.size(), 1);
  const int barWidth = static_cast<int>(std::clamp<std::size_t>(600 / days, 6, 60));
  const int width = std::max(200, static_cast<int>(days) * (barWidth + 6) + 20);
  std::int64_t longest = 60;
  for (const auto& [day, seconds] : s.secondsPerDay) longest = std::max(longest, seconds);
  h += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
       "\" height=\"150\" viewBox=\"0 0 " + std::to_string(width) + " 150\">\n";
  h += "<line x1=\"10\" y1=\"120\" x2=\"" + std::to_string(width - 10) +
       "\" y2=\"120\" stroke=\"#000\"/>\n";
  int x = 14;
  for (const auto& [day, seconds] : s.secondsPerDay) {
    const int height = static_cast<int>(seconds * 90 / longest);
    h += "<rect class=\"day\" data-day=\"" + Escaped(day) + "\" data-seconds=\"" +
         std::to_string(seconds) + "\" x=\"" + std::to_string(x) + "\" y=\"" +
         std::to_string(120 - height) + "\" width=\"" + std::to_string(barWidth) + "\" height=\"" +
         std::to_string(height) + "\" fill=\"#4a7fc1\"/>\n";
    const int middle = x + barWidth / 2;
    h += "<text x=\"" + std::to_string(middle) + "\" y=\"" + std::to_string(115 - height) +
         "\" font-size=\"10\" text-anchor=\"middle\">" + Duration(seconds) + "</text>\n";
    // Day and month under the bar.
    h += "<text x=\"" + std::to_string(middle) +
         "\" y=\"135\" font-size=\"10\" text-anchor=\"middle\">" + Escaped(day.substr(8, 2)) + "/" +
         Escaped(day.substr(5, 2)) + "</text>\n";
    x += barWidth + 6;
  }
  h += "</svg>\n";

  if (!s.errorKinds.empty()) {
    h += "<h2>Genres d'erreurs</h2>\n<table>\n";
    for (const auto& [kind, count] : s.errorKinds) {
      h += "<tr class=\"error-kind\"><th>";
      AppendEscaped(h, kind);
      h += "</th><td class=\"n\">" + std::to_string(count) + "</td></tr>\n";
    }
    h += "</table>\n";
  }

  if (s.hiddenWordsFound > 0 || s.textsComplete > 0 || s.puzzlesComplete > 0) {
    h += "<h2>Textes et puzzles</h2>\n<p>";
    h += "Mots cach\xC3\xA9s trouv\xC3\xA9s : <span id=\"hidden-words\">" +
         std::to_string(s.hiddenWordsFound) +
         "</span>, textes termin\xC3\xA9s : " + "<span id=\"texts\">" +
         std::to_string(s.textsComplete) + "</span>. ";
    h += "Puzzles termin\xC3\xA9s : <span id=\"puzzles\">" + std::to_string(s.puzzlesComplete) +
         "</span> (pi\xC3\xA8"
         "ces plac\xC3\xA9"
         "es par l'aide : " +
         std::to_string(s.puzzlePiecesHelped) + ").</p>\n";
  }
  h += "</body>\n</html>\n";
  return h;
}

std::vector<std::string> WordsToReview(const std::vector<JournalLine>& lines, int sessions) {
  // Where the last `sessions` sittings at the dictation began.
  std::vector<std::size_t> starts;
  bool sawEntry = false;
  for (std::size_t i = lines.size(); i-- > 0;) {
    const JournalLine& line = lines[i];
    if (line.module != base::ModuleId::kListe) continue;
    if (line.kind == WorkEventKind::kEntryShown) sawEntry = true;
    if (line.kind == WorkEventKind::kSessionStart && sawEntry) {
      starts.push_back(i);
      sawEntry = false;
      if (static_cast<int>(starts.size()) == sessions) break;
    }
  }
  std::size_t from = starts.empty() ? 0 : starts.back();
  // A journal whose first sitting has no start line (cut at its head) is read from its start.
  if (static_cast<int>(starts.size()) < sessions) from = 0;
  std::vector<JournalLine> recent(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end());
  std::vector<std::string> words;
  for (const EntryResult& r : DictationResults(recent)) {
    if (!r.Attempted() || r.RightFirstTime()) continue;
    if (std::find(words.begin(), words.end(), r.entry) == words.end()) words.push_back(r.entry);
  }
  return words;
}

}  // namespace notebook
