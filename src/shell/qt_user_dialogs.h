#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

#include "ports/user_dialogs.h"

class QWidget;

namespace shell {

// Message boxes, file choosers and the colour chooser of Qt, over the main window.
class QtUserDialogs : public ports::UserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent) : parent_(parent) {}
  ports::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                  ports::MessageButtons buttons, ports::MessageIcon icon) override;
  std::optional<std::filesystem::path> OpenFile(const std::string& filter,
                                                const std::filesystem::path& initialFolder,
                                                const std::string& proposedName) override;
  std::optional<std::filesystem::path> SaveFile(const std::string& filter,
                                                const std::filesystem::path& initialFolder,
                                                const std::string& proposedName,
                                                ports::FileExtension extension) override;
  std::optional<gfx::Colour> ChooseColour(gfx::Colour initial) override;

  // "Name|*.ext|Name|*.*||" in Qt's form "Name (*.ext);;Name (*.*)".
  static QString QtFilter(const std::string& filter);
  // The chosen name, with the extension of the filter's first pattern when it has none.
  static QString WithDefaultSuffix(const QString& chosen, const std::string& filter);

 private:
  // A file is chosen over the window that asked for it (an editor's "Ouvrir"), else over the
  // main window.
  QWidget* FileDialogOwner() const;

  QWidget* parent_;
};

}  // namespace shell
