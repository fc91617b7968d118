#pragma once

#include <string_view>
#include <vector>

// Which letters of a wrong attempt are wrong. The attempt is laid against the word by the fewest
// edits: a letter left out, a letter too many, two neighbours swapped, a letter for another.
namespace speech {

// One entry per letter of the attempt (Windows-1252): true when that letter is wrong.
// - A letter too many, a letter in place of another and both letters of a swapped pair are wrong.
// - A letter left out has no tile to show it: the attempt letter that stands where it should be
//   (the one after the gap) is marked, or the last one when the gap is at the end.
// Capitals count as their small letters; accents count: "e" for "é" is wrong.
std::vector<bool> WrongLetters(std::string_view word, std::string_view attempt);

}  // namespace speech
