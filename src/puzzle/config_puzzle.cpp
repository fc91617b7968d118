#include "puzzle/config_puzzle.h"

#include <string>

namespace puzzle {

void CConfigPuzzle::ShowValues(std::int32_t puzzleZoomIndex, std::int32_t modelZoomIndex,
                               std::int32_t requestedPieces) {
  puzzleZoomSelection = puzzleZoomIndex;
  modelZoomSelection = modelZoomIndex;
  piecesText = std::to_string(requestedPieces);
  host_.Refresh(ports::DialogId::kPuzzleSettings);
}

}  // namespace puzzle
