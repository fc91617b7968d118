// The letters lit for each sound heard: whatever the letters the child wrote and whatever the
// voice says, every letter is lit with one sound, in order, and nothing outside the word.
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "speech/letter_sounds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The written word, then "|" and the sounds, blank-separated.
  const std::string_view bytes = fuzzing::Bytes(data, size);
  const std::size_t bar = bytes.find('|');
  const std::string_view word = bytes.substr(0, bar);
  std::vector<std::string> sounds;
  if (bar != std::string_view::npos) {
    std::string sound;
    for (char c : bytes.substr(bar + 1)) {
      if (c != ' ') {
        sound += c;
      } else if (!sound.empty()) {
        sounds.push_back(sound);
        sound.clear();
      }
    }
    if (!sound.empty()) sounds.push_back(sound);
  }
  const std::vector<speech::LetterSpan> spans = speech::LettersOfSounds(word, sounds);
  if (spans.empty()) return 0;
  fuzzing::Check(spans.size() == sounds.size(), "a span for each sound");
  fuzzing::Check(spans.front().begin == 0 && spans.back().end == word.size(),
                 "the spans cover the word");
  for (std::size_t k = 0; k < spans.size(); ++k) {
    fuzzing::Check(spans[k].begin < spans[k].end && spans[k].end <= word.size(),
                   "a span holds letters of the word");
    if (k > 0) {
      fuzzing::Check(spans[k] == spans[k - 1] || spans[k].begin == spans[k - 1].end,
                     "the spans follow each other");
    }
  }
  return 0;
}
