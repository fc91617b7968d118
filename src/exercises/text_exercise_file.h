#pragma once

#include <string>
#include <string_view>

namespace exercises {

// What a text-exercise file holds: a few header lines, then the marked-up text.
struct TextExercise {
  int moduleMark = 0;  // 1 Français, 2 arithmetic, 0 when the file does not say
  bool fixed = false;  // "#1": the exercise was fixed
  bool ySeen = false;  // the file gave the number of lines
  int cellsIndex = -1;
  int linesIndex = -1;
  std::string body;  // lines separated by CR LF, as the editor holds them
};

inline constexpr std::size_t kMaxExerciseText = 32600;

// Reads the header lines at the start of the file; everything after them is the text, "$" and
// "#" included. Keeps at most 32,600 characters of the file. A plain text without header is all
// body.
TextExercise ParseTextExercise(std::string_view fileBytes);

// The bytes of a text-exercise file as the program writes them: header lines, then the
// editor's text, every line ending with CR LF.
std::string FormatTextExercise(bool mathModule, int cellsIndex, int linesIndex, bool fixed,
                               std::string_view editorText);

}  // namespace exercises
