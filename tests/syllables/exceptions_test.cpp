#include "syllables/exceptions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "syllables/syllables.h"
#include "text/cp1252.h"

namespace {

using syllables::Exceptions;

std::string Cut(const std::string& utf8, const Exceptions* e) {
  return text::ToUtf8(syllables::FormatLine(text::FromUtf8(utf8), {}, e));
}

std::vector<std::string> Utf8(const std::vector<std::string>& cp1252) {
  std::vector<std::string> out;
  for (const auto& s : cp1252) out.push_back(text::ToUtf8(s));
  return out;
}

TEST(SyllableExceptionsTest, ReadsEntriesAndRefusesBadLinesByNumber) {
  Exceptions e;
  std::vector<std::string> errors;
  e.Read(
      "# mes mots\n"
      "monsieur\tmon-sieu[r]\n"
      "\n"
      "Sept\tse[p]t   # le p ne se dit pas\r\n"
      "femme\tfem-mes\n"
      "chat chat\n"
      "pomme\tpom--me\n"
      "table\tta-b[le\n"
      "l'eau\tl'eau\n"
      "femme\t-fem-me\n",
      &errors);
  EXPECT_EQ(e.Size(), 2u);
  EXPECT_EQ(Cut("Monsieur sept", &e), "Mon-sieu[r] se[p]t");
  EXPECT_EQ(Utf8(errors),
            (std::vector<std::string>{
                "Ligne 5 : les lettres de « fem-mes » ne sont pas celles du mot « femme ».",
                "Ligne 6 : il faut le mot, une tabulation, puis ses syllabes (exemple : "
                "monsieur\tmon-sieu[r]).",
                "Ligne 7 : les tirets et les crochets de « pom--me » sont mal placés.",
                "Ligne 8 : les tirets et les crochets de « ta-b[le » sont mal placés.",
                "Ligne 9 : le mot ne doit contenir que des lettres.",
                "Ligne 10 : les tirets et les crochets de « -fem-me » sont mal placés.",
            }));
}

TEST(SyllableExceptionsTest, ReadsWindows1252AndUtf8Alike) {
  Exceptions cp, utf;
  cp.Read(text::FromUtf8("événement\té-vé-ne-men[t]\n"), nullptr);
  utf.Read("\xEF\xBB\xBF\xC3\xA9v\xC3\xA9nement\t\xC3\xA9-v\xC3\xA9-ne-men[t]\n", nullptr);
  EXPECT_EQ(Cut("événement", &cp), "é-vé-ne-men[t]");
  EXPECT_EQ(Cut("événement", &utf), "é-vé-ne-men[t]");
}

// The teacher's file wins over the shipped one, which wins over the rules.
TEST(SyllableExceptionsTest, TeacherOverShippedOverRules) {
  Exceptions shipped, teacher;
  shipped.Read("pays\tpa-y[s]\nsept\tse[p]t\n", nullptr);
  teacher.Read("pays\tpay[s]\n", nullptr);
  Exceptions both = shipped;
  both.OverrideWith(teacher);
  EXPECT_EQ(Cut("pays sept lapin", &both), "pay[s] se[p]t la-pin");
  EXPECT_EQ(Cut("pays sept lapin", &shipped), "pa-y[s] se[p]t la-pin");
  EXPECT_EQ(Cut("pays sept lapin", nullptr), "pay[s] sep[t] la-pin");
}

// In the program: the shipped file, then the teacher's in the data folder; a missing or unreadable
// file (here a folder of that name) is no fault and leaves the rules.
TEST(SyllableExceptionsTest, LoadsShippedThenTeachersFile) {
  testing_support::TempFolder program, data, none;
  testing_support::WriteBytes(program / "syllabes-exceptions.txt", "pays\tpa-y[s]\nsept\tse[p]t\n");
  testing_support::WriteBytes(data / "syllabes-exceptions.txt",
                              text::FromUtf8("# à moi\npays\tpay[s]\nchat\tchien\n"));
  std::vector<std::string> errors;
  const auto both = syllables::LoadExceptions(program.Path(), data.Path(), &errors);
  EXPECT_EQ(Cut("pays sept", &both), "pay[s] se[p]t");
  EXPECT_EQ(Utf8(errors), (std::vector<std::string>{
                              "syllabes-exceptions.txt, ligne 3 : les lettres de « chien » ne "
                              "sont pas celles du mot « chat »."}));
  std::filesystem::create_directory(none / "syllabes-exceptions.txt");
  errors.clear();
  const auto empty = syllables::LoadExceptions(none.Path(), none / "absent", &errors);
  EXPECT_EQ(empty.Size(), 0u);
  EXPECT_TRUE(errors.empty());
}

// The file shipped with the program reads without a fault, and each of its words is one the
// rules get wrong: an entry the rules have caught up with is to be removed.
TEST(SyllableExceptionsTest, ShippedFileListsOnlyRealExceptions) {
  std::ifstream in(SCRIBIX_SOURCE_FOLDER "/resources/syllabes-exceptions.txt", std::ios::binary);
  ASSERT_TRUE(in);
  std::stringstream bytes;
  bytes << in.rdbuf();
  Exceptions shipped;
  std::vector<std::string> errors;
  shipped.Read(bytes.str(), &errors);
  EXPECT_TRUE(errors.empty()) << text::ToUtf8(errors.front());
  EXPECT_GT(shipped.Size(), 40u);
  for (const auto& line : text::SplitLines(text::DecodeFileText(bytes.str()))) {
    const auto tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    const std::string word = line.substr(0, tab);
    EXPECT_NE(syllables::FormatLine(word, {}, &shipped), syllables::FormatLine(word))
        << text::ToUtf8(word);
  }
}

}  // namespace
