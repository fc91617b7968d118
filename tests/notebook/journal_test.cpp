// The journal's lines: written and read back alike, whatever the texts hold; a damaged journal
// still gives every whole line; the writer appends synced lines and mends a line left cut.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notebook/journal_format.h"
#include "notebook/journal_reader.h"
#include "notebook/journal_writer.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace {

using base::ModuleId;
using base::WorkEventKind;
using notebook::JournalLine;

JournalLine Line(WorkEventKind kind, std::string entry = "chat", std::string attempt = {}) {
  JournalLine l;
  l.when = "2026-12-09 10:15:00";
  l.kind = kind;
  l.module = ModuleId::kListe;
  l.source = "animaux.txt";
  l.entry = std::move(entry);
  l.attempt = std::move(attempt);
  return l;
}

bool Same(const JournalLine& a, const JournalLine& b) {
  return a.when == b.when && a.kind == b.kind && a.module == b.module && a.source == b.source &&
         a.entry == b.entry && a.attempt == b.attempt && a.seconds == b.seconds &&
         a.count == b.count && a.helped == b.helped && a.errorKind == b.errorKind;
}

TEST(JournalFormat, EveryLineReadsBackAsItWasWritten) {
  std::vector<JournalLine> lines;
  for (const std::string& text :
       {std::string(), std::string("-"), std::string("\xC3\xA9l\xC3\xA9phant"),
        std::string("a\tb\nc\\d\re"), std::string("\\-"), std::string("l'ami du \"chat\""),
        std::string("--")}) {
    JournalLine l = Line(WorkEventKind::kWrongAttempt, text, text);
    l.source = text;
    l.errorKind = text;
    lines.push_back(l);
  }
  JournalLine numbers = Line(WorkEventKind::kPuzzleComplete);
  numbers.module = ModuleId::kPuzzle;
  numbers.seconds = 3600;
  numbers.count = 1000;
  numbers.helped = 0;
  lines.push_back(numbers);
  for (int k = 0; k <= static_cast<int>(WorkEventKind::kPuzzleComplete); ++k) {
    lines.push_back(Line(static_cast<WorkEventKind>(k)));
  }
  for (ModuleId m : {ModuleId::kFrancais, ModuleId::kMathematique}) {
    JournalLine l = Line(WorkEventKind::kHiddenWordFound);
    l.module = m;
    lines.push_back(l);
  }
  for (const JournalLine& l : lines) {
    const std::string text = notebook::FormatJournalLine(l);
    ASSERT_EQ(text.back(), '\n');
    // One line, ten fields, whatever the texts hold.
    EXPECT_EQ(text.find('\n'), text.size() - 1) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), notebook::kJournalFields - 1) << text;
    const auto back = notebook::ParseJournalLine(std::string_view(text).substr(0, text.size() - 1));
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_TRUE(Same(*back, l)) << text;
  }
}

TEST(JournalFormat, LinesThatAreNotTheJournalsAreRefused) {
  const std::string good = "2026-12-09 10:15:00\tessai\tListe\tl.txt\tchat\tchaz\t4\t-\t-\t-";
  ASSERT_TRUE(notebook::ParseJournalLine(good).has_value());
  for (const std::string& bad : std::vector<std::string>{
           std::string(""), good.substr(0, good.size() - 2),                   // a field short
           good + "\tplus",                                                    // a field more
           "2026-12-09 10:15\tessai\tListe\tl.txt\tchat\tchaz\t4\t-\t-\t-",    // time cut
           "2026-12-09 10:15:00\tsaut\tListe\tl.txt\tchat\tchaz\t4\t-\t-\t-",  // no such event
           "2026-12-09 10:15:00\tessai\tDessin\tl.txt\tchat\tchaz\t4\t-\t-\t-",
           "2026-12-09 10:15:00\tessai\tListe\tl.txt\tchat\tchaz\t-4\t-\t-\t-",
           "2026-12-09 10:15:00\tessai\tListe\tl.txt\tchat\tchaz\t4x\t-\t-\t-",
           "2026-12-09 10:15:00\tessai\tListe\tl.txt\tchat\tchaz\t99999999999999\t-\t-\t-",
           "2026-12-09 10:15:00\tessai\tListe\tl.txt\tch\\at\tchaz\t4\t-\t-\t-",  // bad escape
           "2026-12-09 10:15:00\tessai\tListe\tl.txt\tchat\\\tchaz\t4\t-\t-\t-",
           "2026-12-09 10:15:00\tessai\tListe\tl.txt\tch\xE9t\tchaz\t4\t-\t-\t-",  // not UTF-8
       }) {
    EXPECT_FALSE(notebook::ParseJournalLine(bad).has_value()) << bad;
  }
}

TEST(JournalReader, ADamagedLineCostsOnlyItself) {
  const std::string a = notebook::FormatJournalLine(Line(WorkEventKind::kEntryShown, "chat"));
  const std::string b = notebook::FormatJournalLine(Line(WorkEventKind::kRightAnswer, "chat"));
  const std::string c = notebook::FormatJournalLine(Line(WorkEventKind::kEntryShown, "rat"));
  // Cut anywhere inside the last line: the lines before it are all there.
  const std::string whole = a + b + c;
  for (std::size_t cut = a.size() + b.size(); cut < whole.size(); ++cut) {
    const auto read = notebook::ParseJournal(std::string_view(whole).substr(0, cut));
    EXPECT_EQ(read.lines.size(), 2u) << cut;
    EXPECT_EQ(read.damagedLines, cut == a.size() + b.size() ? 0 : 1) << cut;
  }
  // A cut line that a later run ended with a line break, then more lines; CR LF from an editor.
  const auto read =
      notebook::ParseJournal(a + b.substr(0, 9) + "\n" + "\n" + "\xFF\xFE garbage\r\n" + c);
  ASSERT_EQ(read.lines.size(), 2u);
  EXPECT_EQ(read.lines[1].entry, "rat");
  EXPECT_EQ(read.damagedLines, 2);
  std::string crlf = a;
  crlf.insert(crlf.size() - 1, "\r");
  EXPECT_EQ(notebook::ParseJournal(crlf).lines.size(), 1u);
}

TEST(JournalWriter, EventsAreAppendedStampedAndConvertedToUtf8) {
  testing_support::TempFolder folder;
  testing_support::FakeClock clock;
  clock.calendar = 1765275300;  // 2025-12-09 10:15:00 UTC
  {
    notebook::JournalWriter writer(folder.Path(), clock);
    writer.Record({.kind = WorkEventKind::kSessionStart, .source = "animaux.txt"});
    writer.Record({.kind = WorkEventKind::kWrongAttempt,
                   .entry = "\xE9l\xE9phant",
                   .attempt = "elefan",
                   .seconds = 12});
    EXPECT_EQ(writer.Failures(), 0);
  }
  const auto read = notebook::ReadJournal(folder.Path() / notebook::kJournalFileName);
  ASSERT_EQ(read.lines.size(), 2u);
  EXPECT_EQ(read.damagedLines, 0);
  EXPECT_EQ(read.lines[1].entry, "\xC3\xA9l\xC3\xA9phant");
  EXPECT_EQ(read.lines[1].attempt, "elefan");
  EXPECT_EQ(read.lines[1].seconds, 12);
  EXPECT_EQ(read.lines[1].when, notebook::LocalDateTime(clock.calendar));
  // The format is told once, beside the journal.
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / notebook::kJournalReadmeName));
}

TEST(JournalWriter, ALineLeftCutByAKilledProgramDoesNotSwallowTheNextOne) {
  testing_support::TempFolder folder;
  testing_support::FakeClock clock;
  const auto path = folder.Path() / notebook::kJournalFileName;
  const std::string whole = notebook::FormatJournalLine(Line(WorkEventKind::kEntryShown));
  testing_support::WriteBytes(path, whole + whole.substr(0, 15));
  notebook::JournalWriter writer(folder.Path(), clock);
  writer.Record({.kind = WorkEventKind::kEntryShown, .entry = "rat"});
  const auto read = notebook::ReadJournal(path);
  ASSERT_EQ(read.lines.size(), 2u);
  EXPECT_EQ(read.lines[1].entry, "rat");
  EXPECT_EQ(read.damagedLines, 1);
}

TEST(JournalWriter, AFolderWhereNothingCanBeWrittenLosesTheEventsQuietly) {
  testing_support::FakeClock clock;
  notebook::JournalWriter writer("/proc/no-such-folder", clock);
  writer.Record({.kind = WorkEventKind::kHelp});
  EXPECT_EQ(writer.Failures(), 1);
}

}  // namespace
