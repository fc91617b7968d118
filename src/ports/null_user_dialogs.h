#pragma once

#include "ports/user_dialogs.h"

namespace ports {

// Dialogs nobody sees: a yes-or-no question is answered no, every chooser is cancelled.
class NullUserDialogs : public UserDialogs {
 public:
  MessageAnswer MessageBox(const std::string&, const std::string&, MessageButtons buttons,
                           MessageIcon) override {
    return buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
  }
  std::optional<std::filesystem::path> OpenFile(const std::string&, const std::filesystem::path&,
                                                const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::filesystem::path> SaveFile(const std::string&, const std::filesystem::path&,
                                                const std::string&, FileExtension) override {
    return std::nullopt;
  }
  std::optional<gfx::Colour> ChooseColour(gfx::Colour) override { return std::nullopt; }
};

}  // namespace ports
