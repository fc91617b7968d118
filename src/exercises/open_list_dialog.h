#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "base/random.h"
#include "exercises/word_list.h"
#include "ports/clock.h"
#include "ports/dialog_host.h"
#include "ports/user_dialogs.h"

namespace exercises {

// What a change in the word-list dialog sets off elsewhere in the program.
class ListActions {
 public:
  virtual ~ListActions() = default;
  // While the settings file is being applied, the dialog's handlers do nothing.
  virtual bool SettingsLoading() const = 0;
  virtual void SaveSettings() = 0;
  virtual void AutoAdvanceChanged(std::int32_t seconds) = 0;
  // The help (or the solution) button of the dictation is shown or hidden at once.
  virtual void DictationButtonShownChanged(bool helpButton) = 0;
  // Where the sample lists are: the first folder the file dialogs show.
  virtual std::filesystem::path ListFolder() const = 0;
};

// "Listes de mots": the word-list dialog. The fields are its controls; the window only shows
// them and calls the handlers.
class COpenList2 {
 public:
  static constexpr std::size_t kListPathCapacity = 4096;  // including the terminating zero
  static constexpr std::array<const char*, 8> kAutoAdvanceItems = {
      "jamais",       "apr\xE8s 3s",  "apr\xE8s 5s",  "apr\xE8s 7s",
      "apr\xE8s 10s", "apr\xE8s 15s", "apr\xE8s 20s", "apr\xE8s 30s"};
  static constexpr std::array<std::int32_t, 8> kAutoAdvanceSeconds = {0, 3, 5, 7, 10, 15, 20, 30};
  static constexpr const char* kFileFilter =
      "Fichiers TXT  (*.txt)|*.txt|Tous les fichiers (*.*)|*.*||";
  static constexpr const char* kListFolderName = "Liste-de-mots";

  COpenList2(ports::DialogHost& host, ports::UserDialogs& dialogs, ListActions& actions,
             WordList& list, base::RandomGenerator& random, ports::Clock& clock)
      : host_(host),
        dialogs_(dialogs),
        actions_(actions),
        list_(list),
        random_(random),
        clock_(clock) {}

  bool hideHelp = false;                   // "Cacher le bouton aide"
  bool randomDraw = false;                 // "Tirage aléatoire dans la liste"
  bool hideSolution = false;               // "Cacher le bouton Solution"
  std::int32_t autoAdvanceSelection = -1;  // -1 for none
  std::string listText;                    // lines separated by CR LF
  std::string listPath;                    // path of the current list file (Windows-1252)

  // Sets the path, cut to what the settings file can hold.
  void SetListPath(std::string path);
  // Reads a list file into the word list and the edit box, then draws; a file that cannot be
  // read gives an empty list.
  void LoadList(const std::string& path);
  // The draw with the state of "Tirage aléatoire dans la liste".
  void Draw();

  // Control handlers, as the window calls them.
  void OnClose();
  // "Ouvrir une liste ": also what the dictation does when asked for a word without a list.
  void OpenList();
  // "Enregistrer la liste": the box's text as it stands.
  void SaveList();
  // The user typed in the box: its lines become the list, in the box's order.
  void OnListTextEdited(std::string text);
  void OnRandomClicked(bool ticked);
  void OnHideHelpClicked(bool ticked);
  void OnHideSolutionClicked(bool ticked);
  void OnAutoAdvanceChanged(std::int32_t item);
  // "Revoir mes mots ratés".
  void OnReviewClicked();
  std::function<void()> reviewMissedWords;

 private:
  // Tells the teacher that only the first 1000 entries were kept.
  void WarnTooMany(int given);
  // Names the entries that hold a character no key shows.
  void WarnCannotBeWritten();

  ports::DialogHost& host_;
  ports::UserDialogs& dialogs_;
  ListActions& actions_;
  WordList& list_;
  base::RandomGenerator& random_;
  ports::Clock& clock_;
  // The box held more lines than the list keeps at the last edit: told once, not at every key.
  bool boxOverflowTold_ = false;
};

}  // namespace exercises
