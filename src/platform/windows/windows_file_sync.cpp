// Windows: the bytes are written through a handle and flushed to the disk with FlushFileBuffers
// before the call returns, so a settings file or a journal line survives a power cut as it does on
// Linux. A folder has no entry to sync there.
#include <windows.h>

#include <algorithm>

#include "base/file_sync.h"

namespace base {

namespace fs = std::filesystem;

namespace {

// `append` opens an existing file for appending (made if absent); otherwise the file is replaced.
bool WriteThrough(const fs::path& path, std::string_view bytes, bool append) {
  const HANDLE file =
      CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                  append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  while (ok && !bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 20));
    ok = WriteFile(file, bytes.data(), chunk, &written, nullptr) != 0 && written > 0;
    bytes.remove_prefix(written);
  }
  ok = ok && FlushFileBuffers(file) != 0;
  return CloseHandle(file) != 0 && ok;
}

}  // namespace

bool WriteAndSync(const fs::path& path, std::string_view bytes) {
  return WriteThrough(path, bytes, false);
}

bool AppendAndSync(const fs::path& path, std::string_view bytes) {
  return WriteThrough(path, bytes, true);
}

void SyncFolderOf(const fs::path&) {}

}  // namespace base
