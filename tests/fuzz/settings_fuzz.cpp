// The settings file as the program reads it at start-up, then saved back: every field that was
// read must stay within what the settings window offers.
#include "fuzz_input.h"
#include "support/view_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static testing_support::ViewHarness* harness = [] {
    auto* h = new testing_support::ViewHarness(
        std::vector<std::vector<ports::VoiceInfo>>{{{"Voice A", "a"}, {"Voice B", "b"}}});
    h->Create().OnTimer(base::kTimerFirstRun);
    return h;
  }();
  app::CScribixView& view = harness->View();
  view.ApplySettingsBytes(fuzzing::Bytes(data, size));
  const auto& state = view.State();
  fuzzing::Check(state.gridColumns >= 2 && state.gridColumns <= keyboard::WritingGrid::kColumns,
                 "grid columns");
  fuzzing::Check(state.gridLines >= 1 && state.gridLines <= keyboard::WritingGrid::kLines,
                 "grid lines");
  const auto& settings = view.SettingsDialog();
  fuzzing::Check(settings.rateSlider >= 0 && settings.rateSlider <= 20, "speech rate");
  fuzzing::Check(view.AutoAdvanceSeconds() >= 0, "automatic advance");
  fuzzing::Check(view.SettingsBytes().size() == 4176, "saved size");
  return 0;
}
