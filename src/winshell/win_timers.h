#pragma once

#include <functional>
#include <map>
#include <set>

#include "ports/timers.h"
#include "winshell/win32.h"

namespace winshell {

// The program's timers as window timers of the view: WM_TIMER carries the program's id, which
// the view window hands to Tick.
class WinTimers : public ports::Timers {
 public:
  explicit WinTimers(std::function<void(int)> handler) : handler_(std::move(handler)) {}
  // The window the timers belong to; timers started before it exists start with it.
  void Attach(HWND window);

  void Start(int id, int periodMs) override;
  void Kill(int id) override;
  bool IsRunning(int id) const { return running_.count(id) != 0; }

  // A WM_TIMER of the view window.
  void Tick(UINT_PTR id);

 private:
  std::function<void(int)> handler_;
  HWND window_ = nullptr;
  std::set<int> running_;
  std::map<int, int> waiting_;  // id and period, until the window exists
};

}  // namespace winshell
