// What the text editor asks of the rest of the program: the grid made from its text, the fixed
// exercise, the grid's size and the module a file was written in.
#include "app/scribix_view.h"
#include "grid/grid_text.h"

namespace app {

void CScribixView::ImportIntoGrid(bool fixed) {
  if (exercises::WritingModule* writing = Writing()) writing->ImportEditorText(fixed);
}

bool CScribixView::FixExercise(bool on) {
  // The dictation and the puzzle have no text exercise.
  if (ActiveModule() == ModuleId::kListe || ActiveModule() == ModuleId::kPuzzle) return false;
  Writing()->ImportEditorText(on);
  grid::FixExercise(grid_, on);
  platform_.window.InvalidateAll(true);
  return true;
}

void CScribixView::ReapplyGridSize() {
  settingsDialog_.OnLinesChanged(settingsDialog_.linesSelection);
  settingsDialog_.OnCellsChanged(settingsDialog_.cellsSelection);
}

void CScribixView::RelayoutView() {
  layout_.LayoutView();
  platform_.window.InvalidateAll(true);
}

void CScribixView::SelectModule(int moduleMark) {
  SelectModule(moduleMark == 2 ? ModuleId::kMathematique : ModuleId::kFrancais);
}

exercises::ExerciseHeader CScribixView::CurrentHeader() const {
  return {ActiveModule() == ModuleId::kMathematique, settingsDialog_.cellsSelection,
          settingsDialog_.linesSelection};
}

}  // namespace app
