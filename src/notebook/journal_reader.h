#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "notebook/journal_format.h"

namespace notebook {

struct JournalContents {
  std::vector<JournalLine> lines;
  // Lines that were not whole journal lines (a line cut by a power failure, a hand edit): they
  // are passed over, and every line around them is read.
  int damagedLines = 0;
};

// The journal's lines in order. A last line without its line break is the one being written
// when the program stopped: it counts as damaged.
JournalContents ParseJournal(std::string_view bytes);
// The journal file; a missing or unreadable file is an empty journal.
JournalContents ReadJournal(const std::filesystem::path& path);

}  // namespace notebook
