#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "exercises/editor_actions.h"
#include "exercises/exercise_markup.h"
#include "ports/dialog_host.h"
#include "ports/user_dialogs.h"

namespace exercises {

// "Edition du texte": the text exercise editor. Its text is the text of the Français or the
// arithmetic module; the grid is made from it, and the grid writes itself back into it.
class CCEdit {
 public:
  static constexpr const char* kCaption =
      "\xC9"
      "dition du texte (maximum : 8 lignes et 40 caract\xE8res par ligne)";
  static constexpr const char* kOpen = "Ouvrir";
  static constexpr const char* kSave = "Enregistrer";
  static constexpr const char* kClearAll = "Effacer tout";
  static constexpr const char* kLink =
      " Lier les caract\xE8res d'un mot (  s\xE9lection ou texte entier )";
  static constexpr const char* kUnlink = "D\xE9lier ( s\xE9lection ou texte entier )";
  static constexpr const char* kHide = "Cacher le(s) mot(s) s\xE9lectionn\xE9(s)";
  static constexpr const char* kMakeVisible = "Rendre visible ( s\xE9lection ou texte entier )";
  static constexpr const char* kFix = "Fixer l'exercice";
  static constexpr const char* kClose = "Fermer";
  static constexpr const char* kApply = "Appliquer";               // not shown
  static constexpr const char* kLinkAll = "Lier tous les mots";    // not shown
  static constexpr const char* kHideAll = "Cacher tous les mots";  // not shown
  static constexpr const char* kFileFilter = "Fichiers Texte ( *.txt ) |*.txt";
  static constexpr const char* kProposedName = "Nom_Fichier.txt";
  // The sample exercises, in the program folder and in the user's copy of them.
  static constexpr const char* kExerciseFolderName = "Exercices";

  // exerciseFolder: the teacher's exercises, where "Ouvrir" and "Enregistrer" start (never the
  // folder of the program's own files).
  CCEdit(ports::DialogHost& host, ports::UserDialogs& dialogs, EditorActions& actions,
         std::filesystem::path exerciseFolder);

  std::string text;  // the marked-up text, lines separated by CR LF
  // The selection in text (start == end: the caret alone).
  std::size_t selectionStart = 0;
  std::size_t selectionEnd = 0;
  bool fixed = false;      // "Fixer l'exercice"
  bool wordWrap = false;   // the text breaks at the box's width once the exercise was fixed
  std::string loadedCopy;  // not shown: the last text read from a file

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

  // Control handlers, as the window calls them.
  // The teacher changed the text: the grid follows (or the fixed exercise is made again).
  void OnTextChanged(std::string newText, std::size_t start, std::size_t end);
  void OnSelectionChanged(std::size_t start, std::size_t end);
  void OnHideClicked();
  void OnHideAllClicked();
  void OnMakeVisibleClicked();
  void OnLinkClicked();
  void OnLinkAllClicked();
  void OnUnlinkClicked();
  void OnFixClicked(bool ticked);
  void OnApplyClicked();
  void OnClearAllClicked();
  // "Ouvrir" and "Enregistrer" ask for a file; false when nothing was read or written.
  bool OnOpenClicked();
  bool OnSaveClicked();
  void OnCloseClicked();

  // A text-exercise file as "Ouvrir" reads it: its module chosen, its text shown and laid down,
  // fixed as it was saved. False when it cannot be read.
  bool ReadExerciseFile(const std::filesystem::path& path);

 private:
  void ApplyMarkup(MarkedText (*operation)(const MarkedText&));
  // The text changed: the grid is made from it again.
  void AfterTextChange();
  void Fix();

  ports::DialogHost& host_;
  ports::UserDialogs& dialogs_;
  EditorActions& actions_;
  std::filesystem::path exerciseFolder_;
};

}  // namespace exercises
