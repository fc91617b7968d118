// The writing modules under the mouse and the timers: keys, tiles, cells, and what moves by itself.
#include <algorithm>
#include <optional>

#include "base/mouse_keys.h"
#include "base/timer_ids.h"
#include "exercises/writing_module.h"
#include "grid/character_names.h"

namespace exercises {

namespace {

constexpr int kPickUpPauseMs = 100;
constexpr int kLongPressMs = 700;
constexpr int kFixedSuccessDelayMs = 1500;

gfx::Rect TileRect(const base::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

}  // namespace

grid::GridTiles WritingModule::GridText() {
  return ctx_.board.Text();
}

void WritingModule::Invalidate(const gfx::Rect& area, bool erase) {
  if (!area.IsEmpty()) ctx_.platform.window.Invalidate(area, erase);
}

void WritingModule::Invalidate(const std::vector<gfx::Rect>& areas, bool erase) {
  for (const gfx::Rect& area : areas) Invalidate(area, erase);
}

void WritingModule::LoadText() {
  // A module that has kept nothing yet starts empty, not with the text of the module left.
  if (!ctx_.editor.LoadExerciseFile(TextFile())) {
    ctx_.editor.SetTextFromProgram({});
    ctx_.editor.SetFixedFromProgram(false);
  }
  ImportEditorText();
  // A text kept fixed is the same exercise again: its letters and hidden cells are taken as
  // ticking "Fixer l'exercice" takes them.
  grid::FixExercise(ctx_.board.Grid(), ctx_.editor.fixed);
  if (ctx_.editor.fixed) {
    ctx_.editor.wordWrap = true;
    ctx_.platform.window.InvalidateAll(true);
  }
}

bool WritingModule::SaveText(int cellsIndex, int linesIndex) const {
  return ctx_.editor.SaveExerciseFile(TextFile(), UsesKeypad(), cellsIndex, linesIndex);
}

void WritingModule::ImportEditorText() {
  ImportEditorText(ctx_.editor.fixed);
}

void WritingModule::ImportEditorText(bool fixedOn) {
  auto g = GridText();
  grid::LoadTextIntoGrid(g, ctx_.editor.text, fixedOn, UsesKeypad(),
                         [this](const gfx::Rect& r) { Invalidate(r, false); });
  ctx_.board.Release();
  exerciseCelebrated_ = false;
}

void WritingModule::NoteWork(base::WorkEvent event) {
  if (!workSessionOpen_) {
    workSessionOpen_ = true;
    workStartMs_ = ctx_.platform.clock.NowMs();
    ctx_.work.Record({.kind = base::WorkEventKind::kSessionStart, .module = Id()});
  }
  event.module = Id();
  event.seconds = std::max<std::int64_t>(ctx_.platform.clock.NowMs() - workStartMs_, 0) / 1000;
  ctx_.work.Record(event);
}

void WritingModule::CelebrateCompleteExercise() {
  if (!ctx_.editor.fixed) return;
  const bool complete =
      grid::CheckFixedExercise(ctx_.board.Cells(), ctx_.state, ctx_.board.Grid(), UsesKeypad()) > 0;
  // A letter laid again on a finished text does not start the celebration over.
  if (complete && !exerciseCelebrated_) {
    ctx_.platform.timers.Start(base::kTimerFixedSuccess, kFixedSuccessDelayMs);
    // The letter that finished the text finished its last hidden word, which is not told as found.
    NoteWork({.kind = base::WorkEventKind::kTextComplete, .count = hiddenWordsFound_ + 1});
    hiddenWordsFound_ = 0;
  }
  exerciseCelebrated_ = complete;
}

void WritingModule::MirrorToEditor() {
  if (ctx_.editor.fixed || ctx_.board.Grid().clearing != 0) return;
  auto g = GridText();
  ctx_.editor.SetTextFromProgram(grid::MirrorGridToEditor(g));
}

void WritingModule::UntickFixed() {
  if (!ctx_.editor.fixed) return;
  ctx_.editor.SetFixedFromProgram(false);
  grid::FixExercise(ctx_.board.Grid(), false);
}

void WritingModule::ClearGrid() {
  speech::SoundEffects::Switches switches;
  switches.soundOn = SoundOn();
  switches.writingNoSounds = ctx_.noSounds;
  ctx_.sounds.Play(speech::SoundEffects::kClear, switches);
  auto g = GridText();
  grid::ClearGrid(g, 0, false);
  ctx_.board.Release();
  ctx_.board.Selection().selectionCount = 0;
  ctx_.editor.SetTextFromProgram({});
  if (ctx_.editor.fixed) {
    UntickFixed();
    ctx_.platform.window.InvalidateAll(true);
  }
}

void WritingModule::ClearForModuleChange() {
  ctx_.board.Grid().ResetAll();
  ctx_.keys.shiftOn = ctx_.keys.signsPageOn = 0;
  // The keys show the small letters again, as the tiles they make will.
  ApplyLabels(false, false);
  ctx_.state.itemCount = ctx_.state.keyCount;
  for (int c = 0; c < ctx_.state.gridColumns; ++c) {
    for (int l = 0; l < ctx_.state.gridLines; ++l) Invalidate(ctx_.board.Geometry().CellRect(c, l));
  }
}

void WritingModule::ReadTextAloud() {
  ctx_.board.Release();
  if (!SoundOn()) return;
  const std::string text = grid::TextToRead(ctx_.state, ctx_.board.Grid(), UsesKeypad());
  if (!text.empty()) ctx_.speech.Speak(text);
}

void WritingModule::RepeatInstruction() {
  if (SoundOn()) ctx_.speech.Speak(ctx_.board.Grid().instructionText);
}

void WritingModule::EchoWordAtCursor() {
  if (EchoAttempt() || !SoundOn()) return;
  const grid::WritingGrid& g = ctx_.board.Grid();
  int column = g.cursorCol;
  const int line = g.cursorRow;
  if (column < 0 || line < 0 || column >= grid::WritingGrid::kColumns ||
      line >= grid::WritingGrid::kLines) {
    return;
  }
  auto empty = [&](int c) {
    const auto ch = g.text[static_cast<std::size_t>(line)][static_cast<std::size_t>(c)];
    return ch == ' ' || ch == 0;
  };
  // Writing moves the cursor past the word's last letter: that word is the one meant.
  if (empty(column) && column > 0 && !empty(column - 1)) --column;
  const grid::WordToSay word =
      grid::WordAt(ctx_.board.Cells(), ctx_.state, g, column, line, false, false, UsesKeypad());
  if (word.text.empty()) return;
  // The word's letters light up as they are heard, as in the dictation's echo. A word read
  // otherwise than it is written (a number, a sign said by its name) lights whole.
  int first = column;
  int last = column;
  while (first > 0 && !empty(first - 1)) --first;
  while (last + 1 < grid::WritingGrid::kColumns && !empty(last + 1)) ++last;
  std::string letters;
  for (int c = first; c <= last; ++c) {
    letters +=
        static_cast<char>(g.text[static_cast<std::size_t>(line)][static_cast<std::size_t>(c)]);
  }
  SpokenUnit unit{word.text, {}, std::nullopt, {}, false};
  const std::size_t at = letters.find(word.text);
  if (at == std::string::npos) {
    for (int c = first; c <= last; ++c) unit.cells.push_back({c, line});
  } else {
    for (std::size_t k = 0; k < word.text.size(); ++k) {
      unit.cells.push_back({first + static_cast<int>(at + k), line});
      unit.cellOf.push_back(static_cast<int>(k));
    }
    unit.bySound = true;
  }
  std::vector<SpokenUnit> units;
  units.push_back(std::move(unit));
  spoken_.Play(std::move(units), 0);
}

void WritingModule::ForgetWrongLetter(int column, int line) {
  if (column < 0 || line < 0 || column >= grid::WritingGrid::kColumns ||
      line >= grid::WritingGrid::kLines) {
    return;
  }
  auto& mark = ctx_.board.Grid()
                   .wrongLetters[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
  if (mark == 0) return;
  mark = 0;
  Invalidate(ctx_.board.Geometry().CellRect(column, line).Inflated(5, 5));
}

void WritingModule::SpeakWordAt(int column, int line) {
  // A hidden word is found with the sound off too; only the blink and the voice need the sound.
  if (!SoundOn() && !ctx_.editor.fixed) return;
  const bool fixedOn = ctx_.editor.fixed;
  const bool complete =
      fixedOn && grid::CheckFixedExercise(ctx_.board.Cells(), ctx_.state, ctx_.board.Grid()) > 0;
  const grid::WordToSay word = grid::WordAt(ctx_.board.Cells(), ctx_.state, ctx_.board.Grid(),
                                            column, line, fixedOn, complete, UsesKeypad());
  if (word.hiddenWordFound) {
    ++hiddenWordsFound_;
    NoteWork({.kind = base::WorkEventKind::kHiddenWordFound, .entry = word.text});
  }
  if (!SoundOn()) return;
  if (fixedOn) effectArea = word.area;
  if (word.hiddenWordFound) ctx_.platform.timers.Start(base::kTimerBlink, 50);
  if (!word.text.empty()) ctx_.speech.Speak(word.text);
}

gfx::Rect WritingModule::OnLButtonDown(std::uint32_t flags, gfx::Point point, int hit) {
  const int count = std::min(ctx_.state.itemCount, base::kMaxItems);
  if (hit < 0) return PressCell(point);
  const base::CellRecord& r = ctx_.board.Cells()[hit];
  ctx_.board.GrabAt(r, point);
  if (hit >= count) {
    ctx_.board.Release();
    return {};
  }
  if (hit < ctx_.state.keyCount) {
    // A hidden keyboard has no key to press, nor to drag.
    if (ctx_.state.keyboardShown == 0) {
      ctx_.board.Release();
      return {};
    }
    return PressKey(hit, flags);
  }
  return PickUpTile(hit, point, flags);
}

gfx::Rect WritingModule::PressCell(gfx::Point point) {
  ctx_.board.PressOnNothing();
  const grid::GridGeometry geometry = ctx_.board.Geometry();
  const std::optional<grid::Cell> cell = geometry.CellAt(point);
  if (!cell) return {};
  ctx_.board.Grid().cursorCol = cell->column;
  ctx_.board.Grid().cursorRow = cell->line;
  return geometry.CellRect(*cell);
}

gfx::Rect WritingModule::PressKey(int key, std::uint32_t flags) {
  base::AppState& s = ctx_.state;
  const grid::GridGeometry geometry = ctx_.board.Geometry();
  keyboard::KeyboardState& keys = ctx_.keys;
  const base::CellRecord& k = ctx_.board.Cells()[key];
  auto release = [&] { ctx_.board.Release(); };
  auto wholeGrid = [&] {
    return geometry.CellRect(0, 0).Union(geometry.CellRect(s.gridColumns - 1, s.gridLines - 1));
  };
  auto keyboardArea = [&] {
    gfx::Rect area{s.keyboardLeft - 100, s.keyboardTop, s.keyboardLeft + 700, s.keyboardTop + 300};
    for (int i = 0; i < s.keyCount; ++i) area = area.Union(TileRect(ctx_.board.Cells()[i]));
    return area;
  };

  if (k.Letter() == keyboard::kInertLabel || k.kind == keyboard::KindBlank) {
    release();
    return {};
  }
  switch (k.kind) {
    case keyboard::KindErase: {
      auto g = GridText();
      const gfx::Rect removed = grid::EraseBack(g);
      Invalidate(removed);
      MirrorToEditor();
      release();
      return {};
    }
    case keyboard::KindSpace: {
      grid::AdvanceCursor(ctx_.board.Grid(), s, IsDictation());
      release();
      if (ctx_.board.Grid().cursorCol == 0) return wholeGrid();
      return geometry.CellRect(ctx_.board.Grid().cursorCol - 1, ctx_.board.Grid().cursorRow)
          .Union(geometry.CellRect(ctx_.board.Grid().cursorCol + 1, ctx_.board.Grid().cursorRow));
    }
    case keyboard::KindNewLine:
      grid::CursorNewLine(ctx_.board.Grid(), s);
      release();
      return wholeGrid();
    case keyboard::KindShift:
      keys.shiftOn = keys.shiftOn != 0 ? 0 : 1;
      SetKeyLabels(keys.shiftOn != 0, keys.signsPageOn != 0);
      return keyboardArea();
    case keyboard::KindPage:
      for (int i = 0; i < s.keyCount; ++i)
        ctx_.board.Cells()[i].glyph = ctx_.board.Cells()[i].glyphAlt = 0;
      keys.signsPageOn = keys.signsPageOn != 0 ? 0 : 1;
      SetKeyLabels(keys.shiftOn != 0, keys.signsPageOn != 0);
      return keyboardArea();
    default:
      break;
  }

  const int page =
      UsesKeypad() ? keyboard::PageKeypad : keyboard::LetterPage(keys.shiftOn, keys.signsPageOn);
  const int tile = ctx_.board.Make(key, page, ctx_.autoPlace != 0, flags);
  if (tile < 0) {
    // The table is full: no more tiles.
    release();
    return {};
  }
  if (ctx_.board.Cells()[tile].glyph != 0 && ctx_.showNow)
    ctx_.showNow(TileRect(ctx_.board.Cells()[tile]));
  return {};
}

gfx::Rect WritingModule::PickUpTile(int tile, gfx::Point point, std::uint32_t flags) {
  base::CellRecord& r = ctx_.board.Cells()[tile];
  ForgetWrongLetter(r.gridCol, r.gridRow);
  ctx_.board.Hold(tile);
  if (ctx_.showNow) ctx_.showNow(TileRect(r));
  ctx_.platform.clock.Sleep(kPickUpPauseMs);

  const gfx::Rect group = ctx_.board.SelectLinkGroup(tile);
  if (!group.IsEmpty()) {
    Invalidate(group);
  } else {
    longPressColumn_ = r.gridCol;
    longPressLine_ = r.gridRow;
    ctx_.platform.timers.Start(base::kTimerLongPress, kLongPressMs);
  }
  ctx_.board.TakeWith(tile, flags);
  if (ctx_.board.LiftFromCell(tile)) {
    // The cursor goes to the cell left empty.
    PressCell(point);
    ctx_.board.TakeWith(tile, flags);
  }
  return {};
}

gfx::Rect WritingModule::OnMouseMove(std::uint32_t flags, gfx::Point point) {
  const int k = ctx_.board.Held().selectedPiece;
  // Only tiles move under the mouse; the keys stay in the keyboard.
  if (k < ctx_.state.keyCount || k >= std::min(ctx_.state.itemCount, base::kMaxItems)) return {};
  if (ctx_.autoPlace != 0 && ctx_.board.Cells()[k].movable == 0) return {};
  return ctx_.board.Drag(flags, point);
}

void WritingModule::OnLButtonUp(std::uint32_t /*flags*/, gfx::Point /*point*/) {
  if (ctx_.board.Held().selectedPiece >= 0) {
    wordDone = 0;
    if (IsDictation()) UntickFixed();
    const int k = ctx_.board.Held().selectedPiece;
    const bool flying =
        k < std::min(ctx_.state.itemCount, base::kMaxItems) && ctx_.board.Cells()[k].movable == 0;
    // A letter placed automatically flies on by itself: the mouse lets it go.
    if (flying) ctx_.board.Release();
    if (!flying) {
      ctx_.platform.timers.Kill(base::kTimerLongPress);
      grid::DropOptions options;
      options.listModule = IsDictation();
      options.fixedOn = ctx_.editor.fixed;
      options.keypad = UsesKeypad();
      options.editorText = ctx_.editor.text;
      const grid::DropOutcome out = ctx_.board.Drop(options);
      Invalidate(out.repaint);
      if (out.placed) {
        ForgetWrongLetter(out.column, out.line);
        if (out.wordComplete) {
          wordDone = 1;
          WordFound();
        } else {
          TilePlaced();
          if (!EchoAttempt()) SpeakWordAt(out.column, out.line);
        }
      }
    }
    CelebrateCompleteExercise();
    MirrorToEditor();
    if (wordDone != 0) ctx_.platform.timers.Start(base::kTimerWordSuccess, 50);
  }
  if (ctx_.board.Selection().selectionCount > 1) {
    // The frame around the word goes with the selection.
    gfx::Rect frame;
    for (int i = 0; i < ctx_.board.Selection().selectionCount &&
                    i < static_cast<int>(ctx_.board.Selection().selection.size());
         ++i) {
      const int k = ctx_.board.Selection().selection[static_cast<std::size_t>(i)];
      if (k >= 0 && k < base::kMaxItems) frame = frame.Union(TileRect(ctx_.board.Cells()[k]));
    }
    Invalidate(frame.Inflated(5, 5));
  }
  ctx_.board.Selection().selectionCount = 0;
}

void WritingModule::OnTimer(int id) {
  if (id != base::kTimerLongPress) return;
  if (!ctx_.editor.fixed) {
    Invalidate(ctx_.board.GroupWordAtCell(longPressColumn_, longPressLine_));
  }
  ctx_.platform.timers.Kill(base::kTimerLongPress);
}

void WritingModule::OnTileArrived(int tile) {
  // Landed: a release that comes now must not drop it again.
  if (ctx_.board.Held().selectedPiece == tile) ctx_.board.Release();
  const base::CellRecord& r = ctx_.board.Cells()[tile];
  const int column = r.gridCol;
  const int line = r.gridRow;
  ForgetWrongLetter(column, line);
  CelebrateCompleteExercise();
  MirrorToEditor();
  wordDone = IsDictation() && grid::CheckListWord(ctx_.board.Cells(), ctx_.state, ctx_.board.Grid())
                 ? 1
                 : 0;
  if (wordDone != 0) {
    WordFound();
    ctx_.platform.timers.Start(base::kTimerWordSuccess, 50);
    return;
  }
  TilePlaced();
  if (!EchoAttempt()) SpeakWordAt(column, line);
  grid::AdvanceCursor(ctx_.board.Grid(), ctx_.state, IsDictation());
}

void WritingModule::Tick() {
  const grid::CarryHomeOutcome home = ctx_.board.CarryHome(ctx_.editor.fixed);
  Invalidate(home.repaint, false);
  if (home.cleared) {
    // The clearing emptied the editor already; what the teacher typed since then is laid down
    // now, not thrown away.
    ImportEditorText();
    return;
  }
  Invalidate(
      ctx_.board.AnimatePlacement(ctx_.editor.fixed, [this](int tile) { OnTileArrived(tile); }),
      false);
}

}  // namespace exercises
