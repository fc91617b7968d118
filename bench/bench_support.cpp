#include "bench_support.h"

#include <fstream>
#include <string>

namespace bench {

std::filesystem::path ProgramFolder() {
  return SCRIBIX_PROGRAM_FOLDER;
}

std::filesystem::path ScratchFolder() {
  auto folder = std::filesystem::temp_directory_path() / "scribix-bench";
  std::filesystem::create_directories(folder);
  return folder;
}

long ResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kb = 0;
      status >> kb;
      return kb * 1024;
    }
  }
  return 0;
}

}  // namespace bench
