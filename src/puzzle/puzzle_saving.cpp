// The puzzle in its file: the puzzle in progress ("defautpuz") and the puzzles the child saves.
#include <string>
#include <system_error>

#include "base/files.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_module.h"
#include "text/cp1252.h"

namespace puzzle {

namespace {

// The picture's path as the file keeps it: Windows-1252 when every character has a place in it,
// the path's own UTF-8 otherwise.
std::string PathBytes(const std::filesystem::path& path) {
  const std::string narrow = text::TextFromPath(path);
  if (text::PathFromText(narrow) == path) return narrow;
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

// The path back as it was written: UTF-8 when the bytes are UTF-8 (a path with a character
// Windows-1252 lacks), Windows-1252 otherwise. Should both readings make sense, the one naming a
// file that exists wins.
std::filesystem::path PathFromBytes(const std::string& bytes) {
  const std::filesystem::path cp1252 = text::PathFromText(bytes);
  if (!text::IsValidUtf8(bytes)) return cp1252;
  const std::filesystem::path utf8(std::u8string(bytes.begin(), bytes.end()));
  std::error_code ec;
  if (utf8 != cp1252 && !std::filesystem::exists(utf8, ec) && std::filesystem::exists(cp1252, ec)) {
    return cp1252;
  }
  return utf8;
}

}  // namespace

bool PuzzleModule::WritePuzzleFile(const std::filesystem::path& path) {
  const base::AppState& s = ctx_.state;
  PuzzleFileData d;
  d.picturePath = PathBytes(s.picturePath);
  d.columns = s.keysPerRow;
  d.rows = s.keyRows;
  d.helpedCount = helpedCount;
  d.placedCount = placedCount;
  d.modelZoom = modelZoom;
  d.puzzleZoom = puzzleZoom;
  d.requestedPieces = requestedPieces;
  d.puzzleZoomIndex = puzzleZoomIndex;
  d.modelZoomIndex = modelZoomIndex;
  d.noSounds = ctx_.dialog.noSounds;
  d.noEffects = ctx_.dialog.noEffects;
  d.noAutoPlace = ctx_.dialog.noAutoPlace;
  d.hideSolution = ctx_.dialog.hideSolution;
  d.background = s.backgroundColour;
  d.shade1 = s.backgroundShade1;
  d.shade2 = s.backgroundShade2;
  const int count = PieceCount();
  d.records.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    base::CellRecord& r = ctx_.cells[i];
    r.glyph = r.glyphAlt = 0;
    d.records.push_back(r);
  }
  // A path too long for the file is not cut short: the file keeps the puzzle it held.
  const auto bytes = EncodePuzzleFile(d);
  if (!bytes) return false;
  return base::WriteFileAtomically(path, *bytes);
}

bool PuzzleModule::ReadPuzzleFile(const std::filesystem::path& path) {
  const auto bytes = base::ReadFileStart(path, kMaxFileSize);
  if (!bytes) return false;
  // A file that cannot hold what it announces changes nothing.
  const auto d = DecodePuzzleFile(*bytes);
  if (!d) return false;
  base::AppState& s = ctx_.state;
  s.picturePath = PathFromBytes(d->picturePath);
  s.keysPerRow = d->columns;
  s.keyRows = d->rows;
  helpedCount = d->helpedCount;
  placedCount = d->placedCount;
  modelZoom = d->modelZoom;
  puzzleZoom = d->puzzleZoom;
  requestedPieces = d->requestedPieces;
  // The picture named in the file is loaded and cut for the count it asks.
  ctx_.dialog.ShowPieces(std::to_string(requestedPieces));
  RebuildForPieceCount(requestedPieces);
  puzzleZoomIndex = d->puzzleZoomIndex;
  modelZoomIndex = d->modelZoomIndex;
  ctx_.dialog.puzzleZoomSelection = puzzleZoomIndex;
  ctx_.dialog.modelZoomSelection = modelZoomIndex;
  ctx_.dialog.SetSwitchesFromProgram(d->noSounds, d->noEffects, d->noAutoPlace, d->hideSolution);
  s.backgroundColour = d->background;
  s.backgroundShade1 = d->shade1;
  s.backgroundShade2 = d->shade2;
  const int count = static_cast<int>(d->records.size());
  for (int i = 0; i < count; ++i) {
    ctx_.cells[i] = d->records[static_cast<std::size_t>(i)];
    ctx_.cells[i].glyph = ctx_.cells[i].glyphAlt = 0;
  }
  // The pieces are those of the file.
  s.keyCount = s.itemCount = count;
  ctx_.held.selectedPiece = -1;
  KeepLoosePiecesInside();
  InvalidateAll();
  return true;
}

void PuzzleModule::SavePuzzleState() {
  // Outside the puzzle the table holds the keyboard, not the pieces.
  if (!active_) return;
  WritePuzzleFile(ctx_.state.puzzleStatePath);
}

void PuzzleModule::SaveColoursOutsidePuzzle() {
  const base::AppState& s = ctx_.state;
  const auto bytes = base::ReadFileStart(s.puzzleStatePath, kMaxFileSize);
  if (!bytes) return;
  auto d = DecodePuzzleFile(*bytes);
  if (!d) return;
  d->background = s.backgroundColour;
  d->shade1 = s.backgroundShade1;
  d->shade2 = s.backgroundShade2;
  if (const auto updated = EncodePuzzleFile(*d)) {
    base::WriteFileAtomically(s.puzzleStatePath, *updated);
  }
}

void PuzzleModule::SavePuzzleAs() {
  const std::string proposed = text::TextFromPath(ctx_.state.picturePath) + ".pz";
  const auto chosen = ctx_.platform.dialogs.SaveFile(kSaveFilter, PuzzleFolder(), proposed,
                                                     ports::FileExtension::kAsTyped);
  if (!chosen) return;
  WritePuzzleFile(*chosen);
}

}  // namespace puzzle
