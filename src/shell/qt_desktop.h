#pragma once

#include <filesystem>

#include "ports/desktop.h"

namespace shell {

// Documents and programs opened through the desktop's own associations.
class QtDesktop : public ports::Desktop {
 public:
  void Open(const std::filesystem::path& path) override;
};

}  // namespace shell
