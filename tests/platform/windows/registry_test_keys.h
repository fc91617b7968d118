#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_registry {

bool KeyExists(const std::string& path);

// The outermost key of `path` that does not exist yet, or nothing when `path` exists.
std::optional<std::string> FirstMissingKey(const std::string& path);

void CreateKey(const std::string& path);
void SetText(const std::string& path, const std::string& name, const std::string& data);

struct StoredValue {
  DWORD type = REG_NONE;
  DWORD size = 0;  // bytes, as stored
  std::string data;
};
std::optional<StoredValue> ReadValue(const std::string& path, const std::string& name);
// The key's value names, "" for its default value.
std::vector<std::string> ValueNames(const std::string& path);
std::vector<std::string> SubkeyNames(const std::string& path);

// Keys below HKEY_LOCAL_MACHINE made by a test: every key the test creates through it, and every
// key above them that was missing, is deleted again at the end.
class MadeKeys {
 public:
  MadeKeys() = default;
  ~MadeKeys();
  MadeKeys(const MadeKeys&) = delete;
  MadeKeys& operator=(const MadeKeys&) = delete;

  // Remembers what is missing of `path` before something creates it.
  void WillMake(const std::string& path);
  void Make(const std::string& path) {
    WillMake(path);
    CreateKey(path);
  }
  // Outermost first: the keys the test made, as they were found missing.
  const std::vector<std::string>& Made() const { return made_; }

 private:
  std::vector<std::string> made_;
};

}  // namespace testing_registry
