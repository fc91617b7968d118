#include "exercises/writing_module.h"

#include <algorithm>

#include "base/timer_ids.h"
#include "grid/grid_drawing.h"

namespace exercises {

using namespace base::icons;

WritingModule::WritingModule(WritingContext context)
    : ctx_(context),
      spoken_(context.speech, context.platform.timers, base::kTimerSpokenLight,
              [this](const std::vector<grid::GridCell>& cells) {
                for (const grid::GridCell& cell : cells) {
                  Invalidate(grid::LitCellArea(ctx_.state, cell));
                }
              }) {}

keyboard::KeyGeometry WritingModule::Geometry() const {
  const base::AppState& s = ctx_.state;
  return {s.keyboardZoom, s.cellWidth, s.cellHeight, {s.keyboardLeft, s.keyboardTop}};
}

void WritingModule::TakeCounts(const keyboard::KeyCounts& counts) {
  ctx_.state.keysPerRow = counts.keysPerRow;
  ctx_.state.keyRows = counts.keyRows;
}

void WritingModule::MoveKeyboard() {
  TakeCounts(UsesKeypad()
                 ? keyboard::MoveKeypad(Geometry(), ctx_.board.Cells(), ctx_.keys)
                 : keyboard::MoveLetterKeyboard(Geometry(), ctx_.board.Cells(), ctx_.keys));
}

void WritingModule::BuildKeys() {
  const keyboard::KeyCounts counts =
      UsesKeypad() ? keyboard::LayoutKeypad(Geometry(), ctx_.board.Cells(), ctx_.keys)
                   : keyboard::LayoutLetterKeyboard(Geometry(), ctx_.board.Cells(), ctx_.keys);
  TakeCounts(counts);
  ctx_.state.keyCount = ctx_.state.itemCount = counts.keyCount;
}

void WritingModule::SetKeyLabels(bool shift, bool signs) {
  const int page = keyboard::LetterPage(shift, signs);
  keyboard::WriteKeyLabels(ctx_.board.Cells(), page);
  const int zoom = ctx_.state.keyboardZoomIndex;
  ctx_.pictures.UseZoom(zoom);
  ctx_.keys.facePicture = ctx_.pictures.LetterPicture(zoom, ctx_.state.keyboardColours, page);
}

void WritingModule::SetKeypadLabels() {
  ctx_.state.keysPerRow = keyboard::kKeypadColumns;
  ctx_.state.keyRows = keyboard::kKeypadRows;
  keyboard::WriteKeyLabels(ctx_.board.Cells(), keyboard::PageKeypad);
  const int zoom = ctx_.state.keyboardZoomIndex;
  ctx_.pictures.UseZoom(zoom);
  ctx_.keys.facePicture = ctx_.pictures.KeypadPicture(zoom, ctx_.state.keyboardColours);
}

void WritingModule::ApplyLabels(bool shift, bool signs) {
  if (UsesKeypad()) {
    SetKeypadLabels();
  } else {
    SetKeyLabels(shift, signs);
  }
}

void WritingModule::ApplyKeyboardLook() {
  ApplyLabels(ctx_.keys.shiftOn != 0, ctx_.keys.signsPageOn != 0);
  LoadText();
}

KeptWriting WritingModule::KeepWriting() const {
  KeptWriting kept{ctx_.board.Grid(), {}};
  for (int i = ctx_.state.keyCount; i < std::min(ctx_.state.itemCount, base::kMaxItems); ++i) {
    const base::CellRecord& r = ctx_.board.Cells()[i];
    if (r.gridCol >= 0 && r.gridRow >= 0 && r.settled == 1 && r.movable == 1) {
      kept.tiles.push_back(r);
    }
  }
  return kept;
}

void WritingModule::RestoreWriting(const KeptWriting& kept) {
  ctx_.board.Grid() = kept.grid;
  ctx_.board.Grid().clearing = 0;
  ctx_.state.itemCount = ctx_.state.keyCount;
  ctx_.board.Release();
  ctx_.board.Selection().selectionCount = 0;
  auto g = GridText();
  for (const base::CellRecord& r : kept.tiles) {
    grid::PlaceLetterTile(g, r.sourceKey, r.page, r.gridCol, r.gridRow, r.Letter(), r.visible,
                          r.linkGroup, r.fixed != 0);
  }
  ctx_.board.Grid().TakeSnapshots();
  // A tile the mouse was holding is back in its cell: the editor has it again.
  MirrorToEditor();
}

void WritingModule::LayTilesAgain() {
  // The answers to a fixed exercise are in the grid only: they stay. Otherwise the editor holds
  // what the grid shows.
  if (ctx_.editor.fixed) {
    RestoreWriting(KeepWriting());
  } else {
    ImportEditorText();
  }
}

void WritingModule::RefreshLabels() {
  ApplyLabels(ctx_.keys.shiftOn != 0, ctx_.keys.signsPageOn != 0);
}

keyboard::ItemScene WritingModule::Scene() const {
  keyboard::ItemScene scene;
  scene.facePicture = ctx_.keys.facePicture;
  scene.glyphs = &ctx_.pictures.Glyphs();
  scene.firstItem = ctx_.state.keyboardShown == 1 ? 0 : ctx_.state.keyCount;
  scene.itemCount = ctx_.state.itemCount;
  scene.keyCount = ctx_.state.keyCount;
  scene.heldItem = ctx_.board.Held().selectedPiece;
  scene.mouseDown = ctx_.state.mouseDown == 1;
  scene.selected = ctx_.board.Selection().Selected();
  if (ColoursSyllables() && ctx_.state.keyboardColours >= 0 &&
      ctx_.state.keyboardColours < keyboard::kSchemeCount) {
    scene.letterInks = ctx_.syllableColours.Inks();
    scene.inkScheme =
        &keyboard::kLetterKeyColours[static_cast<std::size_t>(ctx_.state.keyboardColours)];
  }
  return scene;
}

void WritingModule::PreparePaint() {
  // Without its picture the keyboard tries again with the first page (or the keypad).
  if (ctx_.keys.facePicture == nullptr) ApplyLabels(false, false);

  if (IsDictation()) {
    grid::PlaceCursorOnNewWord(ctx_.board.Grid(), ctx_.state);
    grid::RecordListCells(ctx_.board.Grid(), ctx_.state);
  } else if (!ctx_.editor.fixed) {
    grid::RecordCursorCell(ctx_.board.Grid(), ctx_.state);
  }
  if (ctx_.keys.facePicture != nullptr) {
    keyboard::TurnReleasedTiles(ctx_.board.Cells(), Scene(), ctx_.pictures.Glyphs());
  }
  if (!UsesKeypad()) {
    // A letter that joins or leaves a word can change the colours of the word's other letters:
    // they are drawn again too.
    const auto changed =
        ctx_.syllableColours.Prepare(ctx_.board.Cells(), ctx_.state.keyCount, ctx_.state.itemCount,
                                     ctx_.syllableLook, ctx_.state.keyboardColours);
    for (const auto& cell : changed) {
      Invalidate(base::CellRect(ctx_.state, cell.column, cell.line), false);
    }
  }
  grid::ForgetStaleWrongLetters(ctx_.board.Grid(), ctx_.board.Cells(), ctx_.state,
                                ctx_.board.Held().selectedPiece);
}

void WritingModule::PaintGrid(gfx::Canvas& canvas) const {
  const bool cursorShown = ctx_.autoPlace != 0;
  if (IsDictation()) {
    grid::DrawListGrid(canvas, ctx_.state, ctx_.board.Grid(), cursorShown);
  } else if (ctx_.editor.fixed) {
    grid::DrawFixedGrid(canvas, ctx_.state, ctx_.board.Grid(), cursorShown);
  } else {
    grid::DrawFreeGrid(canvas, ctx_.state, ctx_.board.Grid(), cursorShown);
  }
  grid::DrawLitCellsUnder(canvas, ctx_.state, spoken_.Lit());
}

void WritingModule::PaintItems(gfx::Canvas& canvas) const {
  if (ctx_.keys.facePicture == nullptr) return;
  const base::AppState& s = ctx_.state;
  if (s.keyboardShown == 1)
    keyboard::DrawKeyboardPanel(canvas, s, ctx_.board.Cells(), UsesKeypad());
  for (int i = s.keyCount; i < std::min(s.itemCount, base::kMaxItems); ++i) {
    grid::FrameMarkedTile(canvas, ctx_.board.Cells()[i], ctx_.board.Grid());
  }
  keyboard::DrawItems(canvas, ctx_.board.Cells(), Scene());
  for (int i = s.keyCount; i < std::min(s.itemCount, base::kMaxItems); ++i) {
    grid::RingWrongLetter(canvas, ctx_.board.Cells()[i], i, ctx_.board.Grid(),
                          ctx_.board.Held().selectedPiece);
  }
  grid::DrawSelectionFrame(canvas, ctx_.board.Cells(), ctx_.board.Selection(), s.cellWidth,
                           s.cellHeight);
  grid::DrawLitCellsOver(canvas, s, spoken_.Lit());
}

void WritingModule::AddIcons(std::vector<base::IconShown>& icons) const {
  icons.push_back({IconReadText, PicturePlay});
  icons.push_back({IconStopReading, PictureStop});
  icons.push_back({IconClear, PictureTrash});
  icons.push_back({IconSettings, PictureSettings});
  if (!IsDictation()) {
    icons.push_back({IconRepeat, PictureRepeat});
    icons.push_back({IconModuleEdit, PictureEdit});
  }
  icons.push_back(
      {IconKeyboard, ctx_.state.keyboardShown == 1 ? PictureKeyboardOn : PictureKeyboardOff});
  icons.push_back({IconEchoWord, PictureEcho});
  if (IsDictation()) {
    icons.push_back({IconWordLists, PictureListSettings});
    icons.push_back({IconNextWord, PictureNextWord});
    icons.push_back({IconRepeatWord, PictureRepeatWord});
    if (!ctx_.listDialog.hideHelp) icons.push_back({IconHelp, PictureWizard});
    if (!ctx_.listDialog.hideSolution) icons.push_back({IconSolution, PictureSolution});
    icons.push_back({IconReplayWord, PictureReplayWord});
    icons.push_back({IconReplaySlow, PictureReplaySlow});
    icons.push_back({IconReplayLetters, PictureReplayLetters});
  }
}

void WritingModule::Enter(base::ModuleId left, const std::function<void()>& layOutKeyboard) {
  using base::ModuleId;
  base::AppState& s = ctx_.state;
  const bool fromPuzzle = left == ModuleId::kPuzzle;
  workSessionOpen_ = false;
  hiddenWordsFound_ = 0;
  if (IsDictation() && !fromPuzzle) {
    Invalidate(ctx_.keys.keyboardFrame);
    // The dictation has no exercise to fix; the one left was saved with its state.
    ctx_.editor.SetTextFromProgram({});
    UntickFixed();
  }
  // Français and the dictation share the letter keyboard; the keypad is Mathématique's. The
  // puzzle leaves no keys behind.
  const bool newKeys = fromPuzzle || UsesKeypad() != (left == ModuleId::kMathematique);
  if (newKeys) {
    if (fromPuzzle) {
      // The keys take their size from the keyboard's zoom again.
      s.cellWidth = s.cellHeight =
          static_cast<int>(static_cast<float>(keyboard::kKeySide) * s.keyboardZoom);
    } else {
      Invalidate(ctx_.keys.keyboardFrame);
    }
    s.keyboardLeft = UsesKeypad() ? s.digitKeyboardLeft : s.letterKeyboardLeft;
    s.keyboardTop = UsesKeypad() ? s.digitKeyboardTop : s.letterKeyboardTop;
    layOutKeyboard();
    s.keyCount = s.itemCount = UsesKeypad() ? s.keysPerRow * s.keyRows : keyboard::kLetterKeys;
    ApplyLabels(false, false);
  }
  if (!IsDictation()) {
    LoadText();
  } else if (fromPuzzle) {
    // The dictation starts on an empty grid, as when it is entered from another module.
    ClearForModuleChange();
    ctx_.editor.SetTextFromProgram({});
  }
  if (newKeys && !fromPuzzle) Invalidate(ctx_.keys.keyboardFrame);
}

void WritingModule::Leave(base::ModuleId next) {
  // The light belongs to this screen's cells.
  spoken_.Stop();
  if (next != base::ModuleId::kPuzzle) {
    ClearForModuleChange();
    return;
  }
  ctx_.board.Release();
  ctx_.board.Selection().selectionCount = 0;
  Invalidate(ctx_.keys.keyboardFrame);
  // Saved with the exercise; the puzzle has none.
  UntickFixed();
}

void WritingModule::SaveWork() {
  SaveText(ctx_.cellsSelection, ctx_.linesSelection);
}

}  // namespace exercises
