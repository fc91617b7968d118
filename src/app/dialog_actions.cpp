// What the word-list dialog and the text editor ask of the rest of the program.
#include "app/dialog_actions.h"

#include "app/config_abc.h"
#include "app/settings_file.h"
#include "base/files.h"
#include "grid/grid_text.h"

namespace app {

void DialogActions::SaveSettings() {
  if (parts_.shown.id() != ModuleId::kPuzzle) parts_.settingsFile.Write();
}

bool DialogActions::SettingsLoading() const {
  return parts_.settingsFile.loading != 0;
}

void DialogActions::AutoAdvanceChanged(std::int32_t seconds) {
  parts_.settingsFile.autoAdvanceSeconds = seconds;
}

void DialogActions::DictationButtonShownChanged(bool helpButton) {
  const gfx::Rect icon = parts_.icons[helpButton ? IconHelp : IconSolution];
  parts_.window.Invalidate(gfx::Rect::FromSize(icon.left, icon.top, 40, 40), true);
}

std::filesystem::path DialogActions::ListFolder() const {
  // The user's copy of the sample lists once the program has made one.
  const char* name = exercises::COpenList2::kListFolderName;
  return base::FolderWithCopy(parts_.state.programFolder, parts_.state.dataFolder, name) / name;
}

void DialogActions::ImportIntoGrid(bool fixed) {
  if (exercises::WritingModule* writing = parts_.shown.writing()) writing->ImportEditorText(fixed);
}

bool DialogActions::FixExercise(bool on) {
  // The dictation and the puzzle have no text exercise.
  const ModuleId active = parts_.shown.id();
  if (active == ModuleId::kListe || active == ModuleId::kPuzzle) return false;
  parts_.shown.writing()->ImportEditorText(on);
  grid::FixExercise(parts_.grid, on);
  parts_.window.InvalidateAll(true);
  return true;
}

void DialogActions::ResetGrid() {
  parts_.grid.ResetTextLayers();
  parts_.editorDialog.SetTextFromProgram({});
  parts_.state.itemCount = parts_.state.keyCount;
  parts_.grid.cursorCol = parts_.grid.cursorRow = 0;
  parts_.editorDialog.SetFixedFromProgram(false);
  grid::FixExercise(parts_.grid, false);
  // The tiles are gone: the screen must not go on showing them.
  parts_.window.InvalidateAll(true);
}

void DialogActions::ReapplyGridSize() {
  CConfigABC& settings = parts_.settingsDialog;
  settings.OnLinesChanged(settings.linesSelection);
  settings.OnCellsChanged(settings.cellsSelection);
}

void DialogActions::RelayoutView() {
  parts_.layout.LayoutView();
  parts_.window.InvalidateAll(true);
}

void DialogActions::SelectModule(int moduleMark) {
  parts_.selectModule(moduleMark == 2 ? ModuleId::kMathematique : ModuleId::kFrancais);
}

exercises::ExerciseHeader DialogActions::CurrentHeader() const {
  return {parts_.shown.id() == ModuleId::kMathematique, parts_.settingsDialog.cellsSelection,
          parts_.settingsDialog.linesSelection};
}

}  // namespace app
