#include "base/trace.h"

#include <fstream>

namespace base {

void Trace::Start(std::filesystem::path path) {
  path_ = std::move(path);
  if (!enabled_ || path_.empty()) return;
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  if (out) out << "Start test \n";
}

void Trace::Line(std::string_view text) {
  if (!enabled_ || path_.empty()) return;
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace base
