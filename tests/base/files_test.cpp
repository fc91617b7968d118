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

}  // namespace
