#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// Replaces a file as a whole: the bytes go to a temporary file in the same folder, which is
// synced to the disk and renamed over the old one, and the folder is synced after the rename. On
// any failure the old file stays as it was and the answer is false. Temporary files that an earlier
// save of the same file left behind (the program killed while saving) are removed first.
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
// The per-user folder, created when missing.
std::filesystem::path MakePerUserFolder(const std::filesystem::path& perUserFolder);

// The folder of the program's resources, found from the executable's folder: that folder itself
// when it holds the pictures (a build folder, or a program unpacked in one folder), otherwise
// share/scribix beside it (an installed program, the executable in bin/). Neither: the
// executable's folder, and the program starts without its pictures as it would anywhere.
std::filesystem::path FindProgramFolder(const std::filesystem::path& executableFolder);

// Gives the user a copy of one of the program's folders (the sample word lists, the text
// exercises) to edit: copied whole the first time, and never again once the user has that
// folder, whatever is in it. The copy is made beside and renamed into place, so a start that is
// interrupted leaves no half folder. True when the user has the folder afterwards.
bool CopyFolderOnce(const std::filesystem::path& programFolder,
                    const std::filesystem::path& dataFolder, const std::string& name);

// Where the folder `name` is looked for: the data folder once it holds the user's copy, otherwise
// the program folder.
std::filesystem::path FolderWithCopy(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& dataFolder,
                                     const std::string& name);

}  // namespace base
