#pragma once

#include <cstdint>
#include <string_view>

namespace app {

// What a change in the settings dialog sets off elsewhere in the program.
class SettingsActions {
 public:
  virtual ~SettingsActions() = default;

  // While the settings file is being applied, changes are not saved again.
  virtual bool SettingsLoading() const = 0;
  virtual void SaveSettings() = 0;
  virtual void Trace(std::string_view line) = 0;

  // A colour scheme (and the zoom in the dialog): keyboard, icons and the module's text again.
  virtual void KeyboardLookChanged(std::int32_t colourIndex, std::int32_t zoomIndex) = 0;
  // A keyboard zoom; false when the puzzle is shown, which keeps its own sizes.
  virtual bool KeyboardZoomChanged(std::int32_t colourIndex, std::int32_t zoomIndex) = 0;
  // A grid of that many lines; the keyboard is built again when asked and the module allows it.
  // True when it was built again.
  virtual bool GridLinesChanged(std::int32_t lines, bool rebuildKeyboard) = 0;
  virtual void GridColumnsChanged(std::int32_t columns) = 0;
  // After a saved change of grid size: repaint and fit the window around grid and keyboard.
  virtual void GridSizeSettled() = 0;

  virtual void VoiceChanged(std::int32_t index) = 0;
  virtual void RateChanged(std::int32_t rate) = 0;
  virtual void VolumeChanged(std::int32_t volume) = 0;
  virtual void AutoPlaceChanged(bool on) = 0;
  // Syllables in colour turned on or off, or drawn otherwise: the grid is drawn again, and the
  // exceptions files are read again when they are turned on.
  virtual void SyllablesChanged(bool turnedOn) = 0;
};

}  // namespace app
