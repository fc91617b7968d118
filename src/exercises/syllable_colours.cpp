#include "exercises/syllable_colours.h"

#include <array>

#include "grid/writing_grid.h"
#include "keyboard/key_colours.h"
#include "keyboard/letter_ink.h"

namespace exercises {

namespace {

constexpr int kLineCells = grid::WritingGrid::kListColumns;

}  // namespace

SyllableColours::CellInks SyllableColours::NoInks() {
  CellInks cells;
  for (auto& line : cells) line.fill(keyboard::kKeepInk);
  return cells;
}

std::vector<std::string> SyllableColours::ReadExceptions(const std::filesystem::path& programFolder,
                                                         const std::filesystem::path& dataFolder) {
  std::vector<std::string> refused;
  exceptions_ = syllables::LoadExceptions(programFolder, dataFolder, &refused);
  words_.clear();
  return refused;
}

std::vector<SyllableColours::Cell> SyllableColours::Prepare(const base::CellTable& cells,
                                                            int keyCount, int itemCount,
                                                            const SyllableLook& look, int scheme) {
  inks_.clear();
  const auto before = cellInks_;
  cellInks_ = NoInks();
  if (look.on && scheme >= 0 && scheme < keyboard::kSchemeCount) {
    ColourWords(cells, keyCount, itemCount, look, scheme);
  }
  std::vector<Cell> changed;
  for (int l = 0; l < grid::WritingGrid::kLines; ++l) {
    for (int c = 0; c < kLineCells; ++c) {
      const auto line = static_cast<std::size_t>(l);
      const auto column = static_cast<std::size_t>(c);
      if (before[line][column] != cellInks_[line][column]) changed.push_back({c, l});
    }
  }
  return changed;
}

void SyllableColours::ColourWords(const base::CellTable& cells, int keyCount, int itemCount,
                                  const SyllableLook& look, int scheme) {
  if (look.splitGlides != cutWith_.splitGlides) words_.clear();
  cutWith_ = look;
  const int pair = look.pair == 1 ? 1 : 0;
  const keyboard::SyllableInks& ink =
      keyboard::kSyllableInks[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(pair)];

  // The grid's lines as the tiles resting in them spell them.
  const int end = std::min(itemCount, base::kMaxItems);
  std::array<std::array<int, kLineCells>, grid::WritingGrid::kLines> tileAt;
  for (auto& line : tileAt) line.fill(-1);
  for (int i = std::max(keyCount, 0); i < end; ++i) {
    const base::CellRecord& r = cells[i];
    if (r.gridCol < 0 || r.gridCol >= kLineCells || r.gridRow < 0 ||
        r.gridRow >= grid::WritingGrid::kLines) {
      continue;
    }
    tileAt[static_cast<std::size_t>(r.gridRow)][static_cast<std::size_t>(r.gridCol)] = i;
  }

  inks_.assign(static_cast<std::size_t>(std::max(end, 0)), keyboard::kKeepInk);
  std::unordered_map<std::string, syllables::Word> kept;
  for (const auto& line : tileAt) {
    std::string text(kLineCells, ' ');
    for (int c = 0; c < kLineCells; ++c) {
      if (line[static_cast<std::size_t>(c)] >= 0) {
        text[static_cast<std::size_t>(c)] = cells[line[static_cast<std::size_t>(c)]].Letter();
      }
    }
    for (int c = 0; c < kLineCells;) {
      if (!syllables::IsLetter(text[static_cast<std::size_t>(c)])) {
        ++c;
        continue;
      }
      int e = c;
      while (e < kLineCells && syllables::IsLetter(text[static_cast<std::size_t>(e)])) ++e;
      // An elided word ends on a heard letter (l'arbre, jusqu'ici): the apostrophe goes with it.
      const bool elided = e < kLineCells && text[static_cast<std::size_t>(e)] == '\'';
      const std::string key = text.substr(static_cast<std::size_t>(c),
                                          static_cast<std::size_t>(e - c + (elided ? 1 : 0)));
      auto found = kept.find(key);
      if (found == kept.end()) {
        auto known = words_.find(key);
        if (known != words_.end()) {
          found = kept.emplace(key, std::move(known->second)).first;
        } else {
          syllables::Options options;
          options.splitGlides = look.splitGlides;
          auto analysed = syllables::Analyse(key, options, &exceptions_);
          ++wordsCut_;
          found = kept.emplace(key, analysed.empty() ? syllables::Word{} : analysed.front()).first;
        }
      }
      const syllables::Word& word = found->second;
      for (std::size_t s = 0; s < word.syllables.size(); ++s) {
        const gfx::Colour syllableInk = s % 2 == 0 ? ink.first : ink.second;
        for (int k = word.syllables[s].begin; k < word.syllables[s].end; ++k) {
          const int tile = line[static_cast<std::size_t>(c + k)];
          if (tile < 0 || k < 0 || k >= e - c) continue;
          const bool mute = static_cast<std::size_t>(k) < word.mute.size() &&
                            word.mute[static_cast<std::size_t>(k)];
          inks_[static_cast<std::size_t>(tile)] = mute ? ink.mute : syllableInk;
          cellInks_[static_cast<std::size_t>(cells[tile].gridRow)]
                   [static_cast<std::size_t>(c + k)] = inks_[static_cast<std::size_t>(tile)];
        }
      }
      c = e;
    }
  }
  // The words no longer in the grid are forgotten.
  words_ = std::move(kept);
}

}  // namespace exercises
