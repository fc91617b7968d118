#include "exercises/word_list.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "text/cp1252.h"

namespace exercises {

namespace {

// A list saved as "Unicode" by Windows Notepad: UTF-16 with its byte order mark, little or big
// end first. Anything else is left to the usual reading.
std::optional<std::string> FromUtf16File(std::string_view bytes) {
  if (bytes.size() < 2) return std::nullopt;
  const auto b0 = static_cast<unsigned char>(bytes[0]);
  const auto b1 = static_cast<unsigned char>(bytes[1]);
  const bool little = b0 == 0xFF && b1 == 0xFE;
  const bool big = b0 == 0xFE && b1 == 0xFF;
  if (!little && !big) return std::nullopt;
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(bytes[little ? i : i + 1]);
    const auto hi = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
    units += static_cast<char16_t>(lo | (hi << 8));
  }
  return text::FromUtf16(units);
}

// The typographic apostrophe that word processors type is the keyboard's apostrophe.
void PlainApostrophes(std::string& entry) {
  std::replace(entry.begin(), entry.end(), '\x92', '\'');
}

}  // namespace

std::vector<std::string> ParseListFile(std::string_view fileText, int* entriesGiven) {
  std::vector<std::string> entries;
  int given = 0;
  const std::optional<std::string> wide = FromUtf16File(fileText);
  const std::string decoded = wide ? *wide : text::DecodeFileText(fileText);
  // A line ends at a line feed; the line-end bytes are trimmed with the other trailing blanks.
  std::size_t start = 0;
  while (start <= decoded.size()) {
    std::size_t end = decoded.find('\n', start);
    const bool last = end == std::string::npos;
    if (last) end = decoded.size();
    const std::string_view line(decoded.data() + start, end - start);
    const std::size_t first = line.find_first_not_of(" \t");
    const std::size_t lastChar = line.find_last_not_of(std::string_view(" \t\n\r\0", 5));
    if (lastChar != std::string_view::npos) {
      const std::size_t from = first == std::string_view::npos ? 0 : first;
      if (from <= lastChar) {
        ++given;
        if (static_cast<int>(entries.size()) < kMaxListEntries) {
          entries.emplace_back(line.substr(from, lastChar - from + 1));
          PlainApostrophes(entries.back());
        }
      }
    }
    if (last) break;
    start = end + 1;
  }
  if (entriesGiven != nullptr) *entriesGiven = given;
  return entries;
}

std::vector<std::string> ParseListBox(std::string_view boxText, int* entriesGiven) {
  constexpr std::size_t kMaxLineChars = 80;
  std::vector<std::string> entries;
  int given = 0;
  std::size_t start = 0;
  while (start < boxText.size()) {
    std::size_t end = boxText.find('\n', start);
    if (end == std::string_view::npos) end = boxText.size();
    std::string_view line = boxText.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = line.substr(0, kMaxLineChars);
    // A line of blanks would be dictated as nothing at all: it is no entry.
    if (line.find_first_not_of(" \t") != std::string_view::npos) {
      ++given;
      if (static_cast<int>(entries.size()) < kMaxListEntries) {
        entries.emplace_back(line);
        PlainApostrophes(entries.back());
      }
    }
    start = end + 1;
  }
  if (entriesGiven != nullptr) *entriesGiven = given;
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
