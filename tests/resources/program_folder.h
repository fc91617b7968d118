#pragma once

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace resources_test {

std::filesystem::path ProgramFolder();
std::filesystem::path SourceFolder();

// The picture files of the icon bar, each once, from the program's table.
const std::vector<std::string>& IconNames();
// The files the build expects resgen to write, relative to the program folder ('/' between
// folders, UTF-8).
const std::vector<std::string>& GeneratedFiles();

// A picture decoded the way the program decodes it (Qt's readers); null when it cannot be read.
QImage ReadPicture(const std::filesystem::path& path);

}  // namespace resources_test
