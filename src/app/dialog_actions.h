#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "app/icon_bar.h"
#include "app/layout.h"
#include "app/module_switch.h"
#include "base/app_state.h"
#include "exercises/edit_dialog.h"
#include "exercises/editor_actions.h"
#include "exercises/open_list_dialog.h"
#include "grid/writing_grid.h"
#include "ports/window.h"

namespace app {

class CConfigABC;
class SettingsFile;

// What the word-list dialog and the text editor set off in the rest of the program: the
// settings saved, the grid filled, fixed or emptied, the module a file was written in chosen.
class DialogActions final : public exercises::ListActions, public exercises::EditorActions {
 public:
  struct Parts {
    base::AppState& state;
    ports::Window& window;
    grid::WritingGrid& grid;
    const IconBar& icons;
    Layout& layout;
    SettingsFile& settingsFile;
    CConfigABC& settingsDialog;
    exercises::CCEdit& editorDialog;
    ShownModule shown;
    // The module of an icon, chosen as a click on that icon chooses it.
    std::function<void(ModuleId)> selectModule;
  };

  explicit DialogActions(Parts parts) : parts_(std::move(parts)) {}

  // Saves the settings file (not in the puzzle, whose settings live in its own file).
  void SaveSettings() override;
  bool SettingsLoading() const override;
  void AutoAdvanceChanged(std::int32_t seconds) override;
  void DictationButtonShownChanged(bool helpButton) override;
  std::filesystem::path ListFolder() const override;

  void ImportIntoGrid(bool fixed) override;
  bool FixExercise(bool on) override;
  void ResetGrid() override;
  void ReapplyGridSize() override;
  void RelayoutView() override;
  void SelectModule(int moduleMark) override;
  exercises::ExerciseHeader CurrentHeader() const override;

 private:
  Parts parts_;
};

}  // namespace app
