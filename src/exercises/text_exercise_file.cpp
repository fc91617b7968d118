#include "exercises/text_exercise_file.h"

#include <algorithm>
#include <cctype>

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

int Digits(std::string_view s) {
  int value = 0;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    value = value * 10 + (c - '0');
  }
  return value;
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
  TextExercise result;
  std::size_t bodyStart = 0;
  const std::size_t n = textRead.size();
  for (std::size_t p = 0; p < n; ++p) {
    const char c = textRead[p];
    const char next = p + 1 < n ? textRead[p + 1] : '\0';
    if (c == '$') {
      bodyStart = std::max(bodyStart, p + 3);
      if (next == '1' || next == '2') {
        result.moduleMark = next - '0';
      } else if (next == 'X') {
        result.cellsIndex = Digits(std::string_view(textRead).substr(std::min(n, p + 2), 2));
        const std::size_t s = p + 3;
        bodyStart = std::max(bodyStart, s + 2);
        p = std::min(s, n);
      } else if (next == 'Y') {
        result.linesIndex = Digits(std::string_view(textRead).substr(std::min(n, p + 2), 1));
        result.ySeen = true;
        const std::size_t s = p + 2;
        bodyStart = std::max(bodyStart, s + 2);
        p = std::min(s, n);
      }
    } else if (c == '#') {
      if (next == '1') result.fixed = true;
      bodyStart = std::max(bodyStart, p + 3);
    }
  }
  if (bodyStart < n) {
    const std::size_t end = std::min(n, kMaxExerciseText);
    if (bodyStart < end)
      result.body = EditorLineBreaks(textRead.substr(bodyStart, end - bodyStart));
  }
  return result;
}

std::string FormatTextExercise(bool mathModule, int cellsIndex, int linesIndex, bool fixed,
                               std::string_view editorText) {
  std::string logical = mathModule ? "$2\n" : "$1\n";
  logical += "$X" + std::to_string(cellsIndex) + "\n";
  logical += "$Y" + std::to_string(linesIndex) + "\n";
  logical += fixed ? "#1\n" : "#0\n";
  logical += editorText;
  std::string out;
  out.reserve(logical.size() + logical.size() / 16);
  for (char c : logical) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace exercises
