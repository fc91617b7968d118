#include "shell_application.h"

#include "shell/scribix_app.h"

namespace testing_support {

QApplication& ShellApplication() {
  static int argc = 1;
  static char name[] = "shell_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    auto* a = new QApplication(argc, argv);
    shell::CScribixApp::LoadFrenchTranslations(*a);
    return a;
  }();
  return *application;
}

}  // namespace testing_support
