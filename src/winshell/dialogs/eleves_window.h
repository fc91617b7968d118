#pragma once

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "winshell/dialogs/dialog_window.h"

namespace app {
class CEleves;
}

namespace winshell {

class WinDialogHost;

// The window "Élèves": the children of the class with their pictures, and the class folder.
// It shows its model and hands every action to the model's handlers; closing it only hides it.
class CElevesWindow : public DialogWindow {
 public:
  // Registers itself with the host, hidden.
  CElevesWindow(app::CEleves& model, WinDialogHost& host, HINSTANCE instance, HWND owner);
  ~CElevesWindow() override;

  void ShowModel();
  // Asks the teacher for the class folder (a test answers instead); nothing: nothing chosen.
  std::function<std::optional<std::filesystem::path>()> chooseFolder;

  // The children as the list shows them: name and picture.
  struct Row {
    std::string name;
    int look = 0;
    bool operator==(const Row&) const = default;
  };
  std::vector<Row> ShownChildren() const;
  // The row selected in the list, -1 for none.
  int ShownSelection() const;

 private:
  struct ImageListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
  };

  void OnInit() override;
  void OnCommand(int id, int code) override;
  void OnNotify(const NMHDR& header) override;
  void TakeName();
  // Runs a handler with the name typed, then shows what the model made of it.
  template <typename Handler>
  void Apply(Handler handler);
  void ShowChildren();

  app::CEleves& model_;
  WinDialogHost& host_;
  // The children's pictures, shared by the list and the picture choice.
  std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter> looks_;
  bool acting_ = false;
};

}  // namespace winshell
