#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/cell_table.h"
#include "gfx/colour.h"

// The puzzle file (".pz", and "defautpuz" for the puzzle in progress): the picture's path, the
// cut, the puzzle settings, the background colours, the counters and every piece, in raw
// little-endian fields with no header.
namespace puzzle {

inline constexpr std::size_t kPathField = 1000;
inline constexpr std::size_t kHeaderSize = 1068;
inline constexpr std::size_t kRecordSize = 108;
inline constexpr int kMaxFileRecords = base::kMaxItems;
inline constexpr std::size_t kMaxFileSize = kHeaderSize + kRecordSize * kMaxFileRecords;

struct PuzzleFileData {
  std::string picturePath;  // the bytes of the path, without its zero
  std::int32_t columns = 0;
  std::int32_t rows = 0;
  std::int32_t helpedCount = 0;
  std::int32_t placedCount = 0;
  float modelZoom = 0.4f;
  float puzzleZoom = 1.0f;
  std::int32_t requestedPieces = 25;
  std::int32_t puzzleZoomIndex = 9;
  std::int32_t modelZoomIndex = 3;
  bool noSounds = false;
  bool noEffects = false;
  bool noAutoPlace = false;
  bool hideSolution = false;
  gfx::Colour background = 0;
  gfx::Colour shade1 = 0;
  gfx::Colour shade2 = 0;
  // The pieces, written with their picture handles cleared.
  std::vector<base::CellRecord> records;
};

// The file's bytes: 1068 + 108 × the number of records. Nothing when the path does not fit its
// 999 bytes or there are more records than the table holds.
std::optional<std::string> EncodePuzzleFile(const PuzzleFileData& data);

// A file read back, its zooms and number of pieces brought into range (the stored zoom index
// is kept when only the zoom is out of range). Nothing when the record count is negative or
// above 2000, or the file is too short to hold its header and every record it announces.
std::optional<PuzzleFileData> DecodePuzzleFile(std::string_view bytes);

// True when the file holds a puzzle, whatever its name: exactly the header and the records it
// announces, and it does not begin as a picture does.
bool IsPuzzleFile(const std::filesystem::path& path);

}  // namespace puzzle
