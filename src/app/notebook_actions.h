#pragma once

#include <filesystem>
#include <functional>

#include "base/app_state.h"
#include "exercises/open_list_dialog.h"
#include "notebook/journal_writer.h"
#include "notebook/report.h"
#include "ports/platform.h"
#include "speech/speech_engine.h"

namespace app {

// The child's notebook as the teacher and the child reach it: the journal the modules write
// into, the report opened in the browser, the journal exported for a spreadsheet, and the list of
// the words to practise again. All of them are the notebook of the child at work: the folder the
// program works in when the event comes or the button is pressed.
class NotebookActions final : public base::WorkLog {
 public:
  static constexpr const char* kReportFileName = "bilan.html";
  static constexpr const char* kReviewListName = "Mots-a-revoir.txt";
  // The sittings at the dictation whose missed words are practised again.
  static constexpr int kReviewSessions = 3;
  static constexpr const char* kNothingToReview =
      "Bravo ! Tu n'as aucun mot \xE0 revoir dans tes 3 derni\xE8res s\xE9"
      "ances.";
  static constexpr const char* kCsvFilter = "Fichiers CSV (*.csv)|*.csv||";
  static constexpr const char* kNoChildAtWork =
      "Aucun \xE9l\xE8ve n'est au travail : choisir d'abord un nom dans \xAB Qui travaille ? \xBB.";

  struct Parts {
    const base::AppState& state;
    ports::Platform& platform;
    speech::SpeechEngine& speech;
    exercises::COpenList2& listDialog;
    // The dictation module shown and its first entry laid out, a new sitting begun.
    std::function<void()> startDictation;
    // "Qui travaille ?" is shown: no child is at work, nothing is written for anyone.
    std::function<bool()> noChildAtWork;
    // The first name of the child at work (Windows-1252); empty without a class.
    std::function<std::string()> childName;
  };

  explicit NotebookActions(Parts parts)
      : parts_(std::move(parts)), journal_(parts_.state.dataFolder, parts_.platform.clock) {}

  base::WorkLog& Log() { return *this; }
  const notebook::JournalWriter& Journal() const { return journal_; }

  // An event of the child at work, into their journal.
  void Record(const base::WorkEvent& event) override;

  // "Bilan": the report of the period written beside the journal and opened in the browser.
  void ShowReport(notebook::ReportPeriod period);
  // "Exporter (CSV)": the journal where the teacher chooses.
  void ExportCsv();
  // "Revoir mes mots ratés": the words not right the first time in the last sittings, as a
  // word list in the data folder, dictated at once. None: the child is told so, aloud too.
  void ReviewMissedWords();

 private:
  std::filesystem::path Folder() const { return parts_.state.dataFolder; }
  std::filesystem::path JournalPath() const { return Folder() / notebook::kJournalFileName; }
  std::string ChildName() const;
  bool NoChildAtWork() const { return parts_.noChildAtWork && parts_.noChildAtWork(); }
  void Tell(const std::string& text, bool aloud);

  Parts parts_;
  notebook::JournalWriter journal_;
};

}  // namespace app
