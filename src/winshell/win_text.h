#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "text/cp1252.h"

namespace winshell {

// Program text (Windows-1252) to and from the wide strings of the system's calls.
inline std::wstring Wide(std::string_view cp1252) {
  const std::u16string utf16 = text::ToUtf16(cp1252);
  return std::wstring(utf16.begin(), utf16.end());
}
inline std::string FromWide(std::wstring_view wide) {
  return text::FromUtf16(std::u16string(wide.begin(), wide.end()));
}

// Paths cross the system boundary in UTF-16 only: a folder named with any letter works.
inline std::filesystem::path PathFromWide(const wchar_t* wide) {
  return std::filesystem::path(std::wstring(wide));
}

}  // namespace winshell
