#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "winshell/dialogs/dialog_window.h"

namespace exercises {
class CCEdit;
}

namespace winshell {

class WinDialogHost;

// The window of the text exercise editor: the marked-up text in a rich edit box, the buttons
// that mark it up, the fixed exercise and its files. It shows its model and hands every change to
// the model's handlers; "Fermer" and Escape only hide it. The rich edit box must be loaded
// (Msftedit.dll) before the window is made.
class CCEditWindow : public DialogWindow {
 public:
  // Registers itself with the host, hidden.
  CCEditWindow(exercises::CCEdit& model, WinDialogHost& host, HINSTANCE instance, HWND owner);
  ~CCEditWindow() override;

  // The model's state in the controls, without calling its handlers.
  void ShowModel();

  // The editor's text (CR LF between lines, Windows-1252) as the box holds it (one CR between
  // paragraphs), and back; and a position in the one as a position in the other.
  static std::wstring ShownText(std::string_view text);
  static std::string ModelText(std::wstring_view shown);
  static std::size_t ModelPosition(std::wstring_view shown, long position);
  static long ShownPosition(std::string_view text, std::size_t position);

  // The box's text as it holds it.
  std::wstring BoxText() const;
  // The box's selection as positions in the model's text.
  std::pair<std::size_t, std::size_t> Selection() const;

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;
  void OnNotify(const NMHDR& header) override;
  void OnCancel() override;
  // Runs a command of the model and shows its result; a check box that acts as a button is
  // unticked first and the selection handed over.
  void Command(int box, void (exercises::CCEdit::*handler)());
  void TextEdited();
  void ShowBoxText(int id, std::string_view text);

  exercises::CCEdit& model_;
  WinDialogHost& host_;
  GdiObject<HFONT> exerciseFont_;
};

}  // namespace winshell
