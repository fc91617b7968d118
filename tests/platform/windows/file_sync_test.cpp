#include "base/file_sync.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WindowsFileSync, WritesTheBytesAsTheyAreAndReplacesALongerFile) {
  const fs::path folder = fs::temp_directory_path() / "scribix-file-sync";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path file = folder / "defaut";

  // Settings and lists are binary or CR LF text: no byte may be translated on the way.
  const std::string bytes("ligne\r\nsuite\n\x1A\0fin\xE9", 19);
  ASSERT_TRUE(base::WriteAndSync(file, bytes));
  EXPECT_EQ(Read(file), bytes);

  ASSERT_TRUE(base::WriteAndSync(file, "court"));
  EXPECT_EQ(Read(file), "court");
  base::SyncFolderOf(file);
  EXPECT_EQ(Read(file), "court");

  EXPECT_FALSE(base::WriteAndSync(folder / "absent" / "defaut", bytes));
  EXPECT_FALSE(fs::exists(folder / "absent"));
  fs::remove_all(folder);
}

TEST(WindowsFileSync, AppendsLineAfterLineToAFileMadeOnTheFirstOneInAFolderWithAccents) {
  const fs::path folder = fs::temp_directory_path() / fs::path(u8"scribix-élève");
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path journal = folder / "journal.txt";

  ASSERT_TRUE(base::AppendAndSync(journal, "mot\téléphant\n"));
  ASSERT_TRUE(base::AppendAndSync(journal, "essai\tel\r\n"));
  ASSERT_TRUE(base::AppendAndSync(journal, ""));
  EXPECT_EQ(Read(journal), "mot\téléphant\nessai\tel\r\n");
  // A replaced file starts again; an append cannot reach a folder that does not exist.
  ASSERT_TRUE(base::WriteAndSync(journal, "x"));
  ASSERT_TRUE(base::AppendAndSync(journal, "y"));
  EXPECT_EQ(Read(journal), "xy");
  EXPECT_FALSE(base::AppendAndSync(folder / "absent" / "journal.txt", "z"));
  EXPECT_FALSE(fs::exists(folder / "absent"));
  fs::remove_all(folder);
}

}  // namespace
