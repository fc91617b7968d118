#pragma once

#include <filesystem>

namespace ports {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Open a document or a program with the system; failures are the system's to show.
  virtual void Open(const std::filesystem::path& path) = 0;
};

}  // namespace ports
