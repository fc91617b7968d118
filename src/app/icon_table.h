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

// The rows in the order the program tests them (the first that ends the click wins).
struct IconTable {
  static std::span<const IconCommand> Rows();
};

}  // namespace app
