#pragma once

#include <windows.h>

#include <filesystem>

#include "winshell/dialogs/dialog_window.h"

namespace exercises {
class COpenList2;
}

namespace winshell {

class WinDialogHost;

// The window of the word-list dialog: open, edit and save a list and choose how the dictation
// goes through it. It shows its model and hands every change of a control to the model's
// handler; closing it only hides it.
class COpenList2Window : public DialogWindow {
 public:
  // Registers itself with the host, hidden.
  COpenList2Window(exercises::COpenList2& model, WinDialogHost& host, HINSTANCE instance,
                   HWND owner, std::filesystem::path programFolder);
  ~COpenList2Window() override;

  // The model's state in the controls, without calling its handlers.
  void ShowModel();

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;
  HBRUSH OnColour(HDC dc, HWND control) override;
  template <typename Handler>
  void Apply(Handler handler);

  exercises::COpenList2& model_;
  WinDialogHost& host_;
  std::filesystem::path programFolder_;
  // The dialog's own light blue, behind every control but the list's box.
  GdiObject<HBRUSH> blue_;
  GdiObject<HBITMAP> helpPicture_;
  GdiObject<HBITMAP> solutionPicture_;
};

}  // namespace winshell
