#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "syllables/syllables.h"
#include "text/cp1252.h"

namespace {

using syllables::Options;

std::string Cut(const std::string& utf8, const Options& options = {}) {
  return text::ToUtf8(syllables::FormatLine(text::FromUtf8(utf8), options));
}

struct Case {
  const char* word;
  const char* expected;
};

// One word for each rule of the engine, default settings.
TEST(SyllablesTest, EachRuleOnItsWord) {
  const std::vector<Case> cases = {
      {"école", "é-co-le"},  // final e after a consonant is a syllable
      {"père", "pè-re"},
      {"pères", "pè-re[s]"},      // ...and es
      {"parlent", "par-l[ent]"},  // ...and ent of a verb, not heard
      {"moment", "mo-men[t]"},    // ent of a noun or adverb is heard
      {"argent", "ar-gen[t]"},
      {"aiment", "ai-m[ent]"},  // ...but for verbs in -ment
      {"dorment", "dor-m[ent]"},
      {"vraiment", "vrai-men[t]"},
      {"pomme", "pom-me"},  // doubled consonants split
      {"fille", "fil-le"},
      {"descendre", "des-cen-dre"},  // sc splits
      {"table", "ta-ble"},           // stop + l/r stays together
      {"chrome", "chro-me"},
      {"cheval", "che-val"},  // one-sound groups stay whole
      {"éléphant", "é-lé-phan[t]"},
      {"théâtre", "thé-â-tre"},
      {"montagne", "mon-ta-gne"},
      {"musique", "mu-si-que"},
      {"guitare", "gui-ta-re"},
      {"langage", "lan-ga-ge"},  // gu before a is not one sound
      {"taxi", "ta-xi"},         // intervocalic x and y go right
      {"exemple", "e-xem-ple"},
      {"voyage", "vo-ya-ge"},
      {"bonheur", "bon-[h]eur"},  // a consonant before a mute h splits
      {"idée", "i-dé[e]"},        // mute letters stick to the left
      {"longtemps", "long-tem[ps]"},
      {"spectacle", "spec-ta-cle"},  // word-initial s + consonant together
      {"piano", "pia-no"},           // glides merge
      {"situation", "si-tua-tion"},
      {"nuit", "nui[t]"},
      {"obscur", "obs-cur"},           // three consonants: the last starts the syllable
      {"construire", "cons-trui-re"},  // ...or the last two when they make an attack
      {"naïf", "na-ïf"},               // a trema is heard apart
      {"poète", "po-è-te"},            // è, é after a vowel are heard apart
      {"aéroport", "a-é-ro-por[t]"},
      {"réel", "ré-el"},
      {"extraordinaire", "ex-tra-or-di-nai-re"},
      {"oiseau", "oi-seau"},  // vowel groups stay whole
      {"étaient", "é-tai[ent]"},
      {"jouent", "jou[ent]"},
      {"vient", "vien[t]"},
      {"temps", "tem[ps]"},  // final consonants not heard
      {"grand", "gran[d]"},
      {"direct", "di-rect"},  // but t after c or s is heard
      {"ouest", "ouest"},
      {"tests", "test[s]"},
      {"blancs", "blan[cs]"},
      {"vingt", "vin[gt]"},
      {"chez", "che[z]"},
      {"parler", "par-le[r]"},
      {"mer", "mer"},  // er of one syllable is heard
      {"bus", "bus"},  // words whose last letter is heard
      {"homme", "[h]om-me"},
      {"pigeon", "pi-g[e]on"},  // e that softens g
      {"geai", "g[e]ai"},
      {"yeux", "yeu[x]"},  // y before a vowel at the start is a consonant
      {"stylo", "sty-lo"},
      {"a", "a"},
      {"mme", "mme"},  // no vowel: one piece, nothing mute
  };
  for (const auto& c : cases) EXPECT_EQ(Cut(c.word), c.expected) << c.word;
}

TEST(SyllablesTest, SettingsForBeginnersAndDoubles) {
  Options beginner;
  beginner.splitGlides = true;
  EXPECT_EQ(Cut("piano", beginner), "pi-a-no");
  EXPECT_EQ(Cut("situation", beginner), "si-tu-a-ti-on");
  EXPECT_EQ(Cut("nuit", beginner), "nui[t]");  // u before i stays whole
  Options whole;
  whole.splitDoubles = false;
  EXPECT_EQ(Cut("pomme", whole), "po-mme");
  EXPECT_EQ(Cut("terre", whole), "te-rre");
  EXPECT_EQ(Cut("table", whole), "ta-ble");
}

// Words are runs of letters: "-", "'" and anything else separate them and are kept as they are.
TEST(SyllablesTest, LineIsCutIntoWords) {
  EXPECT_EQ(Cut("Les enfants jouent."), "Le[s] en-fan[ts] jou[ent].");
  EXPECT_EQ(Cut("porte-monnaie"), "por-te-mon-nai[e]");
  // An elided word keeps its last letter: aujourd'hui, not aujour[d]'hui.
  EXPECT_EQ(Cut("aujourd'hui"), "au-jourd'[h]ui");
  EXPECT_EQ(Cut("L'ÉCOLE"), "L'É-CO-LE");
  EXPECT_EQ(Cut("  12 !"), "  12 !");
  EXPECT_EQ(Cut("cœur"), "cœur");

  const std::string line = text::FromUtf8("un bel été");
  const auto words = syllables::Analyse(line);
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[2].letters, (syllables::Span{7, 10}));
  EXPECT_EQ(words[2].syllables, (std::vector<syllables::Span>{{7, 8}, {8, 10}}));
  EXPECT_EQ(words[2].mute.size(), 3u);
}

// Whatever the bytes, every word's syllables follow each other without gap and cover it.
TEST(SyllablesTest, SyllablesCoverEveryWordOfAnyText) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  for (int shift = 0; shift < 7; ++shift) {
    std::string line;
    for (std::size_t i = 0; i < 600; ++i) line += all[(i * (shift * 2 + 3) + shift) % all.size()];
    for (const Options& o : {Options{}, Options{true, false}}) {
      for (const auto& w : syllables::Analyse(line, o)) {
        ASSERT_FALSE(w.syllables.empty());
        EXPECT_EQ(w.syllables.front().begin, w.letters.begin);
        EXPECT_EQ(w.syllables.back().end, w.letters.end);
        for (std::size_t k = 1; k < w.syllables.size(); ++k) {
          EXPECT_EQ(w.syllables[k].begin, w.syllables[k - 1].end);
          EXPECT_LT(w.syllables[k].begin, w.syllables[k].end);
        }
        EXPECT_EQ(w.mute.size(), static_cast<std::size_t>(w.letters.end - w.letters.begin));
      }
    }
  }
}

}  // namespace
