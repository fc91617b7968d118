// The sound player on whatever the machine has (often no audio device at all) and on wave files
// that are missing, cut short, lie about their size or are not files: nothing stops the program.
// A cut or empty wave file followed by any other sound used to hold the sound thread for ever,
// and quitting with it: the player's destructor is the test's last step.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <string>
#include <utility>

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
  WriteBytes(folder / "honest.wav", Wave(1000, 1000));
  WriteBytes(folder / "no-sound.wav", Wave(0, 0));
  std::string noFormat = Wave(1000, 1000);
  noFormat.replace(12, 4, "LIST");  // a chunk to skip where the format should be
  WriteBytes(folder / "no-format.wav", noFormat);
  WriteBytes(folder / "empty.wav", "");
  WriteBytes(folder / "noise.wav", std::string(5000, '\x5A'));
  fs::create_directory(folder / "folder.wav");
  // Only a whole file reaches Qt; the others would hold its sample cache, or say nothing anyway.
  const std::pair<fs::path, bool> files[] = {
      {sounds / "clavier.wav", true},      {folder / "cut.wav", false},
      {folder / "header-only.wav", false}, {folder / "lies.wav", false},
      {folder / "honest.wav", true},       {folder / "no-sound.wav", false},
      {folder / "no-format.wav", false},   {folder / "empty.wav", false},
      {folder / "noise.wav", false},       {folder / "folder.wav", false},
      {folder / "missing.wav", false},     {sounds / "trash.wav", true}};
  for (const auto& [file, whole] : files) {
    EXPECT_EQ(shell::IsWholeWaveFile(file), whole) << file.filename();
  }
  // Played one over the other, the player keeps going and ends with the test.
  shell::QtSoundPlayer player;
  for (int round = 0; round < 3; ++round) {
    for (const auto& file : files) {
      player.Play(file.first);
      QTest::qWait(round == 0 ? 30 : 0);  // the player's threads run while the next one starts
    }
  }
  QTest::qWait(200);
}

}  // namespace
