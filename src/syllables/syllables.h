#pragma once

#include <string>
#include <string_view>
#include <vector>

// School syllables of French words: where a word is cut, and which of its letters are not heard.
// Text is Windows-1252, one byte a letter, so positions are byte offsets in the text given.
namespace syllables {

class Exceptions;

struct Options {
  // Beginners read a glide as its own vowel: pi-a-no, si-tu-a-tion, li-on.
  bool splitGlides = false;
  // A doubled consonant is cut between its two letters (pom-me); when false it stays whole and
  // starts the next syllable (po-mme).
  bool splitDoubles = true;
};

struct Span {
  int begin = 0;  // offset of the first letter
  int end = 0;    // offset just past the last letter
  bool operator==(const Span&) const = default;
};

struct Word {
  Span letters;                 // the whole word in the text
  std::vector<Span> syllables;  // in order, covering the word exactly
  std::vector<bool> mute;       // one entry a letter of the word: true when it is not heard
};

// A letter of the program's text: a-z, A-Z and the accented letters of Windows-1252.
bool IsLetter(char c);

// The words of a line of text (runs of letters: any other character, "-" and "'" included,
// separates words), each with its syllables and mute letters. The exceptions, when given, replace
// the engine's own cut for the words they list.
std::vector<Word> Analyse(std::string_view line, const Options& options = {},
                          const Exceptions* exceptions = nullptr);

// One word alone, all letters; positions are offsets in word.
Word AnalyseWord(std::string_view word, const Options& options = {},
                 const Exceptions* exceptions = nullptr);

// A word written as its syllables joined by "-", the mute letters in brackets: "par-l[ent]".
std::string Format(std::string_view text, const Word& word);

// A whole line with each of its words written that way, the rest as it stands.
std::string FormatLine(std::string_view line, const Options& options = {},
                       const Exceptions* exceptions = nullptr);

}  // namespace syllables
