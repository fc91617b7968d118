// Files a teacher may hand the program that are no files to read: a folder, a FIFO, a file that
// cannot be read, a dangling link, a name too long, a name that is not UTF-8, a list of 1 GB. The
// program opens them through its own dialogs and neither crashes, waits forever nor complains
// where it should stay quiet.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/mouse_keys.h"
#include "support/view_harness.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::ViewHarness;
using testing_support::WriteBytes;

struct Hostile {
  const char* what;
  fs::path path;
};

// Every kind of path the readers must refuse, made in `folder`. An unreadable file is only
// unreadable when the test does not run as root, who reads it anyway: then it is left out.
std::vector<Hostile> HostilePaths(const fs::path& folder) {
  std::vector<Hostile> paths;
  fs::create_directory(folder / "dossier.txt");
  paths.push_back({"a folder", folder / "dossier.txt"});
  EXPECT_EQ(mkfifo((folder / "fifo.txt").c_str(), 0600), 0);
  paths.push_back({"a FIFO", folder / "fifo.txt"});
  fs::create_symlink(folder / "nowhere.txt", folder / "dangling.txt");
  paths.push_back({"a dangling link", folder / "dangling.txt"});
  WriteBytes(folder / "locked.txt", "chat\r\n");
  fs::permissions(folder / "locked.txt", fs::perms::none);
  if (access((folder / "locked.txt").c_str(), R_OK) != 0) {
    paths.push_back({"an unreadable file", folder / "locked.txt"});
  }
  std::string longName = folder.string();
  while (longName.size() < 5000) longName += "/abcdefghij";
  paths.push_back({"a path of 5000 bytes", longName.substr(0, 5000)});
  {
    // A list of 1 GB, sparse: it takes no room on the disk.
    std::ofstream huge(folder / "huge.txt", std::ios::binary);
    huge << "chat\r\n";
  }
  fs::resize_file(folder / "huge.txt", std::uintmax_t{1} << 30);
  paths.push_back({"a list of 1 GB", folder / "huge.txt"});
  return paths;
}

class HostileFiles : public ::testing::Test {
 protected:
  void SetUp() override { harness.Create().OnTimer(base::kTimerFirstRun); }
  app::CScribixView& View() { return harness.View(); }
  testing_support::FakeUserDialogs& Dialogs() { return harness.fake.dialogs; }

  ViewHarness harness;
};

TEST_F(HostileFiles, AListThatCannotBeReadGivesAnEmptyListWithoutAMessage) {
  for (const Hostile& h : HostilePaths(harness.data.Path())) {
    SCOPED_TRACE(h.what);
    WriteBytes(harness.data / "bonne.txt", "chat\r\nchien\r\n");
    Dialogs().openAnswer = harness.data / "bonne.txt";
    View().Parts().listDialog.OpenList();
    ASSERT_EQ(View().Parts().words.listCount(), 2);

    Dialogs().openAnswer = h.path;
    View().Parts().listDialog.OpenList();
    EXPECT_EQ(View().Parts().words.listCount(), 0);
    EXPECT_TRUE(View().Parts().listDialog.listText.empty());
    EXPECT_TRUE(Dialogs().messages.empty());
  }
}

TEST_F(HostileFiles, AnExerciseThatCannotBeReadLeavesTheEditorAsItWas) {
  View().Parts().editorDialog.OnTextChanged("Le [chat].", 0, 0);
  for (const Hostile& h : HostilePaths(harness.data.Path())) {
    SCOPED_TRACE(h.what);
    Dialogs().openAnswer = h.path;
    EXPECT_FALSE(View().Parts().editorDialog.OnOpenClicked());
    EXPECT_EQ(View().Parts().editorDialog.text, "Le [chat].");
    EXPECT_TRUE(Dialogs().messages.empty());
  }
}

TEST_F(HostileFiles, AListSavedWhereNoFileCanBeMadeIsToldWithItsPath) {
  std::string longName = harness.data.Path().string();
  while (longName.size() < 5000) longName += "/abcdefghij";
  fs::create_directory(harness.data / "dossier.txt");
  for (const fs::path& target : {fs::path(longName), harness.data / "dossier.txt"}) {
    Dialogs().messages.clear();
    Dialogs().saveAnswer = target;
    View().Parts().listDialog.OnListTextEdited("chat\r\n");
    View().Parts().listDialog.SaveList();
    ASSERT_EQ(Dialogs().messages.size(), 1u);
    EXPECT_EQ(Dialogs().messages[0].text.rfind("probl\xE8me d'ouverture du  fichier ", 0), 0u);
  }
  EXPECT_TRUE(fs::is_directory(harness.data / "dossier.txt"));
}

TEST_F(HostileFiles, AListWhoseNameIsNotUtf8IsOpenedOrLeftEmptyButNeverBreaksTheDialog) {
  const fs::path latin1 = harness.data / fs::path(std::string("\xE9t\xE9.txt"));
  WriteBytes(latin1, "soleil\r\n");
  Dialogs().openAnswer = latin1;
  View().Parts().listDialog.OpenList();
  EXPECT_LE(View().Parts().words.listCount(), 1);
  EXPECT_TRUE(Dialogs().messages.empty());
  // The settings keep a name the program can write: the next start opens the same list.
  View().WriteSettings();
  ViewHarness next;
  fs::copy_file(harness.data / "defaut", next.data / "defaut");
  next.Create().OnTimer(base::kTimerFirstRun);
  EXPECT_EQ(next.View().Parts().listDialog.listPath, View().Parts().listDialog.listPath);
  EXPECT_EQ(next.View().Parts().words.listEntries, View().Parts().words.listEntries);
  EXPECT_TRUE(next.fake.dialogs.messages.empty());
}

TEST(HostileSettings, ASettingsFileThatIsAFifoOrAFolderIsSkippedAtStart) {
  for (bool fifo : {true, false}) {
    ViewHarness harness;
    if (fifo) {
      ASSERT_EQ(mkfifo((harness.data / "defaut").c_str(), 0600), 0);
    } else {
      fs::create_directory(harness.data / "defaut");
    }
    harness.Create().OnTimer(base::kTimerFirstRun);
    EXPECT_EQ(harness.View().Parts().state.gridColumns,
              ViewHarness().Create().Parts().state.gridColumns);
  }
}

// A data folder nothing can be written to (chmod does not stop root: /proc stops everyone):
// the program works, keeps its settings in memory and says nothing, except for a list the
// teacher asked to save.
TEST(HostileSettings, AProgramWhoseDataFolderCannotBeWrittenWorksAndOnlyTheListSaveIsTold) {
  testing_support::FakePlatform fake;
  testing_support::TempFolder program;
  testing_support::AddProgramPictures(fake.pictures, program.Path());
  const fs::path nowhere = "/proc/scribix-data";
  app::CScribixView view(fake.platform, program.Path(), nowhere);
  view.OnCreate();
  view.OnSize();
  view.OnTimer(base::kTimerFirstRun);
  view.Parts().settingsDialog.OnNoEffectsClicked(true);
  EXPECT_TRUE(view.Parts().settingsDialog.noEffects);
  view.Parts().editorDialog.OnTextChanged("Le [chat].", 0, 0);
  EXPECT_FALSE(view.Parts().editorDialog.SaveExerciseFile(nowhere / "defautabc", false, 5, 3));
  for (const auto icon : {app::IconModuleMath, app::IconModuleFrench}) {  // each saves its text
    const gfx::Rect r = view.Parts().icons[icon];
    const gfx::Point middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    view.OnLButtonDown(base::mouse::kLeftButton, middle);
    view.OnLButtonUp(0, middle);
  }
  EXPECT_EQ(view.ActiveModule(), app::ModuleId::kFrancais);
  EXPECT_TRUE(fake.dialogs.messages.empty());
  fake.dialogs.saveAnswer = nowhere / "liste.txt";
  view.Parts().listDialog.OnListTextEdited("chat\r\n");
  view.Parts().listDialog.SaveList();
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.dialogs.messages[0].text,
            "probl\xE8me d'ouverture du  fichier /proc/scribix-data/liste.txt !");
  EXPECT_FALSE(fs::exists(nowhere));
}

// Every length from nothing to a few bytes more than the file: each field read is applied, the
// rest keeps its default, and the file saved back is whole.
TEST(HostileSettings, ASettingsFileOfEveryLengthStartsAndSavesAWholeFile) {
  const std::string golden =
      ReadBytes(fs::path(SCRIBIX_SOURCE_FOLDER) / "tests/data/settings/every_field.defaut");
  ASSERT_EQ(golden.size(), 4176u);
  const std::string longer = golden + std::string("\x7F\x7F\x7F\x7F", 4);
  // The voices the file's selection chooses among.
  const std::vector<std::vector<ports::VoiceInfo>> voices = {
      {{"Voice A", "a"}, {"Voice B", "b"}, {"Voice C", "c"}}};
  ViewHarness fresh(voices);
  fresh.Create().OnTimer(base::kTimerFirstRun);
  const std::string defaults = fresh.View().Parts().settings.Bytes();
  for (std::size_t length = 0; length <= longer.size(); ++length) {
    // Starting a program for every length would take minutes: the same reader on a started
    // one, and a real start for a sample of lengths.
    ViewHarness* harness = &fresh;
    std::unique_ptr<ViewHarness> started;
    if (length % 97 == 0 || length + 4 >= longer.size()) {
      started = std::make_unique<ViewHarness>(voices);
      WriteBytes(started->data / "defaut", longer.substr(0, length));
      started->Create().OnTimer(base::kTimerFirstRun);
      harness = started.get();
    } else {
      fresh.View().Parts().settings.Apply(app::DecodeSettings(defaults));
      fresh.View().Parts().settings.Apply(
          app::DecodeSettings(std::string_view(longer).substr(0, length)));
    }
    const std::string saved = harness->View().Parts().settings.Bytes();
    if (started) {
      // The file written is the whole record, and it reads back as itself: no field is written
      // that the reader skips or puts elsewhere.
      started->View().WriteSettings();
      EXPECT_TRUE(ReadBytes(started->data / "defaut") == saved) << length;
      fresh.View().Parts().settings.Apply(app::DecodeSettings(saved));
      EXPECT_TRUE(fresh.View().Parts().settings.Bytes() == saved) << length;
    }
    // Whole fields read are kept as they were; the rest is the default.
    const std::size_t whole = std::min(length, golden.size()) / 4 * 4;
    const std::size_t simple = std::min<std::size_t>(whole, 28);  // colours and check boxes
    EXPECT_TRUE(saved.substr(0, simple) == golden.substr(0, simple)) << length;
    if (length >= golden.size()) {
      EXPECT_TRUE(saved == golden) << length;
    }
    if (length == 0) {
      EXPECT_TRUE(saved == defaults);
    }
  }
}

}  // namespace
