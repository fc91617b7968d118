// The text exercise editor as a teacher uses it: the text typed and marked up, the exercise
// fixed, files opened and saved; and the child completing the fixed exercise.
#include <gtest/gtest.h>

#include <algorithm>

#include "grid/grid_text.h"
#include "support/view_harness.h"

namespace {

using app::ModuleId;
using ports::DialogId;
using testing_support::GridLine;
using testing_support::ReadBytes;
using testing_support::ViewHarness;
using testing_support::WriteBytes;

int KeyFor(char c) {
  const auto match = grid::FindKeyFor(c, false);
  EXPECT_TRUE(match.has_value()) << c;
  return match ? match->key : 0;
}

int Started(ViewHarness& harness, int timer) {
  const auto& started = harness.fake.timers.started;
  return static_cast<int>(std::count(started.begin(), started.end(), timer));
}

TEST(Editor, WhatTheTeacherTypesAndMarksUpIsLaidDownInTheGrid) {
  ViewHarness harness;
  auto& view = harness.Create();
  exercises::CCEdit& editor = view.Parts().editorDialog;
  editor.OnTextChanged("\"Ecris\"\r\nle chat dort", 12, 16);
  EXPECT_EQ(GridLine(view, 0), "le chat dort");
  EXPECT_EQ(view.Parts().grid.instructionText, "Ecris");
  EXPECT_EQ(view.Parts().grid.visibility[0][3], 1);

  // "chat" selected and hidden: its four cells hide their letters.
  editor.OnHideClicked();
  EXPECT_EQ(editor.text, "\"Ecris\"\r\nle [chat] dort");
  EXPECT_EQ(GridLine(view, 0), "le chat dort");
  for (int c = 3; c < 7; ++c) EXPECT_EQ(view.Parts().grid.visibility[0][c], 0) << c;
  EXPECT_EQ(view.Parts().grid.visibility[0][8], 1);

  // Linked without a selection: every word makes a group of its own.
  editor.OnSelectionChanged(0, 0);
  editor.OnLinkAllClicked();
  EXPECT_EQ(editor.text, "(\"Ecris\")\r\n(le) ([chat]) (dort)");
  editor.OnUnlinkClicked();
  editor.OnMakeVisibleClicked();
  EXPECT_EQ(editor.text, "\"Ecris\"\r\nle chat dort");
  EXPECT_EQ(view.Parts().grid.visibility[0][3], 1);
  EXPECT_EQ(view.Parts().grid.links[0][3], 0);

  // "Effacer tout" empties the text and the grid, and the screen shows it.
  editor.OnFixClicked(true);
  const int repaints = harness.fake.window.invalidateAllCount;
  editor.OnClearAllClicked();
  EXPECT_EQ(editor.text, "");
  EXPECT_FALSE(editor.fixed);
  EXPECT_EQ(view.Parts().state.itemCount, view.Parts().state.keyCount);
  EXPECT_EQ(GridLine(view, 0), "");
  EXPECT_EQ(view.Parts().grid.fixedText[0][0], ' ');
  EXPECT_GT(harness.fake.window.invalidateAllCount, repaints);
}

TEST(Editor, AFixedExerciseFollowsItsTextAndIsNotFixedInTheDictation) {
  ViewHarness harness;
  auto& view = harness.Create();
  exercises::CCEdit& editor = view.Parts().editorDialog;
  editor.OnTextChanged("un [ta]", 0, 0);
  editor.OnFixClicked(true);
  EXPECT_TRUE(editor.wordWrap);
  EXPECT_EQ(view.Parts().grid.fixedText[0][3], 't');
  EXPECT_EQ(view.Parts().grid.hidden[0][3], 1);
  EXPECT_EQ(view.Parts().grid.hidden[0][0], 0);
  // Typing on while it is fixed makes the fixed exercise again.
  editor.OnTextChanged("un [ta] [ti]", 0, 0);
  EXPECT_EQ(view.Parts().grid.fixedText[0][7], 'i');
  EXPECT_EQ(view.Parts().grid.hidden[0][7], 1);
  editor.OnFixClicked(false);
  EXPECT_EQ(view.Parts().grid.fixedText[0][3], ' ');

  harness.ClickIcon(app::IconModuleList);
  ASSERT_EQ(view.ActiveModule(), ModuleId::kListe);
  editor.OnFixClicked(true);
  EXPECT_EQ(view.Parts().grid.fixedText[0][0], ' ');
}

TEST(Editor, ASavedFileReopensWithItsTextItsFixedStateAndItsModule) {
  ViewHarness harness;
  auto& view = harness.Create();
  exercises::CCEdit& editor = view.Parts().editorDialog;
  const std::string french = "\"Ecris\"\r\nle [chat] dort";
  editor.OnTextChanged(french, 0, 0);
  editor.OnFixClicked(true);
  const auto frenchFile = harness.data / "chat.txt";
  harness.fake.dialogs.saveAnswer = frenchFile;
  ASSERT_TRUE(editor.OnSaveClicked());
  EXPECT_EQ(ReadBytes(frenchFile), "$1\r\n$X10\r\n$Y5\r\n#1\r\n\"Ecris\"\r\nle [chat] dort");

  harness.ClickIcon(app::IconModuleMath);
  ASSERT_EQ(view.ActiveModule(), ModuleId::kMathematique);
  const std::string sums = "1+2=3\r\n[4]";
  editor.OnTextChanged(sums, 0, 0);
  const auto mathFile = harness.data / "calcul.txt";
  harness.fake.dialogs.saveAnswer = mathFile;
  ASSERT_TRUE(editor.OnSaveClicked());
  EXPECT_EQ(ReadBytes(mathFile).substr(0, 4), "$2\r\n");

  // The French file, opened from the arithmetic module, takes the program back to French.
  harness.fake.dialogs.openAnswer = frenchFile;
  harness.fake.dialogHost.raised.clear();
  ASSERT_TRUE(editor.OnOpenClicked());
  EXPECT_EQ(view.ActiveModule(), ModuleId::kFrancais);
  EXPECT_EQ(editor.text, french);
  EXPECT_EQ(editor.loadedCopy, french);
  EXPECT_TRUE(editor.fixed);
  EXPECT_EQ(GridLine(view, 0), "le chat dort");
  EXPECT_EQ(view.Parts().grid.hidden[0][3], 1);
  EXPECT_EQ(view.Parts().grid.fixedText[0][8], 'd');
  ASSERT_FALSE(harness.fake.dialogHost.raised.empty());
  EXPECT_EQ(harness.fake.dialogHost.raised.back(), DialogId::kEditor);

  harness.fake.dialogs.openAnswer = mathFile;
  ASSERT_TRUE(editor.OnOpenClicked());
  EXPECT_EQ(view.ActiveModule(), ModuleId::kMathematique);
  EXPECT_EQ(editor.text, sums);
  EXPECT_FALSE(editor.fixed);
  EXPECT_EQ(GridLine(view, 0), "1+2=3");
  EXPECT_EQ(view.Parts().grid.visibility[1][0], 0);
}

TEST(Editor, APlainFileOpensWholeAndFailuresChangeNothingSilently) {
  ViewHarness harness;
  auto& view = harness.Create();
  exercises::CCEdit& editor = view.Parts().editorDialog;
  const auto plain = harness.data / "texte.txt";
  WriteBytes(plain, "le chat\r\n$ et # dort\n");
  harness.fake.dialogs.openAnswer = plain;
  ASSERT_TRUE(editor.OnOpenClicked());
  EXPECT_EQ(editor.text, "le chat\r\n$ et # dort\r\n");
  EXPECT_EQ(view.ActiveModule(), ModuleId::kFrancais);
  EXPECT_FALSE(editor.fixed);
  EXPECT_EQ(GridLine(view, 1), "$ et # dort");

  // Cancelled, missing or unwritable: the text stays, nothing is said, the editor comes forward.
  harness.fake.dialogHost.raised.clear();
  harness.fake.dialogs.openAnswer.reset();
  EXPECT_FALSE(editor.OnOpenClicked());
  harness.fake.dialogs.openAnswer = harness.data / "absent.txt";
  EXPECT_FALSE(editor.OnOpenClicked());
  const auto& raised = harness.fake.dialogHost.raised;
  EXPECT_EQ(std::count(raised.begin(), raised.end(), DialogId::kEditor), 2);
  harness.fake.dialogs.saveAnswer = harness.data / "pas-de-dossier" / "texte.txt";
  EXPECT_FALSE(editor.OnSaveClicked());
  EXPECT_EQ(editor.text, "le chat\r\n$ et # dort\r\n");
  EXPECT_TRUE(harness.fake.dialogs.messages.empty());
}

TEST(Editor, AccentsTypedByTheTeacherReachTheGridAndTheFileAsThemselves) {
  ViewHarness harness;
  auto& view = harness.Create();
  exercises::CCEdit& editor = view.Parts().editorDialog;
  const std::string accents =
      "\xE9t\xE9 \xE8re \xE0 \xE7"
      "a \x9C"
      "uf \xC9"
      "cole";
  editor.OnTextChanged(accents, 0, 0);
  EXPECT_EQ(GridLine(view, 0), accents);
  // The letters a key shows became tiles carrying them.
  std::string tiles;
  for (int i = view.Parts().state.keyCount; i < view.Parts().state.itemCount; ++i) {
    tiles += view.Parts().cells[i].Letter();
  }
  for (char c : {'\xE9', '\xE8', '\xE0', '\xE7'}) {
    EXPECT_NE(tiles.find(c), std::string::npos) << static_cast<int>(static_cast<unsigned char>(c));
  }
  harness.fake.dialogs.saveAnswer = harness.data / "accents.txt";
  ASSERT_TRUE(editor.OnSaveClicked());
  const std::string saved = ReadBytes(harness.data / "accents.txt");
  EXPECT_EQ(saved.substr(saved.size() - accents.size()), accents);
}

TEST(Editor, AFixedExerciseCompletedByDropsIsCelebratedOnce) {
  ViewHarness harness;
  auto& view = harness.Create();
  exercises::CCEdit& editor = view.Parts().editorDialog;
  editor.OnTextChanged("un [ta] [et]", 0, 0);
  editor.OnFixClicked(true);

  // A letter dropped on a letter the exercise shows is refused.
  const int tiles = view.Parts().state.itemCount;
  harness.WriteKeyInto(KeyFor('a'), 0, 0);
  EXPECT_EQ(view.Parts().state.itemCount, tiles);
  EXPECT_EQ(GridLine(view, 0), "un ta et");
  // Nor is a letter kept where the exercise has none.
  harness.WriteKeyInto(KeyFor('a'), 2, 0);
  EXPECT_EQ(view.Parts().state.itemCount, tiles);

  harness.WriteKeyInto(KeyFor('t'), 3, 0);
  harness.WriteKeyInto(KeyFor('a'), 4, 0);
  // The first hidden word is found: it blinks; the text is not finished.
  EXPECT_EQ(Started(harness, base::kTimerBlink), 1);
  EXPECT_EQ(Started(harness, base::kTimerFixedSuccess), 0);
  harness.WriteKeyInto(KeyFor('e'), 6, 0);
  harness.WriteKeyInto(KeyFor('t'), 7, 0);
  EXPECT_EQ(Started(harness, base::kTimerFixedSuccess), 1);
  EXPECT_EQ(harness.fake.timers.running[base::kTimerFixedSuccess], 1500);
  // The editor keeps the exercise: the grid does not write into it while it is fixed.
  EXPECT_EQ(editor.text, "un [ta] [et]");

  // The same letter laid again on the finished text does not celebrate it again.
  harness.WriteKeyInto(KeyFor('t'), 7, 0);
  EXPECT_EQ(Started(harness, base::kTimerFixedSuccess), 1);
  view.OnTimer(base::kTimerFixedSuccess);
  EXPECT_FALSE(harness.fake.timers.IsRunning(base::kTimerFixedSuccess));
}

TEST(Editor, TextTypedWhileTheGridIsClearingIsKeptAndLaidDownAfterwards) {
  ViewHarness harness;
  auto& view = harness.Create();
  exercises::CCEdit& editor = view.Parts().editorDialog;
  editor.OnTextChanged("le chat", 0, 0);
  harness.ClickIcon(app::IconClear);
  ASSERT_EQ(view.Parts().grid.clearing, 1);
  EXPECT_EQ(editor.text, "");
  editor.OnTextChanged("un loup", 7, 7);
  EXPECT_EQ(GridLine(view, 0), "");  // not while the tiles go home
  harness.Tick(80);
  ASSERT_EQ(view.Parts().grid.clearing, 0);
  EXPECT_EQ(editor.text, "un loup");
  EXPECT_EQ(GridLine(view, 0), "un loup");
}

TEST(Editor, ALetterFlyingToTheCursorCanFinishTheFixedExerciseToo) {
  ViewHarness harness;
  auto& view = harness.Create();
  exercises::CCEdit& editor = view.Parts().editorDialog;
  editor.OnTextChanged("u[n]", 0, 0);
  editor.OnFixClicked(true);
  view.Parts().settingsDialog.OnAutoPlaceClicked(true);
  view.Parts().grid.cursorCol = 1;
  view.Parts().grid.cursorRow = 0;
  harness.ClickKey(KeyFor('n'));
  harness.Tick(60);
  EXPECT_EQ(Started(harness, base::kTimerFixedSuccess), 1);
}

}  // namespace

namespace {

// An installed program: its samples copied into the user's folder, the dialogs open the copies;
// without copies (a build folder, or a copy that failed) they open the program's samples.
TEST(Editor, TheFileDialogsOpenTheUsersCopiesOfTheSamplesOnceThereAreSome) {
  for (const bool copied : {false, true}) {
    ViewHarness harness;
    for (const char* samples : {"Liste-de-mots", "Exercices"}) {
      std::filesystem::create_directories(harness.program / samples);
      if (copied) std::filesystem::create_directories(harness.data / samples);
    }
    const auto expected = copied ? harness.data.Path() : harness.program.Path();
    auto& view = harness.Create();
    view.Parts().editorDialog.OnOpenClicked();
    harness.ClickIcon(app::IconModuleList);
    harness.ClickIcon(app::IconNextWord);  // no list yet: the teacher is asked for one
    const auto& opened = harness.fake.dialogs.openRequests;
    ASSERT_EQ(opened.size(), 2u);
    // The exercises themselves, not the folder of the program's own files and its trace.
    EXPECT_EQ(opened[0].initialFolder, expected / "Exercices") << copied;
    EXPECT_EQ(opened[1].initialFolder, expected / "Liste-de-mots") << copied;
    view.Parts().editorDialog.OnSaveClicked();
    ASSERT_EQ(harness.fake.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(harness.fake.dialogs.saveRequests[0].initialFolder, expected / "Exercices");
  }
}

}  // namespace
