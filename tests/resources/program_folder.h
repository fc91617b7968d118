#pragma once

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace resources_test {

std::filesystem::path ProgramFolder();
std::filesystem::path SourceFolder();

// The picture files of the icon bar, as the program names them.
const std::vector<std::string>& IconNames();
// The letter keyboard pictures, by colour scheme and page.
std::string KeyboardName(int scheme, int page);

// A picture decoded the way the program decodes it (Qt's readers); null when it cannot be read.
QImage ReadPicture(const std::filesystem::path& path);

}  // namespace resources_test
