#include "shell/voice_warning_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/qt_text.h"

namespace shell {

CAvert2Window::CAvert2Window(speech::CAvert2& model, ports::Desktop& desktop, ports::Clock& clock,
                             ports::Window& mainWindow, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(ToQt(speech::CAvert2::kCaption));
  setModal(true);

  auto* message = new QLabel(ToQt(model_.Message()));
  message->setWordWrap(true);
  QFont big = message->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  message->setFont(big);
  message->setStyleSheet(QStringLiteral("color: #1f3fbf;"));
  message->setMinimumWidth(560);

  auto* install = new QPushButton(ToQt(speech::CAvert2::kInstallButton));
  auto* restart = new QLabel(ToQt(speech::CAvert2::kRestartLabel));
  auto* never = new QCheckBox(ToQt(speech::CAvert2::kDontShowAgain));
  never->setChecked(model_.dontShowAgain);
  auto* close = new QPushButton(ToQt(speech::CAvert2::kClose));
  close->setDefault(true);

  auto* installRow = new QHBoxLayout;
  installRow->addWidget(install);
  installRow->addWidget(restart);
  installRow->addStretch();
  auto* bottomRow = new QHBoxLayout;
  bottomRow->addWidget(never);
  bottomRow->addStretch();
  bottomRow->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(16);
  layout->addWidget(message);
  layout->addLayout(installRow);
  layout->addLayout(bottomRow);

  connect(install, &QPushButton::clicked, this, [this, &desktop, &clock, &mainWindow] {
    accept();
    model_.OnInstallClicked(desktop, clock, mainWindow);
  });
  connect(never, &QCheckBox::clicked, this, [this] { model_.OnDontShowAgainClicked(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace shell
