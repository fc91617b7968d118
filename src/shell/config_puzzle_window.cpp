#include "shell/config_puzzle_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "puzzle/config_puzzle.h"
#include "shell/control_values.h"
#include "shell/qt_dialog_host.h"
#include "shell/qt_text.h"

namespace shell {

namespace {

QComboBox* ZoomList(QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const char* item : puzzle::CConfigPuzzle::kZoomItems) box->addItem(ToQt(item));
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

}  // namespace

CConfigPuzzleWindow::CConfigPuzzleWindow(puzzle::CConfigPuzzle& model, QtDialogHost& host,
                                         QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(ToQt(puzzle::CConfigPuzzle::kCaption));
  setModal(false);
  QFont larger = font();
  larger.setPointSizeF(larger.pointSizeF() * 1.25);
  setFont(larger);
  BuildControls();
  ConnectControls();
  ShowModel();
  host.Register(ports::DialogId::kPuzzleSettings, this, [this] { ShowModel(); });
}

void CConfigPuzzleWindow::BuildControls() {
  close_ = new QPushButton(QStringLiteral("Fermer"), this);
  close_->setDefault(true);
  pieces_ = new QLineEdit(this);
  pieces_->setMaxLength(12);
  pieces_->setFixedWidth(pieces_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
  puzzleZoom_ = ZoomList(this);
  modelZoom_ = ZoomList(this);
  noAutoPlace_ = new QCheckBox(ToQt("Placement automatique des pi\xE8"
                                    "ces sur double clic d\xE9sactiv\xE9  "),
                               this);
  hideSolution_ = new QCheckBox(ToQt("Cacher le bouton solution"), this);
  noSounds_ = new QCheckBox(ToQt("Supprimer les bruitages"), this);
  noEffects_ = new QCheckBox(ToQt("Supprimer les effets visuels"), this);

  auto* top = new QHBoxLayout;
  top->addStretch(1);
  top->addWidget(close_);

  auto* form = new QFormLayout;
  form->setHorizontalSpacing(16);
  form->setVerticalSpacing(10);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow(ToQt("Nombre de pi\xE8"
                    "ces"),
               pieces_);
  form->addRow(ToQt("Zoom puzzle"), puzzleZoom_);
  form->addRow(ToQt("Zoom du mod\xE8le"), modelZoom_);

  auto* switches = new QVBoxLayout;
  switches->setSpacing(10);
  for (QCheckBox* box : {noAutoPlace_, hideSolution_, noSounds_, noEffects_}) {
    switches->addWidget(box);
  }

  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(18, 12, 18, 18);
  whole->setSpacing(14);
  whole->addLayout(top);
  whole->addLayout(form);
  whole->addSpacing(8);
  whole->addLayout(switches);
  whole->addStretch(1);
}

void CConfigPuzzleWindow::ConnectControls() {
  connect(pieces_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.OnPiecesTextChanged(FromQt(text));
    ShowModel();
  });
  connect(puzzleZoom_, &QComboBox::currentIndexChanged, this, [this](int item) {
    model_.OnPuzzleZoomSelected(item);
    ShowModel();
  });
  connect(modelZoom_, &QComboBox::currentIndexChanged, this, [this](int item) {
    model_.OnModelZoomSelected(item);
    ShowModel();
  });
  connect(noAutoPlace_, &QCheckBox::toggled, this,
          [this](bool ticked) { model_.OnNoAutoPlaceClicked(ticked); });
  connect(hideSolution_, &QCheckBox::toggled, this,
          [this](bool ticked) { model_.OnHideSolutionClicked(ticked); });
  connect(noSounds_, &QCheckBox::toggled, this,
          [this](bool ticked) { model_.OnNoSoundsClicked(ticked); });
  connect(noEffects_, &QCheckBox::toggled, this,
          [this](bool ticked) { model_.OnNoEffectsClicked(ticked); });
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
}

void CConfigPuzzleWindow::ShowModel() {
  const QString pieces = ToQt(model_.piecesText);
  if (pieces_->text() != pieces) {
    const QSignalBlocker quiet(pieces_);
    const int cursor = pieces_->cursorPosition();
    pieces_->setText(pieces);
    pieces_->setCursorPosition(std::min(cursor, static_cast<int>(pieces.size())));
  }
  ShowSelection(puzzleZoom_, model_.puzzleZoomSelection);
  ShowSelection(modelZoom_, model_.modelZoomSelection);
  ShowTicked(noAutoPlace_, model_.noAutoPlace);
  ShowTicked(hideSolution_, model_.hideSolution);
  ShowTicked(noSounds_, model_.noSounds);
  ShowTicked(noEffects_, model_.noEffects);
}

}  // namespace shell
