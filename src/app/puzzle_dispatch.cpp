// The puzzle screen as the view sees it: its clicks, in the program's fixed order, and the way in
// and out of it.
#include <optional>

#include "app/scribix_view.h"
#include "effects/effect_player.h"
#include "grid/grid_text.h"

namespace app {

puzzle::PuzzleContext CScribixView::PuzzleParts() {
  return {state_,
          cells_,
          held_,
          puzzleDialog_,
          platform_,
          random_,
          keyboard::kKeypadLabels,
          grid_.clearing,
          editorDialog_.fixed,
          settingsLoading_,
          [this](puzzle::PuzzleSound sound) {
            speech::SoundEffects::Switches switches;
            switches.soundOn = state_.soundOn == 1;
            switches.inPuzzle = true;
            switches.puzzleNoSounds = puzzleDialog_.noSounds;
            sounds_.Play(static_cast<int>(sound), switches);
          },
          [this] {
            if (!backBufferValid_) return;
            effects::EffectPlayer player(backBuffer_, platform_.window, platform_.clock,
                                         platform_.sound, random_);
            player.PlayFireworks(fireworks_, backBuffer_.Bounds());
          },
          [this] {
            editorDialog_.SetTextFromProgram({});
            grid::GridTiles g{state_, cells_, grid_, keyboardPictures_};
            grid::LoadTextIntoGrid(g, {}, false, false, {});
          },
          [this](IconId id) { return icons_[id]; }};
}

void CScribixView::EnterPuzzle() {
  if (module_ == ModuleId::kMathematique) {
    math_.SaveText(settingsDialog_.cellsSelection, settingsDialog_.linesSelection);
  } else if (module_ == ModuleId::kFrancais) {
    french_.SaveText(settingsDialog_.cellsSelection, settingsDialog_.linesSelection);
  }
  held_.selectedPiece = -1;
  selection_.selectionCount = 0;
  platform_.window.Invalidate(keys_.keyboardFrame, true);
  module_ = ModuleId::kPuzzle;
  puzzle_.Enter();
  platform_.window.InvalidateAll(true);
}

void CScribixView::LeavePuzzle(ModuleId target) {
  puzzle_.Leave();
  // The keys take their size from the keyboard's zoom again, as the settings say now.
  if (keyboardLookPending_) {
    SetKeyboardZoom(state_.keyboardZoomIndex);
  } else {
    state_.cellWidth = state_.cellHeight =
        static_cast<int>(static_cast<float>(keyboard::kKeySide) * state_.keyboardZoom);
  }
  if (target == ModuleId::kMathematique) {
    module_ = ModuleId::kMathematique;
    state_.keyboardLeft = state_.digitKeyboardLeft;
    state_.keyboardTop = state_.digitKeyboardTop;
    BuildKeyboard();
    state_.keyCount = state_.itemCount = state_.keysPerRow * state_.keyRows;
    math_.SetKeypadLabels();
    math_.LoadText();
  } else {
    module_ = target;
    state_.keyboardLeft = state_.letterKeyboardLeft;
    state_.keyboardTop = state_.letterKeyboardTop;
    BuildKeyboard();
    state_.keyCount = state_.itemCount = keyboard::kLetterKeys;
    Writing()->SetKeyLabels(false, false);
    if (target == ModuleId::kFrancais) french_.LoadText();
    // The dictation starts on an empty grid, as when it is entered from another module.
    if (target == ModuleId::kListe) {
      list_.ClearForModuleChange();
      editorDialog_.SetTextFromProgram({});
    }
  }
  if (keyboardLookPending_) {
    // A keyboard look chosen during the puzzle comes now, as it would have come outside it.
    keyboardLookPending_ = false;
    ApplyKeyboardLook(state_.keyboardColours, state_.keyboardZoomIndex);
    FitWindowToContent();
  }
  platform_.window.InvalidateAll(true);
}

void CScribixView::ShowPuzzleSolution() {
  grid::GridTiles g{state_, cells_, grid_, keyboardPictures_};
  grid::ClearGrid(g, 0, true);
  editorDialog_.SetTextFromProgram({});
  puzzle_.ShowPuzzleSolution();
}

gfx::Rect CScribixView::HandlePuzzleClick(unsigned flags, gfx::Point point) {
  auto in = [&](IconId id) { return icons_[id].Contains(point); };
  const gfx::Size client = platform_.window.ClientSize();
  const gfx::Rect whole{0, 0, client.width, client.height};

  if (in(IconQuit) && QuitProgram()) return {};

  editorDialog_.SetFixedFromProgram(false);
  tips_.wantedTip.clear();
  tips_.shownTip.clear();
  ShowTip(tips_.tipX, tips_.tipY, {});

  // "Charger un puzzle" and "Sauvegarder  le puzzle" are drawn over parts of the module
  // icons: a click there is for the icon the child sees.
  std::optional<IconId> topmost;
  for (const IconShown& shown : IconsShown()) {
    if (in(shown.icon)) topmost = shown.icon;
  }
  const auto onModuleIcon = [&](IconId id) { return topmost == id; };
  std::optional<ModuleId> target;
  if (onModuleIcon(IconModuleMath)) {
    target = ModuleId::kMathematique;
  } else if (onModuleIcon(IconModuleList)) {
    target = ModuleId::kListe;
  } else if (onModuleIcon(IconModuleFrench)) {
    target = ModuleId::kFrancais;
  }
  if (target) puzzle_.SavePuzzleState();

  if (in(IconManual)) OpenManual();
  if (in(IconBackground)) ChooseBackgroundColour();
  if (in(IconSound)) return icons_[IconSound];
  if (in(IconSavePuzzle)) puzzle_.SavePuzzleAs();

  // A piece lying under an icon is left where it is: the click is the icon's.
  const bool onIcon = topmost.has_value();
  if (!onIcon) puzzle_.SelectPieceAt(point);

  if (target) {
    LeavePuzzle(*target);
    return {};
  }
  if (in(IconLoadPuzzle)) {
    puzzle_.OpenPictureOrPuzzle();
    return whole;
  }
  if (in(IconSavePuzzle)) return whole;
  if (in(IconScatter)) {
    puzzle_.ScatterPieces();
    return whole;
  }
  if (in(IconModel)) {
    puzzle_.ToggleModel();
    return whole;
  }
  // Hidden, the solution icon is no icon at all: a press there takes the piece under it.
  if (in(IconPuzzleSolution) && !puzzleDialog_.hideSolution) {
    ShowPuzzleSolution();
    return {};
  }
  if (in(IconSettings)) {
    platform_.dialogHost.Hide(ports::DialogId::kPuzzleSettings);
    platform_.dialogHost.Show(ports::DialogId::kPuzzleSettings);
  }
  if (onIcon) return {};
  return puzzle_.PickUpSelected(flags, point);
}

}  // namespace app
