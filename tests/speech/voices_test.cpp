#include "speech/voices.h"

#include <gtest/gtest.h>

#include "support/view_harness.h"

namespace {

using testing_support::ViewHarness;

struct Chosen {
  int index;
  std::string id;
  int rate;
};

Chosen Discover(std::vector<std::vector<ports::VoiceInfo>> sources) {
  ViewHarness harness(false);
  harness.fake.voices.sources = std::move(sources);
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  if (harness.fake.voice.selected.empty())
    return {view.Parts().settingsDialog.voiceSelection, "", 0};
  return {view.Parts().settingsDialog.voiceSelection, harness.fake.voice.selected.back(),
          harness.fake.voice.rates.back()};
}

TEST(Voices, TheDefaultVoiceIsChosenByName) {
  // "irgin" wins over "ortense" in either order; the rate at start is -4, -2 for a boosted voice.
  auto c = Discover({{{"Hortense", "tokens\\Hortense"}, {"Virginie", "tokens\\Virginie"}}});
  EXPECT_EQ(c.index, 1);
  EXPECT_EQ(c.rate, -4);
  c = Discover({{{"Virginie", "v"}}, {{"Hortense", "tokens\\Hortense"}}});
  EXPECT_EQ(c.index, 0);
  c = Discover({{{"Alpha", "a"}, {"Hortense", "tokens\\Hortense"}}});
  EXPECT_EQ(c.index, 1);
  EXPECT_EQ(c.rate, -2);
  c = Discover({{{"Alpha", "a"}, {"Beta", "b"}}});
  EXPECT_EQ(c.index, 0);
  EXPECT_EQ(c.id, "a");
  c = Discover({});
  EXPECT_EQ(c.index, -1);
}

// An English-only, a French-only and a mixed Windows machine: French is read by a French voice
// whenever one is installed, and the warning is offered when none is.
TEST(Voices, AFrenchVoiceIsTheDefaultWheneverOneIsInstalled) {
  const ports::VoiceInfo david{"TTS_MS_EN-US_DAVID_11.0", "david", false};
  const ports::VoiceInfo zira{"TTS_MS_EN-US_ZIRA_11.0", "zira", false};
  const ports::VoiceInfo julie{"Microsoft Julie", "julie", true};
  const ports::VoiceInfo paul{"Microsoft Paul", "paul", true};
  const ports::VoiceInfo hortense{"TTS_MS_FR-FR_HORTENSE_11.0", "tokens\\Hortense", true};
  struct Case {
    std::vector<std::vector<ports::VoiceInfo>> sources;
    int chosen;
    bool warned;
  };
  const Case cases[] = {
      {{{david, zira}}, 0, true},
      {{{julie, paul}}, 0, false},
      {{{david, zira, julie}}, 2, false},
      {{{david}, {zira, paul, julie}}, 2, false},
      {{{david, zira, julie, hortense}}, 3, false},  // the named voice is still preferred
  };
  for (const Case& c : cases) {
    ViewHarness harness(false);
    harness.fake.voices.sources = c.sources;
    auto& view = harness.Create();
    view.OnTimer(base::kTimerFirstRun);
    EXPECT_EQ(view.Parts().settingsDialog.voiceSelection, c.chosen);
    EXPECT_EQ(harness.fake.dialogHost.modal.size(), c.warned ? 1u : 0u) << c.chosen;
  }
}

TEST(Voices, AtMostAHundredVoicesAreListedDesktopVoicesFirst) {
  ViewHarness harness(false);
  std::vector<ports::VoiceInfo> first, second;
  for (int i = 0; i < 70; ++i) first.push_back({std::string("d").append(std::to_string(i)), "d"});
  for (int i = 0; i < 50; ++i) second.push_back({std::string("s").append(std::to_string(i)), "s"});
  harness.fake.voices.sources = {first, second};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  ASSERT_EQ(view.Parts().settingsDialog.voiceItems.size(), 100u);
  EXPECT_EQ(view.Parts().settingsDialog.voiceItems.front(), "d0");
  EXPECT_EQ(view.Parts().settingsDialog.voiceItems.back(), "s29");
}

TEST(Voices, ChoosingTheSameVoiceAgainDoesNothing) {
  ViewHarness harness(false);
  harness.fake.voices.sources = {{{"A", "a"}, {"B", "b"}}};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  const auto selections = harness.fake.voice.selected.size();
  view.Parts().settingsDialog.OnVoiceChanged(1);
  EXPECT_EQ(harness.fake.voice.selected.size(), selections + 1);
  EXPECT_TRUE(std::filesystem::exists(harness.data / "defaut"));
  std::filesystem::remove(harness.data / "defaut");
  view.Parts().settingsDialog.OnVoiceChanged(1);
  EXPECT_EQ(harness.fake.voice.selected.size(), selections + 1);
  EXPECT_FALSE(std::filesystem::exists(harness.data / "defaut"));
}

TEST(Voices, TheRateSliderMapsToTheVoiceRate) {
  ViewHarness harness(false);
  harness.fake.voices.sources = {{{"Hortense", "x\\Hortense"}}};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  view.Parts().settingsDialog.OnRateMoved(0);
  EXPECT_EQ(view.Parts().settingsDialog.speechRate, -10);
  EXPECT_EQ(harness.fake.voice.rates.back(), -8);
  view.Parts().settingsDialog.OnRateMoved(20);
  EXPECT_EQ(view.Parts().settingsDialog.speechRate, 10);
  EXPECT_EQ(harness.fake.voice.rates.back(), 12);
}

TEST(Voices, ChoosingAVoiceLeavesItsStepsInTheTrace) {
  ViewHarness harness(false);
  harness.fake.voices.sources = {
      {{"Fran\xE7"
        "ais (France)",
        "fr"}}};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  const std::string trace = testing_support::ReadBytes(harness.data / "debug.txt");
  std::size_t at = 0;
  for (const char* line :
       {"start populate voice\n", "End Registry \n", "END List desc\n",
        "Change Voice ulNumTokens : 1 Fran\xE7"
        "ais (France)  \n",
        "combo voice 2 Win 0 fr\n", "combo voice3 fr\n", "combo voice4 fr\n", "combo voice5 fr\n",
        "combo voice6 fr\n", "combo voice9 fr\n", "combo voice10 fr\n", "END List desc3\n"}) {
    const auto found = trace.find(line, at);
    ASSERT_NE(found, std::string::npos) << line;
    at = found;
  }
}

TEST(VoiceWarning, IsOfferedOnlyWithoutAnyVoiceAndUntilAskedNotTo) {
  {
    ViewHarness harness(false);
    harness.fake.voices.sources = {{{"Fr", "fr"}}};
    harness.Create().OnTimer(base::kTimerFirstRun);
    EXPECT_TRUE(harness.fake.dialogHost.modal.empty());
  }
  ViewHarness harness(false);
  harness.fake.dialogHost.whileModal = [&](ports::DialogId id) {
    ASSERT_EQ(id, ports::DialogId::kVoiceWarning);
    harness.View().Parts().voiceWarning.OnDontShowAgainClicked();
    harness.View()
        .Parts()
        .voiceWarning.OnDontShowAgainClicked();  // unticked again: still never again
  };
  harness.Create().OnTimer(base::kTimerFirstRun);
  EXPECT_EQ(harness.fake.dialogHost.modal.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(harness.data / "noavertv"));

  ViewHarness next(false);
  testing_support::WriteBytes(next.data / "noavertv", "");
  next.Create().OnTimer(base::kTimerFirstRun);
  EXPECT_TRUE(next.fake.dialogHost.modal.empty());
  // A marker left in the program folder counts too.
  ViewHarness copy(false);
  testing_support::WriteBytes(copy.program / "noavertv", "");
  copy.Create().OnTimer(base::kTimerFirstRun);
  EXPECT_TRUE(copy.fake.dialogHost.modal.empty());
}

TEST(VoiceWarning, InstallingOpensTheHelpPageAndEndsTheProgram) {
  ViewHarness harness(false);
  auto& view = harness.Create();
  view.Parts().voiceWarning.OnInstallClicked(harness.fake.desktop, harness.fake.clock,
                                             harness.fake.window);
  ASSERT_EQ(harness.fake.desktop.opened.size(), 1u);
  EXPECT_EQ(harness.fake.desktop.opened[0], harness.program / "installer-voix.html");
  EXPECT_EQ(harness.fake.clock.sleeps.back(), 500);
  EXPECT_TRUE(harness.fake.window.ended);

  // A system with an installer of its own (Windows) runs it, and its warning says so.
  ViewHarness windows(false);
  auto& other = windows.Create();
  other.Parts().voiceWarning.UseInstaller("installvoix.exe", "Hortense");
  EXPECT_EQ(other.Parts().voiceWarning.Message(), "Hortense");
  other.Parts().voiceWarning.OnInstallClicked(windows.fake.desktop, windows.fake.clock,
                                              windows.fake.window);
  ASSERT_EQ(windows.fake.desktop.opened.size(), 1u);
  EXPECT_EQ(windows.fake.desktop.opened[0], windows.program / "installvoix.exe");
  other.Parts().voiceWarning.UseInstaller("installvoix.exe", "");
  EXPECT_EQ(other.Parts().voiceWarning.Message(), speech::CAvert2::kMessage);
}

}  // namespace
