// The settings file as the program reads it at start-up, then saved back: every field that was
// read must stay within what the settings window offers, and what is saved reads back the same.
#include "app/settings_file.h"
#include "fuzz_input.h"
#include "grid/writing_grid.h"
#include "support/fake_ports.h"

namespace {

// The settings as the program holds them, with no window around them: the dialogs' changes go
// nowhere.
struct Settings : app::SettingsActions, exercises::ListActions {
  testing_support::FakePlatform fake;
  base::AppState state;
  base::RandomGenerator random;
  exercises::WordList words;
  app::CConfigABC dialog{fake.dialogHost, *this};
  exercises::COpenList2 lists{fake.dialogHost, fake.dialogs, *this, words, random, fake.clock};
  app::SettingsFile file{state,
                         dialog,
                         lists,
                         fake.dialogHost,
                         [](std::int32_t) {},
                         [this] { return dialog.zoomSelection; }};

  Settings() {
    dialog.SetDefaults();
    dialog.SetVoices({"Voice A", "Voice B"}, 0);
    file.loading = 1;
  }

  bool SettingsLoading() const override { return true; }
  void SaveSettings() override {}
  void Trace(std::string_view) override {}
  void KeyboardLookChanged(std::int32_t, std::int32_t) override {}
  bool KeyboardZoomChanged(std::int32_t, std::int32_t) override { return true; }
  bool GridLinesChanged(std::int32_t, bool) override { return false; }
  void GridColumnsChanged(std::int32_t) override {}
  void GridSizeSettled() override {}
  void VoiceChanged(std::int32_t) override {}
  void RateChanged(std::int32_t) override {}
  void VolumeChanged(std::int32_t) override {}
  void AutoPlaceChanged(bool) override {}
  void SyllablesChanged(bool) override {}
  void AutoAdvanceChanged(std::int32_t) override {}
  void DictationButtonShownChanged(bool) override {}
  std::filesystem::path ListFolder() const override { return {}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Settings s;
  s.file.Apply(app::DecodeSettings(fuzzing::Bytes(data, size)));
  fuzzing::Check(s.state.gridColumns >= 2 && s.state.gridColumns <= grid::WritingGrid::kColumns,
                 "grid columns");
  fuzzing::Check(s.state.gridLines >= 1 && s.state.gridLines <= grid::WritingGrid::kLines,
                 "grid lines");
  fuzzing::Check(s.dialog.rateSlider >= 0 && s.dialog.rateSlider <= 20, "speech rate");
  fuzzing::Check(s.file.autoAdvanceSeconds >= 0, "automatic advance");
  const std::string saved = s.file.Bytes();
  fuzzing::Check(saved.size() == app::kSettingsFileSize, "saved size");
  fuzzing::Check(app::DecodeSettings(saved) == s.file.Record(), "saved settings read back");
  return 0;
}
