// The puzzle screen as the view sees it: its parts and its clicks, in the program's fixed order.
#include <optional>

#include "app/icon_table.h"
#include "app/scribix_view.h"
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
          settingsFile_.loading,
          [this](puzzle::PuzzleSound sound) {
            speech::SoundEffects::Switches switches;
            switches.soundOn = state_.soundOn == 1;
            switches.inPuzzle = true;
            switches.puzzleNoSounds = puzzleDialog_.noSounds;
            sounds_.Play(static_cast<int>(sound), switches);
          },
          [this] { rewards_.PlayFireworks(); },
          [this] {
            editorDialog_.SetTextFromProgram({});
            grid::GridTiles g{state_, cells_, grid_, keyboardPictures_};
            grid::LoadTextIntoGrid(g, {}, false, false, {});
          },
          [this](IconId id) { return icons_[id]; }};
}

void CScribixView::ShowPuzzleSolution() {
  grid::GridTiles g{state_, cells_, grid_, keyboardPictures_};
  grid::ClearGrid(g, 0, true);
  editorDialog_.SetTextFromProgram({});
  puzzle_.ShowPuzzleSolution();
}

gfx::Rect CScribixView::HandlePuzzleClick(unsigned flags, gfx::Point point) {
  auto in = [&](IconId id) { return icons_[id].Contains(point); };

  if (in(IconQuit) && QuitProgram()) return {};

  editorDialog_.SetFixedFromProgram(false);
  tooltips_.Forget(true);

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

  if (target) {
    modules_.Select(*target);
    return {};
  }
  for (const IconCommand& row : IconTable::Rows()) {
    if (!Answers(row, point)) continue;
    if (row.command != nullptr) row.command(*this);
    if (row.endsClick) return RepaintAfter(row);
  }
  // A piece lying under an icon is left where it is: the click is the icon's.
  if (topmost.has_value()) return {};
  puzzle_.SelectPieceAt(point);
  return puzzle_.PickUpSelected(flags, point);
}

}  // namespace app
