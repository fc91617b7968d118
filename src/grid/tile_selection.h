#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace grid {

// The tiles that move together after a long press on one of them: the letters of its word.
struct TileSelection {
  std::int32_t selectionCount = 0;
  std::vector<std::int32_t> selection;

  // The tiles selected now: the first selectionCount of the list.
  std::span<const std::int32_t> Selected() const {
    if (selectionCount <= 0) return {};
    const auto count = std::min(static_cast<std::size_t>(selectionCount), selection.size());
    return {selection.data(), count};
  }
  bool Contains(int item) const {
    const auto selected = Selected();
    return std::find(selected.begin(), selected.end(), item) != selected.end();
  }
};

}  // namespace grid
