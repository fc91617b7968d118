#pragma once

#include "platform/windows/call_observer.h"
#include "ports/desktop.h"

namespace platform {

// Documents and programs opened with the shell's "open" verb, as a double click would.
class ShellDesktop final : public ports::Desktop {
 public:
  explicit ShellDesktop(CallObserver observer = {}) : observer_(std::move(observer)) {}
  void Open(const std::filesystem::path& path) override;

 private:
  CallObserver observer_;
};

}  // namespace platform
