// POSIX systems (Linux, macOS): the file and then its folder are synced with fsync.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "base/file_sync.h"

namespace base {

namespace fs = std::filesystem;

namespace {

bool WriteAllAndSync(int fd, std::string_view bytes) {
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  return ok;
}

}  // namespace

bool WriteAndSync(const fs::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  return WriteAllAndSync(fd, bytes);
}

bool AppendAndSync(const fs::path& path, std::string_view bytes) {
  // O_APPEND: a line goes whole at the end even if another program appended meanwhile.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  return WriteAllAndSync(fd, bytes);
}

void SyncFolderOf(const fs::path& path) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace base
