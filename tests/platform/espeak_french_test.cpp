#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "grid/character_names.h"
#include "platform/linux/espeak_library.h"
#include "text/cp1252.h"

namespace {

using platform::EspeakLibrary;

EspeakLibrary& Library() {
  return EspeakLibrary::Shared();
}

#define SKIP_WITHOUT_ESPEAK_DATA() \
  if (!Library().Ready()) GTEST_SKIP() << "espeak-ng's data is missing: " << Library().Description()

// What espeak-ng's French voice says for a Windows-1252 text of the program.
std::string Said(std::string_view cp1252) {
  return Library().SpokenPhonemes(text::ToUtf16(cp1252), {"fr", 0, 100});
}

// Every character a key or the keypad puts in the grid, said alone as the child drops it. Each
// group of characters is heard the same; the phonemes are espeak-ng's own mnemonics.
TEST(EspeakFrench, EveryKeyIsSaidByItsFrenchName) {
  SKIP_WITHOUT_ESPEAK_DATA();
  struct Case {
    std::string_view characters;
    bool math;
    std::string_view phonemes;
  };
  const Case cases[] = {
      {"iI", false, "_!'i"},  // never "i grec"
      {"yY", false, "_|igr'Ek"},
      {"aA", false, "'a"},
      {"r", false, "'Er"},
      {"R", false, "_!'Er"},
      {"x", false, "'iks"},
      {"X", false, "_!'iks"},
      {"vV", false, "v'e"},
      {"\xE9\xC9", false, "_!'@ aks'A~ Eg'y"},
      {"\xE8\xC8", false, "_!'@ aks'A~ gr'av"},
      {"\xEA\xCA", false, "_!'@ aks'A~ sirkO~fl'Eks"},
      {"\xE0\xC0", false, "a aks'A~ gr'av"},
      {"\xE2\xC2", false, "a aks'A~ sirkO~fl'Eks"},
      {"\xEE\xCE", false, "_!'i; aks'A~ sirkO~fl'Eks"},
      {"\xF4\xD4", false, "_!'o aks'A~ sirkO~fl'Eks"},
      {"\xFB\xDB", false, "_!'y aks'A~ sirkO~fl'Eks"},
      {"\xF9\xD9", false, "_!'y aks'A~ gr'av"},
      {"\xE7\xC7", false, "s'e sed'ij"},
      {"\xEB\xCB", false, "_!'@ trem'a"},
      {"\xEF\xCF", false, "_!'i trem'a"},
      {"\xFC\xDC", false, "_!'y trem'a"},
      {"\x9C\x8C", false, "_!'o _!'@ dA~ l_!'o"},
      {"=", false, "eg'al"},
      {"=", true, "eg'al"},
      {"+", true, "pl'y"},
      {"-", true, "mw'E~"},
      {"-", false, "tir'E"},
      {"*", true, "myltipli'e p'ar"},
      {"/", true, "diviz'e p'ar"},
      {".", true, "pw'E~"},
      {".", false, "pw'E~"},
      {",", false, "virg'yl"},
      {";", false, "pw,E~ virg'yl"},
      {":", false, "d'Y pw'E~"},
      {"?", false, "pw,E~ dE~tErogasj'O~"},
      {"!", false, "pw,E~ dEksklamasj'O~"},
      {"'", false, "apOstr'Of"},
      {"(", false, "parA~t'Ez uv'Ert"},
      {")", false, "parA~t'Ez fErm'e"},
      {"\x80", false, "Yr'o"},
      {"&", false, "'e"},
      {"@", false, "'at"},
      {"0", true, "zer'o"},
      {"1", true, "'W~"},
      {"7", true, "s'Et"},
      {"9", true, "n'Wf"},
  };
  int mismatches = 0;
  for (const Case& c : cases) {
    for (char character : c.characters) {
      const std::string name = grid::SpeakableText(std::string(1, character), true, c.math);
      const std::string said = Said(name);
      EXPECT_EQ(said, c.phonemes) << text::ToUtf8(std::string(1, character)) << " said as \""
                                  << text::ToUtf8(name) << "\"";
      if (said != c.phonemes) ++mismatches;
      EXPECT_EQ(said.find('('), std::string::npos);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(EspeakFrench, CalculationsAreReadSignBySign) {
  SKIP_WITHOUT_ESPEAK_DATA();
  EXPECT_EQ(Said(grid::SpeakableText("12+7=19", false, true)), "d'uz pl'ys s'Et eg'al dizn'Wf");
  EXPECT_EQ(Said(grid::SpeakableText("3*4=12", false, true)),
            "trw'a myltipli'e par k'atr eg'al d'uz");
}

// Words and parts of words a child writes, as espeak-ng's French dictionary would have said them
// otherwise: in English, or as the abbreviation they look like.
TEST(EspeakFrench, ShortWordsStayFrenchAndAreNeverTakenForAbbreviations) {
  SKIP_WITHOUT_ESPEAK_DATA();
  struct Case {
    std::string_view text;
    std::string_view phonemes;
  };
  const Case cases[] = {
      {"in", "'E~"},
      {"do", "d'o"},
      {"it", "'it"},
      {"is", "'is"},
      {"at", "'at"},
      {"be", "b'@"},
      {"he", "'@"},
      {"we", "w'@"},
      {"up", "'yp"},
      {"of", "'Of"},
      {"ok", "'Ok"},
      {"IN", "'E~"},
      {"cm", "s'e _!'Em"},
      {"km", "k'a _!'Em"},
      {"kg", "k'a Z'e"},
      {"mm", "_!'Em _!'Em"},
      {"st", "_!'Es t'e"},
      {"do r\xE9 mi", "d'o r'e m'i"},
      // Brackets typed by the child are no phonemes.
      {"[[d'o]]", "d'o"},
  };
  for (const Case& c : cases) {
    const std::string said = Said(c.text);
    if (c.text.starts_with("[[")) {
      EXPECT_NE(said, c.phonemes);
    } else {
      EXPECT_EQ(said, c.phonemes) << c.text;
    }
  }
}

// Every word of the lists and exercises that come with the program, and every part of one that
// a child has on the way to writing it, is said in French.
TEST(EspeakFrench, NoWordOfTheSampleListsOrPartOfOneSwitchesLanguage) {
  SKIP_WITHOUT_ESPEAK_DATA();
  std::set<std::string> words = {
      "b\xE9"
      "b\xE9",
      "\xEE"
      "le",
      "stylo",
      "do",
      "r\xE9",
      "mi"};
  for (const char* folder : {"Liste-de-mots", "Exercices"}) {
    for (const auto& file : std::filesystem::directory_iterator(
             std::filesystem::path(SCRIBIX_SOURCE_FOLDER) / "resources" / folder)) {
      std::ifstream in(file.path(), std::ios::binary);
      std::string word;
      char c;
      while (in.get(c)) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0xC0 || u == 0x9C) {
          word += c;
          words.insert(word);  // the word as it grows, letter by letter
        } else {
          word.clear();
        }
      }
    }
  }
  ASSERT_GT(words.size(), 300u);
  int switched = 0;
  for (const std::string& word : words) {
    const std::string said = Said(word);
    EXPECT_EQ(said.find('('), std::string::npos) << text::ToUtf8(word) << ": " << said;
    if (said.find('(') != std::string::npos) ++switched;
  }
  EXPECT_EQ(switched, 0);
}

}  // namespace
