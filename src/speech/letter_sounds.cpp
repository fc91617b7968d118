#include "speech/letter_sounds.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>

#include "speech/misspelling.h"
#include "text/cp1252.h"

namespace speech {

namespace {

// The ways French writes each sound, as a reader of school age meets them; a sound is written as
// ComparablePhonemes gives it (e and ɛ as e, o and ɔ as o, ø, œ and ə as ə, the nasal vowels with
// their tilde). A group of letters may make several sounds at once: x is [ks] or [gz], oi is [wa].
struct Spelling {
  std::u32string_view sounds;  // separated by spaces when several
  std::initializer_list<std::u32string_view> letters;
};

const Spelling kSpellings[] = {
    {U"a", {U"a", U"\u00E0", U"\u00E2", U"\u00E4"}},
    {U"e",
     {U"\u00E9", U"\u00E8", U"\u00EA", U"\u00EB", U"e", U"ai", U"a\u00EE", U"ei", U"ay", U"ey",
      U"er", U"ez", U"et", U"es"}},
    {U"i", {U"i", U"\u00EE", U"\u00EF", U"y"}},
    {U"o", {U"o", U"\u00F4", U"\u00F6", U"au", U"eau", U"oo"}},
    {U"u", {U"ou", U"o\u00F9", U"o\u00FB", U"aou", U"ao\u00FB", U"oo"}},
    {U"y", {U"u", U"\u00FB", U"\u00FC", U"eu"}},
    {U"\u0259",
     {U"e", U"eu", U"\u0153u", U"oeu", U"\u0153", U"oe", U"ue", U"e\u00FB", U"on", U"ai"}},
    {U"\u025B\u0303",
     {U"in", U"im", U"ain", U"aim", U"ein", U"yn", U"ym", U"en", U"un", U"um", U"\u00EEn"}},
    {U"a\u0303", {U"an", U"am", U"en", U"em", U"aon", U"ean", U"aen"}},
    {U"o\u0303", {U"on", U"om"}},
    {U"j", {U"i", U"y", U"il", U"ill", U"ll", U"\u00EF"}},
    {U"w", {U"o", U"ou", U"w"}},
    {U"\u0265", {U"u", U"\u00FB"}},
    {U"p", {U"p", U"pp"}},
    {U"b", {U"b", U"bb"}},
    {U"t", {U"t", U"tt", U"th"}},
    {U"d", {U"d", U"dd"}},
    {U"k", {U"c", U"cc", U"k", U"q", U"qu", U"ch", U"ck", U"cqu"}},
    {U"g", {U"g", U"gg", U"gu", U"gh"}},
    {U"f", {U"f", U"ff", U"ph"}},
    {U"v", {U"v", U"w"}},
    {U"s", {U"s", U"ss", U"c", U"\u00E7", U"sc", U"t", U"x"}},
    {U"z", {U"s", U"z", U"zz", U"x"}},
    {U"\u0283", {U"ch", U"sh", U"sch"}},
    {U"\u0292", {U"j", U"g", U"ge"}},
    {U"l", {U"l", U"ll"}},
    {U"\u0281", {U"r", U"rr", U"rh"}},
    {U"m", {U"m", U"mm"}},
    {U"n", {U"n", U"nn", U"mn"}},
    {U"\u0272", {U"gn"}},
    {U"\u014B", {U"ng"}},
    {U"k s", {U"x"}},
    {U"g z", {U"x"}},
    {U"k w", {U"qu"}},
    {U"w a", {U"oi", U"o\u00EE"}},
    {U"w a j", {U"oy"}},
    {U"w \u025B\u0303", {U"oin"}},
};

// What each way of pairing costs, in tenths: the alignment takes the cheapest. A letter group
// that makes its sound costs a step, so that the longest groups win (eau rather than e and au).
constexpr int kSpelt = 1;
constexpr int kSilentH = 3;
constexpr int kSilentEnding = 5;  // an e, or a consonant after the last vowel of the word
constexpr int kSilentOther = 30;
constexpr int kOtherLetter = 20;  // a letter read as a sound it does not usually make
constexpr int kNoLetter = 20;     // a sound no letter makes

constexpr std::size_t kLongest = 64;  // beyond, the whole word is lit

std::vector<std::u32string> SplitSounds(std::u32string_view sounds) {
  std::vector<std::u32string> parts;
  std::size_t start = 0;
  while (start <= sounds.size()) {
    const std::size_t end = std::min(sounds.find(U' ', start), sounds.size());
    parts.emplace_back(sounds.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

struct Rule {
  std::vector<std::u32string> sounds;
  std::u32string letters;
};

const std::vector<Rule>& Rules() {
  static const std::vector<Rule> rules = [] {
    std::vector<Rule> all;
    for (const Spelling& spelling : kSpellings) {
      for (std::u32string_view letters : spelling.letters) {
        all.push_back({SplitSounds(spelling.sounds), std::u32string(letters)});
      }
    }
    return all;
  }();
  return rules;
}

bool IsVowelLetter(char32_t c) {
  static constexpr std::u32string_view kVowels =
      U"aeiouy\u00E0\u00E2\u00E4\u00E8\u00E9\u00EA\u00EB\u00EE\u00EF\u00F4\u00F6\u00F9\u00FB"
      U"\u00FC\u00FF\u0153\u00E6";
  return kVowels.find(c) != std::u32string_view::npos;
}

// What a letter costs when it is not heard at all.
int SilentCost(const std::u32string& letters, std::size_t i, std::size_t lastVowel) {
  const char32_t c = letters[i];
  if (c == U'h') return kSilentH;
  if (c == U'e') return kSilentEnding;
  if (!IsVowelLetter(c) && (lastVowel == std::u32string::npos || i > lastVowel)) {
    return kSilentEnding;
  }
  return kSilentOther;
}

enum class Step : std::uint8_t { kNone, kSpelt, kSilent, kOther, kNoLetter };

struct Cell {
  int cost = INT_MAX;
  Step step = Step::kNone;
  std::uint8_t letters = 0;  // taken by the step
  std::uint8_t sounds = 0;
};

}  // namespace

std::vector<LetterSpan> LettersOfSounds(std::string_view word,
                                        const std::vector<std::string>& sounds) {
  if (word.empty() || sounds.empty() || word.size() > kLongest || sounds.size() > kLongest) {
    return {};
  }
  std::u32string letters;
  for (char c : word) letters += text::CodePoint(static_cast<unsigned char>(text::ToLower(c)));
  std::vector<std::u32string> heard;
  for (const std::string& sound : sounds) heard.push_back(ComparablePhonemes(sound));
  std::size_t lastVowel = std::u32string::npos;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    if (IsVowelLetter(letters[i])) lastVowel = i;
  }

  const std::size_t n = letters.size();
  const std::size_t m = heard.size();
  std::vector<Cell> table((n + 1) * (m + 1));
  auto at = [&](std::size_t i, std::size_t k) -> Cell& { return table[i * (m + 1) + k]; };
  at(0, 0).cost = 0;
  auto offer = [&](std::size_t i, std::size_t k, int cost, Step step, std::size_t taken,
                   std::size_t said) {
    Cell& cell = at(i, k);
    if (cost < cell.cost) {
      cell = {cost, step, static_cast<std::uint8_t>(taken), static_cast<std::uint8_t>(said)};
    }
  };
  for (std::size_t i = 0; i <= n; ++i) {
    for (std::size_t k = 0; k <= m; ++k) {
      const int here = at(i, k).cost;
      if (here == INT_MAX) continue;
      if (k < m) {
        // A pause, a language switch: nothing to read.
        offer(i, k + 1, here + (heard[k].empty() ? 0 : kNoLetter), Step::kNoLetter, 0, 1);
      }
      if (i < n) offer(i + 1, k, here + SilentCost(letters, i, lastVowel), Step::kSilent, 1, 0);
      if (i < n && k < m && !heard[k].empty()) {
        offer(i + 1, k + 1, here + kOtherLetter, Step::kOther, 1, 1);
      }
      for (const Rule& rule : Rules()) {
        if (k + rule.sounds.size() > m ||
            letters.compare(i, rule.letters.size(), rule.letters) != 0) {
          continue;
        }
        if (!std::equal(rule.sounds.begin(), rule.sounds.end(), heard.begin() + k)) continue;
        offer(i + rule.letters.size(), k + rule.sounds.size(), here + kSpelt, Step::kSpelt,
              rule.letters.size(), rule.sounds.size());
      }
    }
  }

  // Back from the end: which sound each letter belongs to; a letter not heard has none yet.
  constexpr std::size_t kNobody = SIZE_MAX;
  std::vector<std::size_t> owner(n, kNobody);
  for (std::size_t i = n, k = m; i > 0 || k > 0;) {
    const Cell& cell = at(i, k);
    const std::size_t taken = cell.letters;
    const std::size_t said = cell.sounds;
    if (said > 0 && taken > 0) {
      // Several sounds from one group: a letter each in turn, the last sound the rest.
      for (std::size_t t = 0; t < taken; ++t)
        owner[i - taken + t] = k - said + std::min(t, said - 1);
    }
    i -= taken;
    k -= said;
  }
  // A letter not heard goes with the sound before it, or the first one heard at the start.
  for (std::size_t i = 0; i < n; ++i) {
    if (owner[i] == kNobody && i > 0) owner[i] = owner[i - 1];
  }
  const auto firstOwned =
      std::find_if(owner.begin(), owner.end(), [&](std::size_t o) { return o != kNobody; });
  if (firstOwned == owner.end()) return {};  // nothing read: the whole word
  std::fill(owner.begin(), firstOwned, *firstOwned);

  std::vector<LetterSpan> spans(m);
  std::vector<bool> has(m, false);
  for (std::size_t i = 0; i < n; ++i) {
    LetterSpan& span = spans[owner[i]];
    if (!has[owner[i]]) span.begin = i;
    span.end = i + 1;
    has[owner[i]] = true;
  }
  // A sound without letters shares those of the sound before it, or after it at the start.
  const std::size_t firstWithLetters =
      static_cast<std::size_t>(std::find(has.begin(), has.end(), true) - has.begin());
  for (std::size_t k = 0; k < m; ++k) {
    if (has[k]) continue;
    spans[k] = k < firstWithLetters ? spans[firstWithLetters] : spans[k - 1];
  }
  return spans;
}

}  // namespace speech
