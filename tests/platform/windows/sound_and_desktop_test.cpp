#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/voice_backend.h"
#include "platform/windows/shell_desktop.h"
#include "platform/windows/wave_sound_player.h"

namespace {

namespace fs = std::filesystem;

struct Answers {
  std::vector<std::pair<std::string, long>> calls;
  platform::CallObserver Observer() {
    return [this](std::string_view call, long result) { calls.emplace_back(call, result); };
  }
};

// A folder of its own below the temporary folder, removed at the end.
class Folder {
 public:
  explicit Folder(const fs::path& name) : path_(fs::temp_directory_path() / name) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

fs::path OwnFolder() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return fs::path(self).parent_path();
}

TEST(ShellDesktop, TheVoiceInstallerOfTheProgramFolderIsStarted) {
  // The accented folder name checks that the path reaches the shell whole.
  Folder program(fs::path(u8"Scribix \u00e9l\u00e8ve"));
  const std::string installer = platform::VoiceInstallerOfSystem().fileName;
  ASSERT_EQ(installer, "installvoix.exe");
  fs::copy_file(OwnFolder() / "fake_voice_installer.exe", program.path() / installer);
  Answers answers;

  platform::ShellDesktop(answers.Observer()).Open(program.path() / installer);

  ASSERT_EQ(answers.calls.size(), 1u);
  std::printf("%s installvoix.exe: %ld\n", answers.calls[0].first.c_str(), answers.calls[0].second);
  EXPECT_GT(answers.calls[0].second, 32);
  const fs::path mark = program.path() / "installer-ran";
  for (int i = 0; i < 300 && !fs::exists(mark); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(fs::exists(mark));
}

TEST(ShellDesktop, AMissingManualIsAnsweredAndNotReported) {
  Folder program("Scribix sans manuel");
  Answers answers;
  platform::ShellDesktop(answers.Observer()).Open(program.path() / "Documentation-Scribix.pdf");
  ASSERT_EQ(answers.calls.size(), 1u);
  std::printf("%s missing manual: %ld\n", answers.calls[0].first.c_str(), answers.calls[0].second);
  EXPECT_LE(answers.calls[0].second, 32);
}

TEST(WaveSoundPlayer, SoundsPlayInTheBackgroundAndAMissingOneIsSilent) {
  Answers answers;
  platform::WaveSoundPlayer player(answers.Observer());
  const auto start = std::chrono::steady_clock::now();
  player.Play(fs::temp_directory_path() / "Scribix sons" / "absent.wav");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  ASSERT_EQ(answers.calls.size(), 1u);
  std::printf("%s: %ld\n", answers.calls[0].first.c_str(), answers.calls[0].second);
}

}  // namespace
