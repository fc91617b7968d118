#include "program_folder.h"

#include <QImageReader>

#include "shell/qt_text.h"

namespace resources_test {

std::filesystem::path ProgramFolder() {
  return SCRIBIX_PROGRAM_FOLDER;
}
std::filesystem::path SourceFolder() {
  return SCRIBIX_SOURCE_FOLDER;
}

const std::vector<std::string>& IconNames() {
  static const std::vector<std::string> names = {
      "abc.bmp",          "123.bmp",         "List.bmp",           "iconraz36.bmp",
      "openP2.bmp",       "saveP2.bmp",      "icondisperse36.bmp", "oeil36.bmp",
      "motsuivant.bmp",   "play.bmp",        "stop.bmp",           "consigne36.bmp",
      "wizard.bmp",       "Solution.bmp",    "Listconfig.bmp",     "Hpon36.bmp",
      "Hpoff36.bmp",      "clavieron36.bmp", "clavieroff36.bmp",   "icondedit36.bmp",
      "configpuzzle.bmp", "couleur36.bmp",   "help.bmp",           "iconquit36.bmp",
      "trash2.bmp"};
  return names;
}

std::string KeyboardName(int scheme, int page) {
  static const char* const kNames[3][4] = {
      {"Arial.bmp", "ArialM.bmp", "CArial.bmp", "CArialM.bmp"},
      {"ArialCV.bmp", "ArialMCV.bmp", "CArialCV.bmp", "CArialMCV.bmp"},
      {"ArialN.bmp", "ArialMN.bmp", "CArialN.bmp", "CArialMN.bmp"},
  };
  return kNames[scheme][page];
}

QImage ReadPicture(const std::filesystem::path& path) {
  // The fireworks frames end in a number, not in a known extension: Qt finds the format from the
  // content, as the program's loader does.
  QImageReader reader(shell::PathToQt(path));
  reader.setDecideFormatFromContent(true);
  return reader.read().convertToFormat(QImage::Format_RGB32);
}

}  // namespace resources_test
