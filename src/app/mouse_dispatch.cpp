// The left mouse button: the icons first, in the program's fixed order, then the module switch,
// then the active module.
#include <optional>

#include "app/icon_table.h"
#include "app/scribix_view.h"
#include "gfx/picture_drawing.h"
#include "grid/tile_board.h"

namespace app {

namespace {

constexpr int kPressFeedbackMs = 200;

}  // namespace

void CScribixView::OnLButtonDown(unsigned flags, gfx::Point point) {
  AfterMessage after{*this};
  state_.mouseDown = 1;
  // A press puts the tooltip away; it comes back once the mouse rests again.
  tooltips_.HideShown();
  PressFeedback(point);
  gfx::Rect area;
  if (ActiveModule() == ModuleId::kPuzzle) {
    area = HandlePuzzleClick(flags, point);
  } else if (ActiveModule() == ModuleId::kQuiTravaille) {
    area = HandleChooserClick(flags, point);
  } else {
    area = HandleClick(flags, point);
  }
  if (!area.IsEmpty()) platform_.window.Invalidate(area, true);
}

void CScribixView::OnLButtonUp(unsigned flags, gfx::Point point) {
  AfterMessage after{*this};
  state_.mouseDown = 0;
  modules_.switcher.Active().OnLButtonUp(flags, point);
}

void CScribixView::OnLButtonDblClk(unsigned /*flags*/, gfx::Point point) {
  AfterMessage after{*this};
  // Only the puzzle answers a double click: it brings a piece home.
  if (ActiveModule() == ModuleId::kPuzzle) modules_.puzzle.PlacePieceAutomatically(point);
}

bool CScribixView::Answers(const IconCommand& row, gfx::Point point) const {
  return (row.modules & In(ActiveModule())) != 0 && icons_[row.icon].Contains(point) &&
         (row.answers == nullptr || row.answers(*this));
}

gfx::Rect CScribixView::RepaintAfter(const IconCommand& row) const {
  switch (row.repaint) {
    case IconRepaint::kIcon:
      return icons_[row.icon];
    case IconRepaint::kWhole: {
      const gfx::Size client = platform_.window.ClientSize();
      return {0, 0, client.width, client.height};
    }
    case IconRepaint::kNothing:
      break;
  }
  return {};
}

void CScribixView::DrawNow(const gfx::Rect& area) {
  if (!backBuffer_.valid || area.IsEmpty()) return;
  base::BuildDrawOrder(board_.cells, state_.itemCount, board_.held.selectedPiece);
  gfx::Canvas canvas(backBuffer_.image, area.Intersect(backBuffer_.image.Bounds()));
  PaintScreen(canvas);
  platform_.window.ShowNow(area);
}

void CScribixView::PressFeedback(gfx::Point point) {
  for (const IconShown& shown : IconsShown()) {
    const gfx::Rect rect = icons_[shown.icon];
    if (!rect.Contains(point) || !IconTable::ShowsPress(shown.icon, ActiveModule())) continue;
    IconPicture picture = shown.picture;
    if (shown.icon == IconKeyboard) {
      state_.keyboardShown = state_.keyboardShown == 1 ? 0 : 1;
      picture = state_.keyboardShown == 1 ? PictureKeyboardOn : PictureKeyboardOff;
    } else if (shown.icon == IconSound) {
      state_.soundOn = state_.soundOn == 1 ? 0 : 1;
      if (state_.soundOn == 0) voice_.speech.Silence();
      picture = state_.soundOn == 1 ? PictureSoundOn : PictureSoundOff;
    }
    if (backBuffer_.valid) {
      // Pressed: the picture sinks by a pixel for a moment.
      gfx::Canvas canvas(backBuffer_.image, rect.Intersect(backBuffer_.image.Bounds()));
      canvas.Fill(rect, state_.backgroundColour);
      gfx::DrawBitmapCentred(canvas, gfx::ViewOf(icons_.Bitmap(picture)),
                             {rect.left + 1, rect.top + 1, rect.right, rect.bottom}, false);
      platform_.window.ShowNow(rect);
    }
    Delay(kPressFeedbackMs);
    if (backBuffer_.valid) {
      gfx::Canvas canvas(backBuffer_.image, rect.Intersect(backBuffer_.image.Bounds()));
      canvas.Fill(rect, state_.backgroundColour);
      gfx::DrawBitmapCentred(canvas, gfx::ViewOf(icons_.Bitmap(picture)), rect, false);
      platform_.window.ShowNow(rect);
    }
  }
}

gfx::Rect CScribixView::HandleClick(unsigned flags, gfx::Point point) {
  auto in = [&](IconId id) { return icons_[id].Contains(point); };
  const ModuleId current = ActiveModule();
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

  if (settingsFile_.autoPlace != 0) platform_.window.Invalidate(board_.grid.cursorRect, true);
  tooltips_.Forget(false);

  // At the small icon sizes the dictation's "next word" is drawn over most of the puzzle's
  // icon: a click goes to the icon the child sees there.
  const bool onPuzzleIcon =
      in(IconModulePuzzle) && !(current == ModuleId::kListe && in(IconNextWord));
  if (onPuzzleIcon) {
    modules_.switcher.Select(ModuleId::kPuzzle);
    return {};
  }

  if (target) {
    const int hit = grid::HitTest(board_.cells, state_.itemCount, point);
    board_.held.selectedPiece = hit;
    modules_.switcher.Select(*target);
    return modules_.switcher.Active().OnLButtonDown(flags, point, hit);
  }

  // The icons in the program's order; the press reaches the keys and tiles once no icon ended
  // the click (those after the pick see the tile under it taken).
  bool picked = false;
  int hit = -1;
  const auto pick = [&] {
    if (picked) return;
    hit = grid::HitTest(board_.cells, state_.itemCount, point);
    board_.held.selectedPiece = hit;
    picked = true;
  };
  for (const IconCommand& row : IconTable::Rows()) {
    if (!Answers(row, point)) continue;
    if (row.afterPick) pick();
    if (row.command != nullptr) row.command(*this);
    if (row.endsClick) return RepaintAfter(row);
  }
  pick();
  return modules_.switcher.Active().OnLButtonDown(flags, point, hit);
}

}  // namespace app
