#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace keyboard {

// The tiles that move together after a long press on one of them: the letters of its word.
struct TileSelection {
  std::int32_t selectionCount = 0;
  std::vector<std::int32_t> selection;

  bool Contains(int item) const {
    const auto end =
        selection.begin() +
        std::min<std::ptrdiff_t>(selectionCount, static_cast<std::ptrdiff_t>(selection.size()));
    return selectionCount > 0 && std::find(selection.begin(), end, item) != end;
  }
};

}  // namespace keyboard
