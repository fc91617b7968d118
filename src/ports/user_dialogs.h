#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "gfx/colour.h"

namespace ports {

enum class MessageButtons { kOk, kYesNo };
enum class MessageIcon { kNone, kInformation, kWarning, kError };
enum class MessageAnswer { kOk, kYes, kNo };
// Whether a name typed without an extension is given the filter's.
enum class FileExtension { kFromFilter, kAsTyped };

// Modal dialogs of the platform. Texts are Windows-1252.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  virtual MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                   MessageButtons buttons, MessageIcon icon) = 0;
  // filter: "Name|*.ext|Name|*.*||"; gives the chosen path, or nothing when cancelled.
  virtual std::optional<std::filesystem::path> OpenFile(const std::string& filter,
                                                        const std::filesystem::path& initialFolder,
                                                        const std::string& proposedName) = 0;
  virtual std::optional<std::filesystem::path> SaveFile(
      const std::string& filter, const std::filesystem::path& initialFolder,
      const std::string& proposedName, FileExtension extension = FileExtension::kFromFilter) = 0;
  virtual std::optional<gfx::Colour> ChooseColour(gfx::Colour initial) = 0;
};

}  // namespace ports
