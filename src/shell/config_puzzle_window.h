#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace puzzle {
class CConfigPuzzle;
}

namespace shell {

class QtDialogHost;

// "Configuration du puzzle": the number of pieces, the zooms of the puzzle and of its model, and
// four switches. Every change takes effect at once; "Fermer" and the close box only hide it.
class CConfigPuzzleWindow : public QDialog {
  Q_OBJECT

 public:
  // Registers itself with the host, hidden.
  CConfigPuzzleWindow(puzzle::CConfigPuzzle& model, QtDialogHost& host, QWidget* parent);

  // The model's state in the controls, without calling its handlers.
  void ShowModel();

  QLineEdit* Pieces() const { return pieces_; }
  QComboBox* PuzzleZoom() const { return puzzleZoom_; }
  QComboBox* ModelZoom() const { return modelZoom_; }
  QCheckBox* NoAutoPlace() const { return noAutoPlace_; }
  QCheckBox* HideSolution() const { return hideSolution_; }
  QCheckBox* NoSounds() const { return noSounds_; }
  QCheckBox* NoEffects() const { return noEffects_; }
  QPushButton* Close() const { return close_; }

 private:
  void BuildControls();
  void ConnectControls();

  puzzle::CConfigPuzzle& model_;
  QLineEdit* pieces_ = nullptr;
  QComboBox* puzzleZoom_ = nullptr;
  QComboBox* modelZoom_ = nullptr;
  QCheckBox* noAutoPlace_ = nullptr;
  QCheckBox* hideSolution_ = nullptr;
  QCheckBox* noSounds_ = nullptr;
  QCheckBox* noEffects_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace shell
