#pragma once

#include <array>
#include <functional>

#include "base/module.h"

namespace app {

// The one place the active module changes: the work of the module left is saved, it is left,
// the new one becomes active and is entered.
class ModuleSwitch {
 public:
  // What the view does around a change: the pause the child sees between two writing modules,
  // the keyboard laid out anew, its own part once the module left is left (the icons repainted,
  // the keys' size) and once the new one is entered (the whole screen).
  struct Steps {
    std::function<void(int ms)> pause;
    std::function<void()> layOutKeyboard;
    std::function<void(base::ModuleId left, base::ModuleId next)> afterLeave;
    std::function<void(base::ModuleId left, base::ModuleId next)> afterEnter;
  };

  // The modules by ModuleId; Français is active.
  ModuleSwitch(std::array<base::Module*, 4> modules, Steps steps);

  base::ModuleId ActiveId() const { return active_; }
  base::Module& Active() const { return *modules_[static_cast<std::size_t>(active_)]; }

  // Nothing happens when `next` is already active.
  void Select(base::ModuleId next);
  // The active module's work, kept as leaving it keeps it.
  void SaveWork() const { Active().SaveWork(); }

 private:
  std::array<base::Module*, 4> modules_;
  Steps steps_;
  base::ModuleId active_ = base::ModuleId::kFrancais;
};

}  // namespace app
