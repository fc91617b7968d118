#include "puzzle/puzzle_model.h"

#include <algorithm>
#include <cmath>

namespace puzzle {

Cut CutPicture(int width, int height, int requestedPieces) {
  const double w = width;
  const double h = height;
  const double n = std::max(requestedPieces, 1);
  const double side = std::sqrt(w * h / n);
  Cut cut;
  if (!(side > 0.0)) {
    cut.columns = cut.rows = 1;
  } else {
    // Rounded half up and kept in 16 bits, as the file keeps them; a sliver of a picture still
    // gives one column or one row.
    cut.columns = std::max<std::int32_t>(static_cast<std::int16_t>(w / side + 0.5), 1);
    cut.rows = std::max<std::int32_t>(static_cast<std::int16_t>(h / side + 0.5), 1);
  }
  // No piece narrower or flatter than a pixel.
  cut.columns = std::min(cut.columns, std::max(width, 1));
  cut.rows = std::min(cut.rows, std::max(height, 1));
  cut.cellWidth = static_cast<std::int32_t>(w / cut.columns);
  cut.cellHeight = static_cast<std::int32_t>(h / cut.rows);
  return cut;
}

int LayOutPieces(base::CellTable& cells, const Cut& cut, gfx::Point origin,
                 std::string_view labels) {
  for (int i = 0; i < base::kMaxItems; ++i) {
    base::CellRecord& r = cells[i];
    r.gridCol = r.gridRow = -1;
    r.settled = 1;
    r.movable = 1;
    r.linkGroup = -1;
    r.visible = 1;
    r.fixed = 0;
    cells.drawOrder[static_cast<std::size_t>(i)] = i;
  }
  const int count = std::min(cut.Count(), base::kMaxItems);
  for (int row = 0; row < cut.rows; ++row) {
    for (int column = 0; column < cut.columns; ++column) {
      const int i = row * cut.columns + column;
      if (i >= count) return count;
      base::CellRecord& r = cells[i];
      r.srcX = column * cut.cellWidth;
      r.srcY = row * cut.cellHeight;
      r.homeX = r.posX = r.startX = origin.x + r.srcX;
      r.homeY = r.posY = r.startY = origin.y + r.srcY;
      const auto label = static_cast<std::size_t>(row * 5 + column);
      const auto byte = label < labels.size() ? static_cast<unsigned char>(labels[label]) : 0;
      r.letter = (r.letter & ~0xFF) | byte;
      r.width = cut.cellWidth;
      r.height = cut.cellHeight;
      r.glyph = r.glyphAlt = 0;
      r.kind = 0;
      r.sourceKey = i;
      r.placed = 1;
    }
  }
  return count;
}

int HitTestPiece(const base::CellTable& cells, int count, gfx::Point point) {
  return base::TopmostItemAt(cells, count, point.x, point.y);
}

int HomeCellAt(const Cut& cut, gfx::Point origin, gfx::Point point) {
  for (int c = 0; c < cut.columns; ++c) {
    const int left = origin.x + c * cut.cellWidth;
    if (!(left < point.x && point.x < left + cut.cellWidth)) continue;
    for (int r = 0; r < cut.rows; ++r) {
      const int top = origin.y + r * cut.cellHeight;
      if (top < point.y && point.y < top + cut.cellHeight) return r * cut.columns + c;
    }
  }
  return -1;
}

int CountPiecesHome(const base::CellTable& cells, int count) {
  int home = 0;
  for (int i = 0; i < std::min(count, base::kMaxItems); ++i) {
    const base::CellRecord& r = cells[i];
    const auto dx = static_cast<float>(r.posX - r.homeX);
    const auto dy = static_cast<float>(r.posY - r.homeY);
    if (std::sqrt(dx * dx + dy * dy) < 2.0f) ++home;
  }
  return home;
}

bool NearHome(const base::CellRecord& piece) {
  const double dx = piece.posX - piece.homeX;
  const double dy = piece.posY - piece.homeY;
  const double w = piece.width;
  const double h = piece.height;
  return 0.3 * std::sqrt(w * w + h * h) > std::sqrt(dx * dx + dy * dy);
}

void ScatterPieces(base::CellTable& cells, int count, gfx::Size area,
                   base::RandomGenerator& random) {
  const std::int64_t spanX = area.width - 50;
  const std::int64_t spanY = area.height - 50;
  for (int i = 0; i < std::min(count, base::kMaxItems); ++i) {
    base::CellRecord& r = cells[i];
    r.posX = static_cast<std::int32_t>(spanX * random.Next() / base::RandomGenerator::kMax + 50);
    r.posY = static_cast<std::int32_t>(spanY * random.Next() / base::RandomGenerator::kMax + 50);
    r.settled = 1;
    r.movable = 1;
    r.linkGroup = -1;
    r.placed = 0;
  }
}

}  // namespace puzzle
