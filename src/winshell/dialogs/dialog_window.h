#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace winshell {

// Program text (Windows-1252) and the system's UTF-16.
std::wstring Wide(std::string_view cp1252);
std::string Narrow(std::wstring_view utf16);

// A GDI object deleted with its owner.
struct GdiDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

// The font of a window made bigger (scale) or bolder.
GdiObject<HFONT> DerivedFont(HWND window, double scale, bool bold);

// A dialog made from its template in the resources. A modeless one is made hidden and lives as
// long as its object; a modal one is made and ended by RunModal. The controls' notifications go to
// the virtual handlers below; those that arrive while the program puts its model into the controls
// are the program's own, and the windows drop them (see Showing).
class DialogWindow {
 public:
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  virtual ~DialogWindow();

  // Null when the template could not be made into a window.
  HWND Handle() const { return window_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }

  // The text of a control, in Windows-1252; and set when it differs.
  std::string ItemText(int id) const;
  void ShowItemText(int id, std::string_view cp1252);
  bool Ticked(int id) const;
  void ShowTicked(int id, bool ticked);
  // The selected item of a combo box, -1 for none.
  std::int32_t Selection(int id) const;
  // An item the list does not have leaves it without a selection.
  void ShowSelection(int id, std::int32_t item);
  void FillList(int id, const std::vector<std::string>& items);
  std::vector<std::string> ListItems(int id) const;
  // The tip a control shows under the mouse; empty when it has none.
  std::string TipText(int id) const;

 protected:
  DialogWindow() = default;

  // For the constructor of the window: the hidden modeless dialog.
  void Create(HINSTANCE instance, int templateId, HWND owner);
  // Runs the dialog modally and returns once it is ended.
  void RunModal(HINSTANCE instance, int templateId, HWND owner);
  void EndModal();
  // A tip shown while the mouse rests on the control.
  void AddTip(int id, std::string_view cp1252);

  virtual void OnInit() {}
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  virtual void OnNotify(const NMHDR& /*header*/) {}
  virtual void OnScroll(HWND /*control*/) {}
  // The brush (and the colours set into dc) of a control or the dialog; null for the system's.
  virtual HBRUSH OnColour(HDC /*dc*/, HWND /*control*/) { return nullptr; }
  // Escape and the close box: a modeless dialog is only hidden.
  virtual void OnCancel();

  // True while the program shows its model: the notifications then are not the user's.
  bool Showing() const { return showing_ > 0; }
  class ShowingScope {
   public:
    explicit ShowingScope(DialogWindow& window) : window_(window) { ++window_.showing_; }
    ~ShowingScope() { --window_.showing_; }
    ShowingScope(const ShowingScope&) = delete;
    ShowingScope& operator=(const ShowingScope&) = delete;

   private:
    DialogWindow& window_;
  };

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  // The tips of the controls, made with the first; gone with the dialog, which owns it.
  HWND tips_ = nullptr;
  bool modal_ = false;
  int showing_ = 0;
};

}  // namespace winshell
