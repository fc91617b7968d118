#pragma once

#include <string>

#include "app/icon_bar.h"
#include "gfx/geometry.h"
#include "ports/dialog_host.h"
#include "ports/timers.h"
#include "ports/window.h"

namespace app {

// The icons' tooltips: shown once the mouse has rested on the same icon for a whole tick, never
// over an open dialog. Their timer runs only while a tooltip is on its way: from a move over an
// icon until it is shown or the mouse has left the icons.
class Tooltips {
 public:
  Tooltips(ports::Window& window, const ports::DialogHost& dialogs, ports::Timers& timers)
      : window_(window), dialogs_(dialogs), timers_(timers) {}

  // The mouse is at point, over an icon with that tooltip (empty: over none, which hides it).
  void MouseAt(gfx::Point point, std::string tip);
  // The tooltip timer.
  void Tick();
  // A press puts the tooltip away; it comes back once the mouse rests again.
  void HideShown();
  // A click on an icon forgets the tooltip wanted, and with hide also takes it off the screen.
  void Forget(bool hide);

  const TooltipState& State() const { return tips_; }

 private:
  void Show(const std::string& text);
  bool IsAnyDialogVisible() const;
  void StartTimer();
  void StopTimer();

  ports::Window& window_;
  const ports::DialogHost& dialogs_;
  ports::Timers& timers_;
  TooltipState tips_;
  bool timerRunning_ = false;
};

}  // namespace app
