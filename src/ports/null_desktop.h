#pragma once

#include "ports/desktop.h"

namespace ports {

// A desktop that opens nothing.
class NullDesktop : public Desktop {
 public:
  void Open(const std::filesystem::path&) override {}
};

}  // namespace ports
