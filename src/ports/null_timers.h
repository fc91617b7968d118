#pragma once

#include "ports/timers.h"

namespace ports {

// Timers that never tick.
class NullTimers : public Timers {
 public:
  void Start(int, int) override {}
  void Kill(int) override {}
};

}  // namespace ports
