#include "notebook/journal_format.h"

#include <array>
#include <charconv>
#include <ctime>
#include <vector>

#include "text/cp1252.h"

namespace notebook {

namespace {

using base::ModuleId;
using base::WorkEventKind;

constexpr std::array<std::pair<WorkEventKind, std::string_view>, 10> kEventWords = {{
    {WorkEventKind::kSessionStart, "seance"},
    {WorkEventKind::kEntryShown, "mot"},
    {WorkEventKind::kWrongAttempt, "essai"},
    {WorkEventKind::kHelp, "aide"},
    {WorkEventKind::kSolution, "solution"},
    {WorkEventKind::kSkipped, "passe"},
    {WorkEventKind::kRightAnswer, "juste"},
    {WorkEventKind::kHiddenWordFound, "trouve"},
    {WorkEventKind::kTextComplete, "texte"},
    {WorkEventKind::kPuzzleComplete, "puzzle"},
}};

constexpr std::array<std::pair<ModuleId, std::string_view>, 4> kModuleWords = {{
    {ModuleId::kFrancais, "Francais"},
    {ModuleId::kListe, "Liste"},
    {ModuleId::kMathematique, "Mathematique"},
    {ModuleId::kPuzzle, "Puzzle"},
}};

constexpr std::string_view kNothing = "-";

void AppendText(std::string& out, std::string_view text) {
  if (text.empty()) {
    out += kNothing;
    return;
  }
  if (text == kNothing) {
    out += "\\-";
    return;
  }
  for (char c : text) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
}

std::optional<std::string> ReadText(std::string_view field) {
  if (field == kNothing) return std::string();
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out += field[i];
      continue;
    }
    if (++i == field.size()) return std::nullopt;
    switch (field[i]) {
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      case '-':
        out += '-';
        break;
      default:
        return std::nullopt;
    }
  }
  // The journal is UTF-8: anything else was not written by the program.
  if (!text::IsValidUtf8(out)) return std::nullopt;
  return out;
}

void AppendNumber(std::string& out, std::int64_t value) {
  if (value < 0) {
    out += kNothing;
  } else {
    out += std::to_string(value);
  }
}

template <typename Int>
bool ReadNumber(std::string_view field, Int& value) {
  if (field == kNothing) {
    value = -1;
    return true;
  }
  if (field.empty() || field.size() > 12) return false;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size() && value >= 0;
}

bool IsDateTime(std::string_view s) {
  // "YYYY-MM-DD HH:MM:SS"
  static constexpr std::string_view kShape = "0000-00-00 00:00:00";
  if (s.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool digit = s[i] >= '0' && s[i] <= '9';
    if (kShape[i] == '0' ? !digit : s[i] != kShape[i]) return false;
  }
  return true;
}

}  // namespace

std::string_view EventWord(WorkEventKind kind) {
  for (const auto& [k, word] : kEventWords) {
    if (k == kind) return word;
  }
  return kNothing;
}

std::string_view ModuleWord(ModuleId module) {
  for (const auto& [m, word] : kModuleWords) {
    if (m == module) return word;
  }
  return kNothing;
}

std::string FormatJournalLine(const JournalLine& line) {
  std::string out = line.when;
  out += '\t';
  out += EventWord(line.kind);
  out += '\t';
  out += ModuleWord(line.module);
  for (const std::string* text : {&line.source, &line.entry, &line.attempt}) {
    out += '\t';
    AppendText(out, *text);
  }
  out += '\t';
  AppendNumber(out, line.seconds);
  out += '\t';
  AppendNumber(out, line.count);
  out += '\t';
  AppendNumber(out, line.helped);
  out += '\t';
  AppendText(out, line.errorKind);
  out += '\n';
  return out;
}

std::optional<JournalLine> ParseJournalLine(std::string_view text) {
  std::array<std::string_view, kJournalFields> fields;
  std::size_t n = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = text.find('\t', start);
    if (n == fields.size()) return std::nullopt;
    fields[n++] =
        text.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (n != fields.size()) return std::nullopt;

  JournalLine line;
  if (!IsDateTime(fields[0])) return std::nullopt;
  line.when = fields[0];
  bool known = false;
  for (const auto& [k, word] : kEventWords) {
    if (word == fields[1]) {
      line.kind = k;
      known = true;
    }
  }
  if (!known) return std::nullopt;
  known = false;
  for (const auto& [m, word] : kModuleWords) {
    if (word == fields[2]) {
      line.module = m;
      known = true;
    }
  }
  if (!known) return std::nullopt;
  std::string* texts[] = {&line.source, &line.entry, &line.attempt};
  for (int i = 0; i < 3; ++i) {
    auto t = ReadText(fields[3 + static_cast<std::size_t>(i)]);
    if (!t) return std::nullopt;
    *texts[i] = std::move(*t);
  }
  if (!ReadNumber(fields[6], line.seconds) || !ReadNumber(fields[7], line.count) ||
      !ReadNumber(fields[8], line.helped)) {
    return std::nullopt;
  }
  auto kind = ReadText(fields[9]);
  if (!kind) return std::nullopt;
  line.errorKind = std::move(*kind);
  return line;
}

std::string LocalDateTime(std::int64_t calendarSeconds) {
  const std::time_t t = static_cast<std::time_t>(calendarSeconds);
  std::tm parts{};
  // The one call to the C library's calendar; its result is copied at once.
  if (const std::tm* local = std::localtime(&t)) parts = *local;
  char buffer[32];
  const std::size_t n = std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &parts);
  if (n == 0) return "1970-01-01 00:00:00";
  return std::string(buffer, n);
}

JournalLine LineOf(const base::WorkEvent& event, std::int64_t calendarSeconds) {
  JournalLine line;
  line.when = LocalDateTime(calendarSeconds);
  line.kind = event.kind;
  line.module = event.module;
  line.source = text::ToUtf8(event.source);
  line.entry = text::ToUtf8(event.entry);
  line.attempt = text::ToUtf8(event.attempt);
  line.seconds = event.seconds;
  line.count = event.count;
  line.helped = event.helped;
  line.errorKind = text::ToUtf8(event.errorKind);
  return line;
}

}  // namespace notebook
