// The settings file as the program reads it at start-up, then saved back: every field that was
// read must stay within what the settings window offers.
#include "fuzz_input.h"
#include "exercises/text_exercise_file.h"
#include "support/view_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static testing_support::ViewHarness* harness = [] {
    auto* h = new testing_support::ViewHarness(
        std::vector<std::vector<ports::VoiceInfo>>{{{"Voice A", "a"}, {"Voice B", "b"}}});
    // Without pictures the zoom has nothing to scale: the settings are what is tried here.
    h->fake.pictures.files.clear();
    h->Create().OnTimer(base::kTimerFirstRun);
    return h;
  }();
  app::CScribixView& view = harness->View();
  harness->fake.ForgetRecords();
  view.ApplySettingsBytes(fuzzing::Bytes(data, size));
  const auto& state = view.State();
  fuzzing::Check(state.gridColumns >= 2 && state.gridColumns <= grid::WritingGrid::kColumns,
                 "grid columns");
  fuzzing::Check(state.gridLines >= 1 && state.gridLines <= grid::WritingGrid::kLines,
                 "grid lines");
  const auto& settings = view.SettingsDialog();
  fuzzing::Check(settings.rateSlider >= 0 && settings.rateSlider <= 20, "speech rate");
  fuzzing::Check(view.AutoAdvanceSeconds() >= 0, "automatic advance");
  fuzzing::Check(view.SettingsBytes().size() == 4176, "saved size");
  // The zoom saves the module's text and reads it back: whatever the lists hold, the text
  // on disk reads back as the editor has it.
  const auto saved = testing_support::ReadBytes(harness->data / "defautabc");
  if (!saved.empty()) {
    fuzzing::Check(exercises::ParseTextExercise(saved).body == view.EditorDialog().text,
                   "module text round");
  }
  return 0;
}
