#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Words whose syllables and mute letters are given by hand, one a line:
//   monsieur<TAB>mon-sieu[r]
// "-" cuts the syllables, brackets enclose the letters not heard, "#" starts a comment. The
// program ships such a file for the words its rules get wrong; a teacher's own file in the data
// folder overrides it.
namespace syllables {

class Exceptions {
 public:
  struct Entry {
    std::vector<int> starts;  // offset of each syllable's first letter, the first is 0
    std::vector<bool> mute;   // one a letter
  };

  // Reads a file's bytes (UTF-8 or Windows-1252). Lines that cannot be read are left out, each
  // with a French message naming its line, in the program's text.
  void Read(std::string_view fileBytes, std::vector<std::string>* errors);

  // The entries of other replace those of this list for the same words.
  void OverrideWith(const Exceptions& other);

  // The entry of a word in lower case, or null.
  const Entry* Find(std::string_view lowerWord) const;

  std::size_t Size() const { return entries_.size(); }

 private:
  std::unordered_map<std::string, Entry> entries_;
};

// The file name of the exceptions, in the program folder (shipped) and in the data folder (the
// teacher's).
inline constexpr std::string_view kExceptionsFile = "syllabes-exceptions.txt";

// The shipped exceptions overridden by the teacher's. A missing file counts as empty; each line
// refused is told with its file's name and its number.
Exceptions LoadExceptions(const std::filesystem::path& programFolder,
                          const std::filesystem::path& dataFolder,
                          std::vector<std::string>* errors);

}  // namespace syllables
