#include "grid/character_names.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace grid {

namespace {

using namespace std::string_view_literals;

struct Rewrite {
  std::string_view from;
  std::string_view to;
};

// Whole texts said as the child expects to hear them; hex escapes are cut where a hex digit
// follows them.
constexpr std::array<Rewrite, 4> kWholeBefore = {{
    {"che"sv, "cheu"sv},
    {"r"sv, "aire"sv},
    {"v"sv, "v\xE9"sv},
    {"x"sv, "ixe"sv},
}};

// The accented letters by name, lower and upper case alike: a capital "\xC0" is still an "a accent
// grave" to the child. Names of the letter "i" say "i"; a voice that reads a lone "i" badly
// spells it its own way (see the voice backends).
constexpr std::array<Rewrite, 39> kWholeAfter = {{
    {"no"sv, "nau"sv},
    {","sv, "virgule"sv},
    {";"sv, "point virgule"sv},
    {":"sv, "deux points"sv},
    {"!"sv, "point d'exclamation"sv},
    {"?"sv, "point d'interrogation"sv},
    {"'"sv, "apostrophe"sv},
    {"="sv, "\xE9gal"sv},
    {"+"sv, "plus"sv},
    {"\xE9"sv, "e accent aigu"sv},
    {"\xF9"sv, "u accent grave"sv},
    {"\xEA"sv, "e accent circonflexe"sv},
    {"\xE8"sv, "e accent grave"sv},
    {"\xE0"sv, "a accent grave"sv},
    {"\xE2"sv, "a accent circonflexe"sv},
    {"\xEE"sv, "i accent circonflexe"sv},
    {"\xF4"sv, "o accent circonflexe"sv},
    {"\xFB"sv, "u accent circonflexe"sv},
    {"\xE7"sv,
     "c c\xE9"
     "dille"sv},
    {"("sv, "parenth\xE8se ouverte"sv},
    {")"sv,
     "parenth\xE8se ferm\xE9"
     "e"sv},
    {"\xEB"sv, "e tr\xE9ma"sv},
    {"\xEF"sv, "i tr\xE9ma"sv},
    {"\xFC"sv, "u tr\xE9ma"sv},
    {"\x9C"sv, "o e dans l'o"sv},
    {"\xC9"sv, "e accent aigu"sv},
    {"\xD9"sv, "u accent grave"sv},
    {"\xCA"sv, "e accent circonflexe"sv},
    {"\xC8"sv, "e accent grave"sv},
    {"\xC0"sv, "a accent grave"sv},
    {"\xC2"sv, "a accent circonflexe"sv},
    {"\xCE"sv, "i accent circonflexe"sv},
    {"\xD4"sv, "o accent circonflexe"sv},
    {"\xDB"sv, "u accent circonflexe"sv},
    {"\xC7"sv,
     "c c\xE9"
     "dille"sv},
    {"\xCB"sv, "e tr\xE9ma"sv},
    {"\xCF"sv, "i tr\xE9ma"sv},
    {"\xDC"sv, "u tr\xE9ma"sv},
    {"\x8C"sv, "o e dans l'o"sv},
}};

// Signs inside a text, said by name in every reading (the euro sign and "&" come first, apart,
// since "&" depends on the reading).
constexpr std::array<Rewrite, 5> kSigns = {{
    {"="sv, " \xE9gal "sv},
    {"/"sv, " Divis\xE9 par"sv},
    {"*"sv, " Multipli\xE9 par"sv},
    {"."sv, " point"sv},
    {"-"sv, " moins"sv},
}};

// Signs said by name only in a single word; the whole text read aloud leaves them as they are.
constexpr std::array<Rewrite, 10> kWordOnlySigns = {{
    {"{"sv, "accolade ouverte"sv},
    {"}"sv,
     "accolade ferm\xE9"
     "e"sv},
    {"["sv, "crochet ouvert"sv},
    {"]"sv, "crochet ferm\xE9"sv},
    {"#"sv, "di\xE8ze"sv},
    {"@"sv, "ate"sv},
    {"\xB5"sv, "mu"sv},
    {"%"sv, "pourcent"sv},
    {"\""sv, "guillemet"sv},
    {"^"sv, "accent circonflexe"sv},
}};

constexpr char kUnsaid = '$';

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
    out.append(text, start, at - start);
    out.append(to);
    start = at + from.size();
  }
  out.append(text, start, std::string::npos);
  text = std::move(out);
}

template <std::size_t N>
void RewriteWhole(std::string& result, std::string_view compared,
                  const std::array<Rewrite, N>& table) {
  for (const Rewrite& r : table) {
    if (compared == r.from) result = r.to;
  }
}

// The part of the grid that exists now, never beyond the layers.
int ColumnsInUse(const base::AppState& state) {
  return std::clamp(state.gridColumns, 0, WritingGrid::kColumns);
}

int LinesInUse(const base::AppState& state) {
  return std::clamp(state.gridLines, 0, WritingGrid::kLines);
}

bool InGrid(const base::AppState& state, int column, int line) {
  return column >= 0 && column < ColumnsInUse(state) && line >= 0 && line < LinesInUse(state);
}

// A zero byte is an empty cell too: it must not cut the text handed to the synthesiser.
bool IsEmptyCell(std::uint8_t c) {
  return c == ' ' || c == 0;
}

std::uint8_t Cell(const WritingGrid::Layer<WritingGrid::kColumns>& layer, int column, int line) {
  return layer[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
}

}  // namespace

std::string SpeakableText(std::string_view text, bool longTable, bool mathModule) {
  std::string compared;
  compared.reserve(text.size());
  for (char c : text) {
    if (c != ' ') compared.push_back(c);
  }

  std::string result(text);
  RewriteWhole(result, compared, kWholeBefore);

  ReplaceAll(result, "\x80"sv, " Euro"sv);
  ReplaceAll(result, "&"sv, longTable ? " et"sv : " Et"sv);
  for (const Rewrite& r : kSigns) {
    // Outside arithmetic "-" is a hyphen, which the synthesiser reads well as it is.
    if (r.from == "-"sv && !mathModule) continue;
    ReplaceAll(result, r.from, r.to);
  }
  if (longTable) {
    for (const Rewrite& r : kWordOnlySigns) ReplaceAll(result, r.from, r.to);
  }

  RewriteWhole(result, compared, kWholeAfter);
  // A lone hyphen on the letter keyboard; in arithmetic it is the minus sign, said above.
  if (!mathModule && compared == "-"sv) result = "tiret"sv;

  std::erase(result, kUnsaid);
  return result;
}

char ExpectedLetterAt(const base::CellTable& cells, const base::AppState& state,
                      const WritingGrid& grid, int column, int line) {
  if (!InGrid(state, column, line)) return ' ';
  const char expected = static_cast<char>(Cell(grid.fixedText, column, line));
  if (expected == ' ') return ' ';
  const int first = std::clamp(state.keyCount, 0, base::kMaxItems);
  const int end = std::clamp(state.itemCount, first, base::kMaxItems);
  for (int i = first; i < end; ++i) {
    const base::CellRecord& tile = cells[i];
    if (tile.gridCol == column && tile.gridRow == line && tile.visible == 1 &&
        tile.Letter() == expected) {
      return expected;
    }
  }
  return ' ';
}

WordToSay WordAt(const base::CellTable& cells, const base::AppState& state, const WritingGrid& grid,
                 int column, int line, bool fixedOn, bool exerciseComplete, bool mathModule) {
  WordToSay word;
  if (!InGrid(state, column, line) || IsEmptyCell(Cell(grid.text, column, line))) return word;

  int first = column;
  while (first > 0 && !IsEmptyCell(Cell(grid.text, first - 1, line))) --first;
  int end = column + 1;
  while (end < ColumnsInUse(state) && !IsEmptyCell(Cell(grid.text, end, line))) ++end;

  for (int c = first; c < end; ++c) {
    word.area = word.area.Union(base::CellRect(state, c, line));
  }

  std::string said;
  if (fixedOn) {
    // The word is heard only once every letter the exercise expects is in place: hearing it
    // tells the child it is right, so a wrong or missing letter keeps it silent.
    bool hasHidden = false;
    for (int c = first; c < end; ++c) {
      const char expected = ExpectedLetterAt(cells, state, grid, c, line);
      if (expected == ' ') return word;
      said.push_back(expected);
      if (Cell(grid.hidden, c, line) == 1) hasHidden = true;
    }
    word.hiddenWordFound = hasHidden && !exerciseComplete;
  } else {
    for (int c = first; c < end; ++c) {
      said.push_back(Cell(grid.visibility, c, line) == 0
                         ? kUnsaid
                         : static_cast<char>(Cell(grid.text, c, line)));
    }
  }
  word.text = SpeakableText(said, true, mathModule);
  return word;
}

std::string TextToRead(const base::AppState& state, const WritingGrid& grid, bool mathModule) {
  std::string text;
  const int lines = LinesInUse(state);
  const int columns = ColumnsInUse(state);
  text.reserve(static_cast<std::size_t>(lines * columns));
  for (int l = 0; l < lines; ++l) {
    for (int c = 0; c < columns; ++c) {
      const std::uint8_t ch = Cell(grid.text, c, l);
      text.push_back(IsEmptyCell(ch) ? ' ' : static_cast<char>(ch));
    }
  }
  std::string said = SpeakableText(text, false, mathModule);
  if (said.find_first_not_of(' ') == std::string::npos) said.clear();
  return said;
}

}  // namespace grid
