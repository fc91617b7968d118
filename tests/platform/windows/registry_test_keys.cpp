#include "registry_test_keys.h"

#include <algorithm>

namespace testing_registry {

namespace {

class OpenKey {
 public:
  explicit OpenKey(const std::string& path, REGSAM access = KEY_READ) {
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool KeyExists(const std::string& path) {
  return OpenKey(path).get() != nullptr;
}

std::optional<std::string> FirstMissingKey(const std::string& path) {
  for (std::size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
    const std::string prefix = path.substr(0, end);
    if (!KeyExists(prefix)) return prefix;
    if (end == std::string::npos) return std::nullopt;
  }
}

void CreateKey(const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) == ERROR_SUCCESS) {
    RegCloseKey(key);
  }
}

void SetText(const std::string& path, const std::string& name, const std::string& data) {
  OpenKey key(path, KEY_SET_VALUE);
  RegSetValueExA(key.get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
}

std::optional<StoredValue> ReadValue(const std::string& path, const std::string& name) {
  OpenKey key(path);
  if (key.get() == nullptr) return std::nullopt;
  const char* valueName = name.empty() ? nullptr : name.c_str();
  StoredValue value;
  if (RegQueryValueExA(key.get(), valueName, nullptr, &value.type, nullptr, &value.size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::string bytes(value.size, '\0');
  DWORD size = value.size;
  RegQueryValueExA(key.get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(bytes.data()),
                   &size);
  // The text without the terminating zero that the stored size counts.
  value.data = bytes.substr(0, bytes.find('\0'));
  return value;
}

std::vector<std::string> ValueNames(const std::string& path) {
  OpenKey key(path);
  std::vector<std::string> names;
  for (DWORD index = 0;; ++index) {
    char name[16384];
    DWORD length = sizeof name;
    if (RegEnumValueA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> SubkeyNames(const std::string& path) {
  OpenKey key(path);
  std::vector<std::string> names;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  return names;
}

void MadeKeys::WillMake(const std::string& path) {
  const std::optional<std::string> missing = FirstMissingKey(path);
  if (!missing) return;
  const bool inside = std::any_of(made_.begin(), made_.end(), [&](const std::string& made) {
    return *missing == made || missing->starts_with(made + "\\");
  });
  if (!inside) made_.push_back(*missing);
}

MadeKeys::~MadeKeys() {
  for (const std::string& path : made_) RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
}

}  // namespace testing_registry
