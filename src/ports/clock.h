#pragma once

#include <cstdint>

namespace ports {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the program started.
  virtual std::int64_t NowMs() const = 0;
  // Calendar time in seconds (seeds the random generator).
  virtual std::int64_t CalendarSeconds() const = 0;
  // Blocks the calling thread; used by the program's deliberate waits.
  virtual void Sleep(int ms) = 0;
};

}  // namespace ports
