#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ports/user_dialogs.h"
#include "winshell/win32.h"

namespace winshell {

// The system's message box with French buttons, and the common dialogs for files and colours.
class WinUserDialogs : public ports::UserDialogs {
 public:
  // owner is asked for when a dialog opens: the main window may not exist yet.
  explicit WinUserDialogs(std::function<HWND()> owner) : owner_(std::move(owner)) {}

  ports::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                  ports::MessageButtons buttons, ports::MessageIcon icon) override;
  std::optional<std::filesystem::path> OpenFile(const std::string& filter,
                                                const std::filesystem::path& initialFolder,
                                                const std::string& proposedName) override;
  std::optional<std::filesystem::path> SaveFile(const std::string& filter,
                                                const std::filesystem::path& initialFolder,
                                                const std::string& proposedName,
                                                ports::FileExtension extension) override;
  std::optional<gfx::Colour> ChooseColour(gfx::Colour initial) override;

  // "Name|*.ext|Name|*.*||" as the common dialogs read it: pairs of zero-ended strings, one more
  // zero at the end.
  static std::wstring CommonFilter(const std::string& filter);
  // The extension given to a name typed without one: the first pattern's, when it is "*.ext".
  static std::wstring DefaultExtension(const std::string& filter);

 private:
  std::function<HWND()> owner_;
  COLORREF customColours_[16] = {};
};

}  // namespace winshell
