// The writing modules under the mouse and the timers: keys, tiles, cells, and what moves by itself.
#include <algorithm>

#include "base/mouse_keys.h"
#include "base/timer_ids.h"
#include "exercises/writing_module.h"
#include "keyboard/character_names.h"

namespace exercises {

namespace {

constexpr int kPickUpPauseMs = 100;
constexpr int kLongPressMs = 700;
constexpr int kFixedSuccessDelayMs = 1500;

gfx::Rect TileRect(const base::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

}  // namespace

keyboard::TileInput WritingModule::Tiles() {
  return {ctx_.state, ctx_.cells, ctx_.grid, ctx_.pictures, ctx_.selection, ctx_.held};
}

keyboard::GridTiles WritingModule::GridText() {
  return {ctx_.state, ctx_.cells, ctx_.grid, ctx_.pictures};
}

void WritingModule::Invalidate(const gfx::Rect& area, bool erase) {
  if (!area.IsEmpty()) ctx_.platform.window.Invalidate(area, erase);
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
  keyboard::FixExercise(ctx_.grid, ctx_.editor.fixed);
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
  keyboard::LoadTextIntoGrid(g, ctx_.editor.text, fixedOn, UsesKeypad(),
                             [this](const gfx::Rect& r) { Invalidate(r, false); });
  ctx_.held.selectedPiece = -1;
  exerciseCelebrated_ = false;
}

void WritingModule::CelebrateCompleteExercise() {
  if (!ctx_.editor.fixed) return;
  const bool complete =
      keyboard::CheckFixedExercise(ctx_.cells, ctx_.state, ctx_.grid, UsesKeypad()) > 0;
  // A letter laid again on a finished text does not start the celebration over.
  if (complete && !exerciseCelebrated_) {
    ctx_.platform.timers.Start(base::kTimerFixedSuccess, kFixedSuccessDelayMs);
  }
  exerciseCelebrated_ = complete;
}

void WritingModule::MirrorToEditor() {
  if (ctx_.editor.fixed || ctx_.grid.clearing != 0) return;
  auto g = GridText();
  ctx_.editor.SetTextFromProgram(keyboard::MirrorGridToEditor(g));
}

void WritingModule::UntickFixed() {
  if (!ctx_.editor.fixed) return;
  ctx_.editor.SetFixedFromProgram(false);
  keyboard::FixExercise(ctx_.grid, false);
}

void WritingModule::ClearGrid() {
  speech::SoundEffects::Switches switches;
  switches.soundOn = SoundOn();
  switches.writingNoSounds = ctx_.noSounds;
  ctx_.sounds.Play(speech::SoundEffects::kClear, switches);
  auto g = GridText();
  keyboard::ClearGrid(g, 0, false);
  ctx_.held.selectedPiece = -1;
  ctx_.selection.selectionCount = 0;
  ctx_.editor.SetTextFromProgram({});
  if (ctx_.editor.fixed) {
    UntickFixed();
    ctx_.platform.window.InvalidateAll(true);
  }
}

void WritingModule::ClearForModuleChange() {
  ctx_.grid.ResetAll();
  ctx_.keys.shiftOn = ctx_.keys.signsPageOn = 0;
  // The keys show the small letters again, as the tiles they make will.
  ApplyLabels(false, false);
  ctx_.state.itemCount = ctx_.state.keyCount;
  for (int c = 0; c < ctx_.state.gridColumns; ++c) {
    for (int l = 0; l < ctx_.state.gridLines; ++l) Invalidate(base::CellRect(ctx_.state, c, l));
  }
}

void WritingModule::ReadTextAloud() {
  ctx_.held.selectedPiece = -1;
  if (!SoundOn()) return;
  const std::string text = keyboard::TextToRead(ctx_.state, ctx_.grid, UsesKeypad());
  if (!text.empty()) ctx_.speech.Speak(text);
}

void WritingModule::RepeatInstruction() {
  if (SoundOn()) ctx_.speech.Speak(ctx_.grid.instructionText);
}

void WritingModule::SpeakWordAt(int column, int line) {
  if (!SoundOn()) return;
  const bool fixedOn = ctx_.editor.fixed;
  const bool complete =
      fixedOn && keyboard::CheckFixedExercise(ctx_.cells, ctx_.state, ctx_.grid) > 0;
  const keyboard::WordToSay word = keyboard::WordAt(ctx_.cells, ctx_.state, ctx_.grid, column, line,
                                                    fixedOn, complete, UsesKeypad());
  if (fixedOn) effectArea = word.area;
  if (word.hiddenWordFound) ctx_.platform.timers.Start(base::kTimerBlink, 50);
  if (!word.text.empty()) ctx_.speech.Speak(word.text);
}

gfx::Rect WritingModule::OnLButtonDown(std::uint32_t flags, gfx::Point point, int hit) {
  const int count = std::min(ctx_.state.itemCount, base::kMaxItems);
  if (hit < 0) return PressCell(point);
  const base::CellRecord& r = ctx_.cells[hit];
  ctx_.held.grabOffset = {point.x - r.posX, point.y - r.posY};
  if (hit >= count) {
    ctx_.held.selectedPiece = -1;
    return {};
  }
  if (hit < ctx_.state.keyCount) {
    // A hidden keyboard has no key to press, nor to drag.
    if (ctx_.state.keyboardShown == 0) {
      ctx_.held.selectedPiece = -1;
      return {};
    }
    return PressKey(hit, flags);
  }
  return PickUpTile(hit, point, flags);
}

gfx::Rect WritingModule::PressCell(gfx::Point point) {
  ctx_.held.pickFlags = base::mouse::kNoPress;
  ctx_.held.dragRect = {};
  const int columns = std::clamp(ctx_.state.gridColumns, 0, keyboard::WritingGrid::kColumns);
  const int lines = std::clamp(ctx_.state.gridLines, 0, keyboard::WritingGrid::kLines);
  for (int c = 0; c < columns; ++c) {
    for (int l = 0; l < lines; ++l) {
      const gfx::Rect cell = base::CellRect(ctx_.state, c, l);
      if (!cell.Contains(point)) continue;
      ctx_.grid.cursorCol = c;
      ctx_.grid.cursorRow = l;
      return cell;
    }
  }
  return {};
}

gfx::Rect WritingModule::PressKey(int key, std::uint32_t flags) {
  base::AppState& s = ctx_.state;
  keyboard::KeyboardState& keys = ctx_.keys;
  const base::CellRecord& k = ctx_.cells[key];
  auto release = [&] { ctx_.held.selectedPiece = -1; };
  auto wholeGrid = [&] {
    return base::CellRect(s, 0, 0).Union(base::CellRect(s, s.gridColumns - 1, s.gridLines - 1));
  };
  auto keyboardArea = [&] {
    gfx::Rect area{s.keyboardLeft - 100, s.keyboardTop, s.keyboardLeft + 700, s.keyboardTop + 300};
    for (int i = 0; i < s.keyCount; ++i) area = area.Union(TileRect(ctx_.cells[i]));
    return area;
  };

  if (k.Letter() == keyboard::kInertLabel || k.kind == keyboard::KindBlank) {
    release();
    return {};
  }
  switch (k.kind) {
    case keyboard::KindErase: {
      auto g = GridText();
      const gfx::Rect removed = keyboard::EraseBack(g);
      Invalidate(removed);
      MirrorToEditor();
      release();
      return {};
    }
    case keyboard::KindSpace: {
      keyboard::AdvanceCursor(ctx_.grid, s, IsDictation());
      release();
      if (ctx_.grid.cursorCol == 0) return wholeGrid();
      return base::CellRect(s, ctx_.grid.cursorCol - 1, ctx_.grid.cursorRow)
          .Union(base::CellRect(s, ctx_.grid.cursorCol + 1, ctx_.grid.cursorRow));
    }
    case keyboard::KindNewLine:
      keyboard::CursorNewLine(ctx_.grid, s);
      release();
      return wholeGrid();
    case keyboard::KindShift:
      keys.shiftOn = keys.shiftOn != 0 ? 0 : 1;
      SetKeyLabels(keys.shiftOn != 0, keys.signsPageOn != 0);
      return keyboardArea();
    case keyboard::KindPage:
      for (int i = 0; i < s.keyCount; ++i) ctx_.cells[i].glyph = ctx_.cells[i].glyphAlt = 0;
      keys.signsPageOn = keys.signsPageOn != 0 ? 0 : 1;
      SetKeyLabels(keys.shiftOn != 0, keys.signsPageOn != 0);
      return keyboardArea();
    default:
      break;
  }

  const int page =
      UsesKeypad() ? keyboard::PageKeypad : keyboard::LetterPage(keys.shiftOn, keys.signsPageOn);
  auto tiles = Tiles();
  const int tile = keyboard::MakeTile(tiles, key, page, ctx_.autoPlace != 0, flags);
  if (tile < 0) {
    // The table is full: no more tiles.
    release();
    return {};
  }
  if (ctx_.cells[tile].glyph != 0 && ctx_.showNow) ctx_.showNow(TileRect(ctx_.cells[tile]));
  return {};
}

gfx::Rect WritingModule::PickUpTile(int tile, gfx::Point point, std::uint32_t flags) {
  base::CellRecord& r = ctx_.cells[tile];
  ctx_.held.selectedPiece = tile;
  if (ctx_.showNow) ctx_.showNow(TileRect(r));
  ctx_.platform.clock.Sleep(kPickUpPauseMs);

  auto tiles = Tiles();
  const gfx::Rect group = keyboard::SelectLinkGroup(tiles, tile);
  if (!group.IsEmpty()) {
    Invalidate(group);
  } else {
    longPressColumn_ = r.gridCol;
    longPressLine_ = r.gridRow;
    ctx_.platform.timers.Start(base::kTimerLongPress, kLongPressMs);
  }
  ctx_.held.pickFlags = flags;
  ctx_.held.dragRect = TileRect(r);
  if (r.gridCol >= 0 && r.gridRow >= 0 && r.gridCol < keyboard::WritingGrid::kColumns &&
      r.gridRow < keyboard::WritingGrid::kLines) {
    const auto l = static_cast<std::size_t>(r.gridRow);
    const auto c = static_cast<std::size_t>(r.gridCol);
    ctx_.grid.text[l][c] = ' ';
    ctx_.grid.visibility[l][c] = 1;
    ctx_.grid.links[l][c] = 0;
    ctx_.grid.marks[l][c] = 0;
    ctx_.grid.occupancy[l][c] = 0;
    PressCell(point);
    ctx_.held.pickFlags = flags;
    ctx_.held.dragRect = TileRect(r);
  }
  return {};
}

gfx::Rect WritingModule::OnMouseMove(std::uint32_t flags, gfx::Point point) {
  const int k = ctx_.held.selectedPiece;
  // Only tiles move under the mouse; the keys stay in the keyboard.
  if (k < ctx_.state.keyCount || k >= std::min(ctx_.state.itemCount, base::kMaxItems)) return {};
  if (ctx_.autoPlace != 0 && ctx_.cells[k].movable == 0) return {};
  auto tiles = Tiles();
  return keyboard::DragTile(tiles, flags, point);
}

void WritingModule::OnLButtonUp(std::uint32_t /*flags*/, gfx::Point /*point*/) {
  if (ctx_.held.selectedPiece >= 0) {
    wordDone = 0;
    if (IsDictation()) UntickFixed();
    const int k = ctx_.held.selectedPiece;
    const bool flying =
        k < std::min(ctx_.state.itemCount, base::kMaxItems) && ctx_.cells[k].movable == 0;
    // A letter placed automatically flies on by itself: the mouse lets it go.
    if (flying) ctx_.held.selectedPiece = -1;
    if (!flying) {
      ctx_.platform.timers.Kill(base::kTimerLongPress);
      keyboard::DropOptions options;
      options.listModule = IsDictation();
      options.fixedOn = ctx_.editor.fixed;
      options.keypad = UsesKeypad();
      options.editorText = ctx_.editor.text;
      options.repaint = [this](const gfx::Rect& r) { Invalidate(r); };
      auto tiles = Tiles();
      const keyboard::DropOutcome out = keyboard::DropTile(tiles, options);
      if (out.placed) {
        if (out.wordComplete) {
          wordDone = 1;
        } else {
          SpeakWordAt(out.column, out.line);
        }
      }
    }
    CelebrateCompleteExercise();
    MirrorToEditor();
    if (wordDone != 0) ctx_.platform.timers.Start(base::kTimerWordSuccess, 50);
  }
  if (ctx_.selection.selectionCount > 1) {
    // The frame around the word goes with the selection.
    gfx::Rect frame;
    for (int i = 0;
         i < ctx_.selection.selectionCount && i < static_cast<int>(ctx_.selection.selection.size());
         ++i) {
      const int k = ctx_.selection.selection[static_cast<std::size_t>(i)];
      if (k >= 0 && k < base::kMaxItems) frame = frame.Union(TileRect(ctx_.cells[k]));
    }
    Invalidate(frame.Inflated(5, 5));
  }
  ctx_.selection.selectionCount = 0;
}

void WritingModule::OnTimer(int id) {
  if (id != base::kTimerLongPress) return;
  if (!ctx_.editor.fixed) {
    auto tiles = Tiles();
    Invalidate(keyboard::GroupWordAtCell(tiles, longPressColumn_, longPressLine_));
  }
  ctx_.platform.timers.Kill(base::kTimerLongPress);
}

void WritingModule::OnTileArrived(int tile) {
  // Landed: a release that comes now must not drop it again.
  if (ctx_.held.selectedPiece == tile) ctx_.held.selectedPiece = -1;
  const base::CellRecord& r = ctx_.cells[tile];
  const int column = r.gridCol;
  const int line = r.gridRow;
  CelebrateCompleteExercise();
  MirrorToEditor();
  wordDone = IsDictation() && keyboard::CheckListWord(ctx_.cells, ctx_.state, ctx_.grid) ? 1 : 0;
  if (wordDone != 0) {
    ctx_.platform.timers.Start(base::kTimerWordSuccess, 50);
    return;
  }
  SpeakWordAt(column, line);
  keyboard::AdvanceCursor(ctx_.grid, ctx_.state, IsDictation());
}

void WritingModule::Tick() {
  auto tiles = Tiles();
  const bool cleared = keyboard::AnimateTilesHome(
      tiles, ctx_.editor.fixed, [this](const gfx::Rect& r) { Invalidate(r, false); });
  if (cleared) {
    // The clearing emptied the editor already; what the teacher typed since then is laid down
    // now, not thrown away.
    ImportEditorText();
    return;
  }
  Invalidate(keyboard::AnimatePlacement(tiles, ctx_.editor.fixed,
                                        [this](int tile) { OnTileArrived(tile); }),
             false);
}

}  // namespace exercises
