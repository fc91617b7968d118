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

int TopmostItemAt(const CellTable& table, int itemCount, int x, int y) {
  const int count = itemCount < kMaxItems ? itemCount : kMaxItems;
  for (int pos = count - 1; pos >= 0; --pos) {
    const int i = table.drawOrder[static_cast<std::size_t>(pos)];
    if (i < 0 || i >= count) continue;
    const CellRecord& r = table[i];
    if (r.posX < x && x <= r.posX + r.width && r.posY < y && y <= r.posY + r.height) return i;
  }
  return -1;
}

}  // namespace base
