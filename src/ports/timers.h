#pragma once

namespace ports {

// Window timers: periodic until killed; starting an id again replaces it.
class Timers {
 public:
  virtual ~Timers() = default;
  virtual void Start(int id, int periodMs) = 0;
  virtual void Kill(int id) = 0;
};

}  // namespace ports
