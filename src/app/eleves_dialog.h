#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/class_session.h"
#include "ports/dialog_host.h"
#include "ports/user_dialogs.h"

namespace app {

// The window "Élèves": the teacher adds, renames and removes the children of the class, gives
// each a picture, and chooses the folder the class is kept in.
class CEleves {
 public:
  CEleves(ports::DialogHost& host, ports::UserDialogs& dialogs, ClassSession& session)
      : host_(host), dialogs_(dialogs), session_(session) {}

  // The child selected in the list, -1 for none.
  std::int32_t selection = -1;
  // The first name typed (Windows-1252).
  std::string nameText;
  // The picture chosen, 0 .. notebook::kLookCount - 1.
  std::int32_t lookSelection = 0;

  const ClassSession& Session() const { return session_; }
  // The class folder as the window shows it.
  std::string ClassFolderText() const;

  // Control handlers, as the window calls them.
  void OnSelect(std::int32_t child);
  void OnAdd();
  void OnRename();
  void OnRemove();
  void OnLookChanged(std::int32_t look);
  void OnClassFolderChosen(const std::filesystem::path& folder);

 private:
  // A change refused is told; the window shows the list as it is now.
  void After(const notebook::ChangeError& error);

  ports::DialogHost& host_;
  ports::UserDialogs& dialogs_;
  ClassSession& session_;
};

}  // namespace app
