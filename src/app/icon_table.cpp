// The icon bar's commands, in the order the program tests them.
#include "app/icon_table.h"

#include <algorithm>
#include <array>

#include "app/scribix_view.h"

namespace app {

std::span<const IconCommand> IconTable::Rows() {
  using V = CScribixView;
  using enum IconRepaint;
  constexpr ModuleSet kList = In(ModuleId::kListe);
  constexpr ModuleSet kPuzzle = In(ModuleId::kPuzzle);
  constexpr ModuleSet kChooser = In(ModuleId::kQuiTravaille);
  static const std::array<IconCommand, 29> kRows = {{
      // The dictation's own icons. A button the teacher hid does nothing where it stood.
      {IconHelp, kList,
       [](V& v) {
         if (!v.dialogs_.list.hideHelp) v.modules_.list.Dictation().Help();
       },
       true, kNothing},
      {IconSolution, kList,
       [](V& v) {
         if (v.dialogs_.list.hideSolution) return;
         v.modules_.list.Dictation().Solution();
         if (v.settingsFile_.autoAdvanceSeconds > 0) {
           v.platform_.timers.Start(base::kTimerNextWord,
                                    v.settingsFile_.autoAdvanceSeconds * 1000);
         }
       },
       true, kNothing},
      {IconNextWord, kList, [](V& v) { v.NextDictationEntry(); }, false, kNothing},
      {IconRepeatWord, kList,
       [](V& v) {
         if (v.wordList_.currentEntry >= 0) {
           v.modules_.list.Dictation().Instruction(v.wordList_.currentEntry);
         }
       },
       true, kNothing},
      {IconManual, kEveryModule, [](V& v) { v.OpenManual(); }, false, kNothing},
      {IconBackground, kEveryModule, [](V& v) { v.ChooseBackgroundColour(); }, false, kNothing},
      // The sound and the keyboard switched by the press itself.
      {IconSound, kEveryModule, nullptr, true, kIcon},
      {IconKeyboard, kWritingModules, [](V& v) { v.platform_.window.InvalidateAll(true); }, true,
       kIcon},
      {IconRepeat, kWritingModules, [](V& v) { v.Writing()->RepeatInstruction(); }, true, kIcon},
      {IconReadText, kWritingModules, [](V& v) { v.Writing()->ReadTextAloud(); }, true, kIcon},
      {IconStopReading, kWritingModules, [](V& v) { v.voice_.speech.Silence(); }, true, kIcon},
      {IconModuleEdit, kWritingModules,
       [](V& v) {
         v.platform_.dialogHost.Hide(ports::DialogId::kEditor);
         v.platform_.dialogHost.Show(ports::DialogId::kEditor);
       },
       true, kNothing},
      // The puzzle's icons.
      {IconSavePuzzle, kPuzzle, [](V& v) { v.modules_.puzzle.SavePuzzleAs(); }, true, kWhole},
      {IconLoadPuzzle, kPuzzle, [](V& v) { v.modules_.puzzle.OpenPictureOrPuzzle(); }, true,
       kWhole},
      {IconScatter, kPuzzle, [](V& v) { v.modules_.puzzle.ScatterPieces(); }, true, kWhole},
      {IconModel, kPuzzle, [](V& v) { v.modules_.puzzle.ToggleModel(); }, true, kWhole},
      // Hidden, the solution icon is no icon at all: a press there takes the piece under it.
      {IconPuzzleSolution, kPuzzle, [](V& v) { v.ShowPuzzleSolution(); }, true, kNothing, false,
       [](const V& v) { return !v.dialogs_.puzzle.hideSolution; }},
      {IconSettings, kWritingModules,
       [](V& v) {
         v.platform_.dialogHost.Hide(ports::DialogId::kSettings);
         v.platform_.dialogHost.Show(ports::DialogId::kSettings);
         v.platform_.dialogHost.Raise(ports::DialogId::kSettings);
       },
       true, kNothing, true},
      {IconSettings, kPuzzle,
       [](V& v) {
         v.platform_.dialogHost.Hide(ports::DialogId::kPuzzleSettings);
         v.platform_.dialogHost.Show(ports::DialogId::kPuzzleSettings);
       },
       true, kNothing},
      {IconWordLists, kList,
       [](V& v) {
         v.platform_.dialogHost.Hide(ports::DialogId::kWordLists);
         v.platform_.dialogHost.Show(ports::DialogId::kWordLists);
       },
       true, kNothing, true},
      {IconClear, kWritingModules, [](V& v) { v.Writing()->ClearGrid(); }, true, kNothing, true},
      {IconEchoWord, kWritingModules, [](V& v) { v.Writing()->EchoWordAtCursor(); }, true, kIcon},
      // The entry heard again: as it was said, slowly, letter by letter.
      {IconReplayWord, kList,
       [](V& v) { v.modules_.list.Dictation().ReplayEntry(exercises::Replay::kWord); }, true,
       kNothing},
      {IconReplaySlow, kList,
       [](V& v) { v.modules_.list.Dictation().ReplayEntry(exercises::Replay::kSlowly); }, true,
       kNothing},
      {IconReplayLetters, kList,
       [](V& v) { v.modules_.list.Dictation().ReplayEntry(exercises::Replay::kLetterByLetter); },
       true, kNothing},
      // Back to the children's buttons, where a class of several children has them.
      {IconWhoWorks, kEveryModule, [](V& v) { v.GoToChooser(); }, true, kNothing, false,
       [](const V& v) { return v.class_.ShowsChooserIcon(); }},
      // "Qui travaille ?": the sound, the manual, and the settings where the teacher finds the
      // children.
      {IconSound, kChooser, nullptr, true, kIcon},
      {IconManual, kChooser, [](V& v) { v.OpenManual(); }, true, kNothing},
      {IconSettings, kChooser,
       [](V& v) {
         v.platform_.dialogHost.Hide(ports::DialogId::kSettings);
         v.platform_.dialogHost.Show(ports::DialogId::kSettings);
         v.platform_.dialogHost.Raise(ports::DialogId::kSettings);
       },
       true, kNothing},
  }};
  return kRows;
}

std::span<const IconFace> IconTable::Faces() {
  using V = CScribixView;
  constexpr ModuleSet kList = In(ModuleId::kListe);
  constexpr ModuleSet kPuzzle = In(ModuleId::kPuzzle);
  constexpr ModuleSet kChooser = In(ModuleId::kQuiTravaille);
  static const std::array<IconFace, 38> kFaces = {{
      // Every module's.
      {IconSound, kEveryModule, nullptr,
       [](const V& v) {
         // Silent for want of a sound device or a voice: the sound icon says why.
         if (!v.dialogs_.settings.soundProblem.empty()) {
           return v.state_.soundOn == 1 ? v.dialogs_.settings.soundOnTip.c_str()
                                        : v.dialogs_.settings.soundOffTip.c_str();
         }
         return v.state_.soundOn == 1 ? "Couper le son" : "R\xE9tablir le son";
       }},
      {IconQuit, kEveryModule, "Quitter Scribix"},
      {IconManual, kEveryModule, "Manuel utilisateur Scribix"},
      {IconSettings, kEveryModule, "Configuration"},
      {IconBackground, kEveryModule, "Choisir la couleur du fond"},
      // The writing modules'; the dictation's own among them.
      {IconClear, kWritingModules, "Effacer tout"},
      {IconModuleFrench, kWritingModules,
       "Module Fran\xE7"
       "ais"},
      {IconModuleMath, kWritingModules, "Module Math\xE9matique"},
      {IconModuleEdit, kWritingModules,
       "Module d'\xE9"
       "dition"},
      {IconModulePuzzle, kWritingModules, "Module Puzzle"},
      {IconModuleList, kWritingModules, "Module Liste"},
      {IconWordLists, kList, "Gestion des listes de mots"},
      {IconKeyboard, kWritingModules, nullptr,
       [](const V& v) {
         return v.state_.keyboardShown == 1 ? "Masquer le clavier" : "Afficher le clavier";
       }},
      {IconRepeat, kWritingModules, "R\xE9p\xE9ter la consigne"},
      {IconReadText, kWritingModules, "Lecture vocale du texte"},
      {IconStopReading, kWritingModules, "Stopper la lecture vocale"},
      {IconNextWord, kList, "Mot ou phrase suivante"},
      {IconRepeatWord, kList, "Repeter la consigne"},
      {IconHelp, kList, "Aide"},
      {IconSolution, kList, "Affiche la solution"},
      // The puzzle's. Of the module icons only the list's has a tooltip there.
      {IconSavePuzzle, kPuzzle, "Sauvegarder  le puzzle"},
      {IconLoadPuzzle, kPuzzle, "Charger un puzzle"},
      {IconScatter, kPuzzle,
       "Disperser les pi\xE8"
       "ces du puzzle"},
      {IconModel, kPuzzle, nullptr,
       [](const V& v) {
         return v.modules_.puzzle.modelShown == 1 ? "Cacher le mod\xE8le du puzzle"
                                                  : "Afficher le mod\xE8le du puzzle";
       }},
      {IconPuzzleSolution, kPuzzle, "Solution du puzzle"},
      {IconModuleList, kPuzzle, "Module Liste "},
      {IconModuleFrench, kPuzzle, nullptr},
      {IconModuleMath, kPuzzle, nullptr},
      {IconModulePuzzle, kPuzzle, nullptr},
      {IconEchoWord, kWritingModules,
       "\xC9"
       "coute ce que tu as \xE9"
       "crit"},
      // The dictation's ways to hear the entry again.
      {IconReplayWord, kList,
       "R\xE9\xE9"
       "couter le mot"},
      {IconReplaySlow, kList,
       "R\xE9\xE9"
       "couter lentement"},
      {IconReplayLetters, kList,
       "R\xE9\xE9"
       "couter lettre par lettre"},
      // Drawn only for a class of several children; nowhere else has it a tooltip.
      {IconWhoWorks, kEveryModule, nullptr,
       [](const V& v) -> const char* {
         return v.class_.ShowsChooserIcon() ? "Qui travaille ?" : nullptr;
       }},
      {IconQuit, kChooser, "Quitter Scribix"},
      {IconManual, kChooser, "Manuel utilisateur Scribix"},
      {IconSettings, kChooser, "Configuration"},
      {IconSound, kChooser, nullptr,
       [](const V& v) { return v.state_.soundOn == 1 ? "Couper le son" : "R\xE9tablir le son"; }},
  }};
  return kFaces;
}

bool IconTable::ShowsPress(IconId icon, ModuleId module) {
  const auto faces = Faces();
  return std::any_of(faces.begin(), faces.end(), [&](const IconFace& face) {
    return face.icon == icon && (face.modules & In(module)) != 0;
  });
}

}  // namespace app
