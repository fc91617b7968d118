#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ports/dialog_host.h"
#include "puzzle/puzzle_model.h"

namespace puzzle {

// What the puzzle settings set off; the puzzle module does it.
class PuzzleActions {
 public:
  virtual ~PuzzleActions() = default;
  // The piece count or the puzzle zoom changed: the picture is cut again and laid out whole.
  virtual void RebuildForPieceCount(std::int32_t pieces) = 0;
  virtual void RebuildForPuzzleZoom(std::int32_t zoomIndex) = 0;
  // Only the model is made again at its new zoom.
  virtual void RebuildModel(std::int32_t zoomIndex) = 0;
  virtual void SavePuzzleState() = 0;
  // "Cacher le bouton solution" changed: the solution icon is drawn again or no more.
  virtual void SolutionIconChanged() = 0;
  virtual std::int32_t RequestedPieces() const = 0;
  // While the settings file is applied, the window's handlers do nothing.
  virtual bool SettingsLoading() const = 0;
};

// "Configuration du puzzle": number of pieces, zooms and four switches, kept with the puzzle.
class CConfigPuzzle {
 public:
  static constexpr std::array<const char*, kZoomCount> kZoomItems = {
      "0.2", "0.25", "0.3", "0.4", "0.5", "0.6", "0.7",  "0.8",
      "0.9", "1.0",  "1.1", "1.2", "1.3", "1.5", "1.75", "2.0"};
  static constexpr const char* kCaption = "Configuration du puzzle";

  explicit CConfigPuzzle(ports::DialogHost& host) : host_(host) {}
  void SetActions(PuzzleActions* actions) { actions_ = actions; }

  bool noSounds = false;      // "Supprimer les bruitages"
  bool noAutoPlace = false;   // "Placement automatique des pièces sur double clic désactivé  "
  bool hideSolution = false;  // "Cacher le bouton solution"
  bool noEffects = false;     // "Supprimer les effets visuels": no fireworks
  std::int32_t puzzleZoomSelection = -1;
  std::int32_t modelZoomSelection = -1;
  std::string piecesText;

  // The program shows its values (zooms and number of pieces) in the window.
  void ShowValues(std::int32_t puzzleZoomIndex, std::int32_t modelZoomIndex,
                  std::int32_t requestedPieces);
  // The program sets the number of pieces; like a change typed, it is handled at once.
  void SetPiecesFromProgram(const std::string& text);
  // The program shows the number of pieces it has cut for, without handling it again.
  void ShowPieces(const std::string& text);
  // The program ticks the four boxes (as the puzzle file keeps them).
  void SetSwitchesFromProgram(bool sounds, bool effects, bool autoPlace, bool solution);

  // The window's handlers.
  void OnPiecesTextChanged(const std::string& text);
  void OnPuzzleZoomSelected(std::int32_t index);
  void OnModelZoomSelected(std::int32_t index);
  void OnNoSoundsClicked(bool ticked);
  void OnNoAutoPlaceClicked(bool ticked);
  void OnHideSolutionClicked(bool ticked);
  void OnNoEffectsClicked(bool ticked);

 private:
  bool Loading() const { return actions_ == nullptr || actions_->SettingsLoading(); }
  void HandlePiecesText();
  void SwitchClicked(bool& box, bool ticked);

  ports::DialogHost& host_;
  PuzzleActions* actions_ = nullptr;
};

}  // namespace puzzle
