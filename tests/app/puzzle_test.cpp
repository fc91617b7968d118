// The puzzle as the child and the teacher use it, through the view's window messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "base/files.h"
#include "base/mouse_keys.h"
#include "effects/fireworks_names.h"
#include "notebook/journal_reader.h"
#include "notebook/journal_writer.h"
#include "puzzle/puzzle_file.h"
#include "support/view_harness.h"

namespace {

using base::icons::IconId;
using testing_support::HeldTile;
using testing_support::ViewHarness;

// Every pixel tells where it lies in the picture.
gfx::Image Picture(int width, int height) {
  gfx::Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.SetPixel(x, y, gfx::Rgb(x % 256, y % 256, x / 256 * 60));
  }
  return image;
}

struct PuzzleFixture : ::testing::Test {
  PuzzleFixture() {
    h.fake.pictures.files[h.program.Path() / "Puzzles" / "marsupilami.jpg"] = Picture(800, 600);
    for (int i = 0; i < effects::kFireworksFrameCount; ++i) {
      h.fake.pictures.files[h.program.Path() / "resb" / effects::FireworksFrameFile(i)] =
          Picture(300, 200);
    }
    h.Create();
    h.Paint();
  }

  app::CScribixView& view() { return h.View(); }
  base::CellRecord& piece(int i) { return view().Parts().cells[i]; }
  std::filesystem::path statePath() { return h.data.Path() / "defautpuz"; }
  int soundsNamed(const std::string& name) {
    int n = 0;
    for (const auto& p : h.fake.sound.played) n += p.filename() == name ? 1 : 0;
    return n;
  }
  void EnterPuzzle() {
    h.ClickIcon(IconId::IconModulePuzzle);
    h.Paint();
  }
  gfx::Point Inside(int i) { return {piece(i).posX + 10, piece(i).posY + 10}; }
  // Drags piece i so that its top-left lands at `to`.
  void DragPieceTo(int i, gfx::Point to) {
    const gfx::Point from = Inside(i);
    h.Press(from);
    h.MoveTo(from, {to.x + 10, to.y + 10}, 4);
    h.Release({to.x + 10, to.y + 10});
  }
  void Scatter() {
    h.ClickIcon(IconId::IconScatter);
    // Throw every piece clearly away from home, whatever the generator did.
    for (int i = 0; i < view().Parts().state.keyCount; ++i) {
      piece(i).posX = 700 + (i % 4) * 10;
      piece(i).posY = 520 + (i / 4) * 10;
    }
  }

  ViewHarness h;
};

TEST_F(PuzzleFixture, EnteringCutsTheDefaultPictureAndPlaysTheMusic) {
  EnterPuzzle();
  EXPECT_EQ(view().ActiveModule(), app::ModuleId::kPuzzle);
  const base::AppState& s = view().Parts().state;
  EXPECT_EQ(s.keyCount, 24);
  EXPECT_EQ(s.itemCount, 24);
  EXPECT_EQ(s.keysPerRow, 6);
  EXPECT_EQ(s.keyRows, 4);
  EXPECT_EQ(s.cellWidth, 88);
  EXPECT_EQ(s.cellHeight, 100);
  EXPECT_EQ(view().Parts().puzzle.PuzzleBitmap().Width(), 533);
  EXPECT_EQ(view().Parts().puzzle.ModelSize(), (gfx::Size{213, 160}));
  EXPECT_EQ(soundsNamed("musiquepuzzle.wav"), 1);
  // The assembled picture lies at (150, 90): a piece shows its part of the picture.
  const gfx::Image& screen = h.Paint();
  EXPECT_EQ(screen.Pixel(150 + 88 + 20, 90 + 100 + 30),
            view().Parts().puzzle.PuzzleBitmap().Pixel(88 + 20, 100 + 30));
  // The pieces' raised edge.
  EXPECT_EQ(screen.Pixel(150 + 88 + 20, 90 + 100), gfx::kEdgeLight);
}

TEST_F(PuzzleFixture, ADroppedPieceSnapsWithinToleranceAndTheCounterShowsIt) {
  EnterPuzzle();
  Scatter();
  EXPECT_EQ(soundsNamed("cassepuzzle.wav"), 1);
  const base::CellRecord home = piece(7);
  DragPieceTo(7, {home.homeX + 20, home.homeY + 15});  // 25 px from home, tolerance 39.8
  EXPECT_EQ(piece(7).posX, home.homeX);
  EXPECT_EQ(piece(7).posY, home.homeY);
  EXPECT_EQ(piece(7).placed, 1);
  EXPECT_EQ(view().Parts().puzzle.placedCount, 1);

  DragPieceTo(8, {piece(8).homeX + 40, piece(8).homeY});  // 40 px: too far
  EXPECT_EQ(piece(8).placed, 0);
  EXPECT_EQ(piece(8).posX, piece(8).homeX + 40);
  EXPECT_EQ(view().Parts().puzzle.placedCount, 1);

  h.fake.textPainter.texts.clear();
  h.Paint();
  ASSERT_FALSE(h.fake.textPainter.texts.empty());
  EXPECT_EQ(h.fake.textPainter.texts.back(),
            " 1 pi\xE8"
            "ces plac\xE9"
            "es dont 0 avec aide ");

  // A piece counts once: taken from its home and let go there, it is counted already; taken
  // away, it is no longer placed.
  h.Click(Inside(7));
  EXPECT_EQ(view().Parts().puzzle.placedCount, 1);
  DragPieceTo(7, {600, 450});
  EXPECT_EQ(view().Parts().puzzle.placedCount, 0);
}

TEST_F(PuzzleFixture, ChangedKeysStopTheDragUntilTheyAreHeldAgain) {
  EnterPuzzle();
  Scatter();
  const gfx::Point from = Inside(3);
  h.Press(from);
  view().OnMouseMove(base::mouse::kLeftButton | base::mouse::kShift,
                     {from.x + 50, from.y});  // Shift pressed meanwhile
  EXPECT_EQ(piece(3).posX + 10, from.x);
  view().OnMouseMove(base::mouse::kLeftButton, {from.x + 50, from.y});
  EXPECT_EQ(piece(3).posX + 10, from.x + 50);
  h.Release({from.x + 50, from.y});
}

TEST_F(PuzzleFixture, OnlyTheLastPieceDroppedByHandBringsApplauseAndFireworks) {
  EnterPuzzle();
  Scatter();
  const int count = view().Parts().state.keyCount;
  // All but the last by double click: the program brings them home.
  for (int i = 0; i < count - 1; ++i) view().OnLButtonDblClk(base::mouse::kLeftButton, Inside(i));
  h.Tick(60);
  EXPECT_EQ(view().Parts().puzzle.helpedCount, count - 1);
  EXPECT_EQ(soundsNamed("applaud.wav"), 0);

  const std::size_t shownBefore = h.fake.window.shownNow.size();
  DragPieceTo(count - 1, {piece(count - 1).homeX + 3, piece(count - 1).homeY - 2});
  EXPECT_EQ(soundsNamed("applaud.wav"), 1);
  // Twice through the eleven frames, 300 ms each.
  int fireworkSleeps = 0;
  for (int ms : h.fake.clock.sleeps) fireworkSleeps += ms == 300 ? 1 : 0;
  EXPECT_EQ(fireworkSleeps, 22);
  EXPECT_EQ(h.fake.window.shownNow.size() - shownBefore, 22u);
}

TEST_F(PuzzleFixture, TheSolutionBringsEveryPieceHomeWithoutReward) {
  EnterPuzzle();
  Scatter();
  DragPieceTo(0, {piece(0).homeX, piece(0).homeY});
  h.ClickIcon(IconId::IconPuzzleSolution);
  EXPECT_EQ(view().Parts().puzzle.helpedCount, 23);
  EXPECT_EQ(view().Parts().puzzle.placedCount, 24);
  // 24 pieces move 30 pixels a step.
  const int before = piece(5).posY;
  h.Tick();
  EXPECT_NEAR(before - piece(5).posY, 30, 30);
  h.Tick(40);
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(piece(i).posX, piece(i).homeX) << i;
    EXPECT_EQ(piece(i).settled, 1) << i;
  }
  EXPECT_EQ(view().Parts().grid.clearing, 0);
  EXPECT_EQ(soundsNamed("applaud.wav"), 0);
  EXPECT_EQ(soundsNamed("trash.wav"), 0);

  // Hidden, the solution icon does nothing.
  Scatter();
  view().Parts().puzzleDialog.OnHideSolutionClicked(true);
  h.ClickIcon(IconId::IconPuzzleSolution);
  h.Tick(40);
  EXPECT_EQ(piece(5).placed, 0);
}

TEST_F(PuzzleFixture, DoubleClickingAnEmptyHomePlaceBringsItsPiece) {
  EnterPuzzle();
  Scatter();
  const base::CellRecord& p = piece(9);  // row 1, column 3
  view().OnLButtonDblClk(base::mouse::kLeftButton, {p.homeX + 40, p.homeY + 50});
  EXPECT_EQ(piece(9).settled, 0);
  EXPECT_EQ(view().Parts().puzzle.helpedCount, 1);
  h.Tick(80);
  EXPECT_EQ(piece(9).posX, piece(9).homeX);
  // Switched off in the settings, the double click places nothing.
  view().Parts().puzzleDialog.OnNoAutoPlaceClicked(true);
  view().OnLButtonDblClk(base::mouse::kLeftButton, {piece(10).homeX + 40, piece(10).homeY + 50});
  EXPECT_EQ(piece(10).settled, 1);
}

TEST_F(PuzzleFixture, ThePuzzleIsFoundAgainAsItWasLeft) {
  EnterPuzzle();
  Scatter();
  DragPieceTo(2, {piece(2).homeX, piece(2).homeY});
  DragPieceTo(4, {300, 400});
  h.ClickIcon(IconId::IconModuleFrench);
  EXPECT_NE(view().ActiveModule(), app::ModuleId::kPuzzle);
  EXPECT_EQ(view().Parts().state.keyCount, 41);
  EXPECT_EQ(view().Parts().state.cellWidth, 40);
  EXPECT_EQ(std::filesystem::file_size(statePath()), 3660u);
  h.Paint();

  EnterPuzzle();
  EXPECT_EQ(view().Parts().state.keyCount, 24);
  EXPECT_EQ(piece(2).placed, 1);
  EXPECT_EQ(piece(4).posX, 300);
  EXPECT_EQ(piece(4).posY, 400);
  EXPECT_EQ(piece(5).placed, 0);
  EXPECT_EQ(view().Parts().puzzle.placedCount, 1);
  EXPECT_FALSE(view().Parts().puzzle.PuzzleBitmap().IsNull());
}

TEST_F(PuzzleFixture, AnUnusableStateFileCutsThePictureAfresh) {
  // No file, a file of no piece, a file cut short: each time the picture is cut anew.
  EnterPuzzle();
  h.ClickIcon(IconId::IconModuleFrench);
  std::string bytes = *base::ReadWholeFile(statePath(), puzzle::kMaxFileSize);
  std::string none = bytes.substr(0, puzzle::kHeaderSize);
  none[1064] = none[1065] = none[1066] = none[1067] = 0;
  ASSERT_TRUE(base::WriteFileAtomically(statePath(), none));
  EnterPuzzle();
  EXPECT_EQ(view().Parts().state.keyCount, 24);
  h.ClickIcon(IconId::IconModuleFrench);
  ASSERT_TRUE(base::WriteFileAtomically(statePath(), bytes.substr(0, 2000)));
  EnterPuzzle();
  EXPECT_EQ(view().Parts().state.keyCount, 24);
  EXPECT_EQ(piece(23).posX, piece(23).homeX);
}

TEST_F(PuzzleFixture, ThePieceCountBoxCutsAgainAsTheTeacherTypes) {
  EnterPuzzle();
  puzzle::CConfigPuzzle& box = view().Parts().puzzleDialog;
  const auto loads = [&] { return h.fake.pictures.loads.size(); };

  std::size_t before = loads();
  box.OnPiecesTextChanged("1500");
  EXPECT_EQ(box.piecesText, "1000");
  EXPECT_EQ(view().Parts().puzzle.requestedPieces, 1000);
  EXPECT_EQ(loads() - before, 0u);  // cut from the picture decoded on entry
  EXPECT_NEAR(view().Parts().state.keyCount, 1000, 40);

  box.OnPiecesTextChanged("12");
  EXPECT_EQ(view().Parts().state.keyCount, 12);
  before = loads();
  box.OnPiecesTextChanged("12a");
  EXPECT_EQ(box.piecesText, "12");
  EXPECT_EQ(loads() - before, 0u);

  before = loads();
  box.OnPiecesTextChanged("");
  box.OnPiecesTextChanged("1");
  EXPECT_EQ(loads(), before);
  EXPECT_EQ(view().Parts().puzzle.requestedPieces, 12);
}

TEST_F(PuzzleFixture, APictureIsDecodedOnceForEveryCutZoomAndReturnButAnotherIsRead) {
  EnterPuzzle();
  puzzle::CConfigPuzzle& box = view().Parts().puzzleDialog;
  const auto loads = [&] { return h.fake.pictures.loads.size(); };
  const std::size_t first = loads();
  box.OnPiecesTextChanged("300");
  box.OnPuzzleZoomSelected(15);
  box.OnModelZoomSelected(9);
  EXPECT_EQ(view().Parts().puzzle.PuzzleBitmap().Width(), 1066);
  h.ClickIcon(IconId::IconModuleFrench);
  h.Paint();
  EnterPuzzle();
  EXPECT_EQ(view().Parts().puzzle.PuzzleBitmap().Width(), 1066);
  EXPECT_EQ(loads(), first);

  // Another picture is read, then serves its own cuts; the first is not shown for it.
  const auto other = h.program.Path() / "Puzzles" / "carre.jpg";
  h.fake.pictures.files[other] = Picture(400, 400);
  h.fake.dialogs.openAnswer = other;
  h.ClickIcon(IconId::IconLoadPuzzle);
  box.OnPiecesTextChanged("36");
  EXPECT_EQ(loads(), first + 1);
  EXPECT_EQ(view().Parts().puzzle.PuzzleBitmap().Width(),
            view().Parts().puzzle.PuzzleBitmap().Height());

  // A picture that cannot be read leaves no picture, and is tried again at each cut.
  view().Parts().state.picturePath = h.program.Path() / "Puzzles" / "disparue.jpg";
  box.OnPiecesTextChanged("49");
  box.OnPiecesTextChanged("64");
  EXPECT_TRUE(view().Parts().puzzle.PuzzleBitmap().IsNull());
  EXPECT_EQ(loads(), first + 3);
}

TEST_F(PuzzleFixture, TheZoomsCutTheRightPicture) {
  EnterPuzzle();
  Scatter();
  puzzle::CConfigPuzzle& box = view().Parts().puzzleDialog;
  box.OnModelZoomSelected(9);  // 1.0: only the model
  EXPECT_EQ(view().Parts().puzzle.ModelSize(), (gfx::Size{533, 400}));
  EXPECT_EQ(piece(0).placed, 0);

  box.OnPuzzleZoomSelected(15);  // 2.0: twice the picture, assembled again
  EXPECT_EQ(view().Parts().puzzle.PuzzleBitmap().Width(), 1066);
  EXPECT_EQ(view().Parts().state.cellHeight, 200);
  EXPECT_EQ(piece(0).placed, 1);
  // Each change was kept in the puzzle in progress.
  const auto d = puzzle::DecodePuzzleFile(*base::ReadWholeFile(statePath(), 1 << 20));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->puzzleZoomIndex, 15);
  EXPECT_EQ(d->modelZoom, 1.0f);
}

TEST_F(PuzzleFixture, ASavedPuzzleOpensAgainAndAPictureStartsANewOne) {
  EnterPuzzle();
  Scatter();
  DragPieceTo(1, {piece(1).homeX, piece(1).homeY});
  const auto saved = h.data.Path() / "mon puzzle";
  h.fake.dialogs.saveAnswer = saved;
  h.ClickIcon(IconId::IconSavePuzzle);
  ASSERT_EQ(h.fake.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(h.fake.dialogs.saveRequests[0].filter, "Puzzle (*.pz)|*.pz");
  EXPECT_EQ(h.fake.dialogs.saveExtensions[0], ports::FileExtension::kAsTyped);
  EXPECT_EQ(h.fake.dialogs.saveRequests[0].initialFolder, h.program.Path() / "Puzzles");
  EXPECT_EQ(h.fake.dialogs.saveRequests[0].proposedName,
            (h.program.Path() / "Puzzles" / "marsupilami.jpg.pz").string());
  ASSERT_TRUE(std::filesystem::exists(saved));

  // A picture: cut afresh, the counters at zero.
  const auto other = h.program.Path() / "Puzzles" / "carre.PZ";
  h.fake.pictures.files[other] = Picture(400, 400);
  h.fake.dialogs.openAnswer = other;
  h.ClickIcon(IconId::IconLoadPuzzle);
  EXPECT_EQ(view().Parts().state.keyCount, 25);
  EXPECT_EQ(view().Parts().puzzle.placedCount, 0);
  EXPECT_EQ(view().Parts().state.picturePath, other);

  // The saved puzzle, read as it was: the picture it names and its pieces. Once the user has
  // a copy of the puzzles' folder, the dialogs start there.
  std::filesystem::create_directories(h.data.Path() / "Puzzles");
  const auto named = h.data.Path() / "mon puzzle.pz";
  std::filesystem::rename(saved, named);
  h.fake.dialogs.openAnswer = named;
  h.ClickIcon(IconId::IconLoadPuzzle);
  EXPECT_EQ(view().Parts().state.keyCount, 24);
  EXPECT_EQ(view().Parts().puzzle.placedCount, 1);
  EXPECT_EQ(piece(1).placed, 1);
  EXPECT_EQ(view().Parts().state.picturePath.filename(), "marsupilami.jpg");
  EXPECT_EQ(h.fake.dialogs.openRequests.back().initialFolder, h.data.Path() / "Puzzles");
}

TEST_F(PuzzleFixture, APathTooLongForTheFileKeepsThePreviousState) {
  EnterPuzzle();
  h.ClickIcon(IconId::IconModuleFrench);
  const std::string before = *base::ReadWholeFile(statePath(), 1 << 20);
  EnterPuzzle();
  view().Parts().state.picturePath = h.program.Path() / std::string(1200, 'x');
  h.ClickIcon(IconId::IconModuleFrench);
  EXPECT_EQ(*base::ReadWholeFile(statePath(), 1 << 20), before);
}

TEST_F(PuzzleFixture, AColourChosenOutsideThePuzzleKeepsItsPieces) {
  EnterPuzzle();
  Scatter();
  DragPieceTo(6, {piece(6).homeX, piece(6).homeY});
  h.ClickIcon(IconId::IconModuleFrench);
  h.fake.dialogs.colourAnswer = gfx::Rgb(100, 100, 100);
  h.ClickIcon(IconId::IconBackground);
  const auto d = puzzle::DecodePuzzleFile(*base::ReadWholeFile(statePath(), 1 << 20));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->records.size(), 24u);
  EXPECT_EQ(d->background, gfx::Rgb(100, 100, 100));
  EXPECT_EQ(d->shade2, gfx::Rgb(80, 60, 80));
  EXPECT_EQ(d->records[6].placed, 1);
}

TEST_F(PuzzleFixture, AKeyboardLookChosenInThePuzzleComesWhenItIsLeft) {
  // The screen of a view that was given zoom 1 and the second colours outside the puzzle.
  ViewHarness reference;
  reference.Create();
  reference.Paint();
  reference.View().Parts().settingsDialog.OnColoursChanged(1);
  reference.View().Parts().settingsDialog.OnZoomChanged(1);
  const gfx::Image expected = reference.Paint();

  EnterPuzzle();
  const gfx::Image puzzleBefore = view().Parts().puzzle.PuzzleBitmap();
  view().Parts().settingsDialog.OnColoursChanged(1);
  view().Parts().settingsDialog.OnZoomChanged(1);
  // The puzzle keeps its picture and its pieces.
  EXPECT_EQ(view().Parts().state.keyCount, 24);
  EXPECT_EQ(view().Parts().puzzle.PuzzleBitmap().Pixel(300, 200), puzzleBefore.Pixel(300, 200));
  h.ClickIcon(IconId::IconModuleFrench);
  const gfx::Image& after = h.Paint();
  const gfx::Rect frame = view().Parts().keys.keyboardFrame;
  ASSERT_FALSE(frame.IsEmpty());
  int wrong = 0;
  for (int y = frame.top; y < frame.bottom; y += 3) {
    for (int x = frame.left; x < frame.right; x += 3) {
      wrong += after.Pixel(x, y) != expected.Pixel(x, y) ? 1 : 0;
    }
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace

namespace {

TEST_F(PuzzleFixture, ThePuzzlesOwnBoxSilencesItsSoundsAndQuittingKeepsIt) {
  view().Parts().settingsDialog.OnNoSoundsClicked(true);  // the keyboard's box: not for the puzzle
  EnterPuzzle();
  EXPECT_EQ(soundsNamed("musiquepuzzle.wav"), 1);
  view().Parts().puzzleDialog.OnNoSoundsClicked(true);
  Scatter();
  EXPECT_EQ(soundsNamed("cassepuzzle.wav"), 0);
  view().Parts().puzzleDialog.OnNoSoundsClicked(false);
  h.ClickIcon(IconId::IconSound);  // the sound switch off: silent, the fireworks still come
  Scatter();
  EXPECT_EQ(soundsNamed("cassepuzzle.wav"), 0);
  for (int i = 1; i < 24; ++i) piece(i).posX = piece(i).homeX, piece(i).posY = piece(i).homeY;
  h.fake.clock.sleeps.clear();
  DragPieceTo(0, {piece(0).homeX, piece(0).homeY});
  EXPECT_EQ(soundsNamed("applaud.wav"), 0);
  EXPECT_EQ(std::count(h.fake.clock.sleeps.begin(), h.fake.clock.sleeps.end(), 300), 22);

  // "Supprimer les effets visuels": no fireworks.
  view().Parts().puzzleDialog.OnNoEffectsClicked(true);
  DragPieceTo(0, {600, 450});
  h.fake.clock.sleeps.clear();
  DragPieceTo(0, {piece(0).homeX, piece(0).homeY});
  EXPECT_EQ(std::count(h.fake.clock.sleeps.begin(), h.fake.clock.sleeps.end(), 300), 0);

  // Quitting from the puzzle keeps it, whatever the answer.
  std::filesystem::remove(statePath());
  h.fake.dialogs.answers.push_back(ports::MessageAnswer::kNo);
  h.ClickIcon(IconId::IconQuit);
  EXPECT_TRUE(std::filesystem::exists(statePath()));
  EXPECT_EQ(view().ActiveModule(), app::ModuleId::kPuzzle);
}

TEST_F(PuzzleFixture, EveryPieceCountsOnceAndACompletionIsCelebratedOnce) {
  EnterPuzzle();
  Scatter();
  // A double click is a press, a release and the double click itself; twice on the same piece
  // while it flies home, it is helped home once.
  for (int twice = 0; twice < 2; ++twice) {
    h.Click(Inside(3));
    view().OnLButtonDblClk(base::mouse::kLeftButton, Inside(3));
    view().OnLButtonUp(0, Inside(3));
  }
  h.Tick(60);
  EXPECT_EQ(view().Parts().puzzle.placedCount, 1);
  EXPECT_EQ(view().Parts().puzzle.helpedCount, 1);
  // Double clicks on a piece already home count nothing.
  h.Click(Inside(3));
  view().OnLButtonDblClk(base::mouse::kLeftButton, Inside(3));
  view().OnLButtonUp(0, Inside(3));
  EXPECT_EQ(view().Parts().puzzle.placedCount, 1);

  const int count = view().Parts().state.keyCount;
  for (int i = 0; i < count; ++i) {
    if (i != 3) DragPieceTo(i, {piece(i).homeX + 2, piece(i).homeY + 1});
  }
  EXPECT_EQ(view().Parts().puzzle.placedCount, count);
  EXPECT_EQ(view().Parts().puzzle.helpedCount, 1);
  EXPECT_EQ(soundsNamed("applaud.wav"), 1);
  // Clicks on the finished puzzle: no more pieces, no more fireworks.
  h.fake.clock.sleeps.clear();
  for (int i : {0, 5, 23}) h.Click(Inside(i));
  EXPECT_EQ(view().Parts().puzzle.placedCount, count);
  EXPECT_EQ(soundsNamed("applaud.wav"), 1);
  EXPECT_EQ(std::count(h.fake.clock.sleeps.begin(), h.fake.clock.sleeps.end(), 300), 0);
}

TEST_F(PuzzleFixture, APieceLetGoOutsideTheWindowStaysInIt) {
  EnterPuzzle();
  Scatter();
  const gfx::Point from = Inside(5);
  h.Press(from);
  h.MoveTo(from, {1450, 1050}, 6);
  h.Release({1450, 1050});
  const gfx::Size client = h.fake.window.clientSize;
  EXPECT_LE(piece(5).posX + piece(5).width, client.width);
  EXPECT_LE(piece(5).posY + piece(5).height, client.height);
  // Left in a larger window, the pieces come back into a smaller one.
  piece(7).posX = 1700;
  piece(7).posY = 150;
  h.ClickIcon(IconId::IconModuleFrench);
  h.fake.window.clientSize = {1024, 700};
  h.Paint();
  EnterPuzzle();
  EXPECT_LE(piece(7).posX + piece(7).width, 1024);
  EXPECT_EQ(piece(7).posY, 150);
  h.fake.window.clientSize = client;
  h.Press({-300, -200});
  h.Release({-300, -200});
  h.Press(Inside(6));
  h.MoveTo(Inside(6), {-300, -200}, 6);
  h.Release({-300, -200});
  EXPECT_GE(piece(6).posX, 0);
  EXPECT_GE(piece(6).posY, 0);
  // The child can take it again where it lies.
  DragPieceTo(5, {piece(5).homeX, piece(5).homeY});
  EXPECT_EQ(piece(5).placed, 1);
}

TEST_F(PuzzleFixture, APressWhereTheHiddenSolutionIconWasTakesThePieceWhereItIs) {
  EnterPuzzle();
  Scatter();
  view().Parts().puzzleDialog.OnHideSolutionClicked(true);
  const gfx::Rect icon = view().Parts().icons[IconId::IconPuzzleSolution];
  // An earlier drag left its values behind.
  DragPieceTo(2, {400, 500});
  piece(4).posX = icon.left - 5;
  piece(4).posY = icon.top;
  const gfx::Point press{icon.left + 10, icon.top + 10};
  h.Press(press);
  EXPECT_EQ(HeldTile(view()), 4);
  h.MoveTo(press, {press.x + 100, press.y + 200}, 4);
  EXPECT_EQ(piece(4).posX, icon.left - 5 + 100);
  EXPECT_EQ(piece(4).posY, icon.top + 200);
  h.Release({press.x + 100, press.y + 200});
  EXPECT_EQ(view().Parts().puzzle.placedCount, 0);
}

TEST_F(PuzzleFixture, ALetterTypedInThePieceCountKeepsThePuzzleInProgress) {
  EnterPuzzle();
  Scatter();
  const base::CellRecord before = piece(7);
  const std::size_t loads = h.fake.pictures.loads.size();
  for (const char* typed : {"25a", "x", "25", "025"}) {
    view().Parts().puzzleDialog.OnPiecesTextChanged(typed);
    EXPECT_EQ(piece(7).posX, before.posX) << typed;
    EXPECT_EQ(piece(7).placed, 0) << typed;
  }
  EXPECT_EQ(h.fake.pictures.loads.size(), loads);
  EXPECT_EQ(view().Parts().puzzleDialog.piecesText, "025");
  view().Parts().puzzleDialog.OnPiecesTextChanged("30");
  EXPECT_EQ(piece(7).placed, 1);  // another number: cut afresh
}

TEST_F(PuzzleFixture, APuzzleOfAThousandPiecesAsAskedIsFoundAgain) {
  // A 3:2 picture cut for 1000 pieces gives more than 1000.
  const auto wide = h.program.Path() / "Puzzles" / "large.jpg";
  h.fake.pictures.files[wide] = Picture(900, 600);
  EnterPuzzle();
  h.fake.dialogs.openAnswer = wide;
  h.ClickIcon(IconId::IconLoadPuzzle);
  view().Parts().puzzleDialog.OnPiecesTextChanged("1000");
  const int count = view().Parts().state.keyCount;
  ASSERT_GT(count, 1000);
  Scatter();
  DragPieceTo(count - 1, {piece(count - 1).homeX, piece(count - 1).homeY});
  h.ClickIcon(IconId::IconModuleFrench);
  h.Paint();
  EnterPuzzle();
  EXPECT_EQ(view().Parts().state.keyCount, count);
  EXPECT_EQ(piece(count - 1).placed, 1);
  EXPECT_EQ(piece(0).posX, 700);
  EXPECT_EQ(view().Parts().puzzle.placedCount, 1);
}

TEST_F(PuzzleFixture, APictureNamedOutsideWindows1252IsFoundAgain) {
  for (const char* name : {"\u03A9mega.gif", "\u00E9l\u00E8ve.jpg", "\u4E2D.png"}) {
    const auto picture =
        h.program.Path() / "Puzzles" /
        std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(name)));
    h.fake.pictures.files[picture] = Picture(400, 400);
    std::ofstream(picture) << "x";
    EnterPuzzle();
    h.fake.dialogs.openAnswer = picture;
    h.ClickIcon(IconId::IconLoadPuzzle);
    ASSERT_EQ(view().Parts().state.picturePath, picture);
    h.ClickIcon(IconId::IconModuleFrench);
    h.Paint();
    view().Parts().state.picturePath = h.program.Path() / "Puzzles" / "marsupilami.jpg";
    EnterPuzzle();
    EXPECT_EQ(view().Parts().state.picturePath, picture) << name;
    EXPECT_EQ(view().Parts().state.keyCount, 25) << name;
    h.ClickIcon(IconId::IconModuleFrench);
    h.Paint();
  }
}

TEST_F(PuzzleFixture, WhatCannotBeOpenedLeavesThePuzzleAndSaysWhich) {
  EnterPuzzle();
  Scatter();
  const base::CellRecord before = piece(9);
  const auto broken = h.data.Path() / "photo abim\u00E9e.jpg";
  std::ofstream(broken) << "not a picture";
  h.fake.dialogs.openAnswer = broken;
  h.ClickIcon(IconId::IconLoadPuzzle);
  ASSERT_EQ(h.fake.dialogs.messages.size(), 1u);
  EXPECT_NE(h.fake.dialogs.messages[0].text.find("photo abim\xE9"
                                                 "e.jpg"),
            std::string::npos);
  EXPECT_EQ(view().Parts().state.keyCount, 24);
  EXPECT_EQ(piece(9).posX, before.posX);
  EXPECT_FALSE(view().Parts().puzzle.PuzzleBitmap().IsNull());
  EXPECT_EQ(view().Parts().state.picturePath, h.program.Path() / "Puzzles" / "marsupilami.jpg");

  // A puzzle file cut short is no puzzle either.
  const auto cut = h.data.Path() / "coupe.pz";
  DragPieceTo(9, {piece(9).homeX, piece(9).homeY});
  h.fake.dialogs.saveAnswer = cut;
  h.ClickIcon(IconId::IconSavePuzzle);
  std::filesystem::resize_file(cut, 2000);
  h.fake.dialogs.openAnswer = cut;
  h.ClickIcon(IconId::IconLoadPuzzle);
  EXPECT_EQ(h.fake.dialogs.messages.size(), 2u);
  EXPECT_EQ(piece(9).placed, 1);
}

TEST_F(PuzzleFixture, APuzzleIsKnownByWhatItHoldsWhateverItsName) {
  EnterPuzzle();
  Scatter();
  DragPieceTo(1, {piece(1).homeX, piece(1).homeY});
  for (const char* name : {"sans extension", "puzzle.PZ", "puzzle.jpg"}) {
    const auto saved = h.data.Path() / name;
    h.fake.dialogs.saveAnswer = saved;
    h.ClickIcon(IconId::IconSavePuzzle);
    // Another picture meanwhile.
    const auto other = h.program.Path() / "Puzzles" / "carre.png";
    h.fake.pictures.files[other] = Picture(400, 400);
    h.fake.dialogs.openAnswer = other;
    h.ClickIcon(IconId::IconLoadPuzzle);
    ASSERT_EQ(view().Parts().state.keyCount, 25);
    h.fake.dialogs.openAnswer = saved;
    h.ClickIcon(IconId::IconLoadPuzzle);
    EXPECT_EQ(view().Parts().state.keyCount, 24) << name;
    EXPECT_EQ(piece(1).placed, 1) << name;
    EXPECT_EQ(view().Parts().puzzle.placedCount, 1) << name;
  }
  EXPECT_TRUE(h.fake.dialogs.messages.empty());
  // The dialog shows every picture the program reads, and the puzzles.
  const std::string filter = h.fake.dialogs.openRequests.back().filter;
  for (const char* pattern : {"*.bmp", "*.jpg", "*.jpeg", "*.gif", "*.tif", "*.png", "*.pz"}) {
    EXPECT_NE(filter.find(pattern), std::string::npos) << pattern;
  }
  EXPECT_EQ(filter.substr(0, filter.find('|')),
            "Images et puzzles (BMP, JPEG, GIF, TIFF, PNG, .pz)");
}

}  // namespace

namespace {

// The journal's puzzle lines: one per finished puzzle, with its pieces, the help and the time.
TEST_F(PuzzleFixture, AFinishedPuzzleIsJournalledOnceWithThePiecesTheHelpLaid) {
  EnterPuzzle();
  Scatter();
  h.fake.clock.now += 90'000;
  DragPieceTo(0, {piece(0).homeX, piece(0).homeY});
  h.ClickIcon(IconId::IconPuzzleSolution);
  h.ClickIcon(IconId::IconPuzzleSolution);  // nothing left to lay: not finished again
  std::vector<notebook::JournalLine> finished;
  for (const auto& line : notebook::ReadJournal(h.data.Path() / notebook::kJournalFileName).lines) {
    EXPECT_EQ(line.module, app::ModuleId::kPuzzle);
    if (line.kind == base::WorkEventKind::kPuzzleComplete) finished.push_back(line);
  }
  ASSERT_EQ(finished.size(), 1u);
  EXPECT_EQ(finished[0].source, "marsupilami.jpg");
  EXPECT_EQ(finished[0].count, 24);
  EXPECT_EQ(finished[0].helped, 23);
  EXPECT_EQ(finished[0].seconds, 90);
}

}  // namespace
