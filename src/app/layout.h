#pragma once

#include <cstdint>
#include <functional>

#include "app/config_abc.h"
#include "app/icon_bar.h"
#include "base/module.h"
#include "base/app_state.h"
#include "exercises/writing_module.h"
#include "gfx/colour.h"
#include "gfx/geometry.h"
#include "keyboard/keyboard_pictures.h"
#include "ports/pictures.h"
#include "ports/window.h"

namespace app {

// The module shown, for the parts of the program that place or restyle what it shows.
struct ShownModule {
  std::function<ModuleId()> id;
  std::function<Module&()> module;
  // Null in the puzzle.
  std::function<exercises::WritingModule*()> writing;
};

// Where the grid, the keyboards and the icons go in the window, the keyboard's zoom and the
// window's size around them.
class Layout {
 public:
  Layout(base::AppState& state, ports::Window& window, ports::Pictures& pictures,
         keyboard::KeyboardPictures& keyboardPictures, IconBar& icons, const CConfigABC& settings,
         ShownModule active);

  // Grid and keyboard centred in the client area, the module's keys moved with them.
  void LayoutView();
  // The client size the grid, the keyboards and the icons need at a keyboard zoom.
  gfx::Size ContentSize(std::int32_t zoomIndex) const;
  // The zoom chosen, or the largest smaller one whose content the screen has room for.
  std::int32_t FittingZoomIndex(std::int32_t chosen) const;
  // The zoom the settings ask for, or the one in use when they name none.
  std::int32_t ChosenZoomIndex() const;
  void SetKeyboardZoom(std::int32_t zoomIndex);
  // The main window sized around grid and keyboard (unless maximised), then laid out again.
  void FitWindow();
  // The icons' pictures at the zoom in use.
  void LoadIcons();

  // The two darker shades the screen is drawn with over a background colour.
  static void ShadesForBackground(gfx::Colour chosen, bool inPuzzle, gfx::Colour& shade1,
                                  gfx::Colour& shade2);

 private:
  base::AppState& state_;
  ports::Window& window_;
  ports::Pictures& pictures_;
  keyboard::KeyboardPictures& keyboardPictures_;
  IconBar& icons_;
  const CConfigABC& settings_;
  ShownModule active_;
};

}  // namespace app
