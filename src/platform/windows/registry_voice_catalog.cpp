#include "platform/windows/registry_voice_catalog.h"

#include <windows.h>

namespace platform {

std::vector<std::vector<ports::VoiceInfo>> RegistryVoiceCatalog::ListBySource() {
  std::vector<std::vector<ports::VoiceInfo>> sources;
  int visited = 0;
  for (const std::string& path : tokenPaths_) {
    // A missing key is an empty source, so that the sources keep their places.
    std::vector<ports::VoiceInfo>& voices = sources.emplace_back();
    HKEY tokens = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &tokens) != ERROR_SUCCESS) {
      continue;
    }
    for (DWORD index = 0; visited < kMaxVisited; ++index) {
      char name[256];
      DWORD length = sizeof name;
      const LONG found =
          RegEnumKeyExA(tokens, index, name, &length, nullptr, nullptr, nullptr, nullptr);
      if (found == ERROR_NO_MORE_ITEMS) break;
      ++visited;
      if (found != ERROR_SUCCESS) continue;
      HKEY token = nullptr;
      if (RegOpenKeyExA(tokens, name, 0, KEY_READ, &token) != ERROR_SUCCESS) continue;
      RegCloseKey(token);
      voices.push_back({name, "HKEY_LOCAL_MACHINE\\" + path + "\\" + name});
    }
    RegCloseKey(tokens);
  }
  return sources;
}

}  // namespace platform
