// A journal from anywhere (cut by a power failure, edited by hand, not ours at all): read line by
// line, every whole line before a damaged one is read, and what is read writes back the same.
#include "fuzz_input.h"
#include "notebook/journal_format.h"
#include "notebook/journal_reader.h"
#include "notebook/report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzzing::Bytes(data, size);
  const notebook::JournalContents read = notebook::ParseJournal(bytes);

  // The lines before the first damaged one are all there, in order.
  std::size_t start = 0;
  std::size_t index = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) break;
    std::string_view text = bytes.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    start = end + 1;
    if (text.empty()) continue;
    const auto line = notebook::ParseJournalLine(text);
    if (!line) break;
    fuzzing::Check(index < read.lines.size(), "a whole line before the damage is read");
    fuzzing::Check(read.lines[index].when == line->when && read.lines[index].entry == line->entry,
                   "the lines keep their order");
    ++index;
  }

  // A line read writes back as a line that reads the same.
  for (const notebook::JournalLine& line : read.lines) {
    const std::string again = notebook::FormatJournalLine(line);
    fuzzing::Check(again.find('\n') == again.size() - 1, "one line per event");
    const auto back =
        notebook::ParseJournalLine(std::string_view(again).substr(0, again.size() - 1));
    fuzzing::Check(back.has_value() && back->entry == line.entry && back->attempt == line.attempt &&
                       back->seconds == line.seconds,
                   "a line read writes back the same");
  }
  // The report is made of whatever was read.
  const notebook::Summary summary = notebook::Summarise(read.lines, {});
  fuzzing::Check(summary.rightFirstTime <= summary.attempted, "no more right than attempted");
  notebook::ReportHtml(summary,
                       "L\xC3\xA9"
                       "a",
                       "tout", "2026-12-09 10:00:00");
  return 0;
}
