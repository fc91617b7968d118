// The echo of a wrong attempt: whether it sounds like the word, and which letters are wrong.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "speech/misspelling.h"
#include "speech/spelling_alignment.h"
#include "text/cp1252.h"

namespace {

using speech::CompareSounds;
using speech::SoundMatch;
using speech::WrongLetters;

TEST(EchoSounds, OnlyTheContrastsSchoolDoesNotGradeAreMerged) {
  struct Case {
    const char* word;
    const char* attempt;
    SoundMatch match;
  };
  const Case cases[] = {
      // Stress, length, syllable breaks, pauses and language switches are no sounds.
      {"batˈo", "bˌa.toː", SoundMatch::kAlike},
      {"ʃəvˈal", "(en)ʃəv(fr)ˈal", SoundMatch::kAlike},
      {"lə ʃˈa", "ləʃa", SoundMatch::kAlike},
      // e/ɛ, o/ɔ, ø/œ/ə, a/ɑ, ɛ̃/œ̃.
      {"elɛfˈɑ̃", "elefˈɑ̃", SoundMatch::kAlike},
      {"pɔm", "pom", SoundMatch::kAlike},
      {"flœʁ", "fløʁ", SoundMatch::kAlike},
      {"ʃəval", "ʃøval", SoundMatch::kAlike},
      {"pɑt", "pat", SoundMatch::kAlike},
      {"bʁœ̃", "bʁɛ̃", SoundMatch::kAlike},
      {"ɡato", "gato", SoundMatch::kAlike},
      // Everything else is heard.
      {"ɡato", "kado", SoundMatch::kDifferent},
      {"mutɔ̃", "mutɑ̃", SoundMatch::kDifferent},
      {"lapɛ̃", "lapɑ̃", SoundMatch::kDifferent},
      {"pwasɔ̃", "pwazɔ̃", SoundMatch::kDifferent},
      {"lapɛ̃", "lapɛ", SoundMatch::kDifferent},
      {"ly", "lu", SoundMatch::kDifferent},
      {"tɛʁ", "təʁ", SoundMatch::kDifferent},
      {"ba", "ba\xFF", SoundMatch::kDifferent},  // a broken sequence is never a sound alike
      // No phonemes, no verdict.
      {"", "bato", SoundMatch::kUnknown},
      {"bato", "", SoundMatch::kUnknown},
      {"ˈ", "bato", SoundMatch::kUnknown},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompareSounds(c.word, c.attempt), c.match) << c.word << " / " << c.attempt;
  }
  EXPECT_EQ(speech::EchoSentence(SoundMatch::kUnknown), "");
  EXPECT_NE(speech::EchoSentence(SoundMatch::kAlike), speech::EchoSentence(SoundMatch::kDifferent));
}

std::string ReadFile(const std::string& name) {
  std::ifstream in(std::string(SCRIBIX_SOURCE_FOLDER) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string Signs(const std::vector<bool>& wrong) {
  std::string signs;
  for (bool w : wrong) signs += w ? '^' : '.';
  return signs;
}

TEST(EchoLetters, GoldenTableOfWrongLetters) {
  int cases = 0;
  for (const std::string& line : text::SplitLines(ReadFile("tests/data/echo/wrong_letters.txt"))) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t a = line.find('|');
    const std::size_t b = line.find('|', a + 1);
    ASSERT_NE(b, std::string::npos) << line;
    const std::string word = text::FromUtf8(line.substr(0, a));
    const std::string attempt = text::FromUtf8(line.substr(a + 1, b - a - 1));
    EXPECT_EQ(Signs(WrongLetters(word, attempt)), line.substr(b + 1)) << line;
    ++cases;
  }
  EXPECT_GE(cases, 50);
}

}  // namespace
