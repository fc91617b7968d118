// The grid back into the editor's text, with the markup of its hidden and linked letters.
#include <algorithm>
#include <array>
#include <iterator>

#include "grid/grid_cells.h"
#include "grid/grid_text.h"

namespace grid {

using cells::At;

namespace {

constexpr int kCells = WritingGrid::kLines * WritingGrid::kColumns;

// Where each link group is met last, in reading order.
class LastPlaces {
 public:
  explicit LastPlaces(const WritingGrid& grid) {
    for (int l = 0; l < WritingGrid::kLines; ++l) {
      for (int c = 0; c < WritingGrid::kColumns; ++c) {
        const std::int32_t group = At(grid.links, l, c);
        if (group > 0) {
          places_[static_cast<std::size_t>(count_++)] = {group, l * WritingGrid::kColumns + c};
        }
      }
    }
    std::sort(places_.begin(), places_.begin() + count_);
  }

  int Of(std::int32_t group) const {
    const auto end = places_.begin() + count_;
    // The first place of the next group, less one: the last place of this one.
    const auto next = std::upper_bound(places_.begin(), end, Place{group, kCells});
    return next == places_.begin() || std::prev(next)->group != group ? -1 : std::prev(next)->index;
  }

 private:
  struct Place {
    std::int32_t group = 0;
    int index = 0;
    friend bool operator<(const Place& a, const Place& b) {
      return a.group != b.group ? a.group < b.group : a.index < b.index;
    }
  };
  std::array<Place, kCells> places_{};
  int count_ = 0;
};

// The layers as the tiles show them. A cell that never held a tile keeps its character: no key
// shows it, and the editor's text must not lose it.
void RebuildFromTiles(GridTiles& g) {
  WritingGrid& grid = g.grid;
  for (int l = 0; l < WritingGrid::kLines; ++l) {
    for (int c = 0; c < WritingGrid::kColumns; ++c) {
      if (At(grid.occupancy, l, c) == 0 && At(grid.text, l, c) != cells::kBlank) continue;
      At(grid.text, l, c) = cells::kBlank;
      At(grid.visibility, l, c) = 1;
      At(grid.links, l, c) = 0;
    }
  }
  const auto tiles = cells::Tiles(g.state.keyCount, g.state.itemCount);
  for (int i = tiles.first; i < tiles.end; ++i) {
    const base::CellRecord& r = g.cells[i];
    if (!cells::InLayers(r.gridCol, r.gridRow)) continue;
    At(grid.text, r.gridRow, r.gridCol) = static_cast<std::uint8_t>(r.Letter());
    At(grid.visibility, r.gridRow, r.gridCol) = r.visible != 0 ? 1 : 0;
    At(grid.links, r.gridRow, r.gridCol) = r.linkGroup;
  }
}

bool FirstLineHoldsQuote(const WritingGrid& grid) {
  const auto& line = grid.text[0];
  return std::find(line.begin(), line.end(), '"') != line.end();
}

}  // namespace

std::string MirrorGridToEditor(GridTiles& g) {
  RebuildFromTiles(g);
  const WritingGrid& grid = g.grid;
  std::string out;
  out.reserve(grid.instructionText.size() + 4 + kCells * 2);
  // An empty title is kept when the first line holds a double quote, which would otherwise be
  // read back as the title.
  if (!grid.instructionText.empty() || FirstLineHoldsQuote(grid)) {
    out += '"';
    out += grid.instructionText;
    out += "\"\r\n";
  }

  const LastPlaces lastPlaces(grid);
  bool hiddenOpen = false;
  bool groupOpen = false;
  std::int32_t openGroup = 0;
  int openGroupLast = -1;
  for (int l = 0; l < WritingGrid::kLines; ++l) {
    for (int c = 0; c < WritingGrid::kColumns; ++c) {
      const int index = l * WritingGrid::kColumns + c;
      const std::int32_t group = At(grid.links, l, c);
      const bool visible = At(grid.visibility, l, c) != 0;
      // A group stays open over other cells while some later cell still belongs to it.
      if (groupOpen && group != openGroup && openGroupLast <= index) {
        out += ')';
        groupOpen = false;
      }
      if (index == kCells - 1) {
        if (groupOpen) out += ')';
        if (hiddenOpen) out += ']';
        groupOpen = hiddenOpen = false;
      }
      if (!visible && !hiddenOpen) {
        out += '[';
        hiddenOpen = true;
      }
      if (group > 0 && !groupOpen) {
        out += '(';
        groupOpen = true;
        openGroup = group;
        openGroupLast = lastPlaces.Of(group);
      }
      if (group <= 0 && groupOpen) {
        out += ')';
        groupOpen = false;
      }
      if (visible && hiddenOpen) {
        out += ']';
        hiddenOpen = false;
      }
      const char ch = static_cast<char>(At(grid.text, l, c));
      out += ch == '\0' ? ' ' : ch;
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace grid
