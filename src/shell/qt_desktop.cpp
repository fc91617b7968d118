#include "shell/qt_desktop.h"

#include <QDesktopServices>
#include <QUrl>

#include "shell/qt_text.h"

namespace shell {

void QtDesktop::Open(const std::filesystem::path& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQt(path)));
}

}  // namespace shell
