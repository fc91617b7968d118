// Windows: the file is written and flushed through the standard streams; a folder has no entry
// to sync there.
#include <fstream>

#include "base/file_sync.h"

namespace base {

namespace fs = std::filesystem;

bool WriteAndSync(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  bool ok = static_cast<bool>(out);
  out.close();
  return ok && !out.fail();
}

bool AppendAndSync(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  bool ok = static_cast<bool>(out);
  out.close();
  return ok && !out.fail();
}

void SyncFolderOf(const fs::path&) {}

}  // namespace base
