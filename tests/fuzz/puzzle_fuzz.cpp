// A puzzle file from anywhere: what is read lies in range, and written back and read again it
// gives the same file.
#include "fuzz_input.h"
#include "puzzle/puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = puzzle::DecodePuzzleFile(fuzzing::Bytes(data, size));
  if (!read) return 0;
  fuzzing::Check(read->records.size() <= static_cast<std::size_t>(puzzle::kMaxFileRecords),
                 "record count");
  fuzzing::Check(read->requestedPieces >= 1 && read->requestedPieces <= 1000, "pieces asked");
  fuzzing::Check(read->modelZoom >= 0.2f && read->modelZoom <= 2.0f, "model zoom");
  fuzzing::Check(read->puzzleZoom >= 0.2f && read->puzzleZoom <= 2.0f, "puzzle zoom");
  fuzzing::Check(read->picturePath.find('\0') == std::string::npos, "path ends at its zero");
  const auto written = puzzle::EncodePuzzleFile(*read);
  if (!written) return 0;
  const auto again = puzzle::DecodePuzzleFile(*written);
  fuzzing::Check(again.has_value(), "a written file reads back");
  const auto rewritten = puzzle::EncodePuzzleFile(*again);
  fuzzing::Check(rewritten == written, "read, written and read again: the same file");
  return 0;
}
