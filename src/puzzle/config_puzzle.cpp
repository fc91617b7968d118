#include "puzzle/config_puzzle.h"

#include <algorithm>
#include <string>

namespace puzzle {

namespace {

bool AllDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ValidZoomIndex(std::int32_t index) {
  return index >= 0 && index < kZoomCount;
}

}  // namespace

void CConfigPuzzle::ShowValues(std::int32_t puzzleZoomIndex, std::int32_t modelZoomIndex,
                               std::int32_t requestedPieces) {
  puzzleZoomSelection = puzzleZoomIndex;
  modelZoomSelection = modelZoomIndex;
  piecesText = std::to_string(requestedPieces);
  host_.Refresh(ports::DialogId::kPuzzleSettings);
}

void CConfigPuzzle::SetPiecesFromProgram(const std::string& text) {
  piecesText = text;
  host_.Refresh(ports::DialogId::kPuzzleSettings);
  HandlePiecesText();
}

void CConfigPuzzle::ShowPieces(const std::string& text) {
  piecesText = text;
  host_.Refresh(ports::DialogId::kPuzzleSettings);
}

void CConfigPuzzle::SetSwitchesFromProgram(bool sounds, bool effects, bool autoPlace,
                                           bool solution) {
  noSounds = sounds;
  noEffects = effects;
  noAutoPlace = autoPlace;
  hideSolution = solution;
  host_.Refresh(ports::DialogId::kPuzzleSettings);
}

void CConfigPuzzle::OnPiecesTextChanged(const std::string& text) {
  piecesText = text;
  HandlePiecesText();
}

void CConfigPuzzle::HandlePiecesText() {
  if (Loading()) return;
  if (!AllDigits(piecesText)) {
    // Anything but digits puts the count back; the puzzle, cut for it already, stays as it is.
    ShowPieces(std::to_string(actions_->RequestedPieces()));
    return;
  }
  // Digits beyond what an int holds are as many as the most the puzzle allows.
  const std::string digits =
      piecesText.substr(std::min(piecesText.find_first_not_of('0'), piecesText.size()));
  const long long asked = digits.empty()      ? 0
                          : digits.size() > 9 ? 1000000000LL
                                              : std::stoll(digits);
  if (asked > kMaxPieces) {
    SetPiecesFromProgram(std::to_string(kMaxPieces));
    return;
  }
  // One piece or none is no puzzle: the text stays as typed and nothing changes. Only another
  // number cuts again: the child's puzzle in progress is not thrown away for the same one.
  if (asked > 1 && asked != actions_->RequestedPieces()) {
    actions_->RebuildForPieceCount(static_cast<std::int32_t>(asked));
  }
}

void CConfigPuzzle::OnPuzzleZoomSelected(std::int32_t index) {
  if (Loading() || !ValidZoomIndex(index)) return;
  puzzleZoomSelection = index;
  actions_->RebuildForPuzzleZoom(index);
  actions_->SavePuzzleState();
}

void CConfigPuzzle::OnModelZoomSelected(std::int32_t index) {
  if (Loading() || !ValidZoomIndex(index)) return;
  modelZoomSelection = index;
  actions_->RebuildModel(index);
  actions_->SavePuzzleState();
}

void CConfigPuzzle::SwitchClicked(bool& box, bool ticked) {
  box = ticked;
  if (Loading()) return;
  actions_->SavePuzzleState();
}

void CConfigPuzzle::OnNoSoundsClicked(bool ticked) {
  SwitchClicked(noSounds, ticked);
}

void CConfigPuzzle::OnNoAutoPlaceClicked(bool ticked) {
  SwitchClicked(noAutoPlace, ticked);
}

void CConfigPuzzle::OnHideSolutionClicked(bool ticked) {
  hideSolution = ticked;
  if (Loading()) return;
  actions_->SolutionIconChanged();
  actions_->SavePuzzleState();
}

void CConfigPuzzle::OnNoEffectsClicked(bool ticked) {
  SwitchClicked(noEffects, ticked);
}

}  // namespace puzzle
