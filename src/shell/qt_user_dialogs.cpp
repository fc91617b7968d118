#include "shell/qt_user_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "shell/qt_text.h"

namespace shell {

ports::MessageAnswer QtUserDialogs::MessageBox(const std::string& text, const std::string& caption,
                                               ports::MessageButtons buttons,
                                               ports::MessageIcon icon) {
  QMessageBox box(parent_);
  box.setWindowTitle(ToQt(caption));
  box.setText(ToQt(text));
  switch (icon) {
    case ports::MessageIcon::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    case ports::MessageIcon::kWarning:
      box.setIcon(QMessageBox::Warning);
      break;
    case ports::MessageIcon::kError:
      box.setIcon(QMessageBox::Critical);
      break;
    case ports::MessageIcon::kNone:
      break;
  }
  if (buttons == ports::MessageButtons::kYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? ports::MessageAnswer::kYes : ports::MessageAnswer::kNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return ports::MessageAnswer::kOk;
}

QString QtUserDialogs::QtFilter(const std::string& filter) {
  const QStringList parts = ToQt(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i].trimmed();
    const QString pattern = parts[i + 1].trimmed();
    if (name.isEmpty() && pattern.isEmpty()) break;
    // The name may already show its pattern in brackets: Qt adds its own.
    if (const auto open = name.lastIndexOf('('); open > 0 && name.endsWith(')')) {
      name = name.left(open).trimmed();
    }
    filters << QStringLiteral("%1 (%2)").arg(name, QString(pattern).replace(';', ' '));
  }
  return filters.join(QStringLiteral(";;"));
}

QWidget* QtUserDialogs::FileDialogOwner() const {
  QWidget* active = QApplication::activeWindow();
  return active != nullptr && active->isVisible() ? active : parent_;
}

std::optional<std::filesystem::path> QtUserDialogs::OpenFile(
    const std::string& filter, const std::filesystem::path& initialFolder,
    const std::string& proposedName) {
  const QString start = PathToQt(initialFolder / text::PathFromText(proposedName));
  const QString chosen =
      QFileDialog::getOpenFileName(FileDialogOwner(), QString(), start, QtFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQt(chosen);
}

std::optional<std::filesystem::path> QtUserDialogs::SaveFile(
    const std::string& filter, const std::filesystem::path& initialFolder,
    const std::string& proposedName, ports::FileExtension extension) {
  const QString start = PathToQt(initialFolder / text::PathFromText(proposedName));
  const QString chosen =
      QFileDialog::getSaveFileName(FileDialogOwner(), QString(), start, QtFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  if (extension == ports::FileExtension::kAsTyped) return PathFromQt(chosen);
  return PathFromQt(WithDefaultSuffix(chosen, filter));
}

QString QtUserDialogs::WithDefaultSuffix(const QString& chosen, const std::string& filter) {
  // A name typed without its extension gets the first pattern's, as the file list shows only
  // files that have it ("Nom_Fichier" is saved as "Nom_Fichier.txt").
  if (!QFileInfo(chosen).suffix().isEmpty()) return chosen;
  const QStringList parts = ToQt(filter).split('|');
  if (parts.size() < 2) return chosen;
  const QString pattern = parts[1].trimmed().section(';', 0, 0).trimmed();
  if (!pattern.startsWith(QStringLiteral("*.")) || pattern.mid(2).contains('*')) return chosen;
  return chosen + pattern.mid(1);
}

std::optional<gfx::Colour> QtUserDialogs::ChooseColour(gfx::Colour initial) {
  const QColor chosen = QColorDialog::getColor(
      QColor(gfx::Red(initial), gfx::Green(initial), gfx::Blue(initial)), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return gfx::Rgb(chosen.red(), chosen.green(), chosen.blue());
}

}  // namespace shell
