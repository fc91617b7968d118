// A word list from anywhere (Windows-1252 or UTF-8), read as a file and as the list box's text.
#include "exercises/word_list.h"
#include "fuzz_input.h"

namespace {

void CheckEntries(const std::vector<std::string>& entries, int given, bool trimmed) {
  fuzzing::Check(entries.size() <= exercises::kMaxListEntries, "at most 1000 entries");
  fuzzing::Check(given >= static_cast<int>(entries.size()), "entries counted");
  for (const std::string& e : entries) {
    fuzzing::Check(!e.empty(), "no empty entry");
    fuzzing::Check(e.find('\n') == std::string::npos, "one line per entry");
    if (trimmed) {
      fuzzing::Check(e.front() != ' ' && e.front() != '\t', "leading blanks trimmed");
      fuzzing::Check(e.back() != ' ' && e.back() != '\t' && e.back() != '\r', "trailing trimmed");
    } else {
      fuzzing::Check(e.size() <= 80, "box lines cut to 80");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzzing::Bytes(data, size);
  int given = -1;
  CheckEntries(exercises::ParseListFile(bytes, &given), given, true);
  given = -1;
  CheckEntries(exercises::ParseListBox(bytes, &given), given, false);
  return 0;
}
