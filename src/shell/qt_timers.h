#pragma once

#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "ports/timers.h"

namespace shell {

// Window timers on QTimer; every tick goes to the handler with its id.
class QtTimers : public ports::Timers {
 public:
  explicit QtTimers(std::function<void(int)> handler) : handler_(std::move(handler)) {}
  void Start(int id, int periodMs) override;
  void Kill(int id) override;
  bool IsRunning(int id) const;
  int Interval(int id) const;

 private:
  std::function<void(int)> handler_;
  std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace shell
