// The puzzle screen as the view sees it: its parts and its clicks, in the program's fixed order.
#include <optional>

#include "app/icon_table.h"
#include "app/scribix_view.h"
#include "grid/grid_text.h"

namespace app {

puzzle::PuzzleContext CScribixView::PuzzleParts() {
  return {state_,
          board_.cells,
          board_.held,
          dialogs_.puzzle,
          platform_,
          random_,
          keyboard::kKeypadLabels,
          board_.grid.clearing,
          dialogs_.editor.fixed,
          settingsFile_.loading,
          [this](puzzle::PuzzleSound sound) {
            speech::SoundEffects::Switches switches;
            switches.soundOn = state_.soundOn == 1;
            switches.inPuzzle = true;
            switches.puzzleNoSounds = dialogs_.puzzle.noSounds;
            voice_.sounds.Play(static_cast<int>(sound), switches);
          },
          [this] { rewards_.PlayFireworks(); },
          [this] {
            dialogs_.editor.SetTextFromProgram({});
            grid::GridTiles g{state_, board_.cells, board_.grid, board_.pictures};
            grid::LoadTextIntoGrid(g, {}, false, false, {});
          },
          [this](IconId id) { return icons_[id]; },
          notebook_.Log()};
}

void CScribixView::ShowPuzzleSolution() {
  grid::GridTiles g{state_, board_.cells, board_.grid, board_.pictures};
  grid::ClearGrid(g, 0, true);
  dialogs_.editor.SetTextFromProgram({});
  modules_.puzzle.ShowPuzzleSolution();
}

gfx::Rect CScribixView::HandlePuzzleClick(unsigned flags, gfx::Point point) {
  auto in = [&](IconId id) { return icons_[id].Contains(point); };

  if (in(IconQuit) && QuitProgram()) return {};

  dialogs_.editor.SetFixedFromProgram(false);
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
    modules_.switcher.Select(*target);
    return {};
  }
  for (const IconCommand& row : IconTable::Rows()) {
    if (!Answers(row, point)) continue;
    if (row.command != nullptr) row.command(*this);
    if (row.endsClick) return RepaintAfter(row);
  }
  // A piece lying under an icon is left where it is: the click is the icon's.
  if (topmost.has_value()) return {};
  modules_.puzzle.SelectPieceAt(point);
  return modules_.puzzle.PickUpSelected(flags, point);
}

}  // namespace app
