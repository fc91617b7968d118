#include "app/notebook_actions.h"

#include "base/files.h"
#include "notebook/journal_csv.h"
#include "notebook/journal_reader.h"
#include "text/cp1252.h"

namespace app {

namespace {

constexpr const char* kPeriodNames[] = {"aujourd'hui", "cette semaine", "tout le travail"};

}  // namespace

void NotebookActions::Tell(const std::string& text, bool aloud) {
  if (aloud && parts_.state.soundOn == 1) {
    parts_.speech.Silence();
    parts_.speech.Speak(text);
  }
  parts_.platform.dialogs.MessageBox(text, "Scribix", ports::MessageButtons::kOk,
                                     ports::MessageIcon::kInformation);
}

void NotebookActions::ShowReport(notebook::ReportPeriod period) {
  const notebook::JournalContents journal = notebook::ReadJournal(journal_.Path());
  const std::int64_t now = parts_.platform.clock.CalendarSeconds();
  const notebook::Summary summary =
      notebook::Summarise(journal.lines, notebook::PeriodStart(period, now));
  const std::string html = notebook::ReportHtml(summary, kPeriodNames[static_cast<int>(period)],
                                                notebook::LocalDateTime(now));
  const std::filesystem::path path = Folder() / kReportFileName;
  if (!base::WriteFileAtomically(path, html)) {
    Tell(
        "Le bilan n'a pas pu \xEAtre \xE9"
        "crit dans le dossier " +
            text::TextFromPath(Folder()) + ".",
        false);
    return;
  }
  parts_.platform.desktop.Open(path);
}

void NotebookActions::ExportCsv() {
  const auto chosen = parts_.platform.dialogs.SaveFile(kCsvFilter, Folder(), "journal.csv");
  if (!chosen) return;
  const notebook::JournalContents journal = notebook::ReadJournal(journal_.Path());
  if (!base::WriteFileAtomically(*chosen, notebook::JournalCsv(journal.lines))) {
    Tell("Le fichier " + text::TextFromPath(chosen->filename()) +
             " n'a pas pu \xEAtre \xE9"
             "crit.",
         false);
  }
}

void NotebookActions::ReviewMissedWords() {
  const notebook::JournalContents journal = notebook::ReadJournal(journal_.Path());
  const std::vector<std::string> words = notebook::WordsToReview(journal.lines, kReviewSessions);
  if (words.empty()) {
    Tell(kNothingToReview, true);
    return;
  }
  // Written as a teacher's list is, so that it can be opened again like any other.
  std::string list;
  for (const std::string& word : words) list += text::FromUtf8(word) + "\r\n";
  const std::filesystem::path path = Folder() / kReviewListName;
  if (!base::WriteFileAtomically(path, list)) {
    Tell(
        "La liste des mots \xE0 revoir n'a pas pu \xEAtre \xE9"
        "crite dans le dossier " +
            text::TextFromPath(Folder()) + ".",
        false);
    return;
  }
  const std::string listPath = text::TextFromPath(path);
  parts_.listDialog.SetListPath(listPath);
  parts_.listDialog.LoadList(listPath);
  parts_.startDictation();
}

}  // namespace app
