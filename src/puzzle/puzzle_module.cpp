#include "puzzle/puzzle_module.h"

#include <algorithm>
#include <cstdio>

#include "base/files.h"
#include "ports/picture_loading.h"
#include "puzzle/default_picture.h"
#include "puzzle/puzzle_file.h"
#include "text/cp1252.h"

namespace puzzle {

using namespace base::icons;

PuzzleModule::PuzzleModule(PuzzleContext context) : ctx_(std::move(context)) {
  ctx_.dialog.SetActions(this);
}

void PuzzleModule::Invalidate(const gfx::Rect& area, bool erase) const {
  if (!area.IsEmpty()) ctx_.platform.window.Invalidate(area, erase);
}

void PuzzleModule::InvalidateAll() const {
  ctx_.platform.window.InvalidateAll(true);
}

std::int32_t PuzzleModule::PieceCount() const {
  return std::clamp(ctx_.state.keyCount, 0, base::kMaxItems);
}

void PuzzleModule::Enter() {
  active_ = true;
  workSessionOpen_ = false;
  StartTiming();
  base::AppState& s = ctx_.state;
  if (ReadPuzzleFile(s.puzzleStatePath)) {
    ctx_.playSound(PuzzleSound::kMusic);
    // Any puzzle the file holds is the child's to go on with (a cut asked for 1000 pieces may
    // give more than 1000).
    if (s.keyCount > 0) {
      completeNoted_ = placedCount >= PieceCount();  // finished before: not told again
      return;
    }
  }
  Rebuild();
  ctx_.playSound(PuzzleSound::kMusic);
}

void PuzzleModule::Leave() {
  active_ = false;
  ctx_.held.selectedPiece = -1;
  // The picture is decoded again when the puzzle comes back; the pieces stay in its file.
  puzzleBitmap_ = gfx::Image();
  // Its settings belong to the puzzle on screen.
  ctx_.platform.dialogHost.Hide(ports::DialogId::kPuzzleSettings);
}

std::unique_ptr<ports::Picture> PuzzleModule::DecodePicture(const std::filesystem::path& path) {
  // The puzzle and its model are never larger than the box at the largest zoom: a photograph
  // of tens of megapixels is decoded only that large.
  const float largest = kZoomValues.back();
  const gfx::Size needed{static_cast<int>(kBoxWidth * largest),
                         static_cast<int>(kBoxHeight * largest)};
  return ctx_.platform.pictures.LoadAtMost(path, needed);
}

void PuzzleModule::LoadPuzzlePicture(const std::filesystem::path& path) {
  puzzleBitmap_ = gfx::Image();
  modelBitmap_ = gfx::Image();
  // A new piece count or zoom, or the puzzle shown again, cuts the picture already decoded: only
  // another picture is read from its file.
  auto picture =
      loadedPicture_ && path == loadedPath_ ? std::move(loadedPicture_) : DecodePicture(path);
  if (!picture) return;
  UsePicture(std::move(picture), path);
}

void PuzzleModule::UsePicture(std::unique_ptr<ports::Picture> picture,
                              const std::filesystem::path& path) {
  loadedPicture_ = std::move(picture);
  loadedPath_ = path;
  puzzleBitmap_ = ports::FitPicture(ctx_.platform.pictures, loadedPicture_.get(), kBoxWidth,
                                    kBoxHeight, puzzleZoom)
                      .bitmap;
  FitModel();
  InvalidateAll();
}

void PuzzleModule::FitModel() {
  ports::FittedPicture model = ports::FitPicture(ctx_.platform.pictures, loadedPicture_.get(),
                                                 kBoxWidth, kBoxHeight, modelZoom);
  modelBitmap_ = std::move(model.bitmap);
  modelWidth_ = model.size.width;
  modelHeight_ = model.size.height;
}

bool PuzzleModule::CutPicture() {
  if (!active_ || puzzleBitmap_.IsNull()) return false;
  cut_ = puzzle::CutPicture(puzzleBitmap_.Width(), puzzleBitmap_.Height(), requestedPieces);
  return true;
}

void PuzzleModule::LayOutPieces() {
  base::AppState& s = ctx_.state;
  s.gridLeft = kHomeOrigin.x;
  s.gridTop = kHomeOrigin.y;
  s.columnGap = s.lineGap = 0;
  s.keysPerRow = cut_.columns;
  s.keyRows = cut_.rows;
  s.cellWidth = cut_.cellWidth;
  s.cellHeight = cut_.cellHeight;
  s.keyCount = s.itemCount = puzzle::LayOutPieces(ctx_.cells, cut_, kHomeOrigin, ctx_.labels);
  ctx_.held.selectedPiece = -1;
}

std::filesystem::path PuzzleModule::PuzzleFolder() const {
  // The user's copy of the puzzles' folder once there is one: the program's may be read-only.
  const base::AppState& s = ctx_.state;
  return base::FolderWithCopy(s.programFolder, s.dataFolder, kPictureFolder) / kPictureFolder;
}

void PuzzleModule::BuildKeys() {
  if (active_) LayOutPieces();
}

void PuzzleModule::Rebuild() {
  LoadPuzzlePicture(ctx_.state.picturePath);
  CutPicture();
  LayOutPieces();
  InvalidateAll();
  StartTiming();
}

bool PuzzleModule::OpenPictureOrPuzzle() {
  const auto chosen = ctx_.platform.dialogs.OpenFile(kOpenFilter, PuzzleFolder(), {});
  if (!chosen) return false;
  // A puzzle is known by what it holds, whatever its name; anything else is a picture. What
  // cannot be read leaves the child's puzzle as it is, and says so.
  if (IsPuzzleFile(*chosen)) {
    if (!ReadPuzzleFile(*chosen)) ReportUnreadable(*chosen);
    return true;
  }
  auto picture = DecodePicture(*chosen);
  if (!picture) {
    ReportUnreadable(*chosen);
    return true;
  }
  ctx_.state.picturePath = *chosen;
  UsePicture(std::move(picture), *chosen);
  CutPicture();
  LayOutPieces();
  InvalidateAll();
  placedCount = helpedCount = 0;
  StartTiming();
  return true;
}

void PuzzleModule::ReportUnreadable(const std::filesystem::path& path) {
  ctx_.platform.dialogs.MessageBox("Le fichier \xAB " + text::TextFromPath(path.filename()) +
                                       " \xBB n'a pas pu \xEAtre lu : ce n'est pas une image ni un "
                                       "puzzle que Scribix sait ouvrir.\n\nLe puzzle en cours "
                                       "reste tel qu'il \xE9tait.",
                                   "Scribix", ports::MessageButtons::kOk,
                                   ports::MessageIcon::kWarning);
}

void PuzzleModule::RebuildForPieceCount(std::int32_t pieces) {
  requestedPieces = pieces;
  // Outside the puzzle the count waits for the next puzzle cut.
  if (!active_) return;
  Rebuild();
}

void PuzzleModule::RebuildForPuzzleZoom(std::int32_t zoomIndex) {
  puzzleZoomIndex = zoomIndex;
  puzzleZoom = kZoomValues[static_cast<std::size_t>(zoomIndex)];
  if (!active_) return;
  Rebuild();
  RebuildModel(modelZoomIndex);
}

void PuzzleModule::RebuildModel(std::int32_t zoomIndex) {
  modelZoomIndex = zoomIndex;
  modelZoom = kZoomValues[static_cast<std::size_t>(zoomIndex)];
  if (!active_) return;
  FitModel();
  InvalidateAll();
}

void PuzzleModule::SolutionIconChanged() {
  // The icon is drawn again, or no longer drawn, in the 40 × 40 square at its top-left.
  const gfx::Rect icon = ctx_.iconRect(IconPuzzleSolution);
  Invalidate(gfx::Rect::FromSize(icon.left, icon.top, 40, 40), true);
}

void PuzzleModule::ToggleModel() {
  modelShown = modelShown == 1 ? 0 : 1;
}

void PuzzleModule::PreparePaint() {
  // A puzzle shown again after another module has its picture decoded anew.
  if (puzzleBitmap_.IsNull()) LoadPuzzlePicture(ctx_.state.picturePath);
}

void PuzzleModule::PaintGrid(gfx::Canvas& canvas) const {
  const base::AppState& s = ctx_.state;
  for (int c = 0; c < cut_.columns; ++c) {
    for (int r = 0; r < cut_.rows; ++r) {
      const gfx::Rect cell =
          gfx::Rect::FromSize(kHomeOrigin.x + c * cut_.cellWidth,
                              kHomeOrigin.y + r * cut_.cellHeight, cut_.cellWidth, cut_.cellHeight);
      if (cell.Intersect(canvas.Clip()).IsEmpty()) continue;
      canvas.Fill(cell, s.backgroundShade1);
      canvas.Edge(cell, gfx::EdgeStyle::kRaisedInner);
    }
  }
}

void PuzzleModule::PaintItems(gfx::Canvas& canvas) const {
  const gfx::Size client = ctx_.platform.window.ClientSize();
  if (modelShown == 1 && !modelBitmap_.IsNull()) {
    const gfx::Rect place{client.width - modelWidth_ - 5, 75, client.width - 5, modelHeight_ + 75};
    canvas.Copy(modelBitmap_, gfx::Rect::FromSize(0, 0, modelWidth_, modelHeight_),
                {place.left, place.top});
  }
  if (!puzzleBitmap_.IsNull()) PaintPieces(canvas);
  // The counter last: scattered pieces never hide it.
  if (placedCount > 0) {
    char counter[96];
    std::snprintf(counter, sizeof counter,
                  " %d pi\xE8"
                  "ces plac\xE9"
                  "es dont %d avec aide ",
                  placedCount, helpedCount);
    ctx_.platform.textPainter.DrawText(canvas.Target(), canvas.Clip(), kCounterOrigin, counter,
                                       kCounterPoints, gfx::Rgb(0, 0, 0));
  }
}

void PuzzleModule::PaintPieces(gfx::Canvas& canvas) const {
  const base::AppState& s = ctx_.state;
  const int count = std::min(s.itemCount, base::kMaxItems);
  const gfx::Rect clip = canvas.Clip();
  for (int pos = 0; pos < count; ++pos) {
    const int i = ctx_.cells.drawOrder[static_cast<std::size_t>(pos)];
    if (i < 0 || i >= count) continue;
    const base::CellRecord& r = ctx_.cells[i];
    if (r.visible != 1) continue;
    const gfx::Rect edge = gfx::Rect::FromSize(r.posX, r.posY, s.cellWidth, s.cellHeight);
    if (edge.Intersect(clip).IsEmpty()) continue;
    canvas.Copy(puzzleBitmap_, gfx::Rect::FromSize(r.srcX, r.srcY, r.width, r.height),
                gfx::Point{r.posX, r.posY});
    const bool held = i == ctx_.held.selectedPiece && s.mouseDown == 1;
    if (!held) canvas.Edge(edge, gfx::EdgeStyle::kRaisedOuter);
  }
}

void PuzzleModule::AddIcons(std::vector<base::IconShown>& icons) const {
  icons.push_back({IconScatter, PictureScatter});
  if (!ctx_.dialog.hideSolution) icons.push_back({IconPuzzleSolution, PicturePuzzleSolution});
  icons.push_back({IconModel, PictureEye});
  icons.push_back({IconSettings, PictureSettings});
  icons.push_back({IconLoadPuzzle, PictureOpenPuzzle});
  icons.push_back({IconSavePuzzle, PictureSavePuzzle});
}

}  // namespace puzzle
