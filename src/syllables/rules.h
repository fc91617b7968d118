#pragma once

#include <string>
#include <string_view>
#include <vector>

// The phonics the syllable engine follows, as tables a teacher can read. Every entry is written in
// UTF-8 here and turned into the program's Windows-1252 once, when first used.
namespace syllables::rules {

// Letters that make vowels, alone or together.
inline constexpr std::string_view kVowelLetters = "aàâäeéèêëiîïoôöuùûüyÿœæ";

// Several letters making one consonant sound: never cut. A letter list after it names the letters
// that must follow for the group to be one sound (gu is [g] only before e, i, y: guê-pe, gui-de,
// but lan-gage).
struct ConsonantGroup {
  std::string_view letters;
  std::string_view before;  // empty: anywhere
};
inline constexpr ConsonantGroup kConsonantGroups[] = {
    {"ch", ""},           // cha-teau
    {"ph", ""},           // pho-to
    {"th", ""},           // thé
    {"rh", ""},           // rhu-me
    {"gn", ""},           // com-pa-gnie
    {"qu", ""},           // qua-tre
    {"gu", "eiyéèêëîï"},  // gui-de
};

// Two consonants heard as one attack and kept together at the start of a syllable:
// a stop or f/v followed by l or r (ta-ble, ca-dre, chro-me, phra-se).
inline constexpr std::string_view kAttacks[] = {
    "bl", "br", "cl", "cr", "dr",  "fl",  "fr",  "gl",  "gr",  "kl",  "kr",
    "pl", "pr", "tr", "vr", "chr", "chl", "phr", "phl", "thr", "gur", "gul",
};

// Vowels of several letters, read as one: taken longest first when a run of vowel letters is cut
// into its sounds.
inline constexpr std::string_view kVowelGroups[] = {
    "eau", "œu", "oeu", "ai", "ei", "au", "eu", "ou", "oi",
};

// Vowels that start a new syllable after another vowel (a hiatus): the trema (na-ïf, No-ël), and
// é, è, ê after a, o or e (po-è-te, a-é-ro-port).
inline constexpr std::string_view kTremaLetters = "ïëüÿ";
inline constexpr std::string_view kOpenEs = "éèê";
inline constexpr std::string_view kBeforeOpenE[] = {"a", "o", "e"};
// Vowels after which the next vowel is always heard apart (cré-a-tion, thé-â-tre, ré-u-nion,
// ré-el), but for a final mute e (i-dée).
inline constexpr std::string_view kHiatusAfter[] = {"é"};
// Pairs of vowels heard apart: ex-tra-or-di-nai-re, ca-o-lin.
struct VowelPair {
  std::string_view first, second;
};
inline constexpr VowelPair kHiatus[] = {
    {"a", "o"},
};

// Vowels that glide into the next one: pia-no, si-tua-tion, lion, oui. Merged in one syllable, or
// cut apart for beginners (pi-a-no). u before i stays whole in both (lui, nuit).
inline constexpr std::string_view kGlides[] = {"i", "u", "ou", "y"};

// Vowels before which g is hard: an e between them only softens the g and is not heard
// (pi-g[e]on, man-g[e]a).
inline constexpr std::string_view kHardVowels = "aâàoôuû";

// Words whose final consonant is heard, though such a letter at the end of a word is usually mute.
inline constexpr std::string_view kHeardFinals[] = {
    "as",    "atlas", "autobus", "bus",    "cactus", "fils",   "gaz",    "hélas", "jadis",
    "lys",   "maïs",  "mars",    "os",     "ours",   "sens",   "tennis", "virus", "vis",
    "oasis", "métis", "bis",     "iris",   "lotus",  "cassis", "six",    "dix",   "index",
    "lynx",  "sud",   "cap",     "stop",   "top",    "slip",   "net",    "brut",  "ouest",
    "hiver", "enfer", "amer",    "cancer", "super",  "laser",  "fier",   "hier",  "donc",
    "zinc",  "chut",  "huit",    "août",   "mat",    "but",    "rap",    "jazz",  "quiz",
};
// Words in -ment that are verbs rather than nouns or adverbs: ils ai-m[ent], ils dor-m[ent]
// (but ser-ment, vrai-ment, in the list below).
inline constexpr std::string_view kVerbsInMent[] = {"aiment", "rment"};

// Words ending in -ent after a consonant where the ending is heard ([ɑ̃], its t mute): nouns,
// adjectives and adverbs. Any word in -ment is one of them, but for the verbs above; other -ent
// words are taken as verbs whose ending is not heard (ils par-l[ent]).
inline constexpr std::string_view kHeardEnt[] = {
    "absent",     "accent",     "accident",   "adolescent",    "agent",       "argent",
    "cent",       "client",     "content",    "continent",     "décent",      "dent",
    "différent",  "évident",    "excellent",  "fréquent",      "gent",        "impatient",
    "incident",   "indulgent",  "innocent",   "insolent",      "intelligent", "lent",
    "munificent", "négligent",  "occident",   "orient",        "parent",      "patient",
    "permanent",  "pourcent",   "présent",    "président",     "prudent",     "récent",
    "régent",     "serpent",    "souvent",    "talent",        "torrent",     "tangent",
    "urgent",     "vent",       "violent",    "décadent",      "résident",    "ardent",
    "apparent",   "adjacent",   "équivalent", "succulent",     "concurrent",  "couvent",
    "événement",  "arpent",     "strident",   "turbulent",     "compétent",   "transparent",
    "diligent",   "éloquent",   "fervent",    "grandiloquent", "imminent",    "pertinent",
    "somnolent",  "subséquent", "virulent",   "précédent",     "confident",   "dissident",
    "serment",    "vraiment",
};

}  // namespace syllables::rules
