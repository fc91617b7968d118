#pragma once

#include <array>
#include <cstdint>

namespace base {

// One key, letter tile or puzzle piece: 27 32-bit words.
struct CellRecord {
  std::int32_t srcX = 0, srcY = 0;      // face inside the keyboard picture
  std::int32_t posX = 0, posY = 0;      // top-left on screen now
  std::int32_t homeX = 0, homeY = 0;    // top-left relative to the keyboard origin
  std::int32_t startX = 0, startY = 0;  // where layout put it; a new tile starts here
  std::int32_t dropX = 0, dropY = 0;    // where a tile was last snapped into the grid
  std::int32_t letter = 0;              // low byte: the Windows-1252 character
  std::int32_t settled = 0;
  std::int32_t movable = 0;
  std::int32_t gridCol = -1, gridRow = -1;
  std::int32_t width = 0, height = 0;
  std::int32_t page = 0;
  std::int32_t kind = 0;  // a key kind of the keyboard; 0 for a plain key
  std::int32_t linkGroup = -1;
  std::int32_t glyph = 0, glyphAlt = 0;  // glyph handles (0 for none)
  std::int32_t solvedMark = 0;           // tiles: turn the glyph at the next paint
  std::int32_t sourceKey = 0;
  std::int32_t placed = 0;  // pieces: home; keys and tiles: 0
  std::int32_t visible = 1;
  std::int32_t fixed = 0;

  char Letter() const { return static_cast<char>(letter & 0xFF); }
};
static_assert(sizeof(CellRecord) == 27 * sizeof(std::int32_t));

inline constexpr int kMaxItems = 2000;

// Keys first (0 to keyCount - 1), then the tiles or the puzzle pieces; drawOrder gives the
// stacking, bottom first.
struct CellTable {
  std::array<CellRecord, kMaxItems> records{};
  std::array<std::int32_t, kMaxItems> drawOrder{};

  CellRecord& operator[](int i) { return records[static_cast<std::size_t>(i)]; }
  const CellRecord& operator[](int i) const { return records[static_cast<std::size_t>(i)]; }
};

// The painting order before each paint: placed items under the others, the held item (or the
// last one) last of its group.
void BuildDrawOrder(CellTable& table, int itemCount, int heldItem);
// The top-most record (the last drawn) whose rectangle, shifted a pixel right and down, holds the
// point (x, y); -1 for none.
int TopmostItemAt(const CellTable& table, int itemCount, int x, int y);

}  // namespace base
