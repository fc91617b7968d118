#include "base/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "support/temp_folder.h"

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
  EXPECT_EQ(base::FolderWithCopy(s.program.Path(), s.user.Path(), "Liste-de-mots"),
            s.user.Path());
}

}  // namespace
