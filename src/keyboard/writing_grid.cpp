#include "keyboard/writing_grid.h"

namespace keyboard {

namespace {

template <typename LayerT>
void FillLayer(LayerT& layer, std::uint8_t value) {
  for (auto& line : layer) line.fill(value);
}

}  // namespace

void WritingGrid::ResetAll() {
  FillLayer(text, ' ');
  FillLayer(visibility, 1);
  FillLayer(links, 0);
  FillLayer(marks, 0);
  FillLayer(fixedText, ' ');
  FillLayer(hidden, 0);
  FillLayer(occupancy, 0);
  FillLayer(solution, ' ');
  FillLayer(enabled, 0);
  FillLayer(expected, ' ');
  TakeSnapshots();
  cursorCol = cursorRow = 0;
}

void WritingGrid::ResetTextLayers() {
  FillLayer(text, ' ');
  FillLayer(visibility, 1);
  FillLayer(solution, ' ');
  FillLayer(links, 0);
  TakeSnapshots();
}

void WritingGrid::TakeSnapshots() {
  textSnapshot = text;
  visibilitySnapshot = visibility;
}

}  // namespace keyboard
