// Tooltips that name the icon under the mouse, and the user manual.
#include "app/scribix_view.h"

namespace app {

std::string CScribixView::TooltipTextAt(gfx::Point point) const {
  std::string text;
  // Every rectangle is tested, drawn or not; the last one that holds the point wins.
  auto test = [&](IconId id, const char* tip) {
    if (icons[id].Contains(point)) text = tip;
  };
  test(IconSound, state.soundOn == 1 ? "Couper le son" : "R\xE9tablir le son");
  test(IconQuit, "Quitter Scribix");
  test(IconManual, "Manuel utilisateur Scribix");
  test(IconSettings, "Configuration");
  test(IconBackground, "Choisir la couleur du fond");
  if (state.InPuzzle()) {
    test(IconSavePuzzle, "Sauvegarder  le puzzle");
    test(IconLoadPuzzle, "Charger un puzzle");
    test(IconScatter,
         "Disperser les pi\xE8"
         "ces du puzzle");
    test(IconModel,
         modelShown == 1 ? "Cacher le mod\xE8le du puzzle" : "Afficher le mod\xE8le du puzzle");
    test(IconPuzzleSolution, "Solution du puzzle");
    test(IconModuleList, "Module Liste ");
    if (state.InList()) test(IconWordLists, "Gestion des listes de mots");
  } else {
    test(IconClear, "Effacer tout");
    test(IconModuleFrench,
         "Module Fran\xE7"
         "ais");
    test(IconModuleMath, "Module Math\xE9matique");
    test(IconModuleEdit,
         "Module d'\xE9"
         "dition");
    test(IconModulePuzzle, "Module Puzzle");
    test(IconModuleList, "Module Liste");
    if (state.InList()) test(IconWordLists, "Gestion des listes de mots");
    test(IconKeyboard, state.keyboardShown == 1 ? "Masquer le clavier" : "Afficher le clavier");
    test(IconRepeat, "R\xE9p\xE9ter la consigne");
    test(IconReadText, "Lecture vocale du texte");
    test(IconStopReading, "Stopper la lecture vocale");
    if (state.InList()) {
      test(IconNextWord, "Mot ou phrase suivante");
      test(IconRepeatWord, "Repeter la consigne");
      test(IconHelp, "Aide");
      test(IconSolution, "Affiche la solution");
    }
  }
  return text;
}

void CScribixView::OnMouseMove(unsigned /*flags*/, gfx::Point point) {
  tips.tipX = point.x;
  tips.tipY = point.y;
  tips.wantedTip = TooltipTextAt(point);
  if (tips.wantedTip.empty()) {
    tips.shownTip.clear();
    ShowTip(tips.tipX, tips.tipY, {});
  }
}

void CScribixView::TooltipTick() {
  if (tips.wantedTip.empty()) return;
  if (IsAnyDialogVisible()) {
    tips.shownTip.clear();
    tips.wantedTip.clear();
    tips.lastTip.clear();
    return;
  }
  // Shown once the mouse has rested on the same icon for a whole tick.
  if (tips.wantedTip == tips.lastTip) {
    tips.shownTip = tips.wantedTip;
    ShowTip(tips.tipX, tips.tipY, tips.shownTip);
  } else {
    tips.shownTip.clear();
  }
  tips.lastTip = tips.wantedTip;
}

void CScribixView::ShowTip(int x, int y, const std::string& text) {
  platform.window.ShowTip(platform.window.ClientToScreen({x, y}), text);
}

void CScribixView::OpenManual() {
  platform.desktop.Open(state.programFolder / "Documentation-Scribix.pdf");
}

}  // namespace app
