#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "app/config_abc.h"
#include "app/layout.h"
#include "app/settings_actions.h"
#include "app/settings_file.h"
#include "base/app_state.h"
#include "base/trace.h"
#include "grid/writing_grid.h"
#include "ports/window.h"
#include "speech/speech_engine.h"
#include "speech/voices.h"

namespace app {

// What the settings dialog changes, and the keyboard's look (colours and zoom) it sets off:
// the keyboard and the icons made again, with what the child wrote kept through it.
class KeyboardLook : public SettingsActions {
 public:
  // The steps of the program a new look goes through.
  struct Steps {
    // Saves the settings file (not in the puzzle).
    std::function<void()> saveSettings;
    // Keeps the active module's work in its file.
    std::function<void()> saveModuleText;
    std::function<void()> buildKeyboard;
    // An empty grid.
    std::function<void()> resetGrid;
    // The syllables' exceptions files read again, their refused lines told.
    std::function<void()> readSyllableExceptions;
  };

  KeyboardLook(base::AppState& state, ports::Window& window, Layout& layout,
               SettingsFile& settingsFile, CConfigABC& settings, speech::VoiceTable& voices,
               speech::SpeechEngine& speech, base::Trace& trace, grid::WritingGrid& grid,
               ShownModule active, Steps steps);

  // A keyboard look chosen in the puzzle, applied when the puzzle is left.
  bool pending = false;

  void ApplyKeyboardLook(std::int32_t colourIndex, std::int32_t zoomIndex);
  void ApplyKeyboardColours(std::int32_t colourIndex);
  // A writing module with something written (or the dictation) keeps it through a new look.
  bool KeepsWritingThroughLook() const;
  // The zoom in use falls back to one the screen has room for, and the window fits around it.
  void FitWindowToContent();

  bool SettingsLoading() const override { return settingsFile_.loading != 0; }
  void SaveSettings() override { steps_.saveSettings(); }
  void Trace(std::string_view line) override { trace_.Line(line); }
  void KeyboardLookChanged(std::int32_t colourIndex, std::int32_t zoomIndex) override;
  bool KeyboardZoomChanged(std::int32_t colourIndex, std::int32_t zoomIndex) override;
  bool GridLinesChanged(std::int32_t lines, bool rebuildKeyboard) override;
  void GridColumnsChanged(std::int32_t columns) override;
  void GridSizeSettled() override;
  void VoiceChanged(std::int32_t index) override;
  void RateChanged(std::int32_t rate) override;
  void VolumeChanged(std::int32_t volume) override;
  void AutoPlaceChanged(bool on) override;
  void SyllablesChanged(bool turnedOn) override;

 private:
  bool InPuzzle() const { return active_.id() == ModuleId::kPuzzle; }

  base::AppState& state_;
  ports::Window& window_;
  Layout& layout_;
  SettingsFile& settingsFile_;
  CConfigABC& settings_;
  speech::VoiceTable& voices_;
  speech::SpeechEngine& speech_;
  base::Trace& trace_;
  grid::WritingGrid& grid_;
  ShownModule active_;
  Steps steps_;
};

}  // namespace app
