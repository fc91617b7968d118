#include "puzzle/config_puzzle.h"

#include "app/scribix_view.h"

namespace puzzle {

void CConfigPuzzle::ShowValues(std::int32_t puzzleZoomIndex, std::int32_t modelZoomIndex,
                               std::int32_t requestedPieces) {
  puzzleZoomSelection = puzzleZoomIndex;
  modelZoomSelection = modelZoomIndex;
  piecesText = std::to_string(requestedPieces);
  view_.platform.dialogHost.Refresh(ports::DialogId::kPuzzleSettings);
}

}  // namespace puzzle
