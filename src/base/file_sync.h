#pragma once

#include <filesystem>
#include <string_view>

// The two calls a crash-safe save needs from the system, made by the backend of the system the
// program is built for.
namespace base {

// Writes the whole file (created or emptied first) and waits until the system has it on the disk.
// False when it could not be written or synced.
bool WriteAndSync(const std::filesystem::path& path, std::string_view bytes);

// Adds the bytes at the end of the file (created when missing) and waits until the system has
// them on the disk. False when they could not be written or synced.
bool AppendAndSync(const std::filesystem::path& path, std::string_view bytes);

// The folder's entry for a file just renamed into it reaches the disk. A system that cannot sync
// a folder still has the file: nothing is answered.
void SyncFolderOf(const std::filesystem::path& path);

}  // namespace base
