#pragma once

#include <string>

namespace app {
class CScribixView;
}

namespace exercises {

// "Edition du texte": the text exercise editor. Its text is the text of the Français or the
// arithmetic module.
class CCEdit {
 public:
  explicit CCEdit(app::CScribixView& view) : view_(view) {}

  std::string text;    // 1009, the marked-up text, lines separated by CR LF
  bool fixed = false;  // 1048 "Fixer l'exercice"

  // The program sets the text (the window shows it; the grid is not refilled from it).
  void SetTextFromProgram(std::string newText);
  void SetFixedFromProgram(bool on);

 private:
  app::CScribixView& view_;
};

}  // namespace exercises
