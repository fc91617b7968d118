#include "base/cell_table.h"

namespace base {

void BuildDrawOrder(CellTable& table, int itemCount, int heldItem) {
  if (itemCount <= 0) return;
  if (itemCount > kMaxItems) itemCount = kMaxItems;
  const int a = heldItem >= 0 && heldItem < itemCount ? heldItem : itemCount - 1;
  std::size_t n = 0;
  for (int pass = 0; pass < 2; ++pass) {
    const bool placed = pass == 0;
    for (int i = 0; i < itemCount; ++i) {
      if (i != a && (table[i].placed != 0) == placed)
        table.drawOrder[n++] = static_cast<std::int32_t>(i);
    }
    if ((table[a].placed != 0) == placed) table.drawOrder[n++] = a;
  }
}

}  // namespace base
