// The grid's text: the editor's text written back from a full grid after a drop. It runs after
// every move of a letter; 50 µs is the most it may take.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "grid/grid_text.h"
#include "keyboard/keyboard_layout.h"

namespace {

struct FullGrid {
  base::AppState state;
  base::CellTable cells;
  grid::WritingGrid grid;
  keyboard::KeyboardPictures pictures;
  keyboard::KeyboardState keys;
  grid::GridTiles g{state, cells, grid, pictures};

  FullGrid() {
    const auto counts = keyboard::LayoutLetterKeyboard(
        keyboard::KeyGeometry{1.0f, 40, 40, {310, 470}}, cells, keys);
    keyboard::WriteKeyLabels(cells, keyboard::PageLower);
    state.keyCount = state.itemCount = counts.keyCount;
    state.gridColumns = grid::WritingGrid::kColumns;
    state.gridLines = grid::WritingGrid::kLines;
    // Every cell holds a tile; words of five letters, every other one linked, every third hidden.
    std::string text = "\"Compl\xE8te le texte.\"\r\n";
    for (int line = 0; line < grid::WritingGrid::kLines; ++line) {
      for (int word = 0; word < grid::WritingGrid::kColumns / 5; ++word) {
        const std::string letters = "chat\xE9";
        const int n = line * 8 + word;
        text += n % 3 == 0 ? "[" + letters + "]" : n % 2 == 0 ? "(" + letters + ")" : letters;
      }
      text += "\r\n";
    }
    grid::LoadTextIntoGrid(g, text, false, false, nullptr);
  }
};

void MirrorFullGrid(benchmark::State& state) {
  const auto full = std::make_unique<FullGrid>();
  if (full->state.itemCount - full->state.keyCount != 320) state.SkipWithError("grid not full");
  for (auto _ : state) {
    std::string text = grid::MirrorGridToEditor(full->g);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(MirrorFullGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
