#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/held_record.h"
#include "base/module.h"
#include "base/random.h"
#include "base/work_log.h"
#include "gfx/image.h"
#include "ports/platform.h"
#include "puzzle/config_puzzle.h"
#include "puzzle/puzzle_model.h"

namespace puzzle {

// The sounds the puzzle plays (the numbers of the sound effects).
enum class PuzzleSound { kApplause = 1, kScatter = 2, kMusic = 4 };

// What the puzzle module works on; the view owns all of it.
struct PuzzleContext {
  base::AppState& state;
  base::CellTable& cells;
  base::HeldRecord& held;
  CConfigPuzzle& dialog;
  ports::Platform& platform;
  base::RandomGenerator& random;
  // The labels the pieces keep as their letter (the keypad's).
  std::string_view labels;
  // The writing grid's clearing mark: the solution clears the grid, and the clearing ends once
  // every piece is home.
  std::int32_t& clearing;
  // The editor's "Fixer l'exercice": while it is ticked the pieces on their way are not redrawn.
  const bool& editorFixed;
  const std::int32_t& settingsLoading;
  std::function<void(PuzzleSound)> playSound;
  // The fireworks over the whole view (the caller knows whether effects are wanted).
  std::function<void()> showFireworks;
  // The grid's clearing has ended: the editor's text and the grid are emptied.
  std::function<void()> clearingDone;
  std::function<gfx::Rect(base::icons::IconId)> iconRect;
  // Where what the child did is told.
  base::WorkLog& work;
};

// The picture puzzle: a picture cut into rectangular pieces that the child drags home.
class PuzzleModule : public base::Module, private PuzzleActions {
 public:
  static constexpr const char* kOpenFilter =
      "Images et puzzles (BMP, JPEG, GIF, TIFF, PNG, .pz)|*.bmp;*.jpg;*.jpeg;*.gif;*.tif;*.tiff;"
      "*.png;*.pz;*.BMP;*.JPG;*.JPEG;*.GIF;*.TIF;*.TIFF;*.PNG;*.PZ";
  static constexpr const char* kSaveFilter = "Puzzle (*.pz)|*.pz";
  // The counter of pieces placed, under the icons and above the assembled picture, where no
  // icon covers it; the strip is repainted when it changes.
  static constexpr gfx::Rect kCounterStrip{0, 0, 2000, 80};
  static constexpr gfx::Point kCounterOrigin{150, 54};
  static constexpr int kCounterPoints = 12;

  explicit PuzzleModule(PuzzleContext context);

  base::ModuleId Id() const override { return base::ModuleId::kPuzzle; }
  // The pieces keep their places: a new size of the window does not move them.
  void MoveKeyboard() override {}
  // The layout of the pieces takes the place of the keyboard's.
  void BuildKeys() override;
  // The keyboard's look is not the puzzle's: it is applied when the puzzle is left.
  void ApplyKeyboardLook() override {}
  // A press that hit no icon: the piece under the mouse is picked up.
  gfx::Rect OnLButtonDown(std::uint32_t flags, gfx::Point point, int hit) override;
  gfx::Rect OnMouseMove(std::uint32_t flags, gfx::Point point) override;
  void OnLButtonUp(std::uint32_t flags, gfx::Point point) override;
  void OnTimer(int) override {}
  void Tick() override;
  bool Moving() const override;
  void PreparePaint() override;
  void PaintGrid(gfx::Canvas& canvas) const override;
  void PaintItems(gfx::Canvas& canvas) const override;
  void AddIcons(std::vector<base::IconShown>& icons) const override;

  // Entering and leaving the module. Entering reads the puzzle in progress, or cuts the picture
  // afresh when there is none to read.
  void Enter(base::ModuleId, const std::function<void()>&) override { Enter(); }
  void Leave(base::ModuleId) override { Leave(); }
  void SaveWork() override { SavePuzzleState(); }
  void Enter();
  void Leave();
  bool Active() const { return active_; }

  // The picture: decoded, fitted at both zooms; nothing changes but the bitmaps when it cannot
  // be read.
  void LoadPuzzlePicture(const std::filesystem::path& path);
  bool CutPicture();
  void LayOutPieces();
  // A new picture (or puzzle file) chosen by the child; false when cancelled.
  bool OpenPictureOrPuzzle();

  // The puzzle file.
  bool WritePuzzleFile(const std::filesystem::path& path);
  bool ReadPuzzleFile(const std::filesystem::path& path);
  void SavePuzzleState() override;
  void SavePuzzleAs();
  // The colours chosen outside the puzzle go into the puzzle in progress, its pieces kept.
  void SaveColoursOutsidePuzzle();

  // What the child does with the pieces.
  void SelectPieceAt(gfx::Point point);
  gfx::Rect PickUpSelected(std::uint32_t flags, gfx::Point point);
  gfx::Rect DragPiece(std::uint32_t flags, gfx::Point point);
  void DropPiece(gfx::Point point);
  void PlacePieceAutomatically(gfx::Point point);
  int AnimatePiecesHome();
  void ScatterPieces();
  // The pieces' part of the solution; the caller clears the grid.
  void ShowPuzzleSolution();
  void ShowFireworks();
  void ToggleModel();

  // What the puzzle shows and counts.
  const Cut& PieceCut() const { return cut_; }
  const gfx::Image& PuzzleBitmap() const { return puzzleBitmap_; }
  const gfx::Image& ModelBitmap() const { return modelBitmap_; }
  gfx::Size ModelSize() const { return {modelWidth_, modelHeight_}; }
  std::int32_t placedCount = 0;
  std::int32_t helpedCount = 0;
  std::int32_t modelShown = 0;
  float puzzleZoom = 1.0f;
  float modelZoom = 0.4f;
  std::int32_t puzzleZoomIndex = kDefaultPuzzleZoomIndex;
  std::int32_t modelZoomIndex = kDefaultModelZoomIndex;
  std::int32_t requestedPieces = kDefaultPieces;

 private:
  // What the settings window sets off.
  void RebuildForPieceCount(std::int32_t pieces) override;
  void RebuildForPuzzleZoom(std::int32_t zoomIndex) override;
  void RebuildModel(std::int32_t zoomIndex) override;
  void SolutionIconChanged() override;
  std::int32_t RequestedPieces() const override { return requestedPieces; }
  bool SettingsLoading() const override { return ctx_.settingsLoading != 0; }

  void PaintPieces(gfx::Canvas& canvas) const;
  // The picture decoded as large as the puzzle may need it, or nothing.
  std::unique_ptr<ports::Picture> DecodePicture(const std::filesystem::path& path);
  void UsePicture(std::unique_ptr<ports::Picture> picture, const std::filesystem::path& path);
  void ReportUnreadable(const std::filesystem::path& path);
  void KeepLoosePiecesInside();
  // A fresh puzzle from the picture: loaded, cut, laid out.
  void Rebuild();
  void FitModel();
  // Where the file dialogs start.
  std::filesystem::path PuzzleFolder() const;
  std::int32_t PieceCount() const;
  void Invalidate(const gfx::Rect& area, bool erase) const;
  void InvalidateAll() const;
  // Every piece is home: told to the work log once per puzzle.
  void NoteIfComplete();
  // A new puzzle, or the same one scattered again: its time counts from now.
  void StartTiming();

  PuzzleContext ctx_;
  std::int64_t startedMs_ = 0;
  bool completeNoted_ = false;
  bool workSessionOpen_ = false;
  bool active_ = false;
  // The piece held was at home when it was picked up (it was counted then).
  bool heldWasHome_ = false;
  Cut cut_;
  std::unique_ptr<ports::Picture> loadedPicture_;
  std::filesystem::path loadedPath_;  // the file loadedPicture_ was decoded from
  gfx::Image puzzleBitmap_;
  gfx::Image modelBitmap_;
  std::int32_t modelWidth_ = 0;
  std::int32_t modelHeight_ = 0;
};

}  // namespace puzzle
