#include "shell/open_list_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/icon_ids.h"
#include "exercises/open_list_dialog.h"
#include "shell/control_values.h"
#include "shell/qt_dialog_host.h"
#include "shell/qt_text.h"

namespace shell {

namespace {

constexpr int kButtonPictureSize = 24;

// The picture of a dictation button, beside the box that hides it.
QLabel* ButtonPicture(const std::filesystem::path& file, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFixedSize(kButtonPictureSize, kButtonPictureSize);
  QPixmap picture(PathToQt(file));
  if (!picture.isNull()) {
    label->setPixmap(picture.scaled(kButtonPictureSize, kButtonPictureSize, Qt::KeepAspectRatio,
                                    Qt::SmoothTransformation));
  }
  return label;
}

// The box keeps its lines apart with LF, the model with CR LF.
QString BoxText(const std::string& cp1252) {
  QString text = ToQt(cp1252);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string ModelText(const QString& boxText) {
  QString text = boxText;
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQt(text);
}

}  // namespace

COpenList2Window::COpenList2Window(exercises::COpenList2& model, QtDialogHost& host,
                                   const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(QStringLiteral("Listes de mots"));
  setModal(false);
  // The dialog's own light blue, behind every control.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(166, 205, 224));
  setPalette(colours);
  setAutoFillBackground(true);

  BuildControls(programFolder);
  ConnectControls();
  host.Register(ports::DialogId::kWordLists, this, [this] { ShowModel(); });
  ShowModel();
}

void COpenList2Window::BuildControls(const std::filesystem::path& programFolder) {
  close_ = new QPushButton(QStringLiteral("Fermer"), this);
  open_ = new QPushButton(ToQt("Ouvrir une liste "), this);
  save_ = new QPushButton(ToQt("Enregistrer la liste"), this);
  review_ = new QPushButton(ToQt("Revoir mes mots rat\xE9s"), this);
  review_->setToolTip(
      ToQt("Les mots qui n'\xE9taient pas justes du premier coup dans les 3 "
           "derni\xE8res s\xE9"
           "ances de dict\xE9"
           "e"));
  for (QPushButton* button : {close_, open_, save_, review_}) button->setAutoDefault(false);

  entries_ = new QPlainTextEdit(this);
  entries_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  entries_->setLineWrapMode(QPlainTextEdit::NoWrap);
  entries_->setMinimumSize(300, 320);
  // The box keeps its own white on the dialog's blue.
  QPalette white = entries_->palette();
  white.setColor(QPalette::Base, Qt::white);
  entries_->setPalette(white);

  randomDraw_ = new QCheckBox(ToQt("Tirage al\xE9"
                                   "atoire dans la liste"),
                              this);
  autoAdvance_ = new QComboBox(this);
  for (const char* item : exercises::COpenList2::kAutoAdvanceItems)
    autoAdvance_->addItem(ToQt(item));
  autoAdvance_->setFocusPolicy(Qt::StrongFocus);
  auto* autoAdvanceLabel =
      new QLabel(ToQt("Passage automatique au mot ou \xE0 la phrase suivante"), this);
  autoAdvanceLabel->setWordWrap(true);
  hideHelp_ = new QCheckBox(ToQt("Cacher le bouton aide"), this);
  hideSolution_ = new QCheckBox(ToQt("Cacher le bouton Solution"), this);

  const auto resb = programFolder / "resb";
  auto* helpPicture =
      ButtonPicture(resb / base::icons::IconPictureFile(base::icons::PictureWizard), this);
  auto* solutionPicture =
      ButtonPicture(resb / base::icons::IconPictureFile(base::icons::PictureSolution), this);

  auto* options = new QGridLayout;
  options->setVerticalSpacing(14);
  options->addWidget(randomDraw_, 0, 0, 1, 2);
  options->addWidget(autoAdvanceLabel, 1, 0, 1, 2);
  options->addWidget(autoAdvance_, 2, 0, 1, 2, Qt::AlignLeft);
  options->addWidget(helpPicture, 3, 0);
  options->addWidget(hideHelp_, 3, 1);
  options->addWidget(solutionPicture, 4, 0);
  options->addWidget(hideSolution_, 4, 1);
  options->setColumnStretch(1, 1);
  options->setRowStretch(5, 1);

  auto* files = new QVBoxLayout;
  files->addWidget(open_);
  files->addWidget(save_);
  files->addWidget(review_);
  files->addSpacing(20);
  files->addLayout(options, 1);
  files->addWidget(close_, 0, Qt::AlignRight);

  auto* whole = new QHBoxLayout(this);
  whole->setContentsMargins(16, 16, 16, 16);
  whole->setSpacing(20);
  whole->addWidget(entries_, 1);
  whole->addLayout(files);
}

void COpenList2Window::ConnectControls() {
  connect(close_, &QPushButton::clicked, this, [this] { Apply([&] { model_.OnClose(); }); });
  connect(open_, &QPushButton::clicked, this, [this] { Apply([&] { model_.OpenList(); }); });
  connect(save_, &QPushButton::clicked, this, [this] { Apply([&] { model_.SaveList(); }); });
  connect(review_, &QPushButton::clicked, this,
          [this] { Apply([&] { model_.OnReviewClicked(); }); });
  // Only what the user types arrives here: the program sets the text with the signals blocked.
  connect(entries_, &QPlainTextEdit::textChanged, this,
          [this] { model_.OnListTextEdited(ModelText(entries_->toPlainText())); });
  connect(randomDraw_, &QCheckBox::toggled, this,
          [this](bool ticked) { Apply([&] { model_.OnRandomClicked(ticked); }); });
  connect(hideHelp_, &QCheckBox::toggled, this,
          [this](bool ticked) { Apply([&] { model_.OnHideHelpClicked(ticked); }); });
  connect(hideSolution_, &QCheckBox::toggled, this,
          [this](bool ticked) { Apply([&] { model_.OnHideSolutionClicked(ticked); }); });
  connect(autoAdvance_, &QComboBox::currentIndexChanged, this,
          [this](int item) { Apply([&] { model_.OnAutoAdvanceChanged(item); }); });
}

template <typename Handler>
void COpenList2Window::Apply(Handler handler) {
  handler();
  ShowModel();
}

void COpenList2Window::ShowModel() {
  const QString text = BoxText(model_.listText);
  // Only a text the program changed is set again: the user's cursor stays where it was.
  if (ModelText(entries_->toPlainText()) != model_.listText) {
    const QSignalBlocker quiet(entries_);
    entries_->setPlainText(text);
  }
  ShowTicked(randomDraw_, model_.randomDraw);
  ShowTicked(hideHelp_, model_.hideHelp);
  ShowTicked(hideSolution_, model_.hideSolution);
  const QSignalBlocker quiet(autoAdvance_);
  const std::int32_t item = model_.autoAdvanceSelection;
  autoAdvance_->setCurrentIndex(item >= 0 && item < autoAdvance_->count() ? item : -1);
}

}  // namespace shell
