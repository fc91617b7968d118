// The children of the class as the view meets them: "Qui travaille ?", the child's folder the
// program works in, and going back to the children's buttons.
#include "app/icon_table.h"
#include "app/scribix_view.h"

namespace app {

namespace fs = std::filesystem;

void CScribixView::SetWorkPaths(const fs::path& folder) {
  // The child's folder is the data folder from now on: settings, module texts, puzzle, journal.
  state_.dataFolder = folder;
  state_.settingsPath = folder / "defaut";
  state_.frenchTextPath = folder / "defautabc";
  state_.mathTextPath = folder / "defautm";
  state_.puzzleStatePath = folder / "defautpuz";
}

void CScribixView::WorkIn(const fs::path& folder) {
  tooltips_.HideShown();
  board_.held.selectedPiece = -1;
  modules_.switcher.Select(ModuleId::kQuiTravaille, false);
  SetWorkPaths(folder);
  // As at start: Français with the child's text, then the child's settings over it.
  modules_.switcher.Select(ModuleId::kFrancais, false);
  const std::int32_t remembered = settingsFile_.loading;
  settingsFile_.loading = 1;
  settingsFile_.Read();
  settingsFile_.loading = remembered;
  keyboardLook_.FitWindowToContent();
  platform_.window.InvalidateAll(true);
}

std::string CScribixView::ChildAtWork() const {
  const auto child = class_.Current();
  if (!child || *child >= class_.Book().Count()) return {};
  return class_.Book().Children()[*child].name;
}

void CScribixView::AskWhoWorks() {
  if (state_.soundOn != 1) return;
  voice_.speech.Silence();
  voice_.speech.Speak(notebook::ProfileChooser::kTitle);
}

void CScribixView::GoToChooser() {
  class_.BackToChooser();
}

ClassHooks CScribixView::ClassParts() {
  ClassHooks hooks;
  hooks.showChooser = [this](bool saveWork) {
    tooltips_.HideShown();
    tooltips_.Forget(false);
    board_.held.selectedPiece = -1;
    modules_.switcher.Select(ModuleId::kQuiTravaille, saveWork);
    platform_.window.InvalidateAll(true);
    AskWhoWorks();
  };
  hooks.workIn = [this](const fs::path& folder) { WorkIn(folder); };
  hooks.saveWork = [this] { SaveModuleText(); };
  hooks.pointPathsAt = [this](const fs::path& folder) {
    SetWorkPaths(folder);
    // The first child of the class: their folder is this program's from now on.
    if (class_.Book().Count() > 0) {
      platform_.timers.Start(base::kTimerProfileLock, notebook::ProfileLock::kRefreshMs);
    }
    // The chooser's icon comes or goes with the second child.
    platform_.window.InvalidateAll(true);
  };
  hooks.say = [this](const std::string& text) {
    if (state_.soundOn != 1) return;
    voice_.speech.Silence();
    voice_.speech.Speak(text);
  };
  hooks.repaint = [this] { platform_.window.InvalidateAll(true); };
  return hooks;
}

notebook::ChooserContext CScribixView::ChooserParts() {
  return {class_.Book(),
          platform_.window,
          platform_.textPainter,
          state_.soundOn,
          [this](const std::string& name) {
            // The name of the button under the mouse, not the ones the mouse crossed before.
            voice_.speech.Silence();
            voice_.speech.Speak(name);
          },
          [this](std::size_t child) { class_.Choose(child); }};
}

gfx::Rect CScribixView::HandleChooserClick(unsigned flags, gfx::Point point) {
  if (icons_[IconQuit].Contains(point) && QuitProgram()) return {};
  tooltips_.Forget(false);
  for (const IconCommand& row : IconTable::Rows()) {
    if (!Answers(row, point)) continue;
    if (row.command != nullptr) row.command(*this);
    if (row.endsClick) return RepaintAfter(row);
  }
  return modules_.chooser.OnLButtonDown(flags, point, -1);
}

}  // namespace app
