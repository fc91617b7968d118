#include "platform/windows/shell_desktop.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace platform {

void ShellDesktop::Open(const std::filesystem::path& path) {
  // The wide call takes any folder name, whatever the system's code page. A missing file or
  // viewer is not the program's to report.
  const HINSTANCE opened =
      ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // Above 32 is success; at or below, a Win32 error code.
  if (observer_) {
    observer_("ShellExecute(\"open\")", static_cast<long>(reinterpret_cast<INT_PTR>(opened)));
  }
}

}  // namespace platform
