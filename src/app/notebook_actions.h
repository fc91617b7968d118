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
// the words to practise again.
class NotebookActions {
 public:
  static constexpr const char* kReportFileName = "bilan.html";
  static constexpr const char* kReviewListName = "Mots-a-revoir.txt";
  // The sittings at the dictation whose missed words are practised again.
  static constexpr int kReviewSessions = 3;
  static constexpr const char* kNothingToReview =
      "Bravo ! Tu n'as aucun mot \xE0 revoir dans tes 3 derni\xE8res s\xE9"
      "ances.";
  static constexpr const char* kCsvFilter = "Fichiers CSV (*.csv)|*.csv||";

  struct Parts {
    const base::AppState& state;
    ports::Platform& platform;
    speech::SpeechEngine& speech;
    exercises::COpenList2& listDialog;
    // The dictation module shown and its first entry laid out, a new sitting begun.
    std::function<void()> startDictation;
  };

  NotebookActions(const std::filesystem::path& dataFolder, Parts parts)
      : parts_(std::move(parts)), journal_(dataFolder, parts_.platform.clock) {}

  base::WorkLog& Log() { return journal_; }
  const notebook::JournalWriter& Journal() const { return journal_; }

  // "Bilan": the report of the period written beside the journal and opened in the browser.
  void ShowReport(notebook::ReportPeriod period);
  // "Exporter (CSV)": the journal where the teacher chooses.
  void ExportCsv();
  // "Revoir mes mots ratés": the words not right the first time in the last sittings, as a
  // word list in the data folder, dictated at once. None: the child is told so, aloud too.
  void ReviewMissedWords();

 private:
  std::filesystem::path Folder() const { return parts_.state.dataFolder; }
  void Tell(const std::string& text, bool aloud);

  Parts parts_;
  notebook::JournalWriter journal_;
};

}  // namespace app
