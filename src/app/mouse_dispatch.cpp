// The left mouse button: the icons first, in the program's fixed order, then the module switch,
// then the active module.
#include <optional>

#include "app/scribix_view.h"
#include "gfx/picture_drawing.h"
#include "grid/tile_board.h"

namespace app {

namespace {

constexpr int kPressFeedbackMs = 200;
constexpr int kModuleSwitchPauseMs = 200;

}  // namespace

void CScribixView::OnLButtonDown(unsigned flags, gfx::Point point) {
  state_.mouseDown = 1;
  // A press puts the tooltip away; it comes back once the mouse rests again.
  if (!tips_.shownTip.empty()) ShowTip(tips_.tipX, tips_.tipY, {});
  PressFeedback(point);
  const gfx::Rect area =
      module_ == ModuleId::kPuzzle ? HandlePuzzleClick(flags, point) : HandleClick(flags, point);
  if (!area.IsEmpty()) platform_.window.Invalidate(area, true);
}

void CScribixView::OnLButtonUp(unsigned flags, gfx::Point point) {
  state_.mouseDown = 0;
  Active().OnLButtonUp(flags, point);
}

void CScribixView::OnLButtonDblClk(unsigned /*flags*/, gfx::Point point) {
  // Only the puzzle answers a double click: it brings a piece home.
  if (module_ == ModuleId::kPuzzle) puzzle_.PlacePieceAutomatically(point);
}

void CScribixView::DrawNow(const gfx::Rect& area) {
  if (!backBufferValid_ || area.IsEmpty()) return;
  base::BuildDrawOrder(cells_, state_.itemCount, held_.selectedPiece);
  gfx::Canvas canvas(backBuffer_, area.Intersect(backBuffer_.Bounds()));
  PaintScreen(canvas);
  platform_.window.ShowNow(area);
}

void CScribixView::PressFeedback(gfx::Point point) {
  for (const IconShown& shown : IconsShown()) {
    const gfx::Rect rect = icons_[shown.icon];
    if (!rect.Contains(point)) continue;
    IconPicture picture = shown.picture;
    if (shown.icon == IconKeyboard) {
      state_.keyboardShown = state_.keyboardShown == 1 ? 0 : 1;
      picture = state_.keyboardShown == 1 ? PictureKeyboardOn : PictureKeyboardOff;
    } else if (shown.icon == IconSound) {
      state_.soundOn = state_.soundOn == 1 ? 0 : 1;
      if (state_.soundOn == 0) speech_.Silence();
      picture = state_.soundOn == 1 ? PictureSoundOn : PictureSoundOff;
    }
    if (backBufferValid_) {
      // Pressed: the picture sinks by a pixel for a moment.
      gfx::Canvas canvas(backBuffer_, rect.Intersect(backBuffer_.Bounds()));
      canvas.Fill(rect, state_.backgroundColour);
      gfx::DrawBitmapCentred(canvas, gfx::ViewOf(icons_.Bitmap(picture)),
                             {rect.left + 1, rect.top + 1, rect.right, rect.bottom}, false);
      platform_.window.ShowNow(rect);
    }
    Delay(kPressFeedbackMs);
    if (backBufferValid_) {
      gfx::Canvas canvas(backBuffer_, rect.Intersect(backBuffer_.Bounds()));
      canvas.Fill(rect, state_.backgroundColour);
      gfx::DrawBitmapCentred(canvas, gfx::ViewOf(icons_.Bitmap(picture)), rect, false);
      platform_.window.ShowNow(rect);
    }
  }
}

gfx::Rect CScribixView::HandleClick(unsigned flags, gfx::Point point) {
  auto in = [&](IconId id) { return icons_[id].Contains(point); };
  const ModuleId current = module_;
  exercises::WritingModule* writing = Writing();
  if (writing == nullptr) return {};

  if (in(IconQuit) && QuitProgram()) return {};

  std::optional<ModuleId> target;
  if (in(IconModuleMath)) {
    target = ModuleId::kMathematique;
  } else if (in(IconModuleList)) {
    target = ModuleId::kListe;
  } else if (in(IconModuleFrench)) {
    target = ModuleId::kFrancais;
  }
  // A click on the module already shown unticks "Fixer l'exercice". A real change keeps it: it
  // belongs to the exercise, which is saved fixed and comes back fixed.
  if (target && *target == current) {
    writing->UntickFixed();
    return {};
  }

  if (autoPlace_ != 0) platform_.window.Invalidate(grid_.cursorRect, true);
  tips_.wantedTip.clear();
  tips_.shownTip.clear();
  if (target && current == ModuleId::kMathematique) {
    math_.SaveText(settingsDialog_.cellsSelection, settingsDialog_.linesSelection);
    Delay(kModuleSwitchPauseMs);
  }
  if (target && current != ModuleId::kMathematique &&
      (*target == ModuleId::kMathematique || *target == ModuleId::kListe)) {
    // The dictation's grid is no Français text: leaving it saves nothing.
    if (current == ModuleId::kFrancais) {
      french_.SaveText(settingsDialog_.cellsSelection, settingsDialog_.linesSelection);
    }
    Delay(kModuleSwitchPauseMs);
  }

  // At the small icon sizes the dictation's "next word" is drawn over most of the puzzle's
  // icon: a click goes to the icon the child sees there.
  const bool onPuzzleIcon =
      in(IconModulePuzzle) && !(current == ModuleId::kListe && in(IconNextWord));
  if (onPuzzleIcon) {
    EnterPuzzle();
    // Saved with the exercise; the puzzle has none.
    writing->UntickFixed();
    return {};
  }

  if (target) {
    writing->ClearForModuleChange();
    RepaintModuleIcons(current);
    if (*target == ModuleId::kFrancais) module_ = ModuleId::kFrancais;
    RepaintModuleIcons(*target);
  }

  // The dictation's own icons: help, solution and the instruction again end the click; the next
  // word goes on with the tests below. A button the teacher hid does nothing where it stood.
  if (module_ == ModuleId::kListe) {
    exercises::Dictation& dictation = list_.Dictation();
    if (in(IconHelp)) {
      if (!listDialog_.hideHelp) dictation.Help();
      return {};
    }
    if (in(IconSolution)) {
      if (listDialog_.hideSolution) return {};
      dictation.Solution();
      if (autoAdvanceSeconds_ > 0) {
        platform_.timers.Start(base::kTimerNextWord, autoAdvanceSeconds_ * 1000);
      }
      return {};
    }
    if (in(IconNextWord)) NextDictationEntry();
    if (in(IconRepeatWord)) {
      if (wordList_.currentEntry >= 0) dictation.Instruction(wordList_.currentEntry);
      return {};
    }
  }

  if (in(IconManual)) OpenManual();
  if (in(IconBackground)) ChooseBackgroundColour();
  if (in(IconSound)) return icons_[IconSound];
  if (in(IconKeyboard)) {
    platform_.window.InvalidateAll(true);
    return icons_[IconKeyboard];
  }
  if (in(IconRepeat)) {
    Writing()->RepeatInstruction();
    return icons_[IconRepeat];
  }
  if (in(IconReadText)) {
    Writing()->ReadTextAloud();
    return icons_[IconReadText];
  }
  if (in(IconStopReading)) {
    speech_.Silence();
    return icons_[IconStopReading];
  }
  if (in(IconModuleEdit)) {
    platform_.dialogHost.Hide(ports::DialogId::kEditor);
    platform_.dialogHost.Show(ports::DialogId::kEditor);
    return {};
  }

  const int hit = grid::HitTest(cells_, state_.itemCount, point);
  held_.selectedPiece = hit;

  if (in(IconSettings)) {
    platform_.dialogHost.Hide(ports::DialogId::kSettings);
    platform_.dialogHost.Show(ports::DialogId::kSettings);
    platform_.dialogHost.Raise(ports::DialogId::kSettings);
    return {};
  }
  if (module_ == ModuleId::kListe && in(IconWordLists)) {
    platform_.dialogHost.Hide(ports::DialogId::kWordLists);
    platform_.dialogHost.Show(ports::DialogId::kWordLists);
    return {};
  }
  if (in(IconModuleList)) {
    platform_.window.Invalidate(keys_.keyboardFrame, true);
    module_ = ModuleId::kListe;
    editorDialog_.SetTextFromProgram({});
    // The dictation has no exercise to fix; the one left was saved with its state.
    list_.UntickFixed();
  }
  if (in(IconModuleMath) && current != ModuleId::kMathematique) {
    platform_.window.Invalidate(keys_.keyboardFrame, true);
    module_ = ModuleId::kMathematique;
    state_.keyboardLeft = state_.digitKeyboardLeft;
    state_.keyboardTop = state_.digitKeyboardTop;
    BuildKeyboard();
    state_.keyCount = state_.itemCount = state_.keysPerRow * state_.keyRows;
    keys_.facePicture = nullptr;
    math_.SetKeypadLabels();
    math_.LoadText();
    platform_.window.Invalidate(keys_.keyboardFrame, true);
  }
  if ((in(IconModuleFrench) || in(IconModuleList)) && current == ModuleId::kMathematique) {
    module_ = in(IconModuleList) ? ModuleId::kListe : ModuleId::kFrancais;
    state_.keyboardLeft = state_.letterKeyboardLeft;
    state_.keyboardTop = state_.letterKeyboardTop;
    platform_.window.Invalidate(keys_.keyboardFrame, true);
    BuildKeyboard();
    state_.keyCount = state_.itemCount = keyboard::kLetterKeys;
    Writing()->SetKeyLabels(false, false);
    if (module_ != ModuleId::kListe) french_.LoadText();
    platform_.window.Invalidate(keys_.keyboardFrame, true);
  }
  if (in(IconClear)) {
    Writing()->ClearGrid();
    return {};
  }
  if (in(IconModuleFrench)) french_.LoadText();

  return Active().OnLButtonDown(flags, point, hit);
}

}  // namespace app
