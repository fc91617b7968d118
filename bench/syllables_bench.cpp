// The syllables of a word: the colouring of a grid line cuts every word it shows.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "speech/letter_sounds.h"
#include "syllables/syllables.h"
#include "text/cp1252.h"

namespace {

void BM_SyllablesOfAWord(benchmark::State& state) {
  std::vector<std::string> words;
  for (const char* w : {"maintenant", "extraordinaire", "situation", "longtemps", "parlent",
                        "bibliothèque", "chocolat", "spectacle", "descendre", "idée", "voyage",
                        "aujourd", "hui", "grenouille", "ordinateur", "a"}) {
    words.push_back(text::FromUtf8(w));
  }
  std::size_t n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(syllables::AnalyseWord(words[n % words.size()]));
    ++n;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_SyllablesOfAWord);

// The letters of the sound heard, looked up every 10 ms while a word is read: a long word with
// the sounds espeak-ng says for it.
void BM_LettersOfTheSoundHeard(benchmark::State& state) {
  const std::string word = text::FromUtf8("extraordinaire");
  const std::vector<std::string> sounds = {"ɛ", "k", "s", "t", "ʁ", "a", "ɔ",
                                           "ʁ", "d", "i", "n", "ɛ", "ʁ"};
  for (auto _ : state) benchmark::DoNotOptimize(speech::LettersOfSounds(word, sounds));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_LettersOfTheSoundHeard);

}  // namespace
