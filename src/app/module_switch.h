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
  ModuleSwitch(std::array<base::Module*, 5> modules, Steps steps);

  base::ModuleId ActiveId() const { return active_; }
  base::Module& Active() const { return *modules_[static_cast<std::size_t>(active_)]; }

  // Nothing happens when `next` is already active. Without `saveWork` the work of the module
  // left is not saved (it was saved already, or it is no longer this program's to save).
  void Select(base::ModuleId next, bool saveWork = true);
  // The active module's work, kept as leaving it keeps it.
  void SaveWork() const { Active().SaveWork(); }
  // The program starts on `first` instead of Français, with Français's keys laid out and no
  // work loaded yet.
  void StartOn(base::ModuleId first);

 private:
  std::array<base::Module*, 5> modules_;
  Steps steps_;
  base::ModuleId active_ = base::ModuleId::kFrancais;
  // The module whose keys or pieces stay in place while "Qui travaille ?" is shown: the module
  // entered after it takes over from that one.
  base::ModuleId beforeChooser_ = base::ModuleId::kFrancais;
};

}  // namespace app
