// The editor's text into the grid: its layers first, then a tile on every character a key shows.
#include <algorithm>

#include "grid/grid_cells.h"
#include "grid/grid_text.h"
#include "keyboard/key_table.h"
#include "keyboard/keyboard_layout.h"
#include "text/cp1252.h"

namespace grid {

using cells::At;
using cells::Fill;
using cells::kBlank;

namespace {

// Every tile leaves the table and its cell; the places they were drawn are repainted.
void DropTiles(GridTiles& g, const Repaint& repaint) {
  const auto tiles = cells::Tiles(g.state.keyCount, g.state.itemCount);
  WritingGrid& grid = g.grid;
  for (int i = tiles.first; i < tiles.end; ++i) {
    const base::CellRecord& r = g.cells[i];
    if (cells::InLayers(r.gridCol, r.gridRow)) {
      At(grid.text, r.gridRow, r.gridCol) = kBlank;
      At(grid.visibility, r.gridRow, r.gridCol) = 1;
      At(grid.occupancy, r.gridRow, r.gridCol) = 0;
    }
    if (repaint) repaint(cells::ItemRect(r).Inflated(5, 5));
  }
  g.state.itemCount = tiles.first;
}

// Tiles for the characters of a layer (the text or the solution); onTile is given each one's
// cell.
template <typename OnTile>
void PlaceLayerAsTiles(GridTiles& g, const WritingGrid::Layer<WritingGrid::kColumns>& layer,
                       bool fixedOn, bool keypad, OnTile onTile) {
  WritingGrid& grid = g.grid;
  for (int l = 0; l < GridLinesInUse(g.state); ++l) {
    for (int c = 0; c < GridColumnsInUse(g.state); ++c) {
      const char ch = static_cast<char>(At(layer, l, c));
      if (ch == ' ') continue;
      const std::optional<KeyMatch> match = FindKeyFor(ch, keypad);
      if (!match) continue;
      onTile(PlaceLetterTile(g, match->key, match->page, c, l, match->label,
                             At(grid.visibility, l, c), At(grid.links, l, c), fixedOn));
    }
  }
}

}  // namespace

std::optional<KeyMatch> FindKeyFor(char c, bool keypad) {
  if (c == ' ' || c == '\0' || c == keyboard::kInertLabel) return std::nullopt;
  const char lower = text::ToLower(c);
  if (keypad) {
    const std::size_t at = keyboard::kKeypadLabels.find(lower);
    if (at == std::string_view::npos) return std::nullopt;
    return KeyMatch{static_cast<int>(at), keyboard::PageKeypad, lower};
  }
  // Capitals come from the capitals' pages; punctuation and the small accented letters stay on
  // the small letters' pages.
  const bool upper = text::IsUpper(c);
  const int pageOf = keyboard::PageOfCharacter(c);
  const int lettersPage = upper && pageOf != 0 ? keyboard::PageUpper : keyboard::PageLower;
  const int signsPage =
      (upper || pageOf == 1) && pageOf != 0 ? keyboard::PageSignsUpper : keyboard::PageSigns;
  const std::string_view letters = keyboard::kLetterPages[keyboard::PageLower];
  const std::string_view signs = keyboard::kLetterPages[keyboard::PageSigns];
  for (int i = 0; i < keyboard::kLetterKeys; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (letters[at] == lower) return KeyMatch{i, lettersPage, lower};
    if (signs[at] == lower) return KeyMatch{i, signsPage, lower};
  }
  return std::nullopt;
}

gfx::Rect PlaceLetterTile(GridTiles& g, int key, int page, int column, int line, char ch,
                          int visible, int linkGroup, bool fixedOn) {
  base::AppState& s = g.state;
  const int n = s.itemCount;
  if (s.keyCount < 0 || n < s.keyCount || n >= base::kMaxItems) return {};
  if (key < 0 || key >= s.keyCount) return {};
  if (page < keyboard::PageLower || page > keyboard::PageKeypad) return {};
  if (column < 0 || column >= GridColumnsInUse(s) || line < 0 || line >= GridLinesInUse(s)) {
    return {};
  }
  const base::CellRecord& k = g.cells[key];
  const gfx::Rect cell = base::CellRect(s, column, line);
  // A fresh record: the place may hold what a removed tile left.
  base::CellRecord r;
  r.srcX = k.srcX;
  r.srcY = k.srcY;
  r.homeX = k.homeX;
  r.homeY = k.homeY;
  r.startX = k.startX;
  r.startY = k.startY;
  r.width = k.width;
  r.height = k.height;
  r.posX = r.dropX = cell.left;
  r.posY = r.dropY = cell.top;
  const bool capitals = page == keyboard::PageUpper || page == keyboard::PageSignsUpper;
  r.letter = static_cast<unsigned char>(capitals ? text::ToUpper(ch) : ch);
  r.settled = 1;
  r.movable = 1;
  r.gridCol = column;
  r.gridRow = line;
  r.page = page;
  r.kind = keyboard::KindPlain;
  r.linkGroup = linkGroup;
  if (page != keyboard::PageKeypad) {
    r.glyph = g.pictures.Glyph(s.keyboardZoomIndex, s.keyboardColours, page, key);
    r.glyphAlt = g.pictures.GlyphAlt(s.keyboardZoomIndex, s.keyboardColours, page, key);
  }
  r.sourceKey = key;
  r.visible = visible;
  r.fixed = fixedOn ? 1 : 0;
  g.cells[n] = r;
  s.itemCount = n + 1;

  WritingGrid& grid = g.grid;
  At(grid.text, line, column) = static_cast<std::uint8_t>(r.Letter());
  At(grid.visibility, line, column) = visible != 0 ? 1 : 0;
  At(grid.links, line, column) = linkGroup;
  At(grid.occupancy, line, column) = 1;
  return cell;
}

void PlaceTextAsTiles(GridTiles& g, bool fixedOn, bool keypad, const Repaint& repaint) {
  PlaceLayerAsTiles(g, g.grid.text, fixedOn, keypad, [](const gfx::Rect&) {});
  RepaintChangedCells(g.grid, g.state, false, repaint);
}

void PlaceSolutionTiles(GridTiles& g, bool removeAll, bool fixedOn, bool keypad,
                        const Repaint& repaint) {
  if (removeAll) DropTiles(g, repaint);
  PlaceLayerAsTiles(g, g.grid.solution, fixedOn, keypad, [&](const gfx::Rect& cell) {
    if (repaint && !cell.IsEmpty()) repaint(cell);
  });
  RepaintChangedCells(g.grid, g.state, true, repaint);
}

bool LoadTextIntoGrid(GridTiles& g, std::string_view editorText, bool fixedOn, bool keypad,
                      const Repaint& repaint) {
  WritingGrid& grid = g.grid;
  if (grid.clearing != 0) return false;
  grid.linkCounter = 1;
  grid.EmptyWriting();
  DropTiles(g, repaint);

  // The title is the first line's text between double quotes; a quote further down is text.
  std::size_t start = 0;
  const std::size_t firstLineEnd = std::min(editorText.find('\n'), editorText.size());
  const std::size_t open = editorText.find('"');
  if (open < firstLineEnd) {
    const std::size_t close = editorText.find('"', open + 1);
    if (close >= firstLineEnd) return false;
    grid.instructionText = std::string(editorText.substr(open + 1, close - open - 1));
    const std::size_t lineFeed = editorText.find('\n', close + 1);
    start = lineFeed == std::string_view::npos ? close + 1 : lineFeed + 1;
  }

  const int lines = GridLinesInUse(g.state);
  const int columns = GridColumnsInUse(g.state);
  int line = 0;
  int column = 0;
  bool hidden = false;
  bool linked = false;
  for (std::size_t i = start; i < editorText.size(); ++i) {
    const char ch = editorText[i];
    if (ch == '\r' || ch == '\0') continue;
    if (line >= lines) break;
    switch (ch) {
      case '[':
        hidden = true;
        break;
      case ']':
        hidden = false;
        break;
      case '(':
        linked = true;
        break;
      case ')':
        if (linked) {
          linked = false;
          ++grid.linkCounter;
        }
        break;
      case '\n':
        ++line;
        column = 0;
        break;
      default:
        if (column < columns) {
          At(grid.text, line, column) = static_cast<std::uint8_t>(ch);
          At(grid.visibility, line, column) = hidden ? 0 : 1;
          At(grid.links, line, column) = linked ? grid.linkCounter : 0;
          At(grid.marks, line, column) = fixedOn ? 1 : 0;
          ++column;
        }
        break;
    }
  }
  PlaceTextAsTiles(g, fixedOn, keypad, repaint);
  return true;
}

}  // namespace grid
