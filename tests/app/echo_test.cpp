// The echo of a finished wrong word in the dictation: the attempt read back as written, one
// sentence on whether it sounds like the word, soft rings on the wrong tiles until they change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/view_harness.h"

namespace {

using testing_support::ViewHarness;

// Keys of the first page: a z e r t y u i o p ⌫ / q s d f g h j k l m ↵ / ⇧ w x c v b n …
constexpr int kA = 0, kT = 4, kS = 12, kH = 16, kC = 25;
constexpr gfx::Colour kRing = gfx::Rgb(245, 166, 35);
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
struct Echoing {
  Echoing() {
    view = &harness.Create();
    const auto path = harness.data.Path() / "liste.txt";
    testing_support::WriteBytes(path, "chat\nrat\n");
    harness.fake.dialogs.openAnswer = path;
    view->Parts().listDialog.OpenList();
    harness.ClickIcon(app::IconModuleList);
    harness.fake.window.clientSize.width =
        2 * view->Parts().state.gridLeft + 24 * view->Parts().state.cellWidth + 20;
    harness.fake.voice.phonemes = {
        {u"chat",
         "\xCA\x83\xCB\x88"
         "a"},
        {u"chas",
         "\xCA\x83"
         "a"},
        {u"chta", "\xCA\x83ta"},
    };
    harness.ClickIcon(app::IconNextWord);
    harness.Paint();
  }
  void Write(const std::vector<int>& keys) {
    int column = 10;
    for (int key : keys) harness.WriteKeyInto(key, column++, 1);
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

  ViewHarness harness;
  app::CScribixView* view = nullptr;
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
  e.harness.ClickIcon(app::IconEchoWord);
  EXPECT_EQ(e.harness.Spoken().back(), "ta");
}

}  // namespace
