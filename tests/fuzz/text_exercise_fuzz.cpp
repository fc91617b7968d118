// A text-exercise file from anywhere: read, written back and read again, the header and the
// text survive the round.
#include <algorithm>

#include "exercises/text_exercise_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto first = exercises::ParseTextExercise(fuzzing::Bytes(data, size));
  fuzzing::Check(first.cellsIndex >= -1 && first.cellsIndex < 20, "cells index");
  fuzzing::Check(first.linesIndex >= -1 && first.linesIndex < 8, "lines index");
  // -1 (nothing said) is written back as it is, as the program does with a list that has
  // nothing selected.
  const int cells = first.cellsIndex;
  const int lines = first.linesIndex;
  const bool math = first.moduleMark == 2;
  const std::string saved =
      exercises::FormatTextExercise(math, cells, lines, first.fixed, first.body);
  const auto again = exercises::ParseTextExercise(saved);
  fuzzing::Check(again.moduleMark == (math ? 2 : 1), "module mark round");
  fuzzing::Check(again.cellsIndex == cells && again.linesIndex == lines, "grid size round");
  fuzzing::Check(again.fixed == first.fixed, "fixed round");
  // Windows-1252 text may read as UTF-8 by chance; plain ASCII well inside the limit must not
  // change at all.
  const bool ascii = std::all_of(first.body.begin(), first.body.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii && saved.size() < exercises::kMaxExerciseText - 64) {
    fuzzing::Check(again.body == first.body, "text round");
  }
  return 0;
}
