#include "puzzle/puzzle_module.h"

#include <algorithm>

namespace puzzle {

using namespace base::icons;

void PuzzleModule::PaintGrid(gfx::Canvas& canvas) const {
  const base::AppState& s = ctx_.state;
  const int columns = std::clamp(s.gridColumns, 0, 40);
  const int lines = std::clamp(s.gridLines, 0, 8);
  for (int c = 0; c < columns; ++c) {
    for (int l = 0; l < lines; ++l) {
      const gfx::Rect cell = base::CellRect(s, c, l);
      canvas.Fill(cell, s.backgroundShade1);
      canvas.Edge(cell, gfx::EdgeStyle::kRaisedInner);
    }
  }
}

void PuzzleModule::PaintItems(gfx::Canvas& canvas) const {
  if (ctx_.picture == nullptr) return;
  const int count = std::min(ctx_.state.itemCount, base::kMaxItems);
  for (int pos = 0; pos < count; ++pos) {
    const int i = ctx_.cells.drawOrder[static_cast<std::size_t>(pos)];
    if (i < 0 || i >= count) continue;
    const base::CellRecord& r = ctx_.cells[i];
    const gfx::Rect place = gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
    if (r.visible != 1) {
      if (i >= ctx_.state.keyCount) canvas.Frame(place, gfx::Rgb(0, 0, 255));
      continue;
    }
    canvas.Copy(*ctx_.picture, gfx::Rect::FromSize(r.srcX, r.srcY, r.width, r.height),
                gfx::Point{r.posX, r.posY});
  }
}

void PuzzleModule::AddIcons(std::vector<app::IconShown>& icons) const {
  icons.push_back({IconScatter, PictureScatter});
  if (!ctx_.dialog.hideSolution) icons.push_back({IconPuzzleSolution, PicturePuzzle});
  icons.push_back({IconModel, PictureEye});
  icons.push_back({IconSettings, PictureSettings});
  icons.push_back({IconLoadPuzzle, PictureOpenPuzzle});
  icons.push_back({IconSavePuzzle, PictureSavePuzzle});
}

void PuzzleModule::AddTips(std::vector<app::IconTip>& tips) const {
  tips.push_back({IconSavePuzzle, "Sauvegarder  le puzzle"});
  tips.push_back({IconLoadPuzzle, "Charger un puzzle"});
  tips.push_back({IconScatter,
                  "Disperser les pi\xE8"
                  "ces du puzzle"});
  tips.push_back({IconModel, modelShown == 1 ? "Cacher le mod\xE8le du puzzle"
                                             : "Afficher le mod\xE8le du puzzle"});
  tips.push_back({IconPuzzleSolution, "Solution du puzzle"});
  tips.push_back({IconModuleList, "Module Liste "});
}

}  // namespace puzzle
