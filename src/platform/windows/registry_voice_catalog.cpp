#include "platform/windows/registry_voice_catalog.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// The token's "Attributes" subkey, value "Language"; empty when it has none.
std::string LanguageAttribute(HKEY token) {
  char data[256] = {};
  DWORD size = sizeof data - 1;
  DWORD type = REG_NONE;
  if (RegGetValueA(token, "Attributes", "Language", RRF_RT_REG_SZ, &type, data, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  return data;
}

}  // namespace

bool IsFrenchVoice(std::string_view name, std::string_view languageAttribute) {
  std::size_t start = 0;
  while (start < languageAttribute.size()) {
    const std::size_t end = std::min(languageAttribute.find(';', start), languageAttribute.size());
    const std::string id(languageAttribute.substr(start, end - start));
    start = end + 1;
    char* rest = nullptr;
    const unsigned long value = std::strtoul(id.c_str(), &rest, 16);
    if (rest != id.c_str() && (value & 0x3FF) == 0x0C) return true;
  }
  const std::string lower = Lower(name);
  for (const char* french : {"hortense", "virginie", "harmonie", "julie", "audrey"}) {
    if (lower.find(french) != std::string::npos) return true;
  }
  return false;
}

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
      const bool french = IsFrenchVoice(name, LanguageAttribute(token));
      RegCloseKey(token);
      voices.push_back({name, "HKEY_LOCAL_MACHINE\\" + path + "\\" + name, french});
    }
    RegCloseKey(tokens);
  }
  return sources;
}

}  // namespace platform
