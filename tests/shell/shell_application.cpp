#include "shell_application.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "shell/scribix_app.h"

namespace testing_support {

namespace {

// The offscreen platform's screen is 800 × 600 unless told otherwise; the tests run on a common
// 1920 × 1080 screen, as the program is fitted to the screen it is on. Test processes start side
// by side and share the file: it is written aside and renamed into place, so that one process
// never reads it half written by another.
std::string ScreenOption() {
  const auto folder = std::filesystem::temp_directory_path();
  const auto config = folder / "scribix-shell-tests-screen.json";
  const auto aside = folder / ("scribix-shell-tests-screen." + std::to_string(getpid()));
  {
    std::ofstream out(aside);
    out << R"({"screens": [{"name": "ecran", "x": 0, "y": 0, "width": 1920,)"
           R"( "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
  }
  std::error_code ignored;
  std::filesystem::rename(aside, config, ignored);
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
