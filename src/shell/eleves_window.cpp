#include "shell/eleves_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/eleves_dialog.h"
#include "gfx/canvas.h"
#include "gfx/image.h"
#include "notebook/profile_chooser.h"
#include "shell/qt_dialog_host.h"
#include "shell/qt_text.h"

namespace shell {

namespace {

constexpr int kLookSide = 32;

// The picture a child's button shows, as the list and the choice show it.
QIcon LookIcon(int look) {
  gfx::Image image(kLookSide, kLookSide);
  gfx::Canvas canvas(image);
  canvas.Fill(image.Bounds(), gfx::Rgb(255, 255, 255));
  notebook::DrawLook(canvas, image.Bounds(), look);
  const QImage picture(reinterpret_cast<const uchar*>(image.Data()), kLookSide, kLookSide,
                       QImage::Format_RGB32);
  return QIcon(QPixmap::fromImage(picture.copy()));
}

}  // namespace

CElevesWindow::CElevesWindow(app::CEleves& model, QtDialogHost& host, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(ToQt("\xC9l\xE8ves"));
  setModal(false);
  QFont larger = font();
  larger.setPointSizeF(larger.pointSizeF() * 1.25);
  setFont(larger);
  chooseFolder = [this] {
    return QFileDialog::getExistingDirectory(this, ToQt("Dossier de la classe"),
                                             PathToQt(model_.Session().Book().ClassFolder()));
  };
  BuildControls();

  connect(children_, &QListWidget::currentRowChanged, this, [this](int row) {
    model_.OnSelect(row);
    ShowModel();
  });
  connect(add_, &QPushButton::clicked, this, [this] {
    TakeName();
    model_.OnAdd();
    ShowModel();
  });
  connect(name_, &QLineEdit::returnPressed, add_, &QPushButton::click);
  connect(rename_, &QPushButton::clicked, this, [this] {
    TakeName();
    model_.OnRename();
    ShowModel();
  });
  connect(remove_, &QPushButton::clicked, this, [this] {
    model_.OnRemove();
    ShowModel();
  });
  connect(look_, &QComboBox::currentIndexChanged, this, [this](int look) {
    // A name typed before the picture is chosen stays in the box.
    TakeName();
    model_.OnLookChanged(look);
    ShowModel();
  });
  connect(chooseClassFolder_, &QPushButton::clicked, this, [this] {
    const QString folder = chooseFolder ? chooseFolder() : QString();
    if (folder.isEmpty()) return;
    model_.OnClassFolderChosen(PathFromQt(folder));
    ShowModel();
  });
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
  host.Register(ports::DialogId::kEleves, this, [this] { ShowModel(); });
  ShowModel();
}

void CElevesWindow::BuildControls() {
  children_ = new QListWidget(this);
  children_->setIconSize(QSize(kLookSide, kLookSide));
  children_->setMinimumSize(300, 260);
  name_ = new QLineEdit(this);
  name_->setMaxLength(40);
  name_->setPlaceholderText(ToQt("Pr\xE9nom"));
  look_ = new QComboBox(this);
  look_->setIconSize(QSize(kLookSide, kLookSide));
  for (int look = 0; look < notebook::kLookCount; ++look) {
    look_->addItem(LookIcon(look), ToQt(notebook::LookName(look)));
  }
  add_ = new QPushButton(ToQt("Ajouter"), this);
  rename_ = new QPushButton(ToQt("Renommer"), this);
  remove_ = new QPushButton(ToQt("Retirer"), this);
  classFolder_ = new QLabel(this);
  classFolder_->setWordWrap(true);
  classFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  chooseClassFolder_ = new QPushButton(ToQt("Choisir..."), this);
  close_ = new QPushButton(ToQt("Fermer"), this);
  for (QPushButton* button : {add_, rename_, remove_, chooseClassFolder_, close_}) {
    button->setAutoDefault(false);
  }

  auto* edit = new QVBoxLayout;
  edit->addWidget(new QLabel(ToQt("Pr\xE9nom"), this));
  edit->addWidget(name_);
  edit->addWidget(new QLabel(ToQt("Image"), this));
  edit->addWidget(look_);
  edit->addSpacing(8);
  edit->addWidget(add_);
  edit->addWidget(rename_);
  edit->addWidget(remove_);
  edit->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(children_, 1);
  top->addLayout(edit);

  auto* folderGroup = new QGroupBox(ToQt("Dossier de la classe"), this);
  auto* folderLayout = new QHBoxLayout(folderGroup);
  folderLayout->addWidget(classFolder_, 1);
  folderLayout->addWidget(chooseClassFolder_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close_);

  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(20, 20, 20, 16);
  whole->addLayout(top, 1);
  whole->addWidget(folderGroup);
  whole->addLayout(buttons);
}

void CElevesWindow::TakeName() {
  model_.nameText = FromQt(name_->text());
}

void CElevesWindow::ShowModel() {
  const auto& children = model_.Session().Book().Children();
  {
    const QSignalBlocker quiet(children_);
    children_->clear();
    for (const notebook::Profile& child : children) {
      children_->addItem(new QListWidgetItem(LookIcon(child.look), ToQt(child.name)));
    }
    children_->setCurrentRow(model_.selection);
  }
  {
    const QSignalBlocker quiet(look_);
    look_->setCurrentIndex(model_.lookSelection);
  }
  name_->setText(ToQt(model_.nameText));
  rename_->setEnabled(model_.selection >= 0);
  remove_->setEnabled(model_.selection >= 0);
  classFolder_->setText(ToQt(model_.ClassFolderText()));
}

}  // namespace shell
