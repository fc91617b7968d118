#include <windows.h>

#include <filesystem>
#include <fstream>

// Leaves "installer-ran" in its own folder, so a test sees that the shell started it.
int main() {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  std::ofstream(std::filesystem::path(self).parent_path() / "installer-ran") << "ran\n";
  return 0;
}
