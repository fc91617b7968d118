#include "grid/writing_grid.h"

namespace grid {

namespace {

template <typename LayerT, typename T>
void FillLayer(LayerT& layer, T value) {
  for (auto& line : layer) line.fill(static_cast<typename LayerT::value_type::value_type>(value));
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
  FillLayer(wrongLetters, 0);
  TakeSnapshots();
  cursorCol = cursorRow = 0;
}

void WritingGrid::ResetTextLayers() {
  FillLayer(text, ' ');
  FillLayer(visibility, 1);
  FillLayer(solution, ' ');
  FillLayer(links, 0);
  FillLayer(wrongLetters, 0);
  TakeSnapshots();
}

void WritingGrid::EmptyWriting() {
  FillLayer(text, ' ');
  FillLayer(solution, ' ');
  FillLayer(visibility, 1);
  FillLayer(links, 0);
  FillLayer(occupancy, 0);
  FillLayer(marks, 0);
  FillLayer(wrongLetters, 0);
  TakeSnapshots();
  instructionText.clear();
}

void WritingGrid::TakeSnapshots() {
  textSnapshot = text;
  visibilitySnapshot = visibility;
}

}  // namespace grid
