#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
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

// A tenth of a second of silence, 8-bit mono at 8000 Hz.
void WriteWave(const fs::path& file) {
  const std::uint32_t samples = 800;
  std::ofstream out(file, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + samples);
  out << "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(8000);
  u32(8000);
  u16(1);
  u16(8);
  out << "data";
  u32(samples);
  out << std::string(samples, '\x80');
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
  Folder sounds("Scribix sons");
  WriteWave(sounds.path() / "trash.wav");
  Answers answers;
  platform::WaveSoundPlayer player(answers.Observer());

  const auto start = std::chrono::steady_clock::now();
  player.Play(sounds.path() / "trash.wav");
  player.Play(sounds.path() / "absent.wav");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

  // Played in the background, a missing file is found missing there, silently.
  ASSERT_EQ(answers.calls.size(), 2u);
  for (const auto& [call, result] : answers.calls) std::printf("%s: %ld\n", call.c_str(), result);
}

}  // namespace
