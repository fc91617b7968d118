#pragma once

#include <filesystem>
#include <string_view>

namespace base {

// The start-up trace: one line per initialisation step, in a file emptied at each start. It is the
// one file the program appends to line by line; a file that cannot be opened is skipped.
class Trace {
 public:
  // Empties the file and writes its first line.
  void Start(std::filesystem::path path);
  void Line(std::string_view text);
  void SetEnabled(bool on) { enabled_ = on; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  bool enabled_ = true;
};

}  // namespace base
