#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "exercises/text_exercise_file.h"
#include "exercises/word_list.h"
#include "keyboard/keyboard_layout.h"
#include "program_folder.h"
#include "support/temp_folder.h"
#include "text/cp1252.h"

namespace {

using testing_support::ReadBytes;

std::vector<std::filesystem::path> SamplesIn(const std::string& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry :
       std::filesystem::directory_iterator(resources_test::ProgramFolder() / folder)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  return files;
}

bool OnLetterKeyboard(char c) {
  if (c == ' ') return true;  // the space bar
  if (c == keyboard::kInertLabel) return false;
  for (std::string_view page : keyboard::kLetterPages) {
    if (page.find(c) != std::string_view::npos) return true;
  }
  return false;
}

bool OnKeypad(char c) {
  return c != keyboard::kInertLabel && keyboard::kKeypadLabels.find(c) != std::string_view::npos;
}

// The text as the grid shows it: without the brackets of hidden words and linked letters.
std::string Shown(std::string_view line) {
  std::string shown;
  for (char c : line) {
    if (c != '[' && c != ']' && c != '(' && c != ')') shown += c;
  }
  return shown;
}

TEST(SampleContent, TheBuildCopiesTheSamplesUnchanged) {
  for (const char* folder : {"Liste-de-mots", "Exercices"}) {
    const std::filesystem::path source = resources_test::SourceFolder() / "resources" / folder;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(source)) {
      const std::filesystem::path copy =
          resources_test::ProgramFolder() / folder / entry.path().filename();
      EXPECT_EQ(ReadBytes(copy), ReadBytes(entry.path())) << copy;
      ++count;
    }
    EXPECT_GE(count, 2) << folder;
  }
}

TEST(SampleContent, EveryWordListGivesEntriesAChildCanWrite) {
  const std::vector<std::filesystem::path> lists = SamplesIn("Liste-de-mots");
  EXPECT_GE(lists.size(), 3u);
  for (const auto& path : lists) {
    const std::string bytes = ReadBytes(path);
    // Windows-1252, as the program writes its lists.
    const bool accents = std::any_of(bytes.begin(), bytes.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    EXPECT_FALSE(accents && text::IsValidUtf8(bytes)) << path << " is written in UTF-8";
    const std::vector<std::string> entries = exercises::ParseListFile(bytes);
    EXPECT_GE(entries.size(), 5u) << path;
    for (const std::string& entry : entries) {
      const std::string shown = text::ToUtf8(entry);
      for (char c : entry) EXPECT_TRUE(OnLetterKeyboard(c)) << path << ": \"" << shown << "\"";
      // Words of ten letters or fewer fit a line of the grid as it starts (22 cells).
      std::size_t word = 0;
      for (char c : entry + ' ') {
        if (c != ' ') {
          ++word;
          continue;
        }
        EXPECT_LE(word, 10u) << path << ": \"" << shown << "\"";
        word = 0;
      }
    }
  }
}

TEST(SampleContent, EveryExerciseOpensAsTheProgramWouldHaveSavedIt) {
  const std::vector<std::filesystem::path> exercises = SamplesIn("Exercices");
  EXPECT_GE(exercises.size(), 2u);
  for (const auto& path : exercises) {
    const std::string bytes = ReadBytes(path);
    const exercises::TextExercise exercise = exercises::ParseTextExercise(bytes);
    ASSERT_TRUE(exercise.moduleMark == 1 || exercise.moduleMark == 2) << path;
    EXPECT_TRUE(exercise.fixed) << path << " is not ready for the child";
    ASSERT_TRUE(exercise.ySeen) << path;
    EXPECT_EQ(exercises::FormatTextExercise(exercise.moduleMark == 2, exercise.cellsIndex,
                                            exercise.linesIndex, exercise.fixed, exercise.body),
              bytes)
        << path;

    std::vector<std::string> lines = text::SplitLines(exercise.body);
    ASSERT_FALSE(lines.empty()) << path;
    const std::string& instruction = lines.front();
    EXPECT_TRUE(instruction.size() > 2 && instruction.front() == '"' && instruction.back() == '"')
        << path << " has no instruction";
    lines.erase(lines.begin());
    const std::size_t cells = 2 * static_cast<std::size_t>(exercise.cellsIndex + 1);
    EXPECT_LE(lines.size(), static_cast<std::size_t>(exercise.linesIndex + 1)) << path;
    bool hidden = false;
    for (const std::string& line : lines) {
      const std::string shown = Shown(line);
      EXPECT_LE(shown.size(), cells) << path << ": " << text::ToUtf8(line);
      for (char c : shown) {
        const bool typed = exercise.moduleMark == 2 ? OnKeypad(c) : OnLetterKeyboard(c);
        EXPECT_TRUE(typed) << path << ": '" << text::ToUtf8(std::string(1, c)) << "'";
      }
      hidden = hidden || line.find('[') != std::string::npos;
    }
    EXPECT_TRUE(hidden) << path << " hides no word";
  }
}

}  // namespace
