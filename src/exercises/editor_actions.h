#pragma once

#include <cstdint>

namespace exercises {

// What the grid's side of a text-exercise file says: the module and the grid's size.
struct ExerciseHeader {
  bool mathModule = false;
  std::int32_t cellsIndex = -1;  // the settings' cells-per-line choice, 0 to 19
  std::int32_t linesIndex = -1;  // the settings' lines choice, 0 to 7
};

// What the text editor sets off elsewhere in the program.
class EditorActions {
 public:
  virtual ~EditorActions() = default;

  // The editor's text laid down in the active writing module's grid, its letters fixed or not.
  // Nothing happens in the puzzle, nor while the grid is being cleared.
  virtual void ImportIntoGrid(bool fixed) = 0;
  // "Fixer l'exercice" on or off: the text into the grid with that state, the fixed layers taken
  // or dropped, the screen repainted. False in the puzzle and in the list module, which do
  // nothing.
  virtual bool FixExercise(bool on) = 0;
  // The grid, its tiles and the editor's text emptied, "Fixer l'exercice" off.
  virtual void ResetGrid() = 0;
  // The settings dialog applies its grid size again, which lays the text out anew.
  virtual void ReapplyGridSize() = 0;
  // The main view lays itself out and repaints.
  virtual void RelayoutView() = 0;
  // Module 1 (Français) or 2 (Mathématique) chosen, as its icon chooses it.
  virtual void SelectModule(int moduleMark) = 0;
  virtual ExerciseHeader CurrentHeader() const = 0;
};

}  // namespace exercises
