#pragma once

#include <cstdint>
#include <string>

#include "base/module.h"

namespace base {

// What a child did that the teacher may want to read later. The modules tell it as it happens;
// they do not know where it goes.
enum class WorkEventKind {
  kSessionStart,  // a module taken up, or a new list or exercise in it
  kEntryShown,    // a dictation entry laid out and said
  kWrongAttempt,  // every answer cell holds a tile, and the answer is wrong
  kHelp,          // "Aide"
  kSolution,      // "Solution"
  kSkipped,       // "Mot suivant" before the entry was right
  kRightAnswer,   // the entry is right in the grid
  kHiddenWordFound,
  kTextComplete,  // every hidden word of a fixed text found
  kPuzzleComplete,
};

struct WorkEvent {
  WorkEventKind kind = WorkEventKind::kSessionStart;
  ModuleId module = ModuleId::kListe;
  std::string source;         // the list, the exercise or the picture (file name, Windows-1252)
  std::string entry;          // the entry or the word found (Windows-1252)
  std::string attempt;        // the answer as the tiles spelt it
  std::int64_t seconds = -1;  // from the instruction (or from the start of the work); -1: none
  std::int32_t count = -1;    // hidden words found, pieces of the puzzle; -1: none
  std::int32_t helped = -1;   // pieces put in place by the help; -1: none
  std::string errorKind;      // the kind of a wrong attempt; empty while unknown
};

// Where the events go.
class WorkLog {
 public:
  virtual ~WorkLog() = default;
  virtual void Record(const WorkEvent& event) = 0;
};

// For the modules built without a notebook (tests, tools): the events go nowhere.
class NullWorkLog final : public WorkLog {
 public:
  void Record(const WorkEvent&) override {}
};

}  // namespace base
