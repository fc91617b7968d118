#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// Replaces a file as a whole: the bytes go to a temporary file in the same folder, which is
// flushed and renamed over the old one. On any failure the old file stays as it was and the
// answer is false. Temporary files that an earlier save of the same file left behind (the
// program killed while saving) are removed first.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole file, or nothing when it cannot be read, is no regular file (a folder, a FIFO, a
// device) or is larger than maxBytes (told by its size, before reading).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         std::size_t maxBytes = 64u << 20);

// The first maxBytes bytes of a file (all of a shorter one), or nothing when it cannot be read or
// is no regular file.
std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes);

// True when a file can be created in the folder (tried, then removed).
bool IsWritableFolder(const std::filesystem::path& folder);

// The folder the program writes into: its own folder when writable, otherwise the per-user
// folder (created when missing).
std::filesystem::path ChooseDataFolder(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& perUserFolder);

}  // namespace base
