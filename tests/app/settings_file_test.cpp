#include <gtest/gtest.h>

#include <cstring>

#include "app/settings_codec.h"
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

std::string Golden(const char* name) {
  return ReadBytes(std::filesystem::path(SCRIBIX_SOURCE_FOLDER) / "tests/data/settings" / name);
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { harness.Create(); }
  app::CScribixView& View() { return harness.View(); }
  std::filesystem::path SettingsPath() { return harness.data / "defaut"; }

  ViewHarness harness{Voices()};

  // A program started with a settings file, its first run done.
  static std::unique_ptr<ViewHarness> StartedWith(const std::string& settings) {
    auto started = std::make_unique<ViewHarness>(Voices());
    WriteBytes(started->data / "defaut", settings);
    started->Create().OnTimer(base::kTimerFirstRun);
    return started;
  }
  static std::vector<std::vector<ports::VoiceInfo>> Voices() {
    return {{{"Voice A", "a"}, {"Voice B", "b"}, {"Voice C", "c"}}};
  }
};

TEST_F(SettingsFile, AFreshProgramSavesTheDefaultFile) {
  View().OnTimer(base::kTimerFirstRun);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));  // reading alone writes nothing
  View().Parts().settingsDialog.OnNoEffectsClicked(false);
  EXPECT_EQ(ReadBytes(SettingsPath()), Golden("default.defaut"));
}

TEST_F(SettingsFile, EveryFieldIsReadAndSavedBackUnchanged) {
  const std::string golden = Golden("every_field.defaut");
  auto started = StartedWith(golden);
  auto& v = started->View();
  EXPECT_EQ(v.Parts().state.backgroundColour, gfx::Rgb(100, 100, 100));
  EXPECT_EQ(v.Parts().state.backgroundShade1, gfx::Rgb(90, 90, 90));
  EXPECT_EQ(v.Parts().state.backgroundShade2, gfx::Rgb(80, 60, 80));
  EXPECT_EQ(v.Parts().state.keyboardColours, 2);
  EXPECT_EQ(v.Parts().settingsDialog.colourSelection, 2);
  EXPECT_TRUE(v.Parts().listDialog.hideHelp);
  EXPECT_TRUE(v.Parts().listDialog.randomDraw);
  EXPECT_TRUE(v.Parts().listDialog.hideSolution);
  EXPECT_EQ(v.Parts().listDialog.listPath, "/nonexistent/Listes de mots/animaux \xE9t\xE9.txt");
  EXPECT_EQ(v.Parts().state.keyboardZoomIndex, 3);
  EXPECT_EQ(v.Parts().state.cellWidth, 70);
  EXPECT_EQ(v.Parts().state.gridColumns, 30);
  EXPECT_EQ(v.Parts().state.gridLines, 4);
  EXPECT_EQ(v.Parts().settingsDialog.linesSelection, 3);
  EXPECT_EQ(v.Parts().settingsDialog.cellsSelection, 14);
  EXPECT_EQ(v.Parts().settingsDialog.voiceSelection, 1);
  EXPECT_TRUE(v.Parts().settingsDialog.noSounds);
  EXPECT_TRUE(v.Parts().settingsDialog.noEffects);
  EXPECT_TRUE(v.Parts().settingsDialog.autoPlace);
  EXPECT_EQ(v.Parts().settings.autoPlace, 1);
  EXPECT_EQ(v.Parts().settings.autoAdvanceSeconds, 7);
  EXPECT_EQ(v.Parts().listDialog.autoAdvanceSelection, 3);
  EXPECT_EQ(v.Parts().settingsDialog.rateSlider, 13);
  EXPECT_EQ(v.Parts().settingsDialog.speechRate, 3);
  // The saved voice is applied with the saved rate; reading writes nothing back.
  EXPECT_EQ(started->fake.voice.selected.back(), "b");
  EXPECT_EQ(started->fake.voice.rates.back(), 3);
  EXPECT_EQ(ReadBytes(started->data / "defaut"), golden);

  v.Parts().settingsDialog.OnNoEffectsClicked(true);
  EXPECT_EQ(ReadBytes(started->data / "defaut"), golden);
}

TEST_F(SettingsFile, EachHandlerSavesItsFieldAtItsPlace) {
  View().OnTimer(base::kTimerFirstRun);
  auto& dialog = View().Parts().settingsDialog;
  harness.fake.dialogs.colourAnswer = gfx::Rgb(100, 100, 100);
  View().ChooseBackgroundColour();
  dialog.OnColoursChanged(2);
  dialog.OnZoomChanged(3);
  dialog.OnCellsChanged(14);
  dialog.OnLinesChanged(3);
  dialog.OnVoiceChanged(1);
  dialog.OnNoSoundsClicked(true);
  dialog.OnNoEffectsClicked(true);
  dialog.OnRateMoved(13);
  dialog.OnAutoPlaceClicked(true);
  std::string expected = Golden("every_field.defaut");
  // The word-list fields are the list dialog's; here they keep their defaults.
  const std::string defaults = Golden("default.defaut");
  for (std::size_t offset : {16u, 20u, 24u, 4160u, 4164u}) {
    expected.replace(offset, 4, defaults, offset, 4);
  }
  expected.replace(28, 4096, defaults, 28, 4096);
  EXPECT_EQ(ReadBytes(SettingsPath()), expected);
}

TEST_F(SettingsFile, AShortFileOrAnotherVersionKeepsTheRate) {
  for (const char* name : {"short.defaut", "wrong_version.defaut"}) {
    auto started = StartedWith(Golden(name));
    auto& v = started->View();
    EXPECT_EQ(v.Parts().settings.autoAdvanceSeconds, 7) << name;
    EXPECT_EQ(v.Parts().listDialog.autoAdvanceSelection, 3) << name;
    EXPECT_EQ(v.Parts().state.gridColumns, 30) << name;
    EXPECT_EQ(v.Parts().settingsDialog.rateSlider, 8) << name;
  }

  // Colours, scheme and one box only: the rest stays as it is.
  auto partial = StartedWith(Golden("every_field.defaut").substr(0, 20));
  EXPECT_EQ(partial->View().Parts().state.backgroundColour, gfx::Rgb(100, 100, 100));
  EXPECT_TRUE(partial->View().Parts().listDialog.hideHelp);
  EXPECT_FALSE(partial->View().Parts().listDialog.hideSolution);
  EXPECT_EQ(partial->View().Parts().state.gridColumns, 22);
}

TEST_F(SettingsFile, ALongerFileIsReadForTheFieldsItBegins) {
  // Anything after the known fields (a longer file of a later version) is left unread.
  auto started = StartedWith(Golden("every_field.defaut") + std::string(70000, '\x7F'));
  EXPECT_EQ(started->View().Parts().state.gridColumns, 30);
  EXPECT_EQ(started->View().Parts().settingsDialog.rateSlider, 13);
}

TEST_F(SettingsFile, OutOfRangeValuesAreTamed) {
  std::string bytes = Golden("default.defaut");
  PutInt(bytes, 16, 7);   // hide help: ticked
  PutInt(bytes, 20, -3);  // random: ticked
  PutInt(bytes, 24, 0);
  PutInt(bytes, 4144, 5);  // voice 5 of 3: ignored
  PutInt(bytes, 12, 9);    // no such colour scheme
  PutInt(bytes, 4128, 5000);
  PutInt(bytes, 4132, -1);
  PutInt(bytes, 4172, 99);
  WriteBytes(SettingsPath(), bytes);

  View().OnTimer(base::kTimerFirstRun);
  auto& v = View();
  EXPECT_TRUE(v.Parts().listDialog.hideHelp);
  EXPECT_TRUE(v.Parts().listDialog.randomDraw);
  EXPECT_FALSE(v.Parts().listDialog.hideSolution);
  // Voice discovery chose the first voice; the saved index did not change it.
  EXPECT_EQ(v.Parts().settingsDialog.voiceSelection, 0);
  EXPECT_EQ(v.Parts().settingsDialog.colourSelection, -1);
  EXPECT_EQ(v.Parts().state.keyboardColours, 0);
  EXPECT_EQ(v.Parts().state.gridColumns, 22);
  EXPECT_EQ(v.Parts().state.gridLines, 6);
  EXPECT_EQ(v.Parts().settingsDialog.rateSlider, 20);
}

// Lists with nothing selected are saved into the module texts as "-1": the texts must still
// read back as they were, not grow by a header line at each switch.
TEST_F(SettingsFile, ListsLeftWithoutSelectionKeepTheModuleTextsIntact) {
  std::string bytes = Golden("default.defaut");
  PutInt(bytes, 4136, 99);  // lines list
  PutInt(bytes, 4140, -7);  // cells list
  WriteBytes(SettingsPath(), bytes);
  View().OnTimer(base::kTimerFirstRun);
  ASSERT_EQ(View().Parts().settingsDialog.linesSelection, -1);
  harness.WriteKeyInto(0, 0, 0);
  const std::string text = View().Parts().editorDialog.text;
  ASSERT_FALSE(text.empty());
  std::string saved;
  for (int round = 0; round < 3; ++round) {
    harness.ClickIcon(app::IconModuleMath);
    harness.ClickIcon(app::IconModuleFrench);
    EXPECT_EQ(View().Parts().editorDialog.text, text) << round;
    if (round > 0) {
      EXPECT_EQ(ReadBytes(harness.data / "defautabc"), saved) << round;
    }
    saved = ReadBytes(harness.data / "defautabc");
  }
}

TEST_F(SettingsFile, NothingIsWrittenInThePuzzleOrIntoAnUnwritableFolder) {
  harness.EnterModule(app::ModuleId::kPuzzle);
  View().WriteSettings();
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));

  // A data folder that cannot exist: its parent is a file.
  WriteBytes(harness.data / "file", "x");
  harness.EnterModule(app::ModuleId::kFrancais);
  View().Parts().state.settingsPath = harness.data / "file" / "defaut";
  View().WriteSettings();
  EXPECT_FALSE(std::filesystem::exists(View().Parts().state.settingsPath));
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
  EXPECT_EQ(View().Parts().state.backgroundColour, gfx::Rgb(100, 100, 100));
}

// The codec alone, without a program around it.
TEST(SettingsCodec, TheGoldenFilesDecodeAndEncodeBackToTheSameBytes) {
  for (const char* name : {"default.defaut", "every_field.defaut"}) {
    const std::string bytes = Golden(name);
    EXPECT_EQ(app::EncodeSettings(app::DecodeSettings(bytes)), bytes) << name;
  }
  const app::SettingsRecord every = app::DecodeSettings(Golden("every_field.defaut"));
  EXPECT_EQ(every.backgroundShade2, gfx::Rgb(80, 60, 80));
  EXPECT_EQ(every.listPath, "/nonexistent/Listes de mots/animaux \xE9t\xE9.txt");
  EXPECT_EQ(every.autoAdvanceSelection, 3);
  EXPECT_EQ(every.rateSlider, 13);
  // Before the rate was kept, and with another version mark, there is no rate to read.
  EXPECT_FALSE(app::DecodeSettings(Golden("short.defaut")).rateSlider);
  EXPECT_EQ(app::DecodeSettings(Golden("short.defaut")).autoAdvanceSelection, 3);
  EXPECT_FALSE(app::DecodeSettings(Golden("wrong_version.defaut")).rateSlider);
}

TEST(SettingsCodec, ACutFileGivesTheFieldsBeforeTheCutAndNothingAfterIt) {
  const std::string every = Golden("every_field.defaut");
  const app::SettingsRecord whole = app::DecodeSettings(every);
  auto present = [](const app::SettingsRecord& r) {
    return std::vector<bool>{r.backgroundColour.has_value(),
                             r.keyboardColours.has_value(),
                             r.hideSolution.has_value(),
                             r.listPath.has_value(),
                             r.zoom.has_value(),
                             r.voice.has_value(),
                             r.autoAdvanceSelection.has_value(),
                             r.rateSlider.has_value()};
  };
  for (std::size_t length = 0; length < every.size(); ++length) {
    const app::SettingsRecord cut = app::DecodeSettings(std::string_view(every).substr(0, length));
    const std::vector<bool> fields = present(cut);
    // Once a field is missing, so is every field after it: nothing is read from the middle of a
    // list path cut short.
    for (std::size_t i = 1; i < fields.size(); ++i) {
      ASSERT_FALSE(fields[i] && !fields[i - 1]) << length << " field " << i;
    }
    if (cut.zoom) {
      ASSERT_EQ(*cut.zoom, *whole.zoom) << length;
    }
    ASSERT_EQ(cut.listPath.has_value(), length >= 28 + 4096) << length;
    ASSERT_EQ(app::EncodeSettings(cut).size(), app::kSettingsFileSize) << length;
  }
}

TEST(SettingsCodec, ALongListPathIsCutToItsFieldAndTheFieldsAfterItStayInPlace) {
  app::SettingsRecord record = app::DecodeSettings(Golden("every_field.defaut"));
  record.listPath = std::string(5000, 'a');
  const std::string bytes = app::EncodeSettings(record);
  ASSERT_EQ(bytes.size(), app::kSettingsFileSize);
  const app::SettingsRecord back = app::DecodeSettings(bytes);
  EXPECT_EQ(back.listPath, std::string(4095, 'a'));
  EXPECT_EQ(back.zoom, record.zoom);
  EXPECT_EQ(back.rateSlider, record.rateSlider);
}

}  // namespace
