#include "program_folder.h"

#include <QImageReader>
#include <algorithm>
#include <fstream>

#include "base/icon_ids.h"
#include "shell/qt_text.h"

namespace resources_test {

std::filesystem::path ProgramFolder() {
  return SCRIBIX_PROGRAM_FOLDER;
}
std::filesystem::path SourceFolder() {
  return SCRIBIX_SOURCE_FOLDER;
}

const std::vector<std::string>& IconNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> files;
    for (int i = 0; i < base::icons::kIconPictureCount; ++i) {
      const std::string file =
          base::icons::IconPictureFile(static_cast<base::icons::IconPicture>(i));
      if (std::find(files.begin(), files.end(), file) == files.end()) files.push_back(file);
    }
    return files;
  }();
  return names;
}

const std::vector<std::string>& GeneratedFiles() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> lines;
    std::ifstream in(SCRIBIX_GENERATED_LIST, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty()) lines.push_back(line);
    }
    return lines;
  }();
  return files;
}

QImage ReadPicture(const std::filesystem::path& path) {
  // The fireworks frames end in a number, not in a known extension: Qt finds the format from the
  // content, as the program's loader does.
  QImageReader reader(shell::PathToQt(path));
  reader.setDecideFormatFromContent(true);
  return reader.read().convertToFormat(QImage::Format_RGB32);
}

}  // namespace resources_test
