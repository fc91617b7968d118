// The sound player on whatever the machine has (often no audio device at all) and on wave files
// that are missing, cut short, lie about their size or are not files: nothing stops the program.
// A cut or empty wave file followed by any other sound used to hold the sound thread for ever,
// and quitting with it: the player's destructor is the test's last step.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "shell/qt_sound_player.h"
#include "shell_application.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

// A RIFF header claiming a data chunk of `claimed` bytes, followed by `actual` bytes of silence.
std::string Wave(std::uint32_t claimed, std::size_t actual) {
  auto le32 = [](std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
    return s;
  };
  std::string w = "RIFF" + le32(36 + claimed) + "WAVEfmt " + le32(16);
  w += std::string("\x01\x00\x01\x00", 4) + le32(22050) + le32(44100) +
       std::string("\x02\x00\x10\x00", 4);
  w += "data" + le32(claimed) + std::string(actual, '\0');
  return w;
}

TEST(SoundPlayer, PlaysRealMissingCutAndLyingWaveFilesOneOverTheOtherWithoutStopping) {
  testing_support::ShellApplication();
  testing_support::TempFolder folder;
  const fs::path sounds = fs::path(SCRIBIX_PROGRAM_FOLDER) / "sons";
  const std::string real = ReadBytes(sounds / "clavier.wav");
  ASSERT_GT(real.size(), 44u);
  WriteBytes(folder / "cut.wav", real.substr(0, real.size() / 3));
  WriteBytes(folder / "header-only.wav", real.substr(0, 20));
  WriteBytes(folder / "lies.wav", Wave(0x7FFFFFF0u, 1000));
  WriteBytes(folder / "empty.wav", "");
  WriteBytes(folder / "noise.wav", std::string(5000, '\x5A'));
  fs::create_directory(folder / "folder.wav");
  const fs::path files[] = {
      sounds / "clavier.wav", folder / "cut.wav",     folder / "header-only.wav",
      folder / "lies.wav",    folder / "empty.wav",   folder / "noise.wav",
      folder / "folder.wav",  folder / "missing.wav", sounds / "trash.wav"};
  shell::QtSoundPlayer player;
  for (int round = 0; round < 3; ++round) {
    for (const fs::path& f : files) {
      player.Play(f);
      QTest::qWait(round == 0 ? 30 : 0);  // the player's threads run while the next one starts
    }
  }
  QTest::qWait(200);
  SUCCEED();
}

}  // namespace
