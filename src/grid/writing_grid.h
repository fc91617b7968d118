#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gfx/geometry.h"

namespace grid {

// The page the child writes on: up to 8 lines of 40 cells, and what each cell holds.
struct WritingGrid {
  static constexpr int kLines = 8;
  static constexpr int kColumns = 40;
  static constexpr int kListColumns = 50;

  template <int Columns, typename T = std::uint8_t>
  using Layer = std::array<std::array<T, Columns>, kLines>;

  Layer<kColumns> text{};        // the character in the cell, blank when empty
  Layer<kColumns> visibility{};  // 1 visible, 0 hidden letter
  // Group of linked letters, 0 for none. A tile made on the keyboard carries -1, and a long text
  // can number more groups than a byte holds.
  Layer<kColumns, std::int32_t> links{};
  Layer<kColumns> marks{};      // 1 for a letter laid down while the exercise was fixed
  Layer<kColumns> fixedText{};  // the fixed exercise's text
  Layer<kColumns> hidden{};     // 1 where the fixed exercise hides a letter
  Layer<kColumns> occupancy{};  // 1 where a tile has been placed
  Layer<kColumns> solution{};   // what the list module's help and solution lay down
  Layer<kColumns> textSnapshot{};
  Layer<kColumns> visibilitySnapshot{};
  Layer<kListColumns> enabled{};   // list module: the cells of the current word
  Layer<kListColumns> expected{};  // list module: the character expected in each of them
  // The letter of a tile the echo found wrong, 0 for none: its tile wears a soft ring until it
  // is moved, removed or replaced.
  Layer<kColumns> wrongLetters{};

  std::int32_t cursorCol = 0;
  std::int32_t cursorRow = 0;
  std::string instructionText;
  std::int32_t linkCounter = 1;
  std::int32_t clearing = 0;
  std::int32_t pendingWord = 0;
  gfx::Rect gridBounds;  // the cells drawn for the list word
  gfx::Rect cursorRect;  // the cursor cell as last drawn

  WritingGrid() { ResetAll(); }

  // Every layer to its empty value and the cursor home.
  void ResetAll();
  // The text, visibility, solution, link and wrong-letter layers emptied; snapshots follow
  // without a repaint.
  void ResetTextLayers();
  // What the child wrote gone: text, solution, links, occupancy and marks (of either kind)
  // emptied, the snapshots taken and the instruction forgotten. The fixed exercise stays.
  void EmptyWriting();
  void TakeSnapshots();
};

}  // namespace grid
