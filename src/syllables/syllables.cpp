#include "syllables/syllables.h"

#include <algorithm>
#include <unordered_set>

#include "syllables/exceptions.h"
#include "syllables/rules.h"
#include "text/cp1252.h"

namespace syllables {
namespace {

// The tables of rules.h in the program's text, made once.
struct Tables {
  std::string vowels;
  std::vector<std::pair<std::string, std::string>> consonantGroups;
  std::unordered_set<std::string> attacks;
  std::vector<std::string> vowelGroups;
  std::string tremas, openEs, hardVowels;
  std::unordered_set<std::string> beforeOpenE;
  std::unordered_set<std::string> hiatusAfter;
  std::vector<std::pair<std::string, std::string>> hiatus;
  std::unordered_set<std::string> glides;
  std::unordered_set<std::string> heardFinals;
  std::unordered_set<std::string> heardEnt;

  Tables() {
    vowels = text::FromUtf8(rules::kVowelLetters);
    for (const auto& g : rules::kConsonantGroups) {
      consonantGroups.emplace_back(text::FromUtf8(g.letters), text::FromUtf8(g.before));
    }
    for (auto a : rules::kAttacks) attacks.insert(text::FromUtf8(a));
    for (auto v : rules::kVowelGroups) vowelGroups.push_back(text::FromUtf8(v));
    tremas = text::FromUtf8(rules::kTremaLetters);
    openEs = text::FromUtf8(rules::kOpenEs);
    hardVowels = text::FromUtf8(rules::kHardVowels);
    for (auto v : rules::kBeforeOpenE) beforeOpenE.insert(text::FromUtf8(v));
    for (auto v : rules::kHiatusAfter) hiatusAfter.insert(text::FromUtf8(v));
    for (const auto& p : rules::kHiatus) {
      hiatus.emplace_back(text::FromUtf8(p.first), text::FromUtf8(p.second));
    }
    for (auto g : rules::kGlides) glides.insert(text::FromUtf8(g));
    for (auto w : rules::kHeardFinals) heardFinals.insert(text::FromUtf8(w));
    for (auto w : rules::kHeardEnt) heardEnt.insert(text::FromUtf8(w));
  }
};

const Tables& T() {
  static const Tables tables;
  return tables;
}

bool In(std::string_view set, char c) {
  return c != '\0' && set.find(c) != std::string_view::npos;
}

bool IsVowelLetter(char c) {
  return In(T().vowels, c);
}

// One sound's letters in the word: a vowel or a consonant, of one or more letters.
struct Unit {
  int begin = 0;
  int end = 0;
  bool vowel = false;
};

// A word in lower case, cut into its sounds' letters.
class Letters {
 public:
  explicit Letters(std::string_view w) : w_(w) { Split(); }

  const std::vector<Unit>& Units() const { return units_; }
  std::string_view Text(const Unit& u) const { return w_.substr(u.begin, u.end - u.begin); }
  char At(int i) const { return i >= 0 && i < static_cast<int>(w_.size()) ? w_[i] : '\0'; }

 private:
  bool VowelAt(int i) const { return IsVowelLetter(At(i)); }

  void Split() {
    const int n = static_cast<int>(w_.size());
    int i = 0;
    while (i < n) {
      const char c = w_[i];
      // y is a consonant at the start of a word before a vowel (yeux) and between vowels
      // (vo-ya-ge).
      if (c == 'y') {
        const bool consonant = VowelAt(i + 1) && (i == 0 || VowelAt(i - 1));
        units_.push_back({i, i + 1, !consonant});
        ++i;
        continue;
      }
      if (IsVowelLetter(c)) {
        units_.push_back({i, i + 1, true});
        ++i;
        continue;
      }
      int len = 1;
      for (const auto& [group, before] : T().consonantGroups) {
        if (w_.substr(i, group.size()) == group &&
            (before.empty() || In(before, At(i + static_cast<int>(group.size()))))) {
          len = static_cast<int>(group.size());
          break;
        }
      }
      units_.push_back({i, i + len, false});
      i += len;
    }
  }

  std::string_view w_;
  std::vector<Unit> units_;
};

// The vowel sounds of a run of vowel letters, longest groups first: "eau", "ou", "i"...
std::vector<Unit> VowelGraphemes(std::string_view w, int begin, int end) {
  std::vector<Unit> out;
  int i = begin;
  while (i < end) {
    int len = 1;
    for (const auto& g : T().vowelGroups) {
      const int gl = static_cast<int>(g.size());
      if (i + gl <= end && w.substr(i, gl) == g) {
        len = gl;
        break;
      }
    }
    out.push_back({i, i + len, true});
    i += len;
  }
  return out;
}

// An e after another vowel that ends the word, alone or before s or nt: not heard (i-dée,
// jou-ent, par-ties).
bool IsTrailingMuteE(std::string_view w, const Unit& g) {
  if (g.end - g.begin != 1 || w[g.begin] != 'e') return false;
  const std::string_view rest = w.substr(g.end);
  return rest.empty() || rest == "s" || rest == "nt";
}

// Whether a run of vowel letters is cut between two of its sounds.
bool CutBetween(std::string_view w, const Unit& a, const Unit& b, const Options& options) {
  const std::string_view first = w.substr(a.begin, a.end - a.begin);
  const std::string_view second = w.substr(b.begin, b.end - b.begin);
  if (IsTrailingMuteE(w, b)) return false;
  if (In(T().tremas, second.front())) return true;
  if (second.size() == 1 && In(T().openEs, second.front()) &&
      T().beforeOpenE.contains(std::string(first))) {
    return true;
  }
  for (const auto& [x, y] : T().hiatus) {
    if (first == x && second == y) return true;
  }
  if (T().hiatusAfter.contains(std::string(first))) return true;
  if (T().glides.contains(std::string(first))) {
    if (first == "u" && second.front() == 'i') return false;
    return options.splitGlides;
  }
  return false;
}

bool IsDouble(std::string_view w, const Unit& a, const Unit& b) {
  return a.end - a.begin == 1 && b.end - b.begin == 1 && w[a.begin] == w[b.begin];
}

// Where the consonants between two vowels are cut: the index in units of the first consonant of
// the next syllable, for the consonants units[from, to).
int CutConsonants(std::string_view w, const std::vector<Unit>& units, int from, int to,
                  const Options& options) {
  const int count = to - from;
  if (count <= 1) return from;
  auto attack = [&](int i) {
    std::string pair(w.substr(units[i].begin, units[i + 1].end - units[i].begin));
    return T().attacks.contains(pair);
  };
  int cut = attack(to - 2) ? to - 2 : to - 1;
  if (!options.splitDoubles && cut > from && IsDouble(w, units[cut - 1], units[cut])) --cut;
  return cut;
}

// The syllables of a word in lower case, as the offsets where each starts.
std::vector<int> SyllableStarts(std::string_view w, const Options& options) {
  const Letters letters(w);
  const auto& units = letters.Units();
  const int n = static_cast<int>(units.size());

  // The vowel runs and, in each, the sounds that start a new syllable.
  struct Nucleus {
    int firstUnit, lastUnit;  // units of the run
    int begin;                // letter offset where this nucleus starts
  };
  std::vector<Nucleus> nuclei;
  for (int i = 0; i < n;) {
    if (!units[i].vowel) {
      ++i;
      continue;
    }
    int j = i;
    while (j < n && units[j].vowel) ++j;
    const auto sounds = VowelGraphemes(w, units[i].begin, units[j - 1].end);
    nuclei.push_back({i, j - 1, units[i].begin});
    for (std::size_t s = 1; s < sounds.size(); ++s) {
      if (CutBetween(w, sounds[s - 1], sounds[s], options)) {
        nuclei.push_back({i, j - 1, sounds[s].begin});
      }
    }
    i = j;
  }

  std::vector<int> starts{0};
  for (std::size_t k = 1; k < nuclei.size(); ++k) {
    const Nucleus& prev = nuclei[k - 1];
    const Nucleus& next = nuclei[k];
    if (prev.firstUnit == next.firstUnit) {
      starts.push_back(next.begin);  // a cut inside a run of vowels
      continue;
    }
    const int cut = CutConsonants(w, units, prev.lastUnit + 1, next.firstUnit, options);
    starts.push_back(units[cut].begin);
  }
  return starts;
}

bool EndsWith(std::string_view s, std::string_view end) {
  return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

bool IsVerbInMent(std::string_view w) {
  for (auto v : rules::kVerbsInMent) {
    if (EndsWith(w, v)) return true;
  }
  return false;
}

// The letters of a word in lower case that are not heard.
std::vector<bool> MuteLetters(std::string_view w, int syllableCount, bool elided) {
  const int n = static_cast<int>(w.size());
  std::vector<bool> mute(n, false);
  const Letters letters(w);
  // h alone is never heard (bon-heur, [h]om-me); in ch, ph, th, rh it is part of the sound.
  for (const auto& u : letters.Units()) {
    if (u.end - u.begin == 1 && w[u.begin] == 'h') mute[u.begin] = true;
  }
  // The e that softens a g before a, o, u: man-g[e]ons, pi-g[e]on.
  for (int i = 1; i + 1 < n; ++i) {
    if (w[i] == 'e' && w[i - 1] == 'g' && In(T().hardVowels, w[i + 1])) mute[i] = true;
  }
  // A word cut by an apostrophe ends on a heard letter: aujourd'hui, jusqu'à.
  if (n < 2 || elided || T().heardFinals.contains(std::string(w))) return mute;

  auto vowelAt = [&](int i) { return i >= 0 && i < n && IsVowelLetter(w[i]); };
  auto vowelSoundAt = [&](int i) {
    for (const auto& u : letters.Units()) {
      if (u.begin <= i && i < u.end) return u.vowel;
    }
    return false;
  };
  int end = n;  // the letters from end on are mute
  // Endings of verbs in the plural, never heard: ils par-l[ent], ils é-tai[ent], ils jou[ent].
  if (EndsWith(w, "ent") && n > 3) {
    const int e = n - 3;
    if (vowelAt(e - 1)) {
      if (w[e - 1] != 'i' || vowelAt(e - 2)) end = e;  // but vient, client
    } else if (syllableCount >= 2 && (!EndsWith(w, "ment") || IsVerbInMent(w)) &&
               !T().heardEnt.contains(std::string(w))) {
      end = e;
    }
  }
  if (end == n) {
    // e, es after a vowel: i-dé[e], jou[es]; not the u of qu, gu (mu-si-que).
    if (w[n - 1] == 'e' && vowelSoundAt(n - 2)) {
      end = n - 1;
    } else if (EndsWith(w, "es") && vowelSoundAt(n - 3)) {
      end = n - 2;
    } else {
      int e = n;
      if (w[e - 1] == 's' || w[e - 1] == 'x') --e;  // plural, deux, prix
      if (e == n && w[e - 1] == 'z') --e;           // nez, chez
      // t after c or s is heard (di-rect, test); the few words where it is not are exceptions.
      const bool heardT = w[e - 1] == 't' && e >= 2 && (w[e - 2] == 'c' || w[e - 2] == 's');
      if (e >= 2 && !heardT && (w[e - 1] == 't' || w[e - 1] == 'd' || w[e - 1] == 'p')) {
        --e;  // pe-tit, grand, trop, temps, parents
        if (e >= 2 && w[e - 1] == 'g' && w[e - 2] == 'n') --e;  // vingt
        if (e >= 2 && w[e - 1] == 'p' && w[e - 2] == 'm') --e;  // temps
      } else if (e >= 2 && (w[e - 1] == 'g' || w[e - 1] == 'c') && w[e - 2] == 'n') {
        --e;  // long, blanc
      } else if (e >= 2 && w[e - 1] == 'r' && w[e - 2] == 'e' &&
                 (syllableCount >= 2 || (e >= 3 && w[e - 3] == 'i'))) {
        --e;  // par-le[r], pre-mie[r], crie[r]
      }
      // Never the whole word: a, un, et keep a heard letter.
      if (e > 0 && std::any_of(w.begin(), w.begin() + e, IsVowelLetter)) end = e;
    }
  }
  for (int i = end; i < n; ++i) mute[i] = true;
  return mute;
}

}  // namespace

bool IsLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')) return true;
  // Š Œ Ž š œ ž Ÿ, and the accented letters from À to ÿ without × and ÷.
  if (u == 0x8A || u == 0x8C || u == 0x8E || u == 0x9A || u == 0x9C || u == 0x9E || u == 0x9F) {
    return true;
  }
  return u >= 0xC0 && u != 0xD7 && u != 0xF7;
}

namespace {

Word Analyse(std::string_view word, bool elided, const Options& options,
             const Exceptions* exceptions) {
  Word out;
  const int n = static_cast<int>(word.size());
  out.letters = {0, n};
  if (n == 0) return out;
  const std::string w = text::ToLower(word);
  if (exceptions) {
    if (const auto* entry = exceptions->Find(w)) {
      for (std::size_t k = 0; k < entry->starts.size(); ++k) {
        const int b = entry->starts[k];
        const int e = k + 1 < entry->starts.size() ? entry->starts[k + 1] : n;
        out.syllables.push_back({b, e});
      }
      out.mute = entry->mute;
      return out;
    }
  }
  const auto starts = SyllableStarts(w, options);
  for (std::size_t k = 0; k < starts.size(); ++k) {
    const int e = k + 1 < starts.size() ? starts[k + 1] : n;
    out.syllables.push_back({starts[k], e});
  }
  out.mute = MuteLetters(w, static_cast<int>(starts.size()), elided);
  return out;
}

}  // namespace

Word AnalyseWord(std::string_view word, const Options& options, const Exceptions* exceptions) {
  return Analyse(word, false, options, exceptions);
}

std::vector<Word> Analyse(std::string_view line, const Options& options,
                          const Exceptions* exceptions) {
  std::vector<Word> words;
  const int n = static_cast<int>(line.size());
  for (int i = 0; i < n;) {
    if (!IsLetter(line[i])) {
      ++i;
      continue;
    }
    int j = i;
    while (j < n && IsLetter(line[j])) ++j;
    Word w = Analyse(line.substr(i, j - i), j < n && line[j] == '\'', options, exceptions);
    w.letters = {i, j};
    for (auto& s : w.syllables) {
      s.begin += i;
      s.end += i;
    }
    words.push_back(std::move(w));
    i = j;
  }
  return words;
}

std::string Format(std::string_view text, const Word& word) {
  std::string out;
  for (std::size_t k = 0; k < word.syllables.size(); ++k) {
    if (k > 0) out += '-';
    bool open = false;
    for (int i = word.syllables[k].begin; i < word.syllables[k].end; ++i) {
      const std::size_t letter = static_cast<std::size_t>(i - word.letters.begin);
      const bool mute = letter < word.mute.size() && word.mute[letter];
      if (mute != open) {
        out += mute ? '[' : ']';
        open = mute;
      }
      out += text[i];
    }
    if (open) out += ']';
  }
  return out;
}

std::string FormatLine(std::string_view line, const Options& options,
                       const Exceptions* exceptions) {
  std::string out;
  int at = 0;
  for (const auto& w : Analyse(line, options, exceptions)) {
    out.append(line.substr(at, w.letters.begin - at));
    out += Format(line, w);
    at = w.letters.end;
  }
  out.append(line.substr(at));
  return out;
}

}  // namespace syllables
