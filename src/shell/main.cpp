#include <QApplication>

#include "shell/scribix_app.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Scribix"));
  shell::CScribixApp::LoadFrenchTranslations(application);

  shell::CScribixApp scribix;
  if (!scribix.InitInstance(shell::CScribixApp::DefaultFolders())) return 1;
  if (const auto ms = shell::CScribixApp::QuitAfterArgument(QApplication::arguments())) {
    scribix.QuitAfter(*ms);
  }
  return QApplication::exec();
}
