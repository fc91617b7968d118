#pragma once

#include <cstdint>

#include "ports/clock.h"

namespace winshell {

// The system's clock: milliseconds from the tick count, calendar time from the system time.
class WinClock : public ports::Clock {
 public:
  WinClock();
  std::int64_t NowMs() const override;
  std::int64_t CalendarSeconds() const override;
  void Sleep(int ms) override;

 private:
  std::uint64_t startTicks_;
};

}  // namespace winshell
