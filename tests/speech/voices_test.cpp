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
  if (harness.fake.voice.selected.empty()) return {view.SettingsDialog().voiceSelection, "", 0};
  return {view.SettingsDialog().voiceSelection, harness.fake.voice.selected.back(),
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

TEST(Voices, AtMostAHundredVoicesAreListedDesktopVoicesFirst) {
  ViewHarness harness(false);
  std::vector<ports::VoiceInfo> first, second;
  for (int i = 0; i < 70; ++i) first.push_back({std::string("d").append(std::to_string(i)), "d"});
  for (int i = 0; i < 50; ++i) second.push_back({std::string("s").append(std::to_string(i)), "s"});
  harness.fake.voices.sources = {first, second};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  ASSERT_EQ(view.SettingsDialog().voiceItems.size(), 100u);
  EXPECT_EQ(view.SettingsDialog().voiceItems.front(), "d0");
  EXPECT_EQ(view.SettingsDialog().voiceItems.back(), "s29");
}

TEST(Voices, ChoosingTheSameVoiceAgainDoesNothing) {
  ViewHarness harness(false);
  harness.fake.voices.sources = {{{"A", "a"}, {"B", "b"}}};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  const auto selections = harness.fake.voice.selected.size();
  view.SettingsDialog().OnVoiceChanged(1);
  EXPECT_EQ(harness.fake.voice.selected.size(), selections + 1);
  EXPECT_TRUE(std::filesystem::exists(harness.data / "defaut"));
  std::filesystem::remove(harness.data / "defaut");
  view.SettingsDialog().OnVoiceChanged(1);
  EXPECT_EQ(harness.fake.voice.selected.size(), selections + 1);
  EXPECT_FALSE(std::filesystem::exists(harness.data / "defaut"));
}

TEST(Voices, TheRateSliderMapsToTheVoiceRate) {
  ViewHarness harness(false);
  harness.fake.voices.sources = {{{"Hortense", "x\\Hortense"}}};
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  view.SettingsDialog().OnRateMoved(0);
  EXPECT_EQ(view.SettingsDialog().speechRate, -10);
  EXPECT_EQ(harness.fake.voice.rates.back(), -8);
  view.SettingsDialog().OnRateMoved(20);
  EXPECT_EQ(view.SettingsDialog().speechRate, 10);
  EXPECT_EQ(harness.fake.voice.rates.back(), 12);
}

}  // namespace
