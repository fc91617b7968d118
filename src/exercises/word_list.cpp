#include "exercises/word_list.h"

#include <utility>

#include "text/cp1252.h"

namespace exercises {

std::vector<std::string> ParseListFile(std::string_view fileText) {
  std::vector<std::string> entries;
  const std::string decoded = text::DecodeFileText(fileText);
  // A line ends at a line feed; the line-end bytes are trimmed with the other trailing blanks.
  std::size_t start = 0;
  while (start <= decoded.size() && static_cast<int>(entries.size()) < kMaxListEntries) {
    std::size_t end = decoded.find('\n', start);
    const bool last = end == std::string::npos;
    if (last) end = decoded.size();
    const std::string_view line(decoded.data() + start, end - start);
    const std::size_t first = line.find_first_not_of(" \t");
    const std::size_t lastChar = line.find_last_not_of(std::string_view(" \t\n\r\0", 5));
    if (lastChar != std::string_view::npos) {
      const std::size_t from = first == std::string_view::npos ? 0 : first;
      if (from <= lastChar) entries.emplace_back(line.substr(from, lastChar - from + 1));
    }
    if (last) break;
    start = end + 1;
  }
  return entries;
}

void ApplyDraw(WordList& list, bool shuffle, base::RandomGenerator& random,
               std::int64_t calendarSeconds) {
  random.Seed(static_cast<std::uint32_t>(calendarSeconds));
  const int count = list.listCount();
  list.listEntries.resize(static_cast<std::size_t>(count));
  if (!shuffle) {
    list.listEntries = list.listFileOrder;
    return;
  }
  for (int i = 1; i <= count; ++i) {
    const int j = random.Next() % i;
    std::swap(list.listEntries[static_cast<std::size_t>(i - 1)],
              list.listEntries[static_cast<std::size_t>(j)]);
  }
}

}  // namespace exercises
