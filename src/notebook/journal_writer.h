#pragma once

#include <filesystem>

#include "base/work_log.h"
#include "ports/clock.h"

namespace notebook {

inline constexpr const char* kJournalFileName = "journal.txt";
inline constexpr const char* kJournalReadmeName = "journal-LISEZMOI.txt";

// The child's journal in the data folder: one line per event, added at the end and synced to the
// disk before Record returns, so that a program killed loses at most the word in progress. A
// folder where nothing can be written gives no journal and no message: the child works on.
class JournalWriter final : public base::WorkLog {
 public:
  JournalWriter(std::filesystem::path dataFolder, ports::Clock& clock)
      : folder_(std::move(dataFolder)), clock_(clock) {}

  void Record(const base::WorkEvent& event) override;

  std::filesystem::path Path() const { return folder_ / kJournalFileName; }
  // The events that could not be written.
  int Failures() const { return failures_; }

 private:
  // Before the first line of this run: the README once, and a line break after a last line a
  // killed program left unfinished, so that the new line does not join it.
  void Open();

  std::filesystem::path folder_;
  ports::Clock& clock_;
  bool opened_ = false;
  int failures_ = 0;
};

// What the README beside the journal says of its format (UTF-8).
extern const char* const kJournalReadme;

}  // namespace notebook
