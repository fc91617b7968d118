#pragma once

#include <filesystem>
#include <string>

#include "ports/dialog_host.h"

namespace exercises {

// "Edition du texte": the text exercise editor. Its text is the text of the Français or the
// arithmetic module.
class CCEdit {
 public:
  explicit CCEdit(ports::DialogHost& host) : host_(host) {}

  std::string text;    // 1009, the marked-up text, lines separated by CR LF
  bool fixed = false;  // 1048 "Fixer l'exercice"

  // The program sets the text (the window shows it; the grid is not refilled from it).
  void SetTextFromProgram(std::string newText);
  void SetFixedFromProgram(bool on);

  // The text kept in a text-exercise file, when there is one: the editor shows it and whether it
  // was fixed. Without a readable file the editor stays as it is and the answer is false.
  bool LoadExerciseFile(const std::filesystem::path& path);
  // The editor's text into a text-exercise file, replaced as a whole; false when it could not be
  // written.
  bool SaveExerciseFile(const std::filesystem::path& path, bool mathModule, int cellsIndex,
                        int linesIndex) const;

 private:
  ports::DialogHost& host_;
};

}  // namespace exercises
