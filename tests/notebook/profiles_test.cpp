#include "notebook/profiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using notebook::ProfileBook;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

TEST(SafeFolderName, GivesAPlainNameEverySystemAccepts) {
  const std::pair<std::string, std::string> cases[] = {
      {"L\xE9"
       "a",
       "lea"},
      {"Zo\xE9 Martin", "zoe-martin"},
      {"  Ana\xEFs  ", "anais"},
      {"\xC9lodie-Fran\xE7oise", "elodie-francoise"},
      {"\x8C"
       "dipe",
       "oedipe"},
      {"../../etc", "etc"},
      {"..", "eleve"},
      {"", "eleve"},
      {"CON", "eleve-con"},
      {"com1", "eleve-com1"},
      {"anciens-eleves", "eleve"},
      {"a/b\\c:d*e?f", "a-b-c-d-e-f"},
      {std::string(80, 'x'), std::string(32, 'x')},
  };
  for (const auto& [name, folder] : cases)
    EXPECT_EQ(notebook::SafeFolderName(name), folder) << name;
}

TEST(ProfilesFile, KeepsNamesAndLooksAndRefusesFoldersOutsideTheClass) {
  const std::vector<notebook::Profile> children = {{"L\xE9"
                                                    "a",
                                                    3, "lea"},
                                                   {"Zo\xE9", 7, "zoe"}};
  const std::string bytes = notebook::EncodeProfiles(children);
  // UTF-8 on the disk, whatever system wrote it.
  EXPECT_NE(bytes.find("L\xC3\xA9"
                       "a"),
            std::string::npos);
  const auto back = notebook::DecodeProfiles(bytes);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].name,
            "L\xE9"
            "a");
  EXPECT_EQ(back[1].look, 7);
  EXPECT_EQ(back[1].folder, "zoe");

  const auto hostile = notebook::DecodeProfiles(
      "../dehors\t0\tPirate\n/etc\t0\tRacine\nCON\t0\tDevice\nlea\t0\tL\xC3\xA9"
      "a\n"
      "lea\t1\tDouble\nsans-tab\nzoe\t99\tZo\xC3\xA9\nvide\t1\t   \n");
  ASSERT_EQ(hostile.size(), 2u);
  EXPECT_EQ(hostile[0].folder, "lea");
  EXPECT_EQ(hostile[1].folder, "zoe");
  EXPECT_EQ(hostile[1].look, 0);
}

class ClassFolderOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    work = folder / "travail";
    fs::create_directories(work);
    for (const char* file : notebook::kChildFiles)
      WriteBytes(work / file, std::string("de ") + file);
    book.Load(folder.Path(), work);
  }
  void ExpectWorkUntouched() {
    for (const char* file : notebook::kChildFiles) {
      EXPECT_EQ(ReadBytes(work / file), std::string("de ") + file) << file;
    }
  }

  TempFolder folder;
  fs::path work;
  ProfileBook book;
};

TEST_F(ClassFolderOnDisk, TheFirstChildTakesTheWorkAlreadyDoneAndTheSecondStartsAfresh) {
  EXPECT_FALSE(
      book.Add("L\xE9"
               "a",
               2));
  EXPECT_EQ(book.SoleFolder(), folder / "lea");
  for (const char* file : notebook::kChildFiles) {
    EXPECT_EQ(ReadBytes(folder / "lea" / file), std::string("de ") + file);
    EXPECT_FALSE(fs::exists(work / file));
  }
  EXPECT_FALSE(book.Add("Zo\xE9", 1));
  EXPECT_TRUE(fs::is_empty(folder / "zoe"));

  ProfileBook again;
  again.Load(folder.Path(), work);
  ASSERT_EQ(again.Count(), 2u);
  EXPECT_EQ(again.Children()[1].name, "Zo\xE9");
  EXPECT_EQ(again.FolderOf(1), folder / "zoe");
}

TEST_F(ClassFolderOnDisk, AMoveThatFailsHalfwayLeavesEveryFileWhereItWas) {
  int moves = 0;
  book.mover = [&](const fs::path& from, const fs::path& to) {
    return ++moves != 3 && notebook::MoveFileSafely(from, to);
  };
  const auto error = book.Add(
      "L\xE9"
      "a",
      0);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("rien n'a chang"), std::string::npos);
  ExpectWorkUntouched();
  EXPECT_EQ(book.Count(), 0u);
  EXPECT_FALSE(fs::exists(folder / "lea"));
}

TEST_F(ClassFolderOnDisk, AListThatCannotBeWrittenUndoesTheAddition) {
  // Something that is not a file stands where the list goes.
  fs::create_directories(folder / notebook::kProfilesFile / "x");
  ASSERT_TRUE(
      book.Add("L\xE9"
               "a",
               0));
  ExpectWorkUntouched();
  EXPECT_EQ(book.Count(), 0u);
  EXPECT_FALSE(fs::exists(folder / "lea"));
}

TEST_F(ClassFolderOnDisk, AClassFolderWhereNothingCanBeCreatedChangesNothing) {
  WriteBytes(folder / "fichier", "pas un dossier");
  ProfileBook onFile;
  onFile.Load(folder / "fichier", work);
  ASSERT_TRUE(
      onFile.Add("L\xE9"
                 "a",
                 0));
  ExpectWorkUntouched();

  fs::create_directories(folder / "lecture-seule");
  fs::permissions(folder / "lecture-seule", fs::perms::owner_read | fs::perms::owner_exec);
  if (access((folder / "lecture-seule").c_str(), W_OK) != 0) {
    ProfileBook readOnly;
    readOnly.Load(folder / "lecture-seule", work);
    EXPECT_TRUE(
        readOnly.Add("L\xE9"
                     "a",
                     0));
    ExpectWorkUntouched();
  }
  fs::permissions(folder / "lecture-seule", fs::perms::owner_all);
}

TEST_F(ClassFolderOnDisk, NamesAreOneEachAndFoldersStayWhenRenamed) {
  EXPECT_FALSE(
      book.Add("L\xE9"
               "a",
               0));
  EXPECT_TRUE(
      book.Add("  L\xC9"
               "A ",
               0));
  EXPECT_TRUE(book.Add("   ", 0));
  // Two names that make the same folder name get two folders.
  EXPECT_FALSE(book.Add("Lea", 0));
  EXPECT_EQ(book.Children()[1].folder, "lea-2");
  EXPECT_TRUE(book.Rename(1,
                          "l\xE9"
                          "a"));
  EXPECT_FALSE(book.Rename(1,
                           "L\xE9"
                           "a-Rose"));
  EXPECT_EQ(book.Children()[1].folder, "lea-2");
  EXPECT_EQ(book.Children()[1].name,
            "L\xE9"
            "a-Rose");
}

TEST_F(ClassFolderOnDisk, ARemovedChildsWorkIsKeptAside) {
  ASSERT_FALSE(
      book.Add("L\xE9"
               "a",
               0));
  ASSERT_FALSE(book.Add("Zo\xE9", 0));
  EXPECT_FALSE(book.Remove(0));
  EXPECT_EQ(ReadBytes(folder / "anciens-eleves" / "lea" / "defautabc"), "de defautabc");
  EXPECT_FALSE(fs::exists(folder / "lea"));
  // A child of the same name who comes and goes again keeps both folders.
  ASSERT_FALSE(
      book.Add("L\xE9"
               "a",
               0));
  WriteBytes(folder / "lea" / "defautabc", "nouveau");
  EXPECT_FALSE(book.Remove(1));
  EXPECT_EQ(ReadBytes(folder / "anciens-eleves" / "lea-2" / "defautabc"), "nouveau");
  ASSERT_EQ(book.Count(), 1u);
  EXPECT_EQ(book.Children()[0].name, "Zo\xE9");
}

TEST(ClassFolder, IsTheDataFolderUntilOneIsChosen) {
  TempFolder data;
  EXPECT_EQ(notebook::ReadClassFolder(data.Path()), data.Path());
  const fs::path chosen = data /
                          "\xC3\xA9"
                          "cole";
  ASSERT_TRUE(notebook::WriteClassFolder(data.Path(), chosen));
  EXPECT_EQ(notebook::ReadClassFolder(data.Path()), chosen);
  WriteBytes(data / notebook::kClassFolderFile, "relatif/dossier\n");
  EXPECT_EQ(notebook::ReadClassFolder(data.Path()), data.Path());
}

}  // namespace
