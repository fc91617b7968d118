#pragma once

#include <chrono>

#include "ports/clock.h"

namespace ports {

// The real clock, from the standard library.
class SystemClock : public Clock {
 public:
  std::int64_t NowMs() const override;
  std::int64_t CalendarSeconds() const override;
  void Sleep(int ms) override;

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace ports
