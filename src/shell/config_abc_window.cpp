#include "shell/config_abc_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "app/config_abc.h"
#include "shell/control_values.h"
#include "shell/qt_dialog_host.h"
#include "shell/qt_text.h"

namespace shell {

namespace {

QComboBox* DropDownList(const QStringList& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->addItems(items);
  // A turn of the wheel over the window must not change the grid behind the teacher's back.
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

QStringList Items(const auto& texts) {
  QStringList items;
  for (const char* text : texts) items << ToQt(text);
  return items;
}

QStringList NumberItems(int count, int first, int step) {
  QStringList items;
  for (int i = 0; i < count; ++i) items << QString::number(first + i * step);
  return items;
}

QSlider* Slider(int maximum, int tickInterval, int pageStep, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setRange(0, maximum);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(tickInterval);
  slider->setPageStep(pageStep);
  slider->setFocusPolicy(Qt::StrongFocus);
  return slider;
}

QGroupBox* Group(const char* title, QWidget* content, QWidget* parent) {
  auto* group = new QGroupBox(ToQt(title), parent);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(content);
  return group;
}

void ShowPosition(QSlider* slider, std::int32_t position) {
  const QSignalBlocker quiet(slider);
  slider->setValue(std::clamp(position, slider->minimum(), slider->maximum()));
}

}  // namespace

CConfigABCWindow::CConfigABCWindow(app::CConfigABC& model, QtDialogHost& host,
                                   ports::Desktop& desktop, std::filesystem::path programFolder,
                                   QWidget* parent)
    : QDialog(parent), model_(model), desktop_(desktop), programFolder_(std::move(programFolder)) {
  // The teacher opens it from the icon whose tooltip says "Configuration".
  setWindowTitle(QStringLiteral("Configuration"));
  setModal(false);
  QFont larger = font();
  larger.setPointSizeF(larger.pointSizeF() * 1.25);
  setFont(larger);

  BuildControls();
  ConnectControls();
  host.Register(ports::DialogId::kSettings, this, [this] { ShowModel(); });
  // The children of the class, in a window of their own.
  connect(eleves_, &QPushButton::clicked, this, [&host] {
    host.Show(ports::DialogId::kEleves);
    host.Raise(ports::DialogId::kEleves);
  });
}

void CConfigABCWindow::BuildControls() {
  colours_ = DropDownList(Items(app::CConfigABC::kColourItems), this);
  zoom_ = DropDownList(Items(app::CConfigABC::kZoomItems), this);
  lines_ = DropDownList(NumberItems(app::CConfigABC::kLineItems, 1, 1), this);
  cells_ = DropDownList(NumberItems(app::CConfigABC::kCellItems, 2, 2), this);
  voice_ = DropDownList({}, this);
  voice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  voice_->setMinimumContentsLength(24);
  rate_ = Slider(20, 1, 2, this);
  volume_ = Slider(100, 10, 10, this);
  rate_->setMinimumWidth(340);

  autoPlace_ = new QCheckBox(ToQt("Placement automatique sur clic"), this);
  noSounds_ = new QCheckBox(ToQt("Supprimer les bruitages"), this);
  noEffects_ = new QCheckBox(ToQt("Supprimer les effets visuels"), this);
  noEffects_->setLayoutDirection(Qt::RightToLeft);  // its text stands left of the box

  installVoices_ = new QPushButton(ToQt("Installation des voix de synth\xE8se vocale"), this);
  installVoices_->setAutoDefault(false);
  auto* restartNote = new QLabel(ToQt("      \xC0 la fin de l'installation il sera   n\xE9"
                                      "cessaire de red\xE9marrer Scribix "),
                                 this);
  restartNote->setTextFormat(Qt::PlainText);
  restartNote->setWordWrap(true);
  // As wide as its first line, so that the note breaks after "sera" as it was written to.
  restartNote->setFixedWidth(restartNote->fontMetrics().horizontalAdvance(
                                 ToQt("      \xC0 la fin de l'installation il sera   ")) +
                             2 * restartNote->margin() + 4);

  // Shown only while nothing can be heard, with the reason.
  soundProblem_ = new QLabel(this);
  soundProblem_->setTextFormat(Qt::PlainText);
  soundProblem_->setWordWrap(true);
  soundProblem_->setStyleSheet(QStringLiteral("color: #B00000; font-weight: bold;"));
  soundProblem_->hide();

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);

  // Left: the keyboard, the grid and the switches.
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  form->setHorizontalSpacing(16);
  form->setVerticalSpacing(16);
  form->addRow(ToQt("Couleurs du clavier"), colours_);
  form->addRow(ToQt("Zoom du clavier"), zoom_);
  // The zoom in use when the screen has no room for the one chosen.
  zoomNote_ = new QLabel(this);
  zoomNote_->setTextFormat(Qt::PlainText);
  zoomNote_->setWordWrap(true);
  zoomNote_->hide();
  form->addRow(zoomNote_);
  form->addRow(ToQt("Nombre de lignes"), lines_);
  form->addRow(ToQt("Nombre de cases/lignes"), cells_);

  auto* switches = new QVBoxLayout;
  switches->setSpacing(14);
  for (QCheckBox* box : {autoPlace_, noSounds_, noEffects_}) {
    // Absolute: the box whose text stands on the left still sits at the left of the column.
    switches->addWidget(box, 0, Qt::AlignLeft | Qt::AlignAbsolute);
  }

  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addSpacing(32);
  left->addLayout(switches);
  left->addStretch(1);

  // Right: the speech synthesiser.
  auto* speech = new QGroupBox(ToQt("Param\xE8tres du synth\xE9tiseur vocal"), this);
  auto* speechLayout = new QVBoxLayout(speech);
  speechLayout->setSpacing(12);
  speechLayout->addWidget(Group("Choix de la voix", voice_, speech));
  speechLayout->addWidget(Group("Vitesse de lecture", rate_, speech));
  speechLayout->addWidget(Group("Volume", volume_, speech));
  speechLayout->addSpacing(6);
  speechLayout->addWidget(installVoices_);
  speechLayout->addWidget(restartNote, 0, Qt::AlignHCenter);
  speechLayout->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->setSpacing(32);
  columns->addLayout(left);
  columns->addWidget(speech, 1);

  // The child's notebook, for the teacher.
  report_ = new QPushButton(ToQt("Bilan"), this);
  report_->setAutoDefault(false);
  reportPeriod_ = new QComboBox(this);
  for (const char* item : app::CConfigABC::kReportPeriodItems) reportPeriod_->addItem(ToQt(item));
  exportJournal_ = new QPushButton(ToQt("Exporter (CSV)"), this);
  exportJournal_->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  eleves_ = new QPushButton(ToQt("\xC9l\xE8ves"), this);
  eleves_->setAutoDefault(false);
  eleves_->setMinimumWidth(110);
  buttons->addWidget(eleves_);
  buttons->addWidget(report_);
  buttons->addWidget(reportPeriod_);
  buttons->addWidget(exportJournal_);
  buttons->addStretch(1);
  ok_->setMinimumWidth(110);
  buttons->addWidget(ok_);

  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(22, 22, 22, 18);
  whole->setSpacing(18);
  whole->addWidget(soundProblem_);
  whole->addLayout(columns, 1);
  whole->addLayout(BuildSyllableControls());
  whole->addLayout(buttons);

  for (QWidget* control :
       std::initializer_list<QWidget*>{colours_, zoom_, lines_, cells_, voice_, rate_, volume_}) {
    control->installEventFilter(this);
  }
}

void CConfigABCWindow::ConnectControls() {
  // The helpers below make connections that outlive them: they hold the window by name.
  CConfigABCWindow* const self = this;
  const auto onIndex = [self](QComboBox* box, void (app::CConfigABC::*handler)(std::int32_t)) {
    connect(box, &QComboBox::currentIndexChanged, self,
            [self, handler](int item) { self->Apply([&] { (self->model_.*handler)(item); }); });
  };
  onIndex(colours_, &app::CConfigABC::OnColoursChanged);
  onIndex(zoom_, &app::CConfigABC::OnZoomChanged);
  onIndex(lines_, &app::CConfigABC::OnLinesChanged);
  onIndex(cells_, &app::CConfigABC::OnCellsChanged);
  onIndex(voice_, &app::CConfigABC::OnVoiceChanged);

  // The rate and the volume follow the slider while it moves, not only when it is let go.
  connect(rate_, &QSlider::valueChanged, this,
          [this](int position) { Apply([&] { model_.OnRateMoved(position); }); });
  connect(volume_, &QSlider::valueChanged, this,
          [this](int position) { Apply([&] { model_.OnVolumeMoved(position); }); });

  const auto onTick = [self](QCheckBox* box, void (app::CConfigABC::*handler)(bool)) {
    connect(box, &QCheckBox::toggled, self, [self, handler](bool ticked) {
      self->Apply([&] { (self->model_.*handler)(ticked); });
    });
  };
  onTick(autoPlace_, &app::CConfigABC::OnAutoPlaceClicked);
  onTick(noSounds_, &app::CConfigABC::OnNoSoundsClicked);
  onTick(noEffects_, &app::CConfigABC::OnNoEffectsClicked);

  ConnectSyllableControls();
  connect(installVoices_, &QPushButton::clicked, this, [this] { OpenVoiceInstaller(); });
  connect(ok_, &QPushButton::clicked, this, &QWidget::hide);
  onIndex(reportPeriod_, &app::CConfigABC::OnReportPeriodChanged);
  connect(report_, &QPushButton::clicked, this, [this] { model_.OnReportClicked(); });
  connect(exportJournal_, &QPushButton::clicked, this, [this] { model_.OnExportClicked(); });
}

template <typename Handler>
void CConfigABCWindow::Apply(Handler handler) {
  handler();
  ShowModel();
}

void CConfigABCWindow::ShowModel() {
  ShowSelection(colours_, model_.colourSelection);
  ShowSelection(zoom_, model_.zoomSelection);
  ShowSelection(lines_, model_.linesSelection);
  ShowSelection(cells_, model_.cellsSelection);

  QStringList voices;
  for (const std::string& name : model_.voiceItems) voices << ToQt(name);
  QStringList shown;
  for (int i = 0; i < voice_->count(); ++i) shown << voice_->itemText(i);
  if (voices != shown) {
    const QSignalBlocker quiet(voice_);
    voice_->clear();
    voice_->addItems(voices);
  }
  ShowSelection(voice_, model_.voiceSelection);

  ShowPosition(rate_, model_.rateSlider);
  ShowPosition(volume_, model_.volumeSlider);
  ShowTicked(autoPlace_, model_.autoPlace);
  ShowTicked(noSounds_, model_.noSounds);
  ShowTicked(noEffects_, model_.noEffects);
  ShowTicked(syllableColours_, model_.syllableLook.on);
  ShowSelection(syllablePair_, model_.syllableLook.pair);
  ShowTicked(splitGlides_, model_.syllableLook.splitGlides);
  ShowSelection(reportPeriod_, model_.reportPeriodSelection);
  zoomNote_->setText(ToQt(model_.ZoomNote()));
  zoomNote_->setVisible(!model_.ZoomNote().empty());
  soundProblem_->setText(ToQt(model_.soundProblem));
  soundProblem_->setVisible(!model_.soundProblem.empty());
}

QLayout* CConfigABCWindow::BuildSyllableControls() {
  syllableColours_ = new QCheckBox(ToQt("Syllabes en couleur"), this);
  syllablePair_ = DropDownList(Items(app::CConfigABC::kSyllablePairItems), this);
  syllablePair_->installEventFilter(this);
  splitGlides_ = new QCheckBox(ToQt("D\xE9"
                                    "butant (pi-a-no)"),
                               this);
  auto* row = new QHBoxLayout;
  row->setSpacing(16);
  row->addWidget(syllableColours_);
  row->addWidget(syllablePair_);
  row->addWidget(splitGlides_);
  row->addStretch(1);
  return row;
}

void CConfigABCWindow::ConnectSyllableControls() {
  connect(syllableColours_, &QCheckBox::toggled, this,
          [this](bool ticked) { Apply([&] { model_.OnSyllableColoursClicked(ticked); }); });
  connect(syllablePair_, &QComboBox::currentIndexChanged, this,
          [this](int item) { Apply([&] { model_.OnSyllablePairChanged(item); }); });
  connect(splitGlides_, &QCheckBox::toggled, this,
          [this](bool ticked) { Apply([&] { model_.OnSplitGlidesClicked(ticked); }); });
}

void CConfigABCWindow::OpenVoiceInstaller() {
  hide();
  desktop_.Open(programFolder_ / voiceInstaller_);
}

bool CConfigABCWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control != nullptr && !control->hasFocus()) {
      event->ignore();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace shell
