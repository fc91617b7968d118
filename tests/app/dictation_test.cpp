// The dictation: a word list opened, its entries laid out as answer cells and said, the child's
// tiles checked, helped and rewarded; driven through the view's icons, mouse and timers.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/view_harness.h"

namespace {

using app::ModuleId;
using testing_support::Cursor;
using testing_support::CursorOf;
using testing_support::HeldTile;
using testing_support::KeyLetter;
using testing_support::OnKey;
using testing_support::ViewHarness;

// Keys of the first page: a z e r t y u i o p ⌫ / q s d f g h j k l m ↵ / ⇧ w x c v b n …
constexpr int kA = 0, kZ = 1, kT = 4, kH = 16, kC = 25;

// A view in the list module with a list opened through the dialog.
struct Dictating {
  explicit Dictating(const std::string& listFile) {
    view = &harness.Create();
    const auto path = harness.data.Path() / "liste.txt";
    testing_support::WriteBytes(path, listFile);
    harness.fake.dialogs.openAnswer = path;
    view->Parts().listDialog.OpenList();
    harness.ClickIcon(app::IconModuleList);
    SetCellsAcross(24);
  }
  // The window as wide as the grid's margins and that many cells (and a little more).
  void SetCellsAcross(int cells) {
    harness.fake.window.clientSize.width =
        2 * view->Parts().state.gridLeft + cells * view->Parts().state.cellWidth + 20;
  }
  void Next() { harness.ClickIcon(app::IconNextWord); }
  // The expected characters of a line of the grid in use, '.' for a cell that expects nothing.
  std::string Expected(int line) const {
    std::string shown;
    for (int c = 0; c < view->Parts().state.gridColumns; ++c) {
      const auto l = static_cast<std::size_t>(line);
      const auto k = static_cast<std::size_t>(c);
      shown += view->Parts().grid.enabled[l][k] != 0
                   ? static_cast<char>(view->Parts().grid.expected[l][k])
                   : '.';
    }
    return shown;
  }
  std::string Spoken() { return harness.Spoken().empty() ? "" : harness.Spoken().back(); }
  int Tiles() const { return view->Parts().state.itemCount - view->Parts().state.keyCount; }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : harness.fake.dialogs.messages) texts.push_back(m.text);
    return texts;
  }

  ViewHarness harness;
  app::CScribixView* view = nullptr;
};

TEST(Dictation, AListIsDictatedInFileOrderAndStartsAgain) {
  Dictating d("chat\nrat\nzoo\n");
  EXPECT_EQ(d.view->Parts().words.listCount(), 3);
  EXPECT_EQ(d.view->ActiveModule(), ModuleId::kListe);
  EXPECT_EQ(d.view->Parts().words.currentEntry, -1);
  std::vector<std::string> said;
  for (int i = 0; i < 4; ++i) {
    d.Next();
    said.push_back(d.Spoken());
  }
  EXPECT_EQ(said, (std::vector<std::string>{"Ecris le mot : chat!", "Ecris le mot : rat!",
                                            "Ecris le mot : zoo!", "Ecris le mot : chat!"}));
  // 22 cells a line, 24 fit the window: centred from column 12 - 2, on the second line.
  EXPECT_EQ(d.Expected(1), "..........chat........");
  EXPECT_EQ(d.Expected(0), std::string(22, '.'));
  EXPECT_EQ(d.view->Parts().grid.pendingWord, 1);
  d.harness.Paint();
  EXPECT_EQ(CursorOf(*d.view), (Cursor{10, 1}));
}

TEST(Dictation, ARandomListIsDrawnAgainAtEveryPass) {
  Dictating d("un\ndeux\ntrois\nquatre\ncinq\nsix\nsept\nhuit\n");
  d.view->Parts().listDialog.OnRandomClicked(true);
  std::vector<std::vector<std::string>> passes;
  for (int pass = 0; pass < 3; ++pass) {
    std::vector<std::string> order;
    for (int i = 0; i < 8; ++i) {
      d.Next();
      order.push_back(
          d.view->Parts()
              .words.listEntries[static_cast<std::size_t>(d.view->Parts().words.currentEntry)]);
    }
    passes.push_back(order);
    d.harness.fake.clock.calendar += 7;
  }
  EXPECT_NE(passes[0], passes[1]);
  EXPECT_NE(passes[1], passes[2]);
  for (auto& order : passes) {
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, (std::vector<std::string>{"cinq", "deux", "huit", "quatre", "sept", "six",
                                               "trois", "un"}));
  }
}

TEST(Dictation, WithoutAListTheTeacherIsAskedToOpenOne) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.ClickIcon(app::IconModuleList);
  bool hiddenWhileChoosing = false;
  harness.fake.dialogs.whileFileDialog = [&] {
    hiddenWhileChoosing = !harness.fake.dialogHost.IsVisible(ports::DialogId::kWordLists);
  };
  harness.ClickIcon(app::IconNextWord);  // cancelled
  ASSERT_EQ(harness.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(harness.fake.dialogs.messages[0].text,
            "Ouvrez un fichier de liste de mots ou phrases avant l'utilisation de cette commande ");
  EXPECT_EQ(harness.fake.dialogs.messages[0].buttons, ports::MessageButtons::kOk);
  ASSERT_EQ(harness.fake.dialogs.openRequests.size(), 1u);
  EXPECT_EQ(harness.fake.dialogs.openRequests[0].filter,
            "Fichiers TXT  (*.txt)|*.txt|Tous les fichiers (*.*)|*.*||");
  EXPECT_EQ(harness.fake.dialogs.openRequests[0].initialFolder,
            harness.program.Path() / "Liste-de-mots");
  EXPECT_TRUE(hiddenWhileChoosing);
  EXPECT_TRUE(harness.fake.dialogHost.IsVisible(ports::DialogId::kWordLists));
  EXPECT_EQ(view.Parts().words.currentEntry, -1);
  // The child who clicked hears what the box says.
  EXPECT_EQ(harness.Spoken(), std::vector<std::string>{exercises::Dictation::kEmptyListMessage});

  // Chosen this time: the list starts with its first entry at once.
  const auto path = harness.data.Path() / "animaux.txt";
  testing_support::WriteBytes(path, "chat\nchien\n");
  harness.fake.dialogs.openAnswer = path;
  harness.ClickIcon(app::IconNextWord);
  EXPECT_EQ(view.Parts().words.currentEntry, 0);
  EXPECT_EQ(harness.Spoken().back(), "Ecris le mot : chat!");
}

TEST(Dictation, EntriesAreLaidOutOnOneLineOrWrappedAtWords) {
  struct Case {
    int cellsAcross, columns, lines;
    std::string entry;
    std::vector<std::string> expected;  // lines 0, 1, 2
    std::string message;                // empty: none
  };
  const std::string nineteen = "abcdefghijklmnopqrs";
  const std::string nineteenLaidOut = "." + nineteen;
  const std::string tooLong =
      "est trop long. \nAugmentez le nombre de caract\xE8res/ligne dans le panneau de "
      "configuration";
  const std::string tooFewLines =
      "Le nombre de lignes est insuffisant pour la phrase.\nAugmentez le nombre de lignes dans "
      "le panneau de configuration";
  const std::string none(20, '.');
  const std::string eighteenLaidOut = std::string(".").append(nineteen, 0, 18).append(".");
  const std::vector<Case> cases = {
      // w = 20 cells: 19 letters start at 10 - 9 = 1 and end on the last column.
      {20, 20, 6, nineteen, {none, nineteenLaidOut, none}, ""},
      {20, 20, 6, nineteen.substr(0, 18), {none, eighteenLaidOut, none}, ""},
      // A window wider than the grid: centred in the window the entry would overrun the grid,
      // it keeps to the grid's last column instead.
      {30, 20, 6, nineteen, {none, nineteenLaidOut, none}, ""},
      {30, 20, 6, "le chat", {none, "............le.chat.", none}, ""},
      // A phrase one cell shorter than the line, as the sample phrases have one.
      {24, 20, 6, "nous allons \xE0 l'eau", {none, ".nous.allons.\xE0.l'eau", none}, ""},
      // A short phrase is centred like a word (10 - 7 / 2); its spaces expect nothing.
      {20, 20, 6, "le chat", {none, ".......le.chat......", none}, ""},
      // 30 characters wrap before the word that would reach the last column.
      {20,
       20,
       6,
       "le chat boit du lait dans le b",
       {"le.chat.boit.du.....", "lait.dans.le.b......", none},
       ""},
      {20,
       20,
       6,
       "abcdefghijklmnopqrst",
       {none, none, none},
       "Le mot abcdefghijklmnopqrst " + tooLong},
      {20, 20, 1, "le chat boit du lait dans le b", {none}, tooFewLines},
      // On a grid of one line the entry stands on that line.
      {20, 20, 1, "chat", {"........chat........"}, ""},
  };
  for (const Case& c : cases) {
    Dictating d(c.entry + "\n");
    d.SetCellsAcross(c.cellsAcross);
    d.view->Parts().state.gridColumns = c.columns;
    d.view->Parts().state.gridLines = c.lines;
    d.Next();
    for (std::size_t l = 0; l < c.expected.size(); ++l) {
      EXPECT_EQ(d.Expected(static_cast<int>(l)), c.expected[l]) << c.entry << " line " << l;
    }
    EXPECT_EQ(d.Messages(),
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
        << c.entry;
    // A rejected entry is not said, and the next request goes on to the following entry.
    EXPECT_EQ(d.harness.Spoken().size(), c.message.empty() ? 1u : 0u) << c.entry;
    EXPECT_EQ(d.view->Parts().words.currentEntry, 0) << c.entry;
  }
}

TEST(Dictation, DollarSignsAreWrittenButNotSaidExceptByTheSolution) {
  Dictating d("ch$at\nle ch$at\n");
  d.Next();
  EXPECT_EQ(d.Expected(1), "..........ch$at.......");
  EXPECT_EQ(d.Spoken(), "Ecris le mot : chat!");
  d.harness.ClickIcon(app::IconSolution);
  EXPECT_EQ(d.Spoken(), "ch$at");
  d.view->Parts().dictation.Congratulation(0);
  EXPECT_EQ(d.Spoken(),
            "Bravo!!! tu as \xE9"
            "cris le mot ::: chat!");
  d.Next();
  EXPECT_EQ(d.Spoken(), "Ecris la phrase : le chat!");
  d.view->Parts().dictation.Congratulation(1);
  EXPECT_EQ(d.Spoken(),
            "Bravo!!! tu as \xE9"
            "cris la phrase ::: le chat!");
}

TEST(Dictation, TheSolutionLaysTheWholeEntryAsTiles) {
  Dictating d("chat\n");
  d.Next();
  d.harness.WriteKeyInto(kZ, 11, 1);
  // The tiles are there at once, the entry said after them: the click takes no longer than the
  // icon's press feedback and does not wait for the voice.
  const std::int64_t before = d.harness.fake.clock.now;
  const int waits = d.harness.fake.voice.waits;
  d.harness.ClickIcon(app::IconSolution);
  EXPECT_EQ(d.harness.fake.clock.now - before, 200);
  EXPECT_EQ(d.harness.fake.voice.waits, waits);
  EXPECT_EQ(d.Spoken(), "chat");
  ASSERT_EQ(d.Tiles(), 4);
  std::string letters;
  for (int i = d.view->Parts().state.keyCount; i < d.view->Parts().state.itemCount; ++i) {
    letters += d.view->Parts().cells[i].Letter();
    EXPECT_EQ(d.view->Parts().cells[i].gridRow, 1);
  }
  EXPECT_EQ(letters, "chat");
  EXPECT_FALSE(d.harness.fake.timers.IsRunning(base::kTimerNextWord));  // no automatic advance

  // With an automatic advance the next entry follows.
  d.view->Parts().listDialog.OnAutoAdvanceChanged(1);
  d.harness.ClickIcon(app::IconSolution);
  EXPECT_EQ(d.harness.fake.timers.running[base::kTimerNextWord], 3000);

  // Hidden by the teacher, the button does nothing where it stood.
  d.Next();
  const std::size_t said = d.harness.Spoken().size();
  d.view->Parts().listDialog.OnHideSolutionClicked(true);
  d.harness.ClickIcon(app::IconSolution);
  EXPECT_EQ(d.Tiles(), 0);
  EXPECT_EQ(d.harness.Spoken().size(), said);
  EXPECT_FALSE(d.harness.fake.timers.IsRunning(base::kTimerNextWord));
}

TEST(Dictation, HelpTakesAWrongTileOrShowsTheNextLetter) {
  Dictating d("chat\n");
  d.Next();
  // Only right tiles: the first empty answer cell gets its letter.
  d.harness.WriteKeyInto(kC, 10, 1);
  d.harness.ClickIcon(app::IconHelp);
  ASSERT_EQ(d.Tiles(), 2);
  EXPECT_EQ(d.view->Parts().cells[d.view->Parts().state.itemCount - 1].Letter(), 'h');
  EXPECT_EQ(d.view->Parts().cells[d.view->Parts().state.itemCount - 1].gridCol, 11);

  // A "t" where the "a" goes: taken away, and shown where the entry wants a "t".
  d.harness.WriteKeyInto(kT, 12, 1);
  d.harness.ClickIcon(app::IconHelp);
  std::string cells;
  for (int i = d.view->Parts().state.keyCount; i < d.view->Parts().state.itemCount; ++i) {
    const auto& r = d.view->Parts().cells[i];
    cells += r.Letter() + std::to_string(r.gridCol) + " ";
  }
  EXPECT_EQ(cells, "c10 h11 t13 ");

  // Hidden by the list dialog, the help button does nothing.
  d.view->Parts().listDialog.OnHideHelpClicked(true);
  d.harness.ClickIcon(app::IconHelp);
  EXPECT_EQ(d.Tiles(), 3);
}

TEST(Dictation, ASolvedEntryIsRewardedOnceAndTheNextOneFollows) {
  Dictating d("chat\nrat\n");
  d.view->Parts().listDialog.OnAutoAdvanceChanged(2);  // after 5 s
  d.Next();
  d.harness.Paint();
  const std::size_t saidBefore = d.harness.Spoken().size();
  d.harness.WriteKeyInto(kC, 10, 1);
  d.harness.WriteKeyInto(kH, 11, 1);
  d.harness.WriteKeyInto(kA, 12, 1);
  EXPECT_FALSE(d.harness.fake.timers.IsRunning(base::kTimerWordSuccess));
  d.harness.WriteKeyInto(kT, 13, 1);
  // The last letter is not named: the reward comes instead.
  EXPECT_EQ(d.harness.Spoken().size(), saidBefore + 3);
  EXPECT_EQ(d.harness.fake.timers.running[base::kTimerWordSuccess], 50);
  d.view->OnTimer(base::kTimerWordSuccess);
  EXPECT_FALSE(d.harness.fake.timers.IsRunning(base::kTimerWordSuccess));
  EXPECT_EQ(d.Spoken(),
            "Bravo!!! tu as \xE9"
            "cris le mot ::: chat!");
  EXPECT_EQ(d.harness.fake.timers.running[base::kTimerNextWord], 5000);

  // Taken out and put back: no second reward.
  const std::size_t saidAfter = d.harness.Spoken().size();
  const gfx::Rect cell = base::CellRect(d.view->Parts().state, 13, 1);
  const gfx::Point on{cell.left + 10, cell.top + 10};
  d.harness.Press(on);
  d.harness.MoveTo(on, {on.x, on.y + 200});
  d.harness.Release({on.x, on.y + 200});
  d.harness.WriteKeyInto(kT, 13, 1);
  d.view->OnTimer(base::kTimerWordSuccess);
  EXPECT_EQ(d.harness.Spoken().size(), saidAfter);

  d.view->OnTimer(base::kTimerNextWord);
  EXPECT_FALSE(d.harness.fake.timers.IsRunning(base::kTimerNextWord));
  EXPECT_EQ(d.Spoken(), "Ecris le mot : rat!");
  EXPECT_EQ(d.Tiles(), 0);
}

// "Mot ou phrase suivante" while an automatic advance is pending: the advance is called off, or
// it would replace the new entry a few seconds later.
TEST(Dictation, TheNextEntryAskedForCancelsThePendingAutomaticAdvance) {
  Dictating d("chat\nrat\nzoo\n");
  d.view->Parts().listDialog.OnAutoAdvanceChanged(1);  // after 3 s
  d.Next();
  d.harness.Paint();
  d.harness.ClickIcon(app::IconSolution);
  d.view->OnTimer(base::kTimerWordSuccess);
  ASSERT_TRUE(d.harness.fake.timers.IsRunning(base::kTimerNextWord));
  d.Next();
  EXPECT_EQ(d.Spoken(), "Ecris le mot : rat!");
  EXPECT_FALSE(d.harness.fake.timers.IsRunning(base::kTimerNextWord));
  EXPECT_EQ(d.view->Parts().words.currentEntry, 1);
}

// A dictation rewarded, then the French text: its rewards are its own, the list's guard leaves
// them alone.
TEST(Dictation, TheFrenchTextIsStillRewardedAfterADictation) {
  Dictating d("chat\n");
  d.Next();
  d.harness.Paint();
  d.harness.ClickIcon(app::IconSolution);
  d.view->OnTimer(base::kTimerWordSuccess);
  d.harness.ClickIcon(app::IconModuleFrench);
  for (int reward = 0; reward < 2; ++reward) {
    const auto played = d.harness.fake.sound.played.size();
    d.harness.fake.timers.Start(base::kTimerFixedSuccess, 1500);
    d.view->OnTimer(base::kTimerFixedSuccess);
    EXPECT_EQ(d.harness.fake.sound.played.size(), played + 1) << reward;
  }
}

// Entries typed in a word processor: "œ" has its key on the signs page, "’" is the keyboard's
// apostrophe.
TEST(Dictation, EntriesWithOeAndTheTypographicApostropheCanBeWritten) {
  constexpr int kE = 2, kR = 3, kU = 6, kS = 12, kL = 19, kPage = 33, kApostrophe = 40, kOe = 5;
  Dictating d(
      "s\xC5\x93ur\nl\xE2\x80\x99"
      "eau\n");
  const gfx::Point page = OnKey(*d.view, kPage);
  d.Next();
  EXPECT_EQ(d.Expected(1), "..........s\x9Cur........");
  d.harness.WriteKeyInto(kS, 10, 1);
  d.harness.Click(page);
  EXPECT_EQ(KeyLetter(*d.view, kOe), '\x9C');
  d.harness.WriteKeyInto(kOe, 11, 1);
  d.harness.Click(page);
  d.harness.WriteKeyInto(kU, 12, 1);
  d.harness.WriteKeyInto(kR, 13, 1);
  EXPECT_EQ(d.harness.fake.timers.running[base::kTimerWordSuccess], 50);

  d.Next();
  EXPECT_EQ(d.Expected(1), "..........l'eau.......");
  const int keys[] = {kL, kApostrophe, kE, kA, kU};
  for (int i = 0; i < 5; ++i) d.harness.WriteKeyInto(keys[i], 10 + i, 1);
  EXPECT_EQ(d.harness.fake.timers.running[base::kTimerWordSuccess], 50);
}

TEST(Dictation, AListOfOneWordIsRewardedAtEveryPass) {
  Dictating d("chat\n");
  for (int pass = 0; pass < 2; ++pass) {
    d.Next();
    d.harness.Paint();
    d.harness.ClickIcon(app::IconSolution);
    d.view->OnTimer(base::kTimerWordSuccess);
    EXPECT_EQ(d.Spoken(),
              "Bravo!!! tu as \xE9"
              "cris le mot ::: chat!")
        << pass;
  }
}

TEST(Dictation, TheNextEntryComingWhileATileIsHeldLetsItGo) {
  Dictating d("chat\nrat\n");
  d.Next();
  const gfx::Point from = OnKey(*d.view, kC);
  d.harness.Press(from);
  d.harness.MoveTo(from, {from.x, from.y - 100});
  ASSERT_EQ(d.Tiles(), 1);
  d.view->OnTimer(base::kTimerNextWord);
  EXPECT_EQ(HeldTile(*d.view), std::nullopt);
  d.harness.MoveTo({from.x, from.y - 100}, {from.x, from.y - 200});
  d.harness.Release({from.x, from.y - 200});
  EXPECT_EQ(d.Tiles(), 0);
  EXPECT_EQ(d.Spoken(), "Ecris le mot : rat!");
}

TEST(Dictation, TheAutomaticAdvanceOnlyActsInTheListModule) {
  Dictating d("chat\nrat\n");
  d.Next();
  d.harness.ClickIcon(app::IconModuleFrench);
  d.harness.fake.timers.Start(base::kTimerNextWord, 3000);
  d.view->OnTimer(base::kTimerNextWord);
  EXPECT_FALSE(d.harness.fake.timers.IsRunning(base::kTimerNextWord));
  EXPECT_EQ(d.view->Parts().words.currentEntry, 0);
}

TEST(Dictation, TheInstructionIsRepeatedOnlyOnceThereIsAnEntryAndSoundIsOn) {
  Dictating d("chat\n");
  d.harness.ClickIcon(app::IconRepeatWord);
  EXPECT_TRUE(d.harness.Spoken().empty());
  d.Next();
  d.harness.ClickIcon(app::IconRepeatWord);
  // The repeat silences the first one, which may not even have reached the voice.
  const std::size_t said = d.harness.Spoken().size();
  EXPECT_GE(said, 1u);
  EXPECT_EQ(d.Spoken(), "Ecris le mot : chat!");

  // Silent, the dictation still works.
  d.harness.ClickIcon(app::IconSound);
  d.Next();
  d.harness.ClickIcon(app::IconRepeatWord);
  d.harness.ClickIcon(app::IconSolution);
  EXPECT_EQ(d.harness.Spoken().size(), said);
  EXPECT_EQ(d.Tiles(), 4);
}

}  // namespace

namespace {

// In the dictation a tile let go away from every answer cell is taken away rather than carried
// across the grid: it lands only within 0.7 of a cell's diagonal of the nearest answer cell.
TEST(Dictation, ATileLandsOnlyNearAnAnswerCell) {
  struct Case {
    double across, down;  // from the first answer cell, in cell diagonals
    bool lands;
  };
  for (const Case c : {Case{0, 0.6, true}, Case{0, 0.8, false}, Case{-0.65, 0, true},
                       Case{-0.75, 0, false}, Case{0.3, -0.6, true}, Case{0.3, -0.7, false}}) {
    SCOPED_TRACE(std::to_string(c.across) + ", " + std::to_string(c.down));
    Dictating d("chat\n");
    d.Next();
    const base::AppState& s = d.view->Parts().state;
    const double diagonal = std::hypot(s.cellWidth, s.cellHeight);
    const gfx::Rect first = base::CellRect(s, 10, 1);
    const gfx::Point corner{first.left + static_cast<int>(std::lround(c.across * diagonal)),
                            first.top + static_cast<int>(std::lround(c.down * diagonal))};
    ASSERT_TRUE(s.gridLines > 2 && s.gridColumns > 14) << "the tile must fall inside the grid";
    const base::CellRecord& key = d.view->Parts().cells[kC];
    const gfx::Point grab{key.width / 2, key.height / 2};
    const gfx::Point from{key.posX + grab.x, key.posY + grab.y};
    const gfx::Point to{corner.x + grab.x, corner.y + grab.y};
    d.harness.Press(from);
    d.harness.MoveTo(from, to);
    d.harness.Release(to);
    if (c.lands) {
      ASSERT_EQ(d.Tiles(), 1);
      const base::CellRecord& tile = d.view->Parts().cells[s.keyCount];
      EXPECT_EQ(tile.gridCol, 10);
      EXPECT_EQ(tile.gridRow, 1);
      EXPECT_EQ(tile.posX, first.left);
    } else {
      EXPECT_EQ(d.Tiles(), 0);
    }
  }
}

}  // namespace
