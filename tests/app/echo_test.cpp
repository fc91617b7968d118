// The echo of a finished wrong word in the dictation: the attempt read back as written, one
// sentence on whether it sounds like the word, soft rings on the wrong tiles until they change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/dictating.h"
#include "grid/grid_drawing.h"
#include "keyboard/key_colours.h"

namespace {

// Keys of the first page: a z e r t y u i o p ⌫ / q s d f g h j k l m ↵ / ⇧ w x c v b n …
constexpr int kA = 0, kT = 4, kS = 12, kH = 16, kC = 25;
constexpr gfx::Colour kRing = grid::kWrongLetterRing;
const std::string kAlike =
    "\xC7"
    "a se lit pareil, mais \xE7"
    "a ne s'\xE9"
    "crit pas comme \xE7"
    "a.";
const std::string kDifferent =
    "\xC9"
    "coute bien : \xE7"
    "a ne se dit pas pareil.";

// "chat" dictated on the second line from column 10, the voice knowing a few words' phonemes.
struct Echoing : testing_support::Dictating {
  explicit Echoing(const std::string& listFile = "chat\nrat\n") : Dictating(listFile) {
    harness.fake.voice.phonemes = {
        {u"chat",
         "\xCA\x83\xCB\x88"
         "a"},
        {u"chas",
         "\xCA\x83"
         "a"},
        {u"chta", "\xCA\x83ta"},
    };
  }
  void Write(const std::vector<int>& keys) {
    int column = 10;
    for (int key : keys) harness.WriteKeyInto(key, column++, 1);
  }
  // The reading is said, then, after its pause, the sentence.
  void HearTheEcho() {
    for (int k = 0; k < 3 && harness.fake.timers.IsRunning(base::kTimerSpokenLight); ++k) {
      harness.Spoken();  // the worker has handed the voice what it was given
      view->OnTimer(base::kTimerSpokenLight);
    }
    harness.Spoken();
  }
  std::vector<std::string> SaidSince(std::size_t count) {
    const auto all = harness.Spoken();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(count, all.size())), all.end()};
  }
  // The columns 10 to 13 of the second line whose tile wears the ring, as painted.
  std::string Ringed() {
    const gfx::Image& screen = harness.Paint();
    std::string ringed;
    for (int c = 10; c < 14; ++c) {
      const gfx::Rect cell = base::CellRect(view->Parts().state, c, 1);
      ringed += screen.Pixel(cell.left + 3, cell.top + cell.Height() / 2) == kRing ? 'o' : '.';
    }
    return ringed;
  }
};

TEST(Echo, AFinishedWrongWordIsReadBackThenToldApartAndItsWrongTilesRinged) {
  Echoing e;
  const std::size_t before = e.harness.Spoken().size();
  e.Write({kC, kH, kT});
  // Not finished: no reading, no ring; each letter is said as usual.
  EXPECT_EQ(e.Ringed(), "....");
  const std::size_t said = e.harness.Spoken().size();
  EXPECT_EQ(said, before + 3);
  e.harness.WriteKeyInto(kA, 13, 1);
  EXPECT_EQ(e.SaidSince(said), (std::vector<std::string>{"chta"}));
  e.HearTheEcho();
  EXPECT_EQ(e.SaidSince(said), (std::vector<std::string>{"chta", kDifferent}));
  EXPECT_EQ(e.Ringed(), "..oo");
  EXPECT_FALSE(e.harness.fake.timers.IsRunning(base::kTimerWordSuccess));

  // The "t" taken away loses its ring; the "a" keeps it.
  const gfx::Rect cell = base::CellRect(e.view->Parts().state, 12, 1);
  const gfx::Point on{cell.left + 10, cell.top + 10};
  e.harness.Press(on);
  e.harness.MoveTo(on, {on.x, on.y + 250});
  e.harness.Release({on.x, on.y + 250});
  EXPECT_EQ(e.Ringed(), "...o");
  // The "a" replaced by the right letter: no ring left, and the right word is rewarded without
  // a reading.
  const gfx::Rect last = base::CellRect(e.view->Parts().state, 13, 1);
  const gfx::Point onLast{last.left + 10, last.top + 10};
  e.harness.Press(onLast);
  e.harness.MoveTo(onLast, {onLast.x, onLast.y + 250});
  e.harness.Release({onLast.x, onLast.y + 250});
  e.harness.WriteKeyInto(kA, 12, 1);
  const std::size_t beforeLast = e.harness.Spoken().size();
  e.harness.WriteKeyInto(kT, 13, 1);
  EXPECT_EQ(e.Ringed(), "....");
  EXPECT_EQ(e.harness.Spoken().size(), beforeLast);
  e.view->OnTimer(base::kTimerWordSuccess);
  EXPECT_EQ(e.SaidSince(beforeLast), (std::vector<std::string>{"Bravo!!! tu as \xE9"
                                                               "cris le mot ::: chat!"}));
}

TEST(Echo, TheSentenceSaysWhetherItSoundsAlikeAndNothingWithoutPhonemes) {
  {
    Echoing e;
    e.Write({kC, kH, kA});
    const std::size_t said = e.harness.Spoken().size();
    e.harness.WriteKeyInto(kS, 13, 1);
    e.HearTheEcho();
    EXPECT_EQ(e.SaidSince(said), (std::vector<std::string>{"chas", kAlike}));
    EXPECT_EQ(e.Ringed(), "...o");
    // A new word takes the rings away.
    e.harness.ClickIcon(app::IconNextWord);
    e.harness.Paint();
    for (const auto& line : e.view->Parts().grid.wrongLetters) {
      for (auto mark : line) EXPECT_EQ(mark, 0);
    }
  }
  {
    Echoing e;
    e.harness.fake.voice.phonemes.clear();
    e.Write({kC, kH, kA});
    const std::size_t said = e.harness.Spoken().size();
    e.harness.WriteKeyInto(kS, 13, 1);
    e.HearTheEcho();
    EXPECT_EQ(e.SaidSince(said), (std::vector<std::string>{"chas"}));
    EXPECT_EQ(e.Ringed(), "...o");
  }
}

TEST(Echo, TheIconReadsTheWordUnderTheCursorInEveryWritingModule) {
  Echoing e;
  e.Write({kC, kH, kA});
  e.harness.ClickIcon(app::IconEchoWord);
  EXPECT_EQ(e.harness.Spoken().back(), "cha");
  EXPECT_EQ(e.Ringed(), "....");  // nothing wrong to show before the word is finished

  e.harness.ClickIcon(app::IconModuleFrench);
  e.harness.WriteKeyInto(kT, 0, 0);
  e.harness.WriteKeyInto(kA, 1, 0);
  const gfx::Rect second = base::CellRect(e.view->Parts().state, 1, 0);
  e.harness.Click({second.left + 10, second.top + 10});
  e.harness.fake.voice.tellsHeard = true;
  e.harness.fake.voice.HoldTexts(true);
  e.harness.ClickIcon(app::IconEchoWord);
  EXPECT_EQ(e.harness.Spoken().back(), "ta");

  // Its letters light up in turn as their sounds are heard.
  const gfx::Image before = e.harness.Paint();
  const auto lit = [&] {
    e.Look();
    const gfx::Image& now = e.harness.Paint();
    std::vector<int> columns;
    for (int c = 0; c < 3; ++c) {
      const gfx::Rect cell = base::CellRect(e.view->Parts().state, c, 0);
      const int x = (cell.left + cell.right) / 2, y = cell.bottom + 5;
      if (now.Pixel(x, y) != before.Pixel(x, y)) columns.push_back(c);
    }
    return columns;
  };
  e.harness.fake.voice.HearLastText(0, 2, {"t", "a"}, 0);
  EXPECT_EQ(lit(), std::vector<int>{0});
  e.harness.fake.voice.HearLastText(0, 2, {"t", "a"}, 1);
  EXPECT_EQ(lit(), std::vector<int>{1});
}

// With a voice that tells which word is heard, the attempt's tiles light up word by word as the
// words are heard, and sound by sound when it tells the sounds too, never before the sound: the
// light comes with what the child hears.
TEST(Echo, TheAttemptsTilesLightUpInTurnAsItsWordsAndSoundsAreHeard) {
  constexpr int kL = 19, kE = 2;
  Echoing e("le chat\n");
  e.harness.fake.voice.tellsHeard = true;
  e.harness.fake.voice.phonemes[u"le chat"] =
      "l\xC9\x99 \xCA\x83"
      "a";
  e.harness.fake.voice.phonemes[u"le chta"] =
      "l\xC9\x99 \xCA\x83"
      "ta";
  const std::vector<int> columns = e.AnswerColumns();
  ASSERT_EQ(columns.size(), 6u);
  const std::vector<int> keys = {kL, kE, kC, kH, kT, kA};
  e.harness.fake.voice.HoldTexts(true);
  for (std::size_t k = 0; k < keys.size(); ++k) e.harness.WriteKeyInto(keys[k], columns[k], 1);
  ASSERT_EQ(e.harness.Spoken().back(), "le chta");
  ASSERT_TRUE(e.Looking());

  // Handed to the voice, not heard yet: nothing lit.
  e.Look();
  EXPECT_TRUE(e.LitColumns().empty());
  e.harness.fake.voice.HearLastText(0, 2);
  e.Look();
  EXPECT_EQ(e.LitColumns(), (std::vector<int>{columns[0], columns[1]}));
  // The silence between the words keeps the light where it was.
  e.harness.fake.voice.HearLastText(2, 1);
  e.Look();
  EXPECT_EQ(e.LitColumns(), (std::vector<int>{columns[0], columns[1]}));
  e.harness.fake.voice.HearLastText(3, 4);
  e.Look();
  EXPECT_EQ(e.LitColumns(), (std::vector<int>{columns[2], columns[3], columns[4], columns[5]}));
  // A voice that tells the sounds of the word: the letters of each sound light in turn.
  const std::vector<std::string> sounds = {"\xCA\x83", "t", "a"};  // ʃ t a
  const std::vector<std::vector<int>> letters = {
      {columns[2], columns[3]}, {columns[4]}, {columns[5]}};
  for (std::size_t k = 0; k < sounds.size(); ++k) {
    e.harness.fake.voice.HearLastText(3, 4, sounds, k);
    e.Look();
    EXPECT_EQ(e.LitColumns(), letters[k]) << "sound " << k;
  }
  // Heard to the end: the light goes out and the sentence follows the pause.
  e.harness.fake.voice.Hear(std::nullopt);
  e.harness.fake.voice.FinishText();
  e.Look();
  EXPECT_TRUE(e.LitColumns().empty());
  EXPECT_EQ(e.harness.fake.timers.running[base::kTimerSpokenLight],
            exercises::Dictation::kEchoPauseMs);
}

// The hue of a colour in degrees, and its contrast with another as screen readers measure it.
double Hue(gfx::Colour c) {
  const double r = gfx::Red(c) / 255.0, g = gfx::Green(c) / 255.0, b = gfx::Blue(c) / 255.0;
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  if (high == low) return -1;  // a grey has none
  double hue = high == r   ? (g - b) / (high - low)
               : high == g ? 2 + (b - r) / (high - low)
                           : 4 + (r - g) / (high - low);
  hue *= 60;
  return hue < 0 ? hue + 360 : hue;
}
double HueDistance(gfx::Colour a, gfx::Colour b) {
  const double d = std::abs(Hue(a) - Hue(b));
  return std::min(d, 360 - d);
}
double Luminance(gfx::Colour c) {
  auto channel = [](int v) {
    const double x = v / 255.0;
    return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(gfx::Red(c)) + 0.7152 * channel(gfx::Green(c)) +
         0.0722 * channel(gfx::Blue(c));
}
double Contrast(gfx::Colour a, gfx::Colour b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The ring must not pass for the light of a cell being said, nor for a letter's or a syllable's
// ink on any colour scheme, and must be seen on every tile face; never red.
TEST(Echo, TheRingHasAColourOfItsOwnOnEveryScheme) {
  const gfx::Colour ring = grid::kWrongLetterRing;
  EXPECT_GE(HueDistance(ring, grid::kLitFrame), 90);
  EXPECT_GE(HueDistance(ring, grid::kLitFill), 90);
  EXPECT_GE(HueDistance(ring, gfx::Rgb(255, 0, 0)), 60);
  for (const auto& scheme : keyboard::kLetterKeyColours) {
    for (gfx::Colour face : {scheme.faceTop, scheme.faceBottom}) {
      EXPECT_GE(Contrast(ring, face), 3.0) << std::hex << face;
    }
    for (gfx::Colour ink : {scheme.consonant, scheme.vowel}) {
      if (Hue(ink) < 0) continue;  // grey
      EXPECT_GE(HueDistance(ring, ink), 45) << std::hex << ink;
    }
  }
  for (const auto& pairs : keyboard::kSyllableInks) {
    for (const auto& inks : pairs) {
      for (gfx::Colour ink : {inks.first, inks.second, inks.mute}) {
        if (Hue(ink) < 0) continue;  // grey
        EXPECT_GE(HueDistance(ring, ink), 45) << std::hex << ink;
      }
    }
  }
}

}  // namespace
