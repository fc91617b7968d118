#pragma once

#include <string>
#include <vector>

#include "notebook/journal_format.h"

namespace notebook {

// The journal for a spreadsheet: UTF-8 with a byte order mark and ";" between quoted fields, as
// French spreadsheet programs open it with its accents; a header line first.
std::string JournalCsv(const std::vector<JournalLine>& lines);

}  // namespace notebook
