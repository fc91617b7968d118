#include "exercises/text_exercise_file.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "text/cp1252.h"

namespace exercises {

namespace {

// A text stream turns CR LF into LF.
std::string AsTextStream(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    out += bytes[i];
  }
  return out;
}

// A number of one or two digits, the whole of s; -1 otherwise.
int SmallNumber(std::string_view s) {
  if (s.empty() || s.size() > 2) return -1;
  int value = 0;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The number of a "$X" or "$Y" line: one or two digits, or "-" and one or two digits, which is
// what a save writes when the settings' list had nothing selected. Empty when it is neither.
std::optional<int> GridNumber(std::string_view s) {
  const bool negative = !s.empty() && s.front() == '-';
  if (negative) s.remove_prefix(1);
  const int value = SmallNumber(s);
  if (value < 0) return std::nullopt;
  return negative ? -value : value;
}

constexpr int kCellsChoices = 20;  // 2 to 40 cells per line
constexpr int kLinesChoices = 8;

// One header line ("$1", "$2", "$X<n>", "$Y<n>", "#0", "#1") read into the exercise. False when
// the line is no header line, or says again what an earlier one said: the text starts there.
bool ReadHeaderLine(std::string_view line, TextExercise& exercise, unsigned& seen) {
  enum : unsigned { kModule = 1, kCells = 2, kLines = 4, kFixed = 8 };
  unsigned kind = 0;
  if (line == "$1" || line == "$2") {
    kind = kModule;
  } else if (line == "#0" || line == "#1") {
    kind = kFixed;
  } else if (line.size() > 2 && line[0] == '$' && (line[1] == 'X' || line[1] == 'Y')) {
    if (!GridNumber(line.substr(2))) return false;
    kind = line[1] == 'X' ? kCells : kLines;
  }
  if (kind == 0 || (seen & kind) != 0) return false;
  seen |= kind;
  const int number = kind == kCells || kind == kLines ? *GridNumber(line.substr(2)) : 0;
  switch (kind) {
    case kModule:
      exercise.moduleMark = line[1] - '0';
      break;
    case kFixed:
      exercise.fixed = line[1] == '1';
      break;
    case kCells:
      // A choice the settings do not have is left unsaid.
      if (number >= 0 && number < kCellsChoices) exercise.cellsIndex = number;
      break;
    default:
      if (number >= 0 && number < kLinesChoices) {
        exercise.linesIndex = number;
        exercise.ySeen = true;
      }
      break;
  }
  return true;
}

// The editor keeps CR LF between lines, whatever the file used.
std::string EditorLineBreaks(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 16);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\r') {
      if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
      out += "\r\n";
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

TextExercise ParseTextExercise(std::string_view fileBytes) {
  const std::string textRead = AsTextStream(text::DecodeFileText(fileBytes));
  const std::string_view all(textRead);
  TextExercise result;
  // The header lines stand first, each on its own line, in any order; a "$" or "#" further on is
  // the exercise's own text.
  std::size_t bodyStart = 0;
  unsigned seen = 0;
  for (;;) {
    const std::size_t lineEnd = all.find('\n', bodyStart);
    if (lineEnd == std::string_view::npos) break;
    std::string_view line = all.substr(bodyStart, lineEnd - bodyStart);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!ReadHeaderLine(line, result, seen)) break;
    bodyStart = lineEnd + 1;
  }
  const std::size_t end = std::min(all.size(), kMaxExerciseText);
  if (bodyStart < end) result.body = EditorLineBreaks(all.substr(bodyStart, end - bodyStart));
  return result;
}

std::string FormatTextExercise(bool mathModule, int cellsIndex, int linesIndex, bool fixed,
                               std::string_view editorText) {
  std::string logical = mathModule ? "$2\n" : "$1\n";
  logical += "$X" + std::to_string(cellsIndex) + "\n";
  logical += "$Y" + std::to_string(linesIndex) + "\n";
  logical += fixed ? "#1\n" : "#0\n";
  logical += editorText;
  // Every line ends with CR LF, whether the editor's line had CR LF or LF alone.
  std::string out;
  out.reserve(logical.size() + logical.size() / 16);
  for (std::size_t i = 0; i < logical.size(); ++i) {
    const char c = logical[i];
    if (c == '\r' && i + 1 < logical.size() && logical[i + 1] == '\n') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace exercises
