#include "support/temp_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace testing_support {

namespace {

// Saves wait until their bytes are on the disk: the tests, which save thousands of times, save
// in memory where the system has a memory file system, unless TMPDIR says where to.
std::filesystem::path TestsTemporaryFolder() {
  std::error_code ec;
  const std::filesystem::path memory = "/dev/shm";
  if (std::getenv("TMPDIR") == nullptr && std::filesystem::is_directory(memory, ec) &&
      access(memory.c_str(), W_OK | X_OK) == 0) {
    return memory;
  }
  return std::filesystem::temp_directory_path();
}

}  // namespace

TempFolder::TempFolder() {
  std::random_device device;
  const std::filesystem::path parent = TestsTemporaryFolder();
  for (;;) {
    path_ = parent / ("scribix-test-" + std::to_string(device()));
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
