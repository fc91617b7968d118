#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ports/dialog_host.h"

namespace puzzle {

// "Configuration du puzzle": number of pieces, zooms and four switches, kept with the puzzle.
class CConfigPuzzle {
 public:
  static constexpr std::array<const char*, 16> kZoomItems = {
      "0.2", "0.25", "0.3", "0.4", "0.5", "0.6", "0.7",  "0.8",
      "0.9", "1.0",  "1.1", "1.2", "1.3", "1.5", "1.75", "2.0"};
  static constexpr std::array<float, 16> kZoomFactors = {0.2f, 0.25f, 0.3f,  0.4f, 0.5f, 0.6f,
                                                         0.7f, 0.8f,  0.9f,  1.0f, 1.1f, 1.2f,
                                                         1.3f, 1.5f,  1.75f, 2.0f};

  explicit CConfigPuzzle(ports::DialogHost& host) : host_(host) {}

  bool noSounds = false;     // 1003 "Supprimer les bruitages"
  bool noAutoPlace = false;  // 1004 "Placement automatique des pièces sur double clic desactivé  "
  bool hideSolution = false;              // 1006 "Cache le bouton solution"
  bool noEffects = false;                 // 1039 "Supprimer les effets visuels"
  std::int32_t puzzleZoomSelection = -1;  // 1001
  std::int32_t modelZoomSelection = -1;   // 1002
  std::string piecesText;                 // 1000

  // The program shows its values (zooms and number of pieces) in the window.
  void ShowValues(std::int32_t puzzleZoomIndex, std::int32_t modelZoomIndex,
                  std::int32_t requestedPieces);

 private:
  ports::DialogHost& host_;
};

}  // namespace puzzle
