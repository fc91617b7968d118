// Which letters of a written word make each sound the voice says.
#include "speech/letter_sounds.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "text/cp1252.h"

namespace {

std::vector<std::string> Sounds(const std::string& spaced) {
  std::vector<std::string> sounds;
  std::istringstream in(spaced);
  for (std::string sound; in >> sound;) sounds.push_back(sound);
  return sounds;
}

// The word cut as the spans say, one group of letters per sound: "ch|at".
std::string Groups(const std::string& utf8Word, const std::vector<std::string>& sounds) {
  const std::string word = text::FromUtf8(utf8Word);
  const std::vector<speech::LetterSpan> spans = speech::LettersOfSounds(word, sounds);
  std::string groups;
  for (std::size_t k = 0; k < spans.size(); ++k) {
    if (k > 0) groups += '|';
    groups += text::ToUtf8(word.substr(spans[k].begin, spans[k].end - spans[k].begin));
  }
  return groups;
}

// The sounds are espeak-ng's, as its French voice says each word or attempt.
TEST(LetterSounds, EachSoundGetsTheLettersAReaderSeesForIt) {
  struct Case {
    const char* word;
    const char* sounds;
    const char* groups;
  };
  const Case cases[] = {
      // Letter groups making one sound, the longest first.
      {"chta", "ʃ t a", "ch|t|a"},
      {"éléphant", "e l e f ɑ̃", "é|l|é|ph|ant"},
      {"bateau", "b a t o", "b|a|t|eau"},
      {"cadau", "k a d o", "c|a|d|au"},
      {"gâteau", "ɡ a t o", "g|â|t|eau"},
      {"train", "t ʁ ɛ̃", "t|r|ain"},
      {"maison", "m ɛ z ɔ̃", "m|ai|s|on"},
      {"garçon", "ɡ a ʁ s ɔ̃", "g|a|r|ç|on"},
      {"chien", "ʃ j ɛ̃", "ch|i|en"},
      {"gnome", "ɲ o m", "gn|o|me"},
      // Letters not heard go with the sound before them, or the first one.
      {"chat", "ʃ a", "ch|at"},
      {"homme", "ɔ m", "ho|mme"},
      {"rose", "ʁ ɔ z", "r|o|se"},
      {"parlent", "p a ʁ l", "p|a|r|lent"},
      {"fille", "f i j", "f|i|lle"},
      // One group of letters for several sounds: each sound its letter, the last the rest.
      {"oiseau", "w a z o", "o|i|s|eau"},
      {"loin", "l w ɛ̃", "l|o|in"},
      // x makes two sounds and lights for both.
      {"taxi", "t a k s i", "t|a|x|x|i"},
      {"exemple", "ɛ ɡ z ɑ̃ p l", "e|x|x|em|p|le"},
      // Words read as no rule says still get every letter, in order.
      {"monsieur", "m ə s j ø", "m|on|s|i|eur"},
      {"femme", "f a m", "f|e|mme"},
      // A letter said by its name: both sounds light the one letter.
      {"l", "ɛ l", "l|l"},
      // Capitals, stress and length marks, a pause with no letters.
      {"Chat", "ʃ ˈaː", "Ch|at"},
      {"lune", "l y _ n", "l|u|u|ne"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Groups(c.word, Sounds(c.sounds)), c.groups) << c.word;
  }
}

TEST(LetterSounds, NothingToLightPartOfGivesNothing) {
  EXPECT_TRUE(speech::LettersOfSounds("", Sounds("a")).empty());
  EXPECT_TRUE(speech::LettersOfSounds("chat", {}).empty());
  // A word far longer than any the child writes is lit whole.
  EXPECT_TRUE(speech::LettersOfSounds(std::string(200, 'a'), Sounds("a")).empty());
}

}  // namespace
