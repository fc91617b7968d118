#include "support/temp_folder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace testing_support {

TempFolder::TempFolder() {
  std::random_device device;
  for (;;) {
    path_ = std::filesystem::temp_directory_path() / ("scribix-test-" + std::to_string(device()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testing_support
