#pragma once

namespace grid {

// A cell of the writing grid, by column and line.
struct GridCell {
  int column = 0;
  int line = 0;
  bool operator==(const GridCell&) const = default;
};

}  // namespace grid
