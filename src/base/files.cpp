#include "base/files.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <system_error>

#include "base/file_sync.h"

namespace base {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

fs::path TemporaryBeside(const fs::path& path) {
  static thread_local std::mt19937 generator{std::random_device{}()};
  const auto tag = std::to_string(generator() % 1000000000u);
  fs::path tmp = path;
  tmp += std::string(kTemporaryMark) + tag;
  return tmp;
}

// A save cut short (the program killed, the machine off) leaves its temporary file behind: the
// next save of the same file removes them.
void RemoveLeftoverTemporaries(const fs::path& path) {
  // Compared in the file system's own encoding, which every name has.
  fs::path mark = path.filename();
  mark += std::string(kTemporaryMark);
  const fs::path::string_type& prefix = mark.native();
  std::error_code ec;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path::string_type name = it->path().filename().native();
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
    const bool digits = std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                                    name.end(), [](auto c) { return c >= '0' && c <= '9'; });
    std::error_code ignored;
    if (digits && it->is_regular_file(ignored)) fs::remove(it->path(), ignored);
  }
}

// Only a regular file (or a link to one) is read: a FIFO would wait for a writer forever and a
// device may never end.
bool IsReadableKind(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  RemoveLeftoverTemporaries(path);
  const fs::path tmp = TemporaryBeside(path);
  std::error_code ec;
  // The bytes reach the disk before the name points at them, and the new name reaches the disk
  // after: a power cut at any moment leaves the old file or the new one, never an empty one.
  bool ok = WriteAndSync(tmp, bytes);
  if (ok) {
    fs::rename(tmp, path, ec);
    ok = !ec;
  }
  if (!ok) {
    fs::remove(tmp, ec);
    return false;
  }
  SyncFolderOf(path);
  return true;
}

std::optional<std::string> ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
  if (!IsReadableKind(path)) return std::nullopt;
  // A file already too large is refused before any of it is read.
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (ec || size > maxBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data;
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    data.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (data.size() > maxBytes) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return data;
}

std::optional<std::string> ReadFileStart(const fs::path& path, std::size_t maxBytes) {
  if (!IsReadableKind(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data(maxBytes, '\0');
  in.read(data.data(), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) return std::nullopt;
  data.resize(static_cast<std::size_t>(in.gcount()));
  return data;
}

bool IsWritableFolder(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return false;
  const fs::path probe = TemporaryBeside(folder / ".scribix-write-test");
  {
    std::ofstream out(probe, std::ios::binary);
    if (!out) return false;
  }
  fs::remove(probe, ec);
  return true;
}

fs::path ChooseDataFolder(const fs::path& programFolder, const fs::path& perUserFolder) {
  if (IsWritableFolder(programFolder)) return programFolder;
  return MakePerUserFolder(perUserFolder);
}

fs::path MakePerUserFolder(const fs::path& perUserFolder) {
  std::error_code ec;
  fs::create_directories(perUserFolder, ec);
  return perUserFolder;
}

fs::path FindProgramFolder(const fs::path& executableFolder) {
  std::error_code ec;
  const fs::path installed = executableFolder.parent_path() / "share" / "scribix";
  for (const fs::path& folder : {executableFolder, installed}) {
    if (fs::is_directory(folder / "resb", ec)) return folder;
  }
  return executableFolder;
}

bool CopyFolderOnce(const fs::path& programFolder, const fs::path& dataFolder,
                    const std::string& name) {
  std::error_code ec;
  const fs::path target = dataFolder / name;
  if (fs::exists(target, ec)) return fs::is_directory(target, ec);
  const fs::path source = programFolder / name;
  if (!fs::is_directory(source, ec)) return false;

  const fs::path staging = TemporaryBeside(target);
  bool ok = fs::create_directories(staging, ec);
  for (fs::directory_iterator entry(source, ec), end; ok && !ec && entry != end;
       entry.increment(ec)) {
    // Files only: the samples are flat, and a link is not followed out of the folder.
    if (!entry->is_regular_file(ec) || entry->is_symlink(ec)) continue;
    ok = fs::copy_file(entry->path(), staging / entry->path().filename(), ec);
  }
  ok = ok && !ec;
  // rename() fails on a folder that appeared meanwhile (another start): that one is kept.
  if (ok) fs::rename(staging, target, ec);
  if (!ok || ec) fs::remove_all(staging, ec);
  return fs::is_directory(target, ec);
}

fs::path FolderWithCopy(const fs::path& programFolder, const fs::path& dataFolder,
                        const std::string& name) {
  std::error_code ec;
  return fs::is_directory(dataFolder / name, ec) ? dataFolder : programFolder;
}

}  // namespace base
