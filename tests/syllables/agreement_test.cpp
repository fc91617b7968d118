// How far the rules agree with Lexique 3.83's written syllables on the most frequent French words,
// and with a hand-made list of school words.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "syllables/exceptions.h"
#include "syllables/syllables.h"
#include "text/cp1252.h"

namespace {

std::string ReadFile(const std::string& name) {
  std::ifstream in(std::string(SCRIBIX_SOURCE_FOLDER) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> Columns(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string cell;
  while (std::getline(in, cell, '\t')) out.push_back(cell);
  return out;
}

std::string WithoutBrackets(std::string s) {
  std::erase(s, '[');
  std::erase(s, ']');
  return s;
}

// Rules alone, default settings: the written syllables of a word in UTF-8.
std::string Syllables(const std::string& utf8, const syllables::Exceptions* e = nullptr) {
  return text::ToUtf8(syllables::FormatLine(text::FromUtf8(utf8), {}, e));
}

TEST(SyllableAgreementTest, LexiqueWrittenSyllablesOfTheTopWords) {
  const auto lines =
      text::SplitLines(ReadFile("tests/data/syllables/syllables-lexique383-top2000.tsv"));
  int all = 0, agree = 0, clean = 0, cleanAgree = 0, lost = 0;
  std::map<std::string, std::vector<std::string>> kinds;
  for (const auto& line : lines) {
    if (line.empty() || line[0] == '#' || line.starts_with("rank\t")) continue;
    const auto c = Columns(line);
    ASSERT_GE(c.size(), 6u) << line;
    const std::string& word = c[1];
    const std::string& lexique = c[2];
    const bool isClean = c[5] == "1";
    const std::string mine = WithoutBrackets(Syllables(word));
    std::string joined = mine;
    std::erase(joined, '-');
    if (joined != word) ++lost;
    ++all;
    clean += isClean;
    if (mine == lexique) {
      ++agree;
      cleanAgree += isClean;
      continue;
    }
    const auto pieces = [](const std::string& s) { return std::count(s.begin(), s.end(), '-'); };
    std::string kind = !isClean                               ? "Lexique's entry unsound"
                       : mine.find("-x") != std::string::npos ? "x between vowels goes right"
                       : mine.find("-y") != std::string::npos ? "y between vowels goes right"
                       : pieces(mine) > pieces(lexique)       ? "vowels heard apart"
                                                              : "cut moved among consonants";
    kinds[kind].push_back(word + " " + mine + " (" + lexique + ")");
  }
  ASSERT_EQ(all, 2000);
  ASSERT_EQ(clean, 1920);
  std::printf("Agreement: %d/%d (%.2f %%), clean words %d/%d (%.2f %%)\n", agree, all,
              100.0 * agree / all, cleanAgree, clean, 100.0 * cleanAgree / clean);
  for (const auto& [kind, words] : kinds) {
    std::printf("  %s: %zu\n", kind.c_str(), words.size());
    for (const auto& w : words) std::printf("    %s\n", w.c_str());
  }
  EXPECT_EQ(lost, 0) << "words whose syllables do not join back into the word";
  EXPECT_GE(agree * 1000, all * 955);
  EXPECT_GE(cleanAgree * 1000, clean * 988);
}

// The school list: its syllables by the rules alone, its mute letters with the shipped exceptions.
TEST(SyllableAgreementTest, SchoolWordsAllRight) {
  syllables::Exceptions shipped;
  shipped.Read(ReadFile("resources/syllabes-exceptions.txt"), nullptr);
  int count = 0;
  for (const auto& line : text::SplitLines(ReadFile("tests/data/syllables/school-words.tsv"))) {
    if (line.empty() || line[0] == '#') continue;
    const auto c = Columns(line);
    ASSERT_EQ(c.size(), 2u) << line;
    ++count;
    EXPECT_EQ(WithoutBrackets(Syllables(c[0])), WithoutBrackets(c[1])) << c[0];
    EXPECT_EQ(Syllables(c[0], &shipped), c[1]) << c[0];
  }
  EXPECT_GE(count, 100);
}

}  // namespace
