#include "base/files.h"

#include <fstream>
#include <random>
#include <system_error>

namespace base {

namespace fs = std::filesystem;

namespace {

fs::path TemporaryBeside(const fs::path& path) {
  static thread_local std::mt19937 generator{std::random_device{}()};
  const auto tag = std::to_string(generator() % 1000000000u);
  fs::path tmp = path;
  tmp += ".tmp" + tag;
  return tmp;
}

}  // namespace

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  const fs::path tmp = TemporaryBeside(path);
  std::error_code ec;
  bool ok = false;
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    ok = static_cast<bool>(out);
    out.close();
    ok = ok && !out.fail();
  }
  if (ok) {
    fs::rename(tmp, path, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(tmp, ec);
  return ok;
}

std::optional<std::string> ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
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
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
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
