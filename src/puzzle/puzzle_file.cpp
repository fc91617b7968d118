#include "puzzle/puzzle_file.h"

#include <cmath>

#include "base/binary_fields.h"
#include "base/files.h"

namespace puzzle {

namespace {

constexpr int kWordsPerRecord = 27;

bool InRange(float zoom) {
  // A zoom that is not a number is out of range too.
  return zoom >= 0.2f && zoom <= 2.0f;
}

void WriteRecord(base::FieldWriter& w, base::CellRecord r) {
  r.glyph = r.glyphAlt = 0;
  const std::int32_t words[kWordsPerRecord] = {
      r.srcX,     r.srcY,       r.posX,      r.posY,   r.homeX,   r.homeY,     r.startX,
      r.startY,   r.dropX,      r.dropY,     r.letter, r.settled, r.movable,   r.gridCol,
      r.gridRow,  r.width,      r.height,    r.page,   r.kind,    r.linkGroup, r.glyph,
      r.glyphAlt, r.solvedMark, r.sourceKey, r.placed, r.visible, r.fixed};
  for (std::int32_t word : words) w.Int(word);
}

base::CellRecord ReadRecord(base::FieldReader& in) {
  base::CellRecord r;
  std::int32_t* words[kWordsPerRecord] = {
      &r.srcX,     &r.srcY,       &r.posX,      &r.posY,   &r.homeX,   &r.homeY,     &r.startX,
      &r.startY,   &r.dropX,      &r.dropY,     &r.letter, &r.settled, &r.movable,   &r.gridCol,
      &r.gridRow,  &r.width,      &r.height,    &r.page,   &r.kind,    &r.linkGroup, &r.glyph,
      &r.glyphAlt, &r.solvedMark, &r.sourceKey, &r.placed, &r.visible, &r.fixed};
  for (std::int32_t* word : words) *word = in.Int().value_or(0);
  return r;
}

}  // namespace

std::optional<std::string> EncodePuzzleFile(const PuzzleFileData& d) {
  if (d.picturePath.size() >= kPathField || d.picturePath.find('\0') != std::string::npos) {
    return std::nullopt;
  }
  if (d.records.size() > static_cast<std::size_t>(kMaxFileRecords)) return std::nullopt;
  base::FieldWriter w;
  w.Text(d.picturePath, kPathField);
  w.Int(d.columns);
  w.Int(d.rows);
  w.Int(d.helpedCount);
  w.Int(d.placedCount);
  w.Float(d.modelZoom);
  w.Float(d.puzzleZoom);
  w.Int(d.requestedPieces);
  w.Int(d.puzzleZoomIndex);
  w.Int(d.modelZoomIndex);
  w.Bool(d.noSounds);
  w.Bool(d.noEffects);
  w.Bool(d.noAutoPlace);
  w.Bool(d.hideSolution);
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(d.background)));
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(d.shade1)));
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(d.shade2)));
  w.Int(static_cast<std::int32_t>(d.records.size()));
  for (const base::CellRecord& r : d.records) WriteRecord(w, r);
  return w.Take();
}

std::optional<PuzzleFileData> DecodePuzzleFile(std::string_view bytes) {
  if (bytes.size() < kHeaderSize) return std::nullopt;
  base::FieldReader in(bytes);
  PuzzleFileData d;
  d.picturePath = *in.Text(kPathField);
  d.columns = *in.Int();
  d.rows = *in.Int();
  d.helpedCount = *in.Int();
  d.placedCount = *in.Int();
  d.modelZoom = *in.Float();
  d.puzzleZoom = *in.Float();
  d.requestedPieces = *in.Int();
  if (!InRange(d.modelZoom)) d.modelZoom = 0.4f;
  if (!InRange(d.puzzleZoom)) d.puzzleZoom = 1.0f;
  if (d.requestedPieces > 1000 || d.requestedPieces < 1) d.requestedPieces = 25;
  d.puzzleZoomIndex = *in.Int();
  if (d.puzzleZoomIndex < 0 || d.puzzleZoomIndex > 15) {
    d.puzzleZoomIndex = 9;
    d.puzzleZoom = 1.0f;
  }
  d.modelZoomIndex = *in.Int();
  if (d.modelZoomIndex < 0 || d.modelZoomIndex > 15) {
    d.modelZoomIndex = 3;
    d.modelZoom = 0.4f;
  }
  d.noSounds = *in.Int() != 0;
  d.noEffects = *in.Int() != 0;
  d.noAutoPlace = *in.Int() != 0;
  d.hideSolution = *in.Int() != 0;
  d.background = gfx::FromFileColour(static_cast<std::uint32_t>(*in.Int()));
  d.shade1 = gfx::FromFileColour(static_cast<std::uint32_t>(*in.Int()));
  d.shade2 = gfx::FromFileColour(static_cast<std::uint32_t>(*in.Int()));
  const std::int32_t count = *in.Int();
  if (count < 0 || count > kMaxFileRecords) return std::nullopt;
  if (in.Remaining() < kRecordSize * static_cast<std::size_t>(count)) return std::nullopt;
  d.records.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) d.records.push_back(ReadRecord(in));
  return d;
}

bool IsPuzzleFile(const std::filesystem::path& path) {
  const auto bytes = base::ReadFileStart(path, kMaxFileSize + 1);
  if (!bytes || bytes->size() < kHeaderSize) return false;
  // The picture formats the program opens begin with their signature; a path never does.
  static constexpr std::string_view kPictureStarts[] = {"BM",
                                                        "\xFF\xD8",
                                                        "GIF8",
                                                        "\x89PNG",
                                                        std::string_view("II*\0", 4),
                                                        std::string_view("MM\0*", 4)};
  for (std::string_view start : kPictureStarts) {
    if (bytes->starts_with(start)) return false;
  }
  const auto d = DecodePuzzleFile(*bytes);
  return d && bytes->size() == kHeaderSize + kRecordSize * d->records.size();
}

}  // namespace puzzle
