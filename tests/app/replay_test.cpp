// Hearing the dictated entry again, and the help naming the letter it lays: what the voice is
// handed, at which rate, and which answer cell the child sees lit while each part is heard.
// Driven through the view's icons and timers; the fake voice says a text when the test lets it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/dictating.h"

namespace {

constexpr int kC = 25;  // the key "c" of the first page

// The voice holding each text until the test lets it be said.
struct Replaying : testing_support::Dictating {
  explicit Replaying(const std::string& listFile) : Dictating(listFile) {
    harness.fake.voice.HoldTexts(true);
  }
  int LookPeriod() { return harness.fake.timers.running[base::kTimerSpokenLight]; }
  std::vector<std::string> Said() { return harness.Spoken(); }
};

TEST(Replay, LetterByLetterEachNameLightsItsCellAndAPauseFollows) {
  Replaying r(
      "\xE9l\xE9"
      "phant\n");
  const std::vector<int> columns = r.AnswerColumns();
  ASSERT_EQ(columns.size(), 8u);
  const std::vector<std::string> names = {
      "e accent aigu", "l", "e accent aigu", "p", "h", "a", "n", "t"};
  const std::size_t before = r.Said().size();
  r.harness.ClickIcon(app::IconReplayLetters);
  for (std::size_t i = 0; i < names.size(); ++i) {
    // One name at a time: the next is not handed to the voice before this one is heard.
    const auto said = r.Said();
    ASSERT_EQ(said.size(), before + i + 1) << i;
    EXPECT_EQ(said.back(), names[i]);
    ASSERT_TRUE(r.Looking());
    EXPECT_EQ(r.LookPeriod(), exercises::SpokenSequence::kLookMs);
    const auto repaints = r.harness.fake.window.invalidated.size();
    r.Look();
    EXPECT_EQ(r.LitColumns(), std::vector<int>{columns[i]}) << i;
    EXPECT_GT(r.harness.fake.window.invalidated.size(), repaints);  // the light reaches the screen
    r.Look();  // still being said: nothing changes
    EXPECT_EQ(r.Said().size(), before + i + 1);

    r.harness.fake.voice.FinishText();
    r.Look();
    EXPECT_TRUE(r.LitColumns().empty()) << i;
    if (i + 1 < names.size()) {
      // The silence between two letters is the timer's next period.
      EXPECT_EQ(r.LookPeriod(), exercises::Dictation::kLetterPauseMs);
      EXPECT_EQ(r.Said().size(), before + i + 1);
      r.Look();
    }
  }
  // Done: no light, no timer left running, nothing more said.
  EXPECT_FALSE(r.Looking());
  EXPECT_TRUE(r.LitColumns().empty());
  EXPECT_EQ(r.Said().size(), before + names.size());
}

TEST(Replay, TheWordAgainAndSlowlyWithTheUsualRateKeptAfterwards) {
  Replaying r(
      "\xE9l\xE9"
      "phant\n");
  r.view->Parts().settingsDialog.OnRateMoved(12);
  const int usual = r.view->Parts().speech.Rate();
  const std::string word =
      "\xE9l\xE9"
      "phant";

  r.harness.ClickIcon(app::IconReplayWord);
  EXPECT_EQ(r.Said().back(), word);
  r.Look();
  EXPECT_EQ(r.LitColumns(), r.AnswerColumns());  // the whole word lit while it is heard
  r.harness.fake.voice.FinishText();
  r.Look();
  EXPECT_TRUE(r.LitColumns().empty());
  EXPECT_FALSE(r.Looking());

  r.harness.ClickIcon(app::IconReplaySlow);
  EXPECT_EQ(r.Said().back(), word);
  r.harness.ClickIcon(app::IconRepeatWord);
  r.Said();  // once the voice has been handed the instruction
  const auto rates = r.harness.fake.voice.SpokenRates();
  ASSERT_GE(rates.size(), 3u);
  EXPECT_EQ(rates[rates.size() - 3], usual);                                    // the word again
  EXPECT_EQ(rates[rates.size() - 2], usual - exercises::Dictation::kSlowerBy);  // slowly
  EXPECT_EQ(rates.back(), usual);  // and the instruction after it as before
  EXPECT_EQ(r.harness.fake.voice.rates.back(), usual);
  EXPECT_EQ(r.view->Parts().speech.Rate(), usual);
  EXPECT_EQ(r.view->Parts().settingsDialog.rateSlider, 12);
  // The instruction silenced the slow word: its light is gone at once.
  EXPECT_TRUE(r.LitColumns().empty());
  EXPECT_FALSE(r.Looking());
}

TEST(Replay, AnythingThatSilencesTheVoiceEndsTheReplayAndItsLight) {
  Replaying r("chat\n");
  const std::size_t before = r.Said().size();
  r.harness.ClickIcon(app::IconReplayLetters);
  r.Said();  // once the speech worker has handed the voice the first name
  r.Look();
  ASSERT_EQ(r.LitColumns().size(), 1u);
  r.harness.ClickIcon(app::IconStopReading);
  r.Look();
  EXPECT_TRUE(r.LitColumns().empty());
  EXPECT_FALSE(r.Looking());
  r.Look();
  EXPECT_EQ(r.Said().size(), before + 1);  // "c" only

  // A new entry puts the light out at once.
  r.harness.ClickIcon(app::IconReplayLetters);
  r.Said();  // once the speech worker has handed the voice the first name
  r.Look();
  ASSERT_EQ(r.LitColumns().size(), 1u);
  r.harness.ClickIcon(app::IconNextWord);
  EXPECT_TRUE(r.LitColumns().empty());
  EXPECT_FALSE(r.Looking());

  // Leaving the module too.
  r.harness.ClickIcon(app::IconReplayWord);
  r.Look();
  r.harness.EnterModule(app::ModuleId::kFrancais);
  EXPECT_FALSE(r.Looking());

  // With the sound off nothing is said and no timer runs.
  r.harness.EnterModule(app::ModuleId::kListe);
  r.harness.ClickIcon(app::IconNextWord);
  r.view->Parts().state.soundOn = 0;
  const std::size_t said = r.Said().size();
  for (auto icon : {app::IconReplayWord, app::IconReplaySlow, app::IconReplayLetters}) {
    r.harness.ClickIcon(icon);
  }
  EXPECT_EQ(r.Said().size(), said);
  EXPECT_FALSE(r.Looking());
}

TEST(Replay, HelpNamesTheLetterItLaysAndLightsItsCell) {
  Replaying r("chat\n");
  r.harness.fake.voice.HoldTexts(false);
  r.harness.WriteKeyInto(kC, 10, 1);
  r.harness.fake.voice.HoldTexts(true);
  r.harness.ClickIcon(app::IconHelp);
  EXPECT_EQ(r.Said().back(), "h");
  r.Look();
  EXPECT_EQ(r.LitColumns(), std::vector<int>{11});
  r.harness.fake.voice.FinishText();
  r.Look();
  EXPECT_TRUE(r.LitColumns().empty());
  EXPECT_FALSE(r.Looking());
}

}  // namespace
