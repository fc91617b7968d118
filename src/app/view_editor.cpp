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
  if (module_ == ModuleId::kListe || module_ == ModuleId::kPuzzle) return false;
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
  LayoutView();
  platform_.window.InvalidateAll(true);
}

void CScribixView::ClickModuleIcon(int moduleMark) {
  const gfx::Rect icon = icons_[moduleMark == 2 ? IconModuleMath : IconModuleFrench];
  const gfx::Point point{icon.left + 10, icon.top + 10};
  OnLButtonDown(0x0001, point);
  OnLButtonUp(0, point);
}

bool CScribixView::KeepsWritingThroughLook() const {
  if (SettingsLoading() || module_ == ModuleId::kPuzzle) return false;
  return module_ == ModuleId::kListe || state_.itemCount > state_.keyCount;
}

exercises::ExerciseHeader CScribixView::CurrentHeader() const {
  return {module_ == ModuleId::kMathematique, settingsDialog_.cellsSelection,
          settingsDialog_.linesSelection};
}

}  // namespace app
