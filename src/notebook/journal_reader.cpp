#include "notebook/journal_reader.h"

#include "base/files.h"

namespace notebook {

JournalContents ParseJournal(std::string_view bytes) {
  JournalContents contents;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) {
      ++contents.damagedLines;
      break;
    }
    std::string_view text = bytes.substr(start, end - start);
    // A journal copied through a Windows editor may have gained CR LF.
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    start = end + 1;
    if (text.empty()) continue;
    if (auto line = ParseJournalLine(text)) {
      contents.lines.push_back(std::move(*line));
    } else {
      ++contents.damagedLines;
    }
  }
  return contents;
}

JournalContents ReadJournal(const std::filesystem::path& path) {
  // A year of daily work is a few megabytes; a file far larger is no journal of ours.
  const auto bytes = base::ReadWholeFile(path, 256u << 20);
  if (!bytes) return {};
  return ParseJournal(*bytes);
}

}  // namespace notebook
