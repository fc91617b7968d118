#include "bench_support.h"

#include <fstream>
#include <string>

#include "text/cp1252.h"

namespace bench {

gfx::Point IconMiddle(app::CScribixView& view, base::icons::IconId icon) {
  const gfx::Rect r = view.Parts().icons[icon];
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void DropKey(app::CScribixView& view, Mouse& mouse, int key, int column, int line) {
  const base::CellRecord& k = view.Parts().cells[key];
  const gfx::Point from{k.posX + k.width / 2, k.posY + k.height / 2};
  const gfx::Rect cell = base::CellRect(view.Parts().state, column, line);
  const gfx::Point to{cell.left + (from.x - k.posX), cell.top + (from.y - k.posY)};
  mouse.Press(from);
  for (int i = 1; i <= 5; ++i) {
    mouse.MoveTo({from.x + (to.x - from.x) * i / 5, from.y + (to.y - from.y) * i / 5});
  }
  mouse.Release(to);
}

void DragPiecesHome(app::CScribixView& view, Mouse& mouse, const std::function<void()>& afterEach) {
  const auto& s = view.Parts().state;
  auto& cells = view.Parts().cells;
  for (int tries = 0; tries < 2 * s.keyCount; ++tries) {
    base::BuildDrawOrder(cells, s.itemCount, -1);
    int top = -1;
    for (int i = s.itemCount - 1; i >= 0 && top < 0; --i) {
      const int k = cells.drawOrder[static_cast<std::size_t>(i)];
      if (k < s.keyCount && cells[k].placed == 0) top = k;
    }
    if (top < 0) break;
    const base::CellRecord& piece = cells[top];
    const gfx::Point from{piece.posX + piece.width / 2, piece.posY + piece.height / 2};
    const gfx::Point to{piece.homeX + piece.width / 2, piece.homeY + piece.height / 2};
    mouse.Press(from);
    mouse.MoveTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
    mouse.MoveTo(to);
    mouse.Release(to);
    afterEach();
  }
}

void LoadAnimalList(app::CScribixView& view) {
  const auto list = ProgramFolder() / "Liste-de-mots" / "animaux.txt";
  view.Parts().listDialog.SetListPath(text::TextFromPath(list));
  view.Parts().listDialog.LoadList(view.Parts().listDialog.listPath);
}

void AimWordRewards(app::CScribixView& view) {
  view.Parts().grid.gridBounds =
      base::CellRect(view.Parts().state, 3, 1).Union(base::CellRect(view.Parts().state, 9, 2));
}

std::filesystem::path ProgramFolder() {
  return SCRIBIX_PROGRAM_FOLDER;
}

std::filesystem::path ScratchFolder() {
  auto folder = std::filesystem::temp_directory_path() / "scribix-bench";
  std::filesystem::create_directories(folder);
  return folder;
}

long ResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kb = 0;
      status >> kb;
      return kb * 1024;
    }
  }
  return 0;
}

}  // namespace bench
