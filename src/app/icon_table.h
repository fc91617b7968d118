#pragma once

#include <cstdint>
#include <span>

#include "base/icon_ids.h"
#include "base/module.h"

namespace app {

class CScribixView;

// What the screen repaints after an icon's command.
enum class IconRepaint { kNothing, kIcon, kWhole };

// The modules an icon answers in, one bit per ModuleId.
using ModuleSet = std::uint8_t;
constexpr ModuleSet In(base::ModuleId module) {
  return static_cast<ModuleSet>(1u << static_cast<unsigned>(module));
}
constexpr ModuleSet kWritingModules =
    In(base::ModuleId::kFrancais) | In(base::ModuleId::kListe) | In(base::ModuleId::kMathematique);
constexpr ModuleSet kEveryModule = kWritingModules | In(base::ModuleId::kPuzzle);

// One row of the icon bar's commands. A press on the icon in one of its modules runs the
// command; the click ends there or goes on to the rows below.
struct IconCommand {
  base::icons::IconId icon;
  ModuleSet modules;
  void (*command)(CScribixView& view);  // null: the icon only ends the click
  bool endsClick;
  IconRepaint repaint;
  // In the writing modules the press takes the tile or key under it before this row.
  bool afterPick = false;
  // Null: the icon answers whenever it holds the press.
  bool (*answers)(const CScribixView& view) = nullptr;
};

// What an icon shows in some modules: the tooltip the mouse finds on it, if any. An icon drawn
// in a module sinks for a moment under a press there when the table has a face for it there.
// The quit and module icons have faces, though their clicks belong to the module switch.
struct IconFace {
  base::icons::IconId icon;
  ModuleSet modules;
  // The tooltip (Windows-1252); null: none there.
  const char* tip;
  // The tooltip when it follows the program's state; then tip is unused.
  const char* (*tipNow)(const CScribixView& view) = nullptr;
};

// The rows in the order the program tests them (the first that ends the click wins).
struct IconTable {
  static std::span<const IconCommand> Rows();
  // The faces in the order the tooltips are tested (the last one holding the mouse wins).
  static std::span<const IconFace> Faces();
  // Whether the icon, drawn in the module, sinks for a moment under a press there.
  static bool ShowsPress(base::icons::IconId icon, base::ModuleId module);
};

}  // namespace app
