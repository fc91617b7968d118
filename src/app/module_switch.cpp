// What changes with the module: the work each keeps, the quit question and the icons to repaint.
#include "app/scribix_view.h"

namespace app {

void CScribixView::SaveModuleText() {
  switch (module_) {
    case ModuleId::kMathematique:
      math_.SaveText(settingsDialog_.cellsSelection, settingsDialog_.linesSelection);
      break;
    case ModuleId::kFrancais:
      french_.SaveText(settingsDialog_.cellsSelection, settingsDialog_.linesSelection);
      break;
    case ModuleId::kPuzzle:
      puzzle_.SavePuzzleState();
      break;
    case ModuleId::kListe:
      // The dictation keeps nothing.
      break;
  }
}

bool CScribixView::QuitProgram() {
  SaveModuleText();
  const auto answer =
      platform_.dialogs.MessageBox("Voulez-vous quitter Scribix ?", "Confirmation",
                                   ports::MessageButtons::kYesNo, ports::MessageIcon::kInformation);
  if (answer != ports::MessageAnswer::kYes) return false;
  platform_.window.EndProgram();
  return true;
}

void CScribixView::RepaintModuleIcons(bool puzzle, bool math, bool notMath, bool list) {
  auto repaint = [&](std::initializer_list<IconId> ids) {
    for (IconId id : ids) platform_.window.Invalidate(icons_[id], true);
  };
  if (puzzle) {
    repaint(
        {IconScatter, IconPuzzleSolution, IconSettings, IconModel, IconLoadPuzzle, IconSavePuzzle});
  } else if (list) {
    repaint({IconSolution, IconNextWord, IconWordLists, IconModuleList, IconRepeatWord,
             IconReadText, IconHelp});
  } else if (math || notMath) {
    repaint({IconRepeat, IconModuleEdit, IconKeyboard});
  }
}

void CScribixView::RepaintModuleIcons(ModuleId module) {
  const bool math = module == ModuleId::kMathematique;
  RepaintModuleIcons(module == ModuleId::kPuzzle, math, !math, module == ModuleId::kListe);
}

}  // namespace app
