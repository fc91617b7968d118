#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Which letters of a written word make each sound a voice says for it: "chta" said [ʃ t a] is
// ch, t, a; "chat" said [ʃ a] is ch, at. The child sees the letters light in turn as they are
// heard, which is how a French reader learns to read them.
namespace speech {

struct LetterSpan {
  std::size_t begin = 0;  // the first letter of the word
  std::size_t end = 0;    // just past the last one
  bool operator==(const LetterSpan&) const = default;
};

// For each sound, in order, the letters of the word that make it. Every letter belongs to one
// sound: a letter that is not heard (the h of "homme", the t of "chat") to the sound before it,
// or the first sound when nothing comes before. The spans follow each other in order, with no
// gap, and cover the word; a sound no letter makes shares the letters of the sound before it (or
// after it, at the start). `word` is Windows-1252, any case; each sound is one phoneme in IPA
// (UTF-8) as the voice gives it, marks of stress and length allowed. Empty when the word has no
// letter or there is no sound: the whole word is then all there is to light.
std::vector<LetterSpan> LettersOfSounds(std::string_view word,
                                        const std::vector<std::string>& sounds);

}  // namespace speech
