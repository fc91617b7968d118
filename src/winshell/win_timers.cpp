#include "winshell/win_timers.h"

namespace winshell {

void WinTimers::Attach(HWND window) {
  window_ = window;
  for (const auto& [id, period] : waiting_) Start(id, period);
  waiting_.clear();
}

void WinTimers::Start(int id, int periodMs) {
  if (id <= 0) return;  // SetTimer reads 0 as "make me an id"
  if (window_ == nullptr) {
    waiting_[id] = periodMs;
    return;
  }
  // Starting an id again replaces its period, as the program expects.
  if (SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs > 0 ? periodMs : 1),
               nullptr) != 0) {
    running_.insert(id);
  }
}

void WinTimers::Kill(int id) {
  running_.erase(id);
  waiting_.erase(id);
  if (window_ != nullptr) KillTimer(window_, static_cast<UINT_PTR>(id));
}

void WinTimers::Tick(UINT_PTR id) {
  const int programId = static_cast<int>(id);
  // A WM_TIMER already queued when its timer was killed is not the program's any more.
  if (running_.count(programId) == 0) return;
  handler_(programId);
}

}  // namespace winshell
