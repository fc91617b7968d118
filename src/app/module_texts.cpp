// The texts the Français and arithmetic modules keep between runs.
#include "app/file_io.h"
#include "app/scribix_view.h"
#include "exercises/text_exercise_file.h"

namespace app {

namespace {

void LoadText(CScribixView& view, const std::filesystem::path& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return;  // no text kept yet: the editor stays as it is
  const exercises::TextExercise exercise = exercises::ParseTextExercise(*bytes);
  view.editorDialog.SetTextFromProgram(exercise.body);
  view.editorDialog.SetFixedFromProgram(exercise.fixed);
}

void SaveText(CScribixView& view, const std::filesystem::path& path) {
  const auto& dialog = view.settingsDialog;
  WriteFileAtomically(path, exercises::FormatTextExercise(
                                view.state.InMath(), dialog.cellsSelection, dialog.linesSelection,
                                view.editorDialog.fixed, view.editorDialog.text));
}

}  // namespace

void CScribixView::LoadFrenchText() {
  LoadText(*this, state.frenchTextPath);
}
void CScribixView::SaveFrenchText() {
  SaveText(*this, state.frenchTextPath);
}
void CScribixView::LoadMathText() {
  LoadText(*this, state.mathTextPath);
}
void CScribixView::SaveMathText() {
  SaveText(*this, state.mathTextPath);
}

}  // namespace app
