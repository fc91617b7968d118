// The journal: one event appended and synced to the disk, as the child's every attempt is. The
// folder is in the build folder, on the machine's disk, not in a memory file system.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "notebook/journal_reader.h"
#include "notebook/journal_writer.h"
#include "ports/clock.h"

namespace {

namespace fs = std::filesystem;

class FixedClock : public ports::Clock {
 public:
  std::int64_t NowMs() const override { return 0; }
  std::int64_t CalendarSeconds() const override { return 1765275300; }
  void Sleep(int) override {}
};

void BM_JournalAppendSynced(benchmark::State& state) {
  const fs::path folder = fs::path(SCRIBIX_PROGRAM_FOLDER) / "bench-journal";
  fs::remove_all(folder);
  fs::create_directories(folder);
  FixedClock clock;
  notebook::JournalWriter writer(folder, clock);
  const base::WorkEvent event{.kind = base::WorkEventKind::kWrongAttempt,
                              .source = "animaux.txt",
                              .entry = "\xE9l\xE9phant",
                              .attempt = "elefan",
                              .seconds = 12};
  for (auto _ : state) writer.Record(event);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  if (writer.Failures() > 0) state.SkipWithError("the journal could not be written");
  fs::remove_all(folder);
}
BENCHMARK(BM_JournalAppendSynced)->Unit(benchmark::kMicrosecond);

// A year of a child's work read back for the report: 100 000 lines.
void BM_JournalReadYear(benchmark::State& state) {
  std::string bytes;
  notebook::JournalLine line;
  line.when = "2026-12-09 10:15:00";
  line.kind = base::WorkEventKind::kEntryShown;
  line.source = "animaux.txt";
  line.entry = "\xC3\xA9l\xC3\xA9phant";
  for (int i = 0; i < 100000; ++i) bytes += notebook::FormatJournalLine(line);
  for (auto _ : state) benchmark::DoNotOptimize(notebook::ParseJournal(bytes));
}
BENCHMARK(BM_JournalReadYear)->Unit(benchmark::kMillisecond);

}  // namespace
