#include "exercises/edit_dialog.h"

#include "base/files.h"
#include "exercises/text_exercise_file.h"

namespace exercises {

void CCEdit::SetTextFromProgram(std::string newText) {
  text = std::move(newText);
  host_.Refresh(ports::DialogId::kEditor);
}

void CCEdit::SetFixedFromProgram(bool on) {
  if (fixed == on) return;
  fixed = on;
  host_.Refresh(ports::DialogId::kEditor);
}

bool CCEdit::LoadExerciseFile(const std::filesystem::path& path) {
  const auto bytes = base::ReadWholeFile(path);
  if (!bytes) return false;
  const TextExercise exercise = ParseTextExercise(*bytes);
  SetTextFromProgram(exercise.body);
  SetFixedFromProgram(exercise.fixed);
  return true;
}

bool CCEdit::SaveExerciseFile(const std::filesystem::path& path, bool mathModule, int cellsIndex,
                              int linesIndex) const {
  return base::WriteFileAtomically(
      path, FormatTextExercise(mathModule, cellsIndex, linesIndex, fixed, text));
}

}  // namespace exercises
