#include <QApplication>
#include <memory>

#include "ports/system_clock.h"
#include "shell/scribix_app.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Scribix"));
  shell::CScribixApp::LoadFrenchTranslations(application);

  shell::CScribixApp scribix(std::make_unique<ports::SystemClock>());
  if (!scribix.InitInstance(shell::CScribixApp::DefaultFolders())) return 1;
  if (const auto ms = shell::CScribixApp::QuitAfterArgument(QApplication::arguments())) {
    scribix.QuitAfter(*ms);
  }
  return QApplication::exec();
}
