#include "base/files.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <vector>

#include "support/temp_folder.h"

// Every fsync of this test program is seen here: what was synced (the path behind the
// descriptor) and what the saved file held at that moment, then the system's own fsync runs.
namespace {
struct SyncSeen {
  std::string synced;
  std::string targetThen;
};
std::vector<SyncSeen> syncsSeen;
std::filesystem::path syncTarget;
}  // namespace

extern "C" int fsync(int fd) {
  char link[4096] = {};
  const std::string proc = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t n = readlink(proc.c_str(), link, sizeof link - 1);
  std::string then;
  if (!syncTarget.empty() && std::filesystem::exists(syncTarget)) {
    std::ifstream in(syncTarget, std::ios::binary);
    then.assign(std::istreambuf_iterator<char>(in), {});
  }
  syncsSeen.push_back(
      {n > 0 ? std::string(link, static_cast<std::size_t>(n)) : std::string(), then});
  using Sync = int (*)(int);
  static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fsync"));
  return real != nullptr ? real(fd) : 0;
}

namespace {

using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

// Files may grow to `bytes` only, as on a full disk; restored at the end of the scope.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  TempFolder folder;
  const auto path = folder / "defaut";
  ASSERT_TRUE(base::WriteFileAtomically(path, "first"));
  ASSERT_TRUE(base::WriteFileAtomically(path, "second, longer"));
  EXPECT_EQ(ReadBytes(path), "second, longer");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(AtomicWrite, TheNewBytesAndThenTheNewNameAreSyncedToTheDisk) {
  TempFolder folder;
  const auto path = folder / "defautabc";
  WriteBytes(path, "old");
  syncsSeen.clear();
  syncTarget = path;
  ASSERT_TRUE(base::WriteFileAtomically(path, "new text"));
  syncTarget.clear();
  ASSERT_EQ(syncsSeen.size(), 2u);
  // First the temporary file, while the old file still stands under its name...
  const std::string folderName = std::filesystem::canonical(folder.Path()).string();
  EXPECT_EQ(syncsSeen[0].synced.rfind(folderName + "/defautabc.tmp", 0), 0u) << syncsSeen[0].synced;
  EXPECT_EQ(syncsSeen[0].targetThen, "old");
  // ...then the folder, once the name points at the new bytes.
  EXPECT_EQ(syncsSeen[1].synced, folderName);
  EXPECT_EQ(syncsSeen[1].targetThen, "new text");
}

TEST(AtomicWrite, AFullDiskKeepsTheOldFile) {
  TempFolder folder;
  const auto path = folder / "defautabc";
  WriteBytes(path, "the child's text");
  {
    FileSizeLimit limit(64);
    EXPECT_FALSE(base::WriteFileAtomically(path, std::string(4176, 'x')));
  }
  EXPECT_EQ(ReadBytes(path), "the child's text");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(AtomicWrite, AFolderThatCannotExistFailsQuietly) {
  TempFolder folder;
  WriteBytes(folder / "plain", "x");
  EXPECT_FALSE(base::WriteFileAtomically(folder / "plain" / "defaut", "data"));
  EXPECT_FALSE(base::ReadWholeFile(folder / "missing").has_value());
}

TEST(AtomicWrite, TheNextSaveRemovesTheTemporariesACutSaveOfTheSameFileLeft) {
  TempFolder folder;
  WriteBytes(folder / "defaut.tmp123456", "cut short");
  WriteBytes(folder / "defaut.tmp7", "");
  WriteBytes(folder / "defaut.tmpx1", "not one of ours");
  WriteBytes(folder / "defautabc.tmp99", "another file's");
  ASSERT_TRUE(base::WriteFileAtomically(folder / "defaut", "whole"));
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder.Path())) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"defaut", "defaut.tmpx1", "defautabc.tmp99"}));
}

// Only regular files are read: a FIFO would hold the reader until someone writes to it, and the
// size of a file is checked before it is read.
TEST(FileReading, RefusesFoldersFifosDanglingLinksAndOversizedFilesAtOnce) {
  TempFolder folder;
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
  std::filesystem::create_directory(folder / "folder");
  std::filesystem::create_symlink(folder / "missing", folder / "dangling");
  WriteBytes(folder / "real", "chat");
  std::filesystem::create_symlink(folder / "real", folder / "link");
  { std::ofstream big(folder / "big", std::ios::binary); }
  std::filesystem::resize_file(folder / "big", std::uintmax_t{1} << 30);  // sparse
  for (const char* name : {"fifo", "folder", "dangling"}) {
    EXPECT_FALSE(base::ReadWholeFile(folder / name).has_value()) << name;
    EXPECT_FALSE(base::ReadFileStart(folder / name, 16).has_value()) << name;
  }
  EXPECT_EQ(base::ReadWholeFile(folder / "link"), "chat");
  EXPECT_FALSE(base::ReadWholeFile(folder / "big", 1u << 20).has_value());
  EXPECT_EQ(base::ReadFileStart(folder / "big", 8), std::string(8, '\0'));
}

TEST(DataFolder, AProgramFolderNobodyCanWriteToSendsTheDataToThePerUserFolder) {
  // chmod does not stop root; /proc refuses new files to everyone.
  TempFolder user;
  EXPECT_FALSE(base::IsWritableFolder("/proc"));
  EXPECT_EQ(base::ChooseDataFolder("/proc", user / "Scribix"), user / "Scribix");
  EXPECT_TRUE(std::filesystem::is_directory(user / "Scribix"));
}

TEST(DataFolder, IsTheProgramFolderWhenWritableElseThePerUserFolder) {
  TempFolder program;
  TempFolder user;
  EXPECT_EQ(base::ChooseDataFolder(program.Path(), user / "Scribix"), program.Path());

  WriteBytes(program / "file", "x");
  const auto unwritable = program / "file" / "folder";
  EXPECT_EQ(base::ChooseDataFolder(unwritable, user / "Scribix"), user / "Scribix");
  EXPECT_TRUE(std::filesystem::is_directory(user / "Scribix"));
}

TEST(ProgramFolder, IsTheExecutablesOwnFolderFirstThenTheInstalledShareFolder) {
  namespace fs = std::filesystem;
  TempFolder prefix;
  const auto bin = prefix / "bin";
  const auto share = prefix / "share" / "scribix";
  fs::create_directories(bin);
  // Neither has the pictures: the executable's folder, as before.
  EXPECT_EQ(base::FindProgramFolder(bin), bin);
  fs::create_directories(share / "resb");
  EXPECT_EQ(base::FindProgramFolder(bin), share);
  // A build folder, with its own pictures, wins over an installed copy.
  fs::create_directories(bin / "resb");
  EXPECT_EQ(base::FindProgramFolder(bin), bin);
}

// A program folder with the two sample folders, and a user's folder beside it.
struct Samples {
  Samples() {
    std::filesystem::create_directories(program / "Liste-de-mots");
    WriteBytes(program / "Liste-de-mots" / "animaux.txt", "chat\r\nchien\r\n");
    WriteBytes(program / "Liste-de-mots" / "couleurs.txt", "rouge\r\n");
  }
  std::filesystem::path Lists() const { return user / "Liste-de-mots"; }
  TempFolder program;
  TempFolder user;
};

TEST(SampleCopy, IsMadeOnceAndNeverTouchesWhatTheUserHas) {
  Samples s;
  ASSERT_TRUE(base::CopyFolderOnce(s.program.Path(), s.user.Path(), "Liste-de-mots"));
  EXPECT_EQ(ReadBytes(s.Lists() / "animaux.txt"), "chat\r\nchien\r\n");
  EXPECT_EQ(ReadBytes(s.Lists() / "couleurs.txt"), "rouge\r\n");
  // Only the folder itself: no staging folder left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(s.user.Path()), {}), 1);

  // The teacher edits one list and throws the other away; a new sample in a later version of
  // the program does not come either.
  WriteBytes(s.Lists() / "animaux.txt", "lapin\r\n");
  std::filesystem::remove(s.Lists() / "couleurs.txt");
  WriteBytes(s.program / "Liste-de-mots" / "fruits.txt", "pomme\r\n");
  EXPECT_TRUE(base::CopyFolderOnce(s.program.Path(), s.user.Path(), "Liste-de-mots"));
  EXPECT_EQ(ReadBytes(s.Lists() / "animaux.txt"), "lapin\r\n");
  EXPECT_FALSE(std::filesystem::exists(s.Lists() / "couleurs.txt"));
  EXPECT_FALSE(std::filesystem::exists(s.Lists() / "fruits.txt"));
}

TEST(SampleCopy, WhatCannotBeCopiedLeavesNothingBehind) {
  Samples s;
  // A file where the folder would go is the user's and stays.
  WriteBytes(s.Lists(), "not a folder");
  EXPECT_FALSE(base::CopyFolderOnce(s.program.Path(), s.user.Path(), "Liste-de-mots"));
  EXPECT_EQ(ReadBytes(s.Lists()), "not a folder");
  // No such folder in the program; a user's folder that cannot be written to.
  EXPECT_FALSE(base::CopyFolderOnce(s.program.Path(), s.user.Path(), "Exercices"));
  EXPECT_FALSE(base::CopyFolderOnce(s.program.Path(), s.Lists() / "below", "Liste-de-mots"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(s.user.Path()), {}), 1);
}

TEST(SampleCopy, TheDialogsLookInTheCopyOnceThereIsOne) {
  Samples s;
  EXPECT_EQ(base::FolderWithCopy(s.program.Path(), s.user.Path(), "Liste-de-mots"),
            s.program.Path());
  base::CopyFolderOnce(s.program.Path(), s.user.Path(), "Liste-de-mots");
  EXPECT_EQ(base::FolderWithCopy(s.program.Path(), s.user.Path(), "Liste-de-mots"), s.user.Path());
}

}  // namespace
