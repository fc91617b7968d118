#include "shell_application.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "shell/scribix_app.h"

namespace testing_support {

namespace {

// The offscreen platform's screen is 800 × 600 unless told otherwise; the tests run on a common
// 1920 × 1080 screen, as the program is fitted to the screen it is on.
std::string ScreenOption() {
  const auto config = std::filesystem::temp_directory_path() / "scribix-shell-tests-screen.json";
  std::ofstream(config)
      << R"({"screens": [{"name": "ecran", "x": 0, "y": 0, "width": 1920,)"
         R"( "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
  return "offscreen:configfile=" + config.string();
}

}  // namespace

QApplication& ShellApplication() {
  static int argc = 3;
  static char name[] = "shell_tests";
  static char platformSwitch[] = "-platform";
  static std::string platform = ScreenOption();
  static char* argv[] = {name, platformSwitch, platform.data(), nullptr};
  static QApplication* application = [] {
    auto* a = new QApplication(argc, argv);
    shell::CScribixApp::LoadFrenchTranslations(*a);
    return a;
  }();
  return *application;
}

}  // namespace testing_support
