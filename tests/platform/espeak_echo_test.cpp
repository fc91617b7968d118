// espeak-ng's phonemes tell a child's wrong attempt that sounds like the word from one that does
// not, on a labelled set of children's spelling errors.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/linux/espeak_library.h"
#include "speech/misspelling.h"
#include "text/cp1252.h"

namespace {

using platform::EspeakLibrary;

EspeakLibrary& Library() {
  return EspeakLibrary::Shared();
}

std::string Ipa(const std::string& utf8) {
  return Library().SpokenPhonemes(text::ToUtf16(text::FromUtf8(utf8)), {"fr", 0, 100},
                                  platform::PhonemeNotation::kIpa);
}

std::string ReadFile(const std::string& name) {
  std::ifstream in(std::string(SCRIBIX_SOURCE_FOLDER) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(EspeakEcho, PhonemesAreIpaOfWhatIsSaid) {
  if (!Library().Ready()) GTEST_SKIP() << Library().Description();
  EXPECT_EQ(speech::ComparablePhonemes(Ipa("chapeau")), U"\u0283apo");
  // Homophones and mute letters: as the voice says them.
  EXPECT_EQ(speech::CompareSounds(Ipa("vert"), Ipa("verre")), speech::SoundMatch::kAlike);
  // A word the voice would say in English is said, and compared, in French.
  EXPECT_EQ(speech::CompareSounds(Ipa("in"), Ipa("hein")), speech::SoundMatch::kAlike);
}

TEST(EspeakEcho, LabelledChildErrorsAgreeWithTheVoice) {
  if (!Library().Ready()) GTEST_SKIP() << Library().Description();
  int pairs = 0;
  int agree = 0;
  int implausible = 0;
  int implausibleCaught = 0;
  for (const std::string& line :
       text::SplitLines(ReadFile("tests/data/echo/plausible_errors.txt"))) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, '|');) f.push_back(cell);
    ASSERT_EQ(f.size(), 4u) << line;
    const bool plausible = f[2] == "plausible";
    const speech::SoundMatch match = speech::CompareSounds(Ipa(f[0]), Ipa(f[1]));
    ASSERT_NE(match, speech::SoundMatch::kUnknown) << line;
    const bool alike = match == speech::SoundMatch::kAlike;
    ++pairs;
    if (alike == plausible) {
      ++agree;
    } else {
      std::cout << "  differs: " << line << "  [" << Ipa(f[0]) << " / " << Ipa(f[1]) << "]\n";
    }
    if (!plausible) {
      ++implausible;
      if (!alike) ++implausibleCaught;
    }
  }
  std::cout << "  " << agree << " of " << pairs << " agree; " << implausibleCaught << " of "
            << implausible << " implausible errors called implausible\n";
  EXPECT_GE(pairs, 200);
  EXPECT_GE(agree * 100, pairs * 94);
  EXPECT_EQ(implausibleCaught, implausible);
}

}  // namespace
