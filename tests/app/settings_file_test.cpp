#include <gtest/gtest.h>

#include <cstring>

#include "support/view_harness.h"

namespace {

using testing_support::ReadBytes;
using testing_support::ViewHarness;
using testing_support::WriteBytes;

std::int32_t IntAt(const std::string& bytes, std::size_t offset) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) {
    u |= static_cast<std::uint32_t>(
             static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]))
         << (8 * i);
  }
  return static_cast<std::int32_t>(u);
}

void PutInt(std::string& bytes, std::size_t offset, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i)
    bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    harness.fake.voices.sources = {{{"Voice A", "a"}, {"Voice B", "b"}, {"Voice C", "c"}}};
    harness.Create();
  }
  app::CScribixView& View() { return harness.View(); }
  std::filesystem::path SettingsPath() { return harness.data / "defaut"; }

  // A known state, different from every default.
  void SetKnownState() {
    auto& v = View();
    v.state.backgroundColour = gfx::Rgb(10, 20, 30);
    v.state.backgroundShade1 = gfx::Rgb(1, 2, 3);
    v.state.backgroundShade2 = gfx::Rgb(4, 5, 6);
    v.state.keyboardColours = 2;
    v.settingsDialog.colourSelection = 2;
    v.listDialog.hideHelp = true;
    v.listDialog.randomDraw = false;
    v.listDialog.hideSolution = true;
    v.listDialog.SetListPath(testing_support::TempFolder().Path().string() + "/animaux.txt");
    v.state.keyboardZoomIndex = 3;
    v.settingsDialog.zoomSelection = 3;
    v.state.gridColumns = 30;
    v.state.gridLines = 4;
    v.settingsDialog.linesSelection = 3;
    v.settingsDialog.cellsSelection = 14;
    v.settingsDialog.voiceSelection = 1;
    v.settingsDialog.noSounds = true;
    v.settingsDialog.noEffects = false;
    v.settingsDialog.autoPlace = true;
    v.autoAdvanceSeconds = 7;
    v.listDialog.autoAdvanceSelection = 3;
    v.settingsDialog.rateSlider = 13;
  }

  ViewHarness harness;
};

TEST_F(SettingsFile, IsWrittenFieldByFieldAtFixedOffsets) {
  SetKnownState();
  View().WriteSettings();
  const std::string bytes = ReadBytes(SettingsPath());
  ASSERT_EQ(bytes.size(), 4176u);
  EXPECT_EQ(IntAt(bytes, 0), 0x001E140A);  // blue, green, red
  EXPECT_EQ(IntAt(bytes, 12), 2);
  EXPECT_EQ(IntAt(bytes, 16), 1);
  EXPECT_EQ(IntAt(bytes, 20), 0);
  EXPECT_EQ(IntAt(bytes, 24), 1);
  EXPECT_EQ(bytes.substr(28, View().listDialog.listPath.size()), View().listDialog.listPath);
  // Zeros after the path up to the end of its field.
  EXPECT_EQ(bytes.find_first_not_of('\0', 28 + View().listDialog.listPath.size()), 4124u);
  EXPECT_EQ(IntAt(bytes, 4124), 3);
  EXPECT_EQ(IntAt(bytes, 4128), 30);
  EXPECT_EQ(IntAt(bytes, 4132), 4);
  EXPECT_EQ(IntAt(bytes, 4136), 3);
  EXPECT_EQ(IntAt(bytes, 4140), 14);
  EXPECT_EQ(IntAt(bytes, 4144), 1);
  EXPECT_EQ(IntAt(bytes, 4148), 1);
  EXPECT_EQ(IntAt(bytes, 4152), 0);
  EXPECT_EQ(IntAt(bytes, 4156), 1);
  EXPECT_EQ(IntAt(bytes, 4160), 7);
  EXPECT_EQ(IntAt(bytes, 4164), 3);
  EXPECT_EQ(IntAt(bytes, 4168), 101);
  EXPECT_EQ(IntAt(bytes, 4172), 13);
}

TEST_F(SettingsFile, ReadsBackIntoAFreshProgram) {
  SetKnownState();
  View().WriteSettings();
  const std::string written = ReadBytes(SettingsPath());

  ViewHarness second;
  second.fake.voices.sources = harness.fake.voices.sources;
  testing_support::WriteBytes(second.data / "defaut", written);
  auto& fresh = second.Create();
  fresh.OnTimer(app::kTimerFirstRun);

  EXPECT_EQ(fresh.state.backgroundColour, gfx::Rgb(10, 20, 30));
  EXPECT_EQ(fresh.state.backgroundShade2, gfx::Rgb(4, 5, 6));
  EXPECT_EQ(fresh.state.keyboardColours, 2);
  EXPECT_EQ(fresh.settingsDialog.colourSelection, 2);
  EXPECT_TRUE(fresh.listDialog.hideHelp);
  EXPECT_FALSE(fresh.listDialog.randomDraw);
  EXPECT_TRUE(fresh.listDialog.hideSolution);
  EXPECT_EQ(fresh.listDialog.listPath, View().listDialog.listPath);
  EXPECT_EQ(fresh.state.keyboardZoomIndex, 3);
  EXPECT_EQ(fresh.state.cellWidth, 70);
  EXPECT_EQ(fresh.state.gridColumns, 30);
  EXPECT_EQ(fresh.state.gridLines, 4);
  EXPECT_EQ(fresh.settingsDialog.linesSelection, 3);
  EXPECT_EQ(fresh.settingsDialog.cellsSelection, 14);
  EXPECT_EQ(fresh.settingsDialog.voiceSelection, 1);
  EXPECT_TRUE(fresh.settingsDialog.noSounds);
  EXPECT_FALSE(fresh.settingsDialog.noEffects);
  EXPECT_TRUE(fresh.settingsDialog.autoPlace);
  EXPECT_EQ(fresh.autoPlace, 1);
  EXPECT_EQ(fresh.autoAdvanceSeconds, 7);
  EXPECT_EQ(fresh.listDialog.autoAdvanceSelection, 3);
  EXPECT_EQ(fresh.settingsDialog.rateSlider, 13);
  EXPECT_EQ(fresh.settingsDialog.speechRate, 3);
  // The saved voice is applied with the saved rate; reading writes nothing back.
  EXPECT_EQ(second.fake.voice.selected.back(), "b");
  EXPECT_EQ(second.fake.voice.rates.back(), 3);
  EXPECT_EQ(ReadBytes(second.data / "defaut"), written);
}

TEST_F(SettingsFile, OutOfRangeValuesAreTamed) {
  View().WriteSettings();
  std::string bytes = ReadBytes(SettingsPath());
  PutInt(bytes, 16, 7);   // hide help: ticked
  PutInt(bytes, 20, -3);  // random: ticked
  PutInt(bytes, 24, 0);
  PutInt(bytes, 4144, 5);  // voice 5 of 3: ignored
  PutInt(bytes, 12, 9);    // no such colour scheme
  PutInt(bytes, 4128, 5000);
  PutInt(bytes, 4132, -1);
  PutInt(bytes, 4172, 99);
  WriteBytes(SettingsPath(), bytes);

  View().OnTimer(app::kTimerFirstRun);
  const auto& v = View();
  EXPECT_TRUE(v.listDialog.hideHelp);
  EXPECT_TRUE(v.listDialog.randomDraw);
  EXPECT_FALSE(v.listDialog.hideSolution);
  // Voice discovery chose the first voice; the saved index did not change it.
  EXPECT_EQ(v.settingsDialog.voiceSelection, 0);
  EXPECT_EQ(v.settingsDialog.colourSelection, -1);
  EXPECT_EQ(v.state.keyboardColours, 0);
  EXPECT_EQ(v.state.gridColumns, 22);
  EXPECT_EQ(v.state.gridLines, 6);
  EXPECT_EQ(v.settingsDialog.rateSlider, 20);
}

TEST_F(SettingsFile, AShortFileKeepsWhatItDoesNotHold) {
  SetKnownState();
  View().WriteSettings();
  std::string bytes = ReadBytes(SettingsPath());

  ViewHarness second;
  bytes.resize(4168);  // written before the rate existed
  WriteBytes(second.data / "defaut", bytes);
  auto& fresh = second.Create();
  fresh.OnTimer(app::kTimerFirstRun);
  EXPECT_EQ(fresh.listDialog.autoAdvanceSelection, 3);
  EXPECT_EQ(fresh.settingsDialog.rateSlider, 8);

  ViewHarness third;
  bytes.resize(20);  // colours, scheme and one box only
  WriteBytes(third.data / "defaut", bytes);
  auto& partial = third.Create();
  partial.OnTimer(app::kTimerFirstRun);
  EXPECT_EQ(partial.state.backgroundColour, gfx::Rgb(10, 20, 30));
  EXPECT_TRUE(partial.listDialog.hideHelp);
  EXPECT_FALSE(partial.listDialog.hideSolution);
  EXPECT_EQ(partial.state.gridColumns, 22);

  // A wrong version mark: everything before it applies, the rate does not.
  ViewHarness fourth;
  std::string marked = ReadBytes(SettingsPath());
  PutInt(marked, 4168, 100);
  WriteBytes(fourth.data / "defaut", marked);
  auto& old = fourth.Create();
  old.OnTimer(app::kTimerFirstRun);
  EXPECT_EQ(old.autoAdvanceSeconds, 7);
  EXPECT_EQ(old.settingsDialog.rateSlider, 8);
}

TEST_F(SettingsFile, NothingIsWrittenInThePuzzleOrIntoAnUnwritableFolder) {
  View().state.puzzleMode = 1;
  View().WriteSettings();
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));

  // A data folder that cannot exist: its parent is a file.
  WriteBytes(harness.data / "file", "x");
  View().state.puzzleMode = 0;
  View().state.settingsPath = harness.data / "file" / "defaut";
  View().WriteSettings();
  EXPECT_FALSE(std::filesystem::exists(View().state.settingsPath));
}

TEST_F(SettingsFile, ChoosingABackgroundColourWritesTheThreeColours) {
  harness.fake.dialogs.colourAnswer = gfx::Rgb(100, 100, 100);
  View().ChooseBackgroundColour();
  const std::string bytes = ReadBytes(SettingsPath());
  ASSERT_EQ(bytes.size(), 4176u);
  EXPECT_EQ(IntAt(bytes, 0), 0x00646464);
  EXPECT_EQ(IntAt(bytes, 4), 0x005A5A5A);
  EXPECT_EQ(IntAt(bytes, 8), 0x00503C50);

  // Cancelled: nothing changes.
  harness.fake.dialogs.colourAnswer.reset();
  View().ChooseBackgroundColour();
  EXPECT_EQ(View().state.backgroundColour, gfx::Rgb(100, 100, 100));
}

}  // namespace
