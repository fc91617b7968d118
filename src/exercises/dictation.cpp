#include "exercises/dictation.h"

#include <algorithm>

#include "base/timer_ids.h"
#include "grid/character_names.h"
#include "grid/grid_text.h"
#include "speech/misspelling.h"
#include "speech/spelling_alignment.h"
#include "text/cp1252.h"

namespace exercises {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

template <typename Layer, typename Value>
void FillLayer(Layer& layer, Value value) {
  for (auto& line : layer) line.fill(static_cast<typename Layer::value_type::value_type>(value));
}

}  // namespace

const std::string* Dictation::EntryAt(std::int32_t index) const {
  const WordList& words = p_.words;
  if (index < 0 || index >= words.listCount() ||
      static_cast<std::size_t>(index) >= words.listEntries.size()) {
    return nullptr;
  }
  return &words.listEntries[static_cast<std::size_t>(index)];
}

std::string Dictation::ListName() const {
  const std::string& path = p_.listDialog.listPath;
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Dictation::Note(base::WorkEventKind kind, std::string attempt, std::string errorKind) {
  base::WorkEvent event;
  event.kind = kind;
  event.module = base::ModuleId::kListe;
  event.source = ListName();
  event.entry = openEntry_;
  event.attempt = std::move(attempt);
  event.errorKind = std::move(errorKind);
  if (kind != base::WorkEventKind::kSessionStart && kind != base::WorkEventKind::kEntryShown) {
    event.seconds = std::max<std::int64_t>(p_.platform.clock.NowMs() - shownAtMs_, 0) / 1000;
  }
  p_.work.Record(event);
}

std::string Dictation::Attempt() const {
  const grid::WritingGrid& grid = p_.grid;
  const base::AppState& s = p_.state;
  const int columns = std::min(grid::GridColumnsInUse(s), grid::WritingGrid::kColumns);
  const int lines = std::min(grid::GridLinesInUse(s), grid::WritingGrid::kLines);
  std::string spelt;
  bool gap = false;
  for (int l = 0; l < lines; ++l) {
    for (int c = 0; c < columns; ++c) {
      const char expected = static_cast<char>(
          grid.expected[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)]);
      if (expected == ' ' || expected == '\0') {
        gap = !spelt.empty();
        continue;
      }
      if (gap) spelt += ' ';
      gap = false;
      // The tile on top of the cell is the one the child sees.
      char letter = '_';
      for (int i = std::min(s.itemCount, base::kMaxItems) - 1; i >= s.keyCount; --i) {
        const base::CellRecord& r = p_.cells[i];
        if (r.gridCol == c && r.gridRow == l) {
          letter = r.Letter();
          break;
        }
      }
      spelt += letter;
    }
    gap = !spelt.empty();
  }
  return spelt;
}

void Dictation::TilePlaced() {
  if (!entryOpen_) return;
  const std::string spelt = Attempt();
  if (spelt.empty() || spelt.find('_') != std::string::npos) return;
  if (grid::CheckListWord(p_.cells, p_.state, p_.grid)) return;
  // A tile moved within a full grid that spells the same again is the same attempt.
  if (spelt == lastWrongAttempt_) return;
  lastWrongAttempt_ = spelt;
  // The teacher reads whether the child heard the word right and only misspelt it.
  std::string letters = spelt;
  std::erase(letters, ' ');
  std::string word;
  for (const grid::GridCell& cell : AnswerCells()) {
    word += static_cast<char>(p_.grid.expected[static_cast<std::size_t>(cell.line)]
                                              [static_cast<std::size_t>(cell.column)]);
  }
  std::string kind;
  switch (SoundOf(letters, word)) {
    case speech::SoundMatch::kAlike:
      kind = base::kSoundsAlike;
      break;
    case speech::SoundMatch::kDifferent:
      kind = base::kSoundsDifferent;
      break;
    case speech::SoundMatch::kUnknown:
      break;
  }
  Note(base::WorkEventKind::kWrongAttempt, spelt, kind);
}

std::string Dictation::Written(const std::string& letters) const {
  const std::string* entry = EntryAt(p_.words.currentEntry);
  if (entry == nullptr) return letters;
  std::string written;
  std::size_t next = 0;
  for (char c : *entry) {
    if (IsBlank(c)) {
      written += ' ';
    } else if (next < letters.size()) {
      written += letters[next++];
    }
  }
  return written;
}

speech::SoundMatch Dictation::SoundOf(const std::string& letters, const std::string& word) {
  if (!letters.empty() && letters == matchedLetters_) return match_;
  const std::string* entry = EntryAt(p_.words.currentEntry);
  std::string expected = entry != nullptr ? *entry : word;
  std::erase(expected, '$');
  // The voice is quiet before it is asked for phonemes, so nothing keeps the reading waiting.
  p_.speech.Silence();
  match_ =
      speech::CompareSounds(p_.speech.Phonemes(expected), p_.speech.Phonemes(Written(letters)));
  matchedLetters_ = letters;
  return match_;
}

void Dictation::Message(const std::string& text) {
  p_.platform.dialogs.MessageBox(text, "Scribix", ports::MessageButtons::kOk,
                                 ports::MessageIcon::kNone);
}

void Dictation::Repaint(const gfx::Rect& area) {
  if (!area.IsEmpty()) p_.platform.window.Invalidate(area, true);
}

void Dictation::ClearAnswerCells() {
  grid::WritingGrid& grid = p_.grid;
  const int columns = grid::GridColumnsInUse(p_.state);
  const int lines = grid::GridLinesInUse(p_.state);
  for (int c = 0; c < columns; ++c) {
    for (int l = 0; l < lines; ++l) {
      const auto line = static_cast<std::size_t>(l);
      const auto column = static_cast<std::size_t>(c);
      if (grid.enabled[line][column] != 0) Repaint(base::CellRect(p_.state, c, l));
      grid.visibility[line][column] = 0;
      grid.text[line][column] = ' ';
      grid.solution[line][column] = ' ';
    }
  }
  // Beyond the grid in use too: a grid made smaller since must not keep cells of an old entry.
  FillLayer(grid.enabled, 0);
  FillLayer(grid.expected, ' ');
}

void Dictation::MakeAnswerCell(int column, int line, char expected) {
  const auto l = static_cast<std::size_t>(line);
  const auto c = static_cast<std::size_t>(column);
  p_.grid.enabled[l][c] = 1;
  p_.grid.expected[l][c] = static_cast<std::uint8_t>(expected);
  p_.grid.visibility[l][c] = 1;
  Repaint(base::CellRect(p_.state, column, line));
}

void Dictation::TooLong(std::string_view word) {
  std::string shown;
  for (char c : word) {
    if (!IsBlank(c)) shown += c;
  }
  Message("Le mot " + shown +
          " est trop long. \nAugmentez le nombre de caract\xE8res/ligne dans le panneau de "
          "configuration");
  ClearAnswerCells();
}

bool Dictation::LayOutOnOneLine(const std::string& entry) {
  const base::AppState& s = p_.state;
  const int n = static_cast<int>(entry.size());
  const int cellWidth = std::max(s.cellWidth, 1);
  const int w = (p_.platform.window.ClientSize().width - 2 * s.gridLeft) / cellWidth;
  const int columns = grid::GridColumnsInUse(s);
  // Centred in the window, but never past the grid's last column: an entry that fits on a line
  // is laid out, closer to the left when the window is wider than the grid.
  const int start = std::max(std::min(w / 2 - n / 2, columns - n), 0);
  if (start + n > columns) {
    TooLong(entry);
    return false;
  }
  // The second line leaves a line of air above the entry; a grid of one line has only the first.
  const int line = grid::GridLinesInUse(s) > 1 ? 1 : 0;
  for (int k = 0; k < n; ++k) {
    const char c = entry[static_cast<std::size_t>(k)];
    if (IsBlank(c)) {
      Repaint(base::CellRect(s, start + k, line));
    } else {
      MakeAnswerCell(start + k, line, c);
    }
  }
  return true;
}

bool Dictation::LayOutOnSeveralLines(const std::string& entry) {
  const int columns = grid::GridColumnsInUse(p_.state);
  const int lines = grid::GridLinesInUse(p_.state);
  int line = 0;
  int column = 0;
  bool wordStart = true;
  for (std::size_t k = 0; k < entry.size(); ++k) {
    if (wordStart) {
      wordStart = false;
      std::size_t end = k;
      while (end < entry.size() && !IsBlank(entry[end])) ++end;
      const int m = static_cast<int>(end - k);
      // A word never ends in the last column: it goes to the next line instead.
      if (column + m >= columns) {
        column = 0;
        ++line;
        if (m >= columns) {
          TooLong(std::string_view(entry).substr(k, end - k));
          return false;
        }
        if (line >= lines) {
          Message(kTooFewLinesMessage);
          ClearAnswerCells();
          return false;
        }
      }
    }
    if (IsBlank(entry[k])) {
      wordStart = true;
    } else {
      MakeAnswerCell(column, line, entry[k]);
    }
    ++column;
  }
  return true;
}

void Dictation::NextEntry() {
  p_.spoken.Stop();
  // Passed over before it was right; an entry of a list replaced since was not passed over.
  if (entryOpen_ && sessionList_ == p_.listDialog.listPath) {
    Note(base::WorkEventKind::kSkipped, Attempt());
  }
  entryOpen_ = false;
  advanceAfterSpeech_ = false;
  grid::WritingGrid& grid = p_.grid;
  base::AppState& s = p_.state;
  WordList& words = p_.words;
  // Asked for by the child, the next entry replaces a pending automatic advance: that one would
  // otherwise come a few seconds later and skip the entry just laid out.
  p_.platform.timers.Kill(base::kTimerNextWord);
  grid.pendingWord = 1;
  grid.ResetTextLayers();
  FillLayer(grid.occupancy, 0);
  FillLayer(grid.marks, 0);

  if (words.listCount() == 0) {
    // Said as well as shown: the child who clicked may not read it.
    if (SoundOn()) {
      p_.speech.Silence();
      p_.speech.Speak(kEmptyListMessage);
    }
    Message(kEmptyListMessage);
    p_.listDialog.OpenList();
  }
  ClearAnswerCells();

  ++words.currentEntry;
  if (words.currentEntry > words.listCount() - 1) {
    // Every pass over a list drawn at random is drawn anew.
    p_.listDialog.Draw();
    words.currentEntry = words.listCount() == 0 ? -1 : 0;
  }
  const std::string* entry = EntryAt(words.currentEntry);
  if (entry == nullptr) return;

  for (int i = s.keyCount; i < std::min(s.itemCount, base::kMaxItems); ++i) {
    const base::CellRecord& r = p_.cells[i];
    Repaint(gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height).Inflated(5, 5));
  }
  s.itemCount = s.keyCount;

  const std::string current = *entry;
  const bool laidOut = static_cast<int>(current.size()) < grid::GridColumnsInUse(s)
                           ? LayOutOnOneLine(current)
                           : LayOutOnSeveralLines(current);
  if (!laidOut) return;
  if (!sessionOpen_ || sessionList_ != p_.listDialog.listPath) {
    sessionOpen_ = true;
    sessionList_ = p_.listDialog.listPath;
    openEntry_.clear();
    Note(base::WorkEventKind::kSessionStart);
  }
  shownAtMs_ = p_.platform.clock.NowMs();
  entryOpen_ = true;
  openEntry_ = current;
  lastWrongAttempt_.clear();
  matchedLetters_.clear();
  Note(base::WorkEventKind::kEntryShown);
  Instruction(words.currentEntry);
  FillLayer(grid.text, ' ');
}

void Dictation::Say(std::string_view oneWord, std::string_view severalWords, std::int32_t index) {
  p_.spoken.Stop();
  if (!SoundOn()) return;
  p_.speech.Silence();
  const std::string* entry = EntryAt(index);
  if (entry == nullptr) return;
  std::string text(grid::CountWords(*entry) > 1 ? severalWords : oneWord);
  text += *entry;
  text += '!';
  // "$" stands for a letter the child writes but that is not said.
  std::erase(text, '$');
  p_.speech.Speak(text);
}

void Dictation::Instruction(std::int32_t index) {
  Say("Ecris le mot : ", "Ecris la phrase : ", index);
}

void Dictation::Congratulation(std::int32_t index) {
  Say("Bravo!!! tu as \xE9"
      "cris le mot ::: ",
      "Bravo!!! tu as \xE9"
      "cris la phrase ::: ",
      index);
}

void Dictation::Help() {
  if (entryOpen_) Note(base::WorkEventKind::kHelp, Attempt());
  grid::WritingGrid& grid = p_.grid;
  base::AppState& s = p_.state;
  grid::GridTiles g{s, p_.cells, grid, p_.pictures};
  const int columns = grid::GridColumnsInUse(s);
  const int lines = grid::GridLinesInUse(s);
  auto expectedAt = [&](int column, int line) -> char {
    if (column < 0 || line < 0 || column >= grid::WritingGrid::kColumns ||
        line >= grid::WritingGrid::kLines) {
      return ' ';
    }
    return static_cast<char>(
        grid.expected[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)]);
  };
  FillLayer(grid.solution, ' ');
  // The cells given a letter, whose names are said once the letters lie there.
  std::vector<grid::GridCell> laid;

  bool wrongTile = false;
  int i = s.keyCount;
  while (i < std::min(s.itemCount, base::kMaxItems)) {
    const base::CellRecord tile = p_.cells[i];
    const char letter = tile.Letter();
    if (text::ToLower(letter) == text::ToLower(expectedAt(tile.gridCol, tile.gridRow))) {
      ++i;
      continue;
    }
    wrongTile = true;
    bool hinted = false;
    for (int l = 0; l < lines && !hinted; ++l) {
      for (int c = 0; c < columns && !hinted; ++c) {
        const char expected = expectedAt(c, l);
        auto& solution = grid.solution[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)];
        if (text::ToLower(expected) == letter && static_cast<char>(solution) != expected) {
          solution = static_cast<std::uint8_t>(expected);
          hinted = true;
          laid.push_back({c, l});
        }
      }
    }
    // The tiles after it move down: the same index holds the next one.
    grid::RemoveTile(g, i);
    Repaint(gfx::Rect::FromSize(tile.posX, tile.posY, s.cellWidth, s.cellHeight).Inflated(5, 5));
  }

  bool hintedEmptyCell = false;
  if (!wrongTile) {
    auto tileOn = [&](int column, int line) {
      for (int k = s.keyCount; k < std::min(s.itemCount, base::kMaxItems); ++k) {
        if (p_.cells[k].gridCol == column && p_.cells[k].gridRow == line) return true;
      }
      return false;
    };
    for (int l = 0; l < lines && !hintedEmptyCell; ++l) {
      for (int c = 0; c < columns && !hintedEmptyCell; ++c) {
        if (grid.enabled[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] == 0 ||
            tileOn(c, l)) {
          continue;
        }
        grid.solution[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] =
            static_cast<std::uint8_t>(expectedAt(c, l));
        hintedEmptyCell = true;
        laid.push_back({c, l});
      }
    }
  }
  if (wrongTile || hintedEmptyCell) {
    grid::PlaceSolutionTiles(g, false, false, false, [this](const gfx::Rect& r) { Repaint(r); });
  }
  // The help says what it does: the child hears the name of each letter it lays, and sees where.
  if (SoundOn() && !laid.empty()) p_.spoken.Play(LetterNames(laid), kLetterPauseMs);
}

void Dictation::Solution() {
  p_.spoken.Stop();
  advanceAfterSpeech_ = false;  // an advance set off from here counts from the solution
  if (entryOpen_) Note(base::WorkEventKind::kSolution, Attempt());
  grid::WritingGrid& grid = p_.grid;
  for (std::size_t l = 0; l < grid::WritingGrid::kLines; ++l) {
    for (std::size_t c = 0; c < grid::WritingGrid::kColumns; ++c) {
      grid.solution[l][c] = grid.expected[l][c];
    }
  }
  grid::GridTiles g{p_.state, p_.cells, grid, p_.pictures};
  grid::PlaceSolutionTiles(g, true, false, false, [this](const gfx::Rect& r) { Repaint(r); });
  const std::string* entry = EntryAt(p_.words.currentEntry);
  if (!SoundOn() || entry == nullptr) return;
  // Said as written, "$" included: the letters are all on the screen now. Nothing waits here for
  // the voice: the tiles are painted as soon as the click is over, while the entry is said.
  p_.speech.Speak(*entry);
}

bool Dictation::Echo() {
  grid::WritingGrid& grid = p_.grid;
  const base::AppState& s = p_.state;
  struct AnswerCell {
    int column;
    int line;
  };
  std::vector<AnswerCell> answer;
  std::string word;
  std::string attempt;
  // The answer cells in reading order, as the entry's letters were laid out.
  for (int l = 0; l < grid::GridLinesInUse(s); ++l) {
    for (int c = 0; c < grid::GridColumnsInUse(s); ++c) {
      const auto line = static_cast<std::size_t>(l);
      const auto column = static_cast<std::size_t>(c);
      if (grid.enabled[line][column] == 0) continue;
      int tile = -1;
      for (int k = std::min(s.itemCount, base::kMaxItems) - 1; k >= s.keyCount && tile < 0; --k) {
        if (p_.cells[k].gridCol == c && p_.cells[k].gridRow == l) tile = k;
      }
      if (tile < 0) return false;  // not finished yet
      answer.push_back({c, l});
      word += static_cast<char>(grid.expected[line][column]);
      attempt += p_.cells[tile].Letter();
    }
  }
  if (answer.empty() || text::ToLower(word) == text::ToLower(attempt)) return false;

  const std::vector<bool> wrong = speech::WrongLetters(word, attempt);
  for (std::size_t i = 0; i < answer.size(); ++i) {
    if (!wrong[i]) continue;
    const AnswerCell& cell = answer[i];
    grid.wrongLetters[static_cast<std::size_t>(cell.line)][static_cast<std::size_t>(cell.column)] =
        static_cast<std::uint8_t>(attempt[i]);
    Repaint(base::CellRect(s, cell.column, cell.line).Inflated(5, 5));
  }
  if (!SoundOn()) return true;

  // Read as the child wrote it, with the entry's blanks between the words; each letter keeps
  // its tile's cell, so the tiles light up in turn as their sounds are heard.
  const speech::SoundMatch match = SoundOf(attempt, word);
  p_.speech.Silence();
  const std::string* entry = EntryAt(p_.words.currentEntry);
  SpokenUnit reading;
  reading.bySound = true;
  for (const AnswerCell& cell : answer) reading.cells.push_back({cell.column, cell.line});
  std::size_t next = 0;
  auto writeNext = [&] {
    reading.cellOf.push_back(static_cast<int>(next));
    reading.text += attempt[next++];
  };
  if (entry != nullptr) {
    for (char c : *entry) {
      if (IsBlank(c)) {
        reading.text += ' ';
        reading.cellOf.push_back(-1);
      } else if (next < attempt.size()) {
        writeNext();
      }
    }
  } else {
    while (next < attempt.size()) writeNext();
  }
  std::vector<SpokenUnit> echo;
  echo.push_back(std::move(reading));
  const std::string_view sentence = speech::EchoSentence(match);
  if (!sentence.empty()) echo.push_back({std::string(sentence), {}, std::nullopt, {}, false});
  p_.spoken.Play(std::move(echo), kEchoPauseMs);
  return true;
}

std::vector<grid::GridCell> Dictation::AnswerCells() const {
  std::vector<grid::GridCell> cells;
  const int columns = grid::GridColumnsInUse(p_.state);
  const int lines = grid::GridLinesInUse(p_.state);
  for (int l = 0; l < lines; ++l) {
    for (int c = 0; c < columns; ++c) {
      if (p_.grid.enabled[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] != 0) {
        cells.push_back({c, l});
      }
    }
  }
  return cells;
}

std::vector<SpokenUnit> Dictation::LetterNames(const std::vector<grid::GridCell>& cells) const {
  std::vector<SpokenUnit> names;
  for (const grid::GridCell& cell : cells) {
    const char letter = static_cast<char>(p_.grid.expected[static_cast<std::size_t>(cell.line)]
                                                          [static_cast<std::size_t>(cell.column)]);
    // Named as the keyboard names it; a "$" is written but never said.
    std::string name = grid::SpeakableText(std::string(1, letter), true, false);
    if (name.find_first_not_of(' ') == std::string::npos) continue;
    names.push_back({std::move(name), {cell}, std::nullopt, {}, false});
  }
  return names;
}

void Dictation::ReplayEntry(Replay way) {
  const std::string* entry = EntryAt(p_.words.currentEntry);
  if (!SoundOn() || entry == nullptr) return;
  const std::vector<grid::GridCell> cells = AnswerCells();
  if (way == Replay::kLetterByLetter) {
    p_.spoken.Play(LetterNames(cells), kLetterPauseMs);
    return;
  }
  std::string text = *entry;
  std::erase(text, '$');
  std::optional<int> rate;
  // For this utterance alone: the rate the child chose stays as it is.
  if (way == Replay::kSlowly) rate = std::max(p_.speech.Rate() - kSlowerBy, -10);
  std::vector<SpokenUnit> word;
  word.push_back({std::move(text), cells, rate, {}, false});
  p_.spoken.Play(std::move(word), 0);
}

void Dictation::WordFound() {
  if (entryOpen_) Note(base::WorkEventKind::kRightAnswer);
  entryOpen_ = false;
}

void Dictation::Reward() {
  if (p_.grid.gridBounds.IsEmpty()) return;
  if (!p_.noEffects && playRewardEffect) playRewardEffect(p_.grid.gridBounds);
  if (SoundOn()) {
    // The effect's sound may outlast its picture; it must not cover "Bravo".
    p_.platform.sound.Stop();
    Congratulation(p_.words.currentEntry);
  }
  if (p_.autoAdvanceSeconds > 0) {
    // The next instruction silences the voice: counted from now, it could cut the entry off.
    advanceAfterSpeech_ = SoundOn() && p_.speech.Speaking();
    p_.platform.timers.Start(base::kTimerNextWord,
                             advanceAfterSpeech_ ? kSpeechLookMs : p_.autoAdvanceSeconds * 1000);
  }
}

bool Dictation::AdvanceDue() {
  if (!advanceAfterSpeech_) return true;
  if (p_.speech.Speaking()) return false;
  advanceAfterSpeech_ = false;
  if (p_.autoAdvanceSeconds <= 0) {
    p_.platform.timers.Kill(base::kTimerNextWord);  // the teacher took the advance away meanwhile
  } else {
    p_.platform.timers.Start(base::kTimerNextWord, p_.autoAdvanceSeconds * 1000);
  }
  return false;
}

}  // namespace exercises
