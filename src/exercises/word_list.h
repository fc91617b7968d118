#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/random.h"

namespace exercises {

inline constexpr int kMaxListEntries = 1000;

// The entries of the current word list (words or phrases, Windows-1252).
struct WordList {
  std::vector<std::string> listEntries;    // working order: the file's, or shuffled
  std::vector<std::string> listFileOrder;  // the order of the file or of the edit box
  std::int32_t currentEntry = -1;          // entry being dictated, -1 for none

  std::int32_t listCount() const { return static_cast<std::int32_t>(listFileOrder.size()); }
};

// The entries of a list file (Windows-1252, UTF-8, or UTF-16 with its byte order mark): one per
// line, without leading blanks and tabs nor trailing blanks, tabs and line-end bytes; lines with
// nothing else are skipped. The typographic apostrophe becomes the keyboard's. At most 1000
// entries: lines beyond are ignored. entriesGiven, when asked for, counts every entry of the file.
std::vector<std::string> ParseListFile(std::string_view fileText, int* entriesGiven = nullptr);

// The entries the edit box holds: its lines (CR LF or LF) as typed, not trimmed, each cut to 80
// characters, apostrophes as above; lines of blanks are skipped. At most 1000, counted as above.
std::vector<std::string> ParseListBox(std::string_view boxText, int* entriesGiven = nullptr);

// The draw: file order, or a shuffle of the current working order. The generator is seeded
// with the time in seconds every time, so two draws in the same second shuffle alike.
void ApplyDraw(WordList& list, bool shuffle, base::RandomGenerator& random,
               std::int64_t calendarSeconds);

}  // namespace exercises
