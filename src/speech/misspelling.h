#pragma once

#include <string>
#include <string_view>

// Whether a wrong attempt at a word sounds like the word. A child who writes "bato" for "bateau"
// heard the word right and does not know its spelling yet; one who writes "cadau" for "gâteau"
// heard or wrote a sound wrong. The two get different help.
namespace speech {

enum class SoundMatch {
  kUnknown,    // the voice gives no phonemes
  kAlike,      // read aloud, the attempt sounds like the word
  kDifferent,  // a sound differs
};

// IPA phonemes (UTF-8) reduced to what school grades: stress, lengths, syllable and word breaks
// and language switches out; e/ɛ, o/ɔ, ø/œ/ə, a/ɑ and ɛ̃/œ̃ merged, since neither the child
// nor most French speakers tell them apart.
std::u32string ComparablePhonemes(std::string_view ipa);

// Compares the phonemes of the word and of the attempt; unknown when either is missing.
SoundMatch CompareSounds(std::string_view wordIpa, std::string_view attemptIpa);

// What the program says after reading a wrong attempt aloud (Windows-1252); empty when unknown.
std::string_view EchoSentence(SoundMatch match);

inline constexpr std::string_view kSoundsAlikeSentence =
    "\xC7"
    "a se lit pareil, mais \xE7"
    "a ne s'\xE9"
    "crit pas comme \xE7"
    "a.";
inline constexpr std::string_view kSoundsDifferentSentence =
    "\xC9"
    "coute bien : \xE7"
    "a ne se dit pas pareil.";

}  // namespace speech
