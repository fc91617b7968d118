// What changes with the module: the switch itself, the quit question and the icons to repaint.
#include "app/module_switch.h"

#include <utility>

#include "app/scribix_view.h"

namespace app {

namespace {

constexpr int kModuleSwitchPauseMs = 200;

// Between two writing modules the child sees the old grid a moment before the new one, when
// Mathématique is left or when the keypad or the dictation comes.
bool PausesBetween(ModuleId left, ModuleId next) {
  if (left == ModuleId::kPuzzle || next == ModuleId::kPuzzle) return false;
  return left == ModuleId::kMathematique || next == ModuleId::kMathematique ||
         next == ModuleId::kListe;
}

}  // namespace

ModuleSwitch::ModuleSwitch(std::array<base::Module*, 5> modules, Steps steps)
    : modules_(modules), steps_(std::move(steps)) {}

void ModuleSwitch::Select(ModuleId next, bool saveWork) {
  if (next == active_) return;
  // The modules see past "Qui travaille ?": they are left for it as for another module, and
  // the one entered after it takes over the keys or pieces the one before it left.
  const ModuleId left = active_ == ModuleId::kQuiTravaille ? beforeChooser_ : active_;
  if (next == ModuleId::kQuiTravaille) beforeChooser_ = active_;
  base::Module& leaving = Active();
  if (saveWork) leaving.SaveWork();
  if (active_ != ModuleId::kQuiTravaille && next != ModuleId::kQuiTravaille &&
      PausesBetween(left, next)) {
    steps_.pause(kModuleSwitchPauseMs);
  }
  leaving.Leave(next);
  if (steps_.afterLeave) steps_.afterLeave(active_, next);
  active_ = next;
  Active().Enter(left, steps_.layOutKeyboard);
  if (steps_.afterEnter) steps_.afterEnter(left, next);
}

void ModuleSwitch::StartOn(ModuleId first) {
  if (first == active_) return;
  beforeChooser_ = active_;
  active_ = first;
  Active().Enter(beforeChooser_, steps_.layOutKeyboard);
}

ModuleSwitch::Steps CScribixView::ModuleSteps() {
  ModuleSwitch::Steps steps;
  steps.pause = [this](int ms) { Delay(ms); };
  steps.layOutKeyboard = [this] { BuildKeyboard(); };
  steps.afterLeave = [this](ModuleId left, ModuleId next) {
    if (left == ModuleId::kPuzzle) {
      // A zoom chosen during the puzzle sizes the keys now.
      if (keyboardLook_.pending) layout_.SetKeyboardZoom(state_.keyboardZoomIndex);
    } else if (next != ModuleId::kPuzzle) {
      RepaintModuleIcons(left);
      RepaintModuleIcons(next);
    }
  };
  steps.afterEnter = [this](ModuleId left, ModuleId next) {
    if (left == ModuleId::kPuzzle && keyboardLook_.pending) {
      // A keyboard look chosen during the puzzle comes now, as it would have come outside it.
      keyboardLook_.pending = false;
      keyboardLook_.ApplyKeyboardLook(state_.keyboardColours, state_.keyboardZoomIndex);
      keyboardLook_.FitWindowToContent();
    }
    if (left == ModuleId::kPuzzle || next == ModuleId::kPuzzle) {
      platform_.window.InvalidateAll(true);
    }
  };
  return steps;
}

void CScribixView::SelectModule(ModuleId target) {
  // What a press on the module's icon does before the switch, without the press itself.
  tooltips_.HideShown();
  if (ActiveModule() == ModuleId::kPuzzle) {
    dialogs_.editor.SetFixedFromProgram(false);
  } else if (target == ActiveModule()) {
    // The module already shown: its exercise is no longer fixed.
    Writing()->UntickFixed();
    return;
  } else if (settingsFile_.autoPlace != 0) {
    platform_.window.Invalidate(board_.grid.cursorRect, true);
  }
  tooltips_.Forget(false);
  board_.held.selectedPiece = -1;
  modules_.switcher.Select(target);
}

void CScribixView::SaveModuleText() {
  modules_.switcher.SaveWork();
}

bool CScribixView::QuitProgram() {
  SaveModuleText();
  const auto answer =
      platform_.dialogs.MessageBox("Voulez-vous quitter Scribix ?", "Confirmation",
                                   ports::MessageButtons::kYesNo, ports::MessageIcon::kInformation);
  if (answer != ports::MessageAnswer::kYes) return false;
  // The child's folder is free for the other computers of the class.
  class_.Close();
  platform_.window.EndProgram();
  return true;
}

void CScribixView::RepaintModuleIcons(ModuleId module) {
  auto repaint = [&](std::initializer_list<IconId> ids) {
    for (IconId id : ids) platform_.window.Invalidate(icons_[id], true);
  };
  if (module == ModuleId::kPuzzle) {
    repaint(
        {IconScatter, IconPuzzleSolution, IconSettings, IconModel, IconLoadPuzzle, IconSavePuzzle});
  } else if (module == ModuleId::kListe) {
    repaint({IconSolution, IconNextWord, IconWordLists, IconModuleList, IconRepeatWord,
             IconReadText, IconHelp, IconReplayWord, IconReplaySlow, IconReplayLetters});
  } else {
    repaint({IconRepeat, IconModuleEdit, IconKeyboard});
  }
}

}  // namespace app
