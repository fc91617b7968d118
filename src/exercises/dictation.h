#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/work_log.h"
#include "exercises/open_list_dialog.h"
#include "exercises/spoken_sequence.h"
#include "exercises/word_list.h"
#include "gfx/geometry.h"
#include "grid/writing_grid.h"
#include "keyboard/keyboard_pictures.h"
#include "ports/platform.h"
#include "speech/misspelling.h"
#include "speech/speech_engine.h"

namespace exercises {

// What the dictation works on; the view owns all of it.
struct DictationParts {
  base::AppState& state;
  base::CellTable& cells;
  grid::WritingGrid& grid;
  const keyboard::KeyboardPictures& pictures;
  WordList& words;
  COpenList2& listDialog;
  ports::Platform& platform;
  speech::SpeechEngine& speech;
  const std::int32_t& autoAdvanceSeconds;  // 0: the next entry only comes when asked for
  const bool& noEffects;                   // the settings' "Supprime les effets visuels"
  // Says words or letters with their answer cells lit in turn.
  SpokenSequence& spoken;
  base::WorkLog& work;  // where what the child did is told
};

// The ways the child can hear the entry again.
enum class Replay { kWord, kSlowly, kLetterByLetter };

// The Liste module's exercise: an entry of the word list is laid out as answer cells, said
// aloud, and the child builds it with the keyboard's tiles.
class Dictation {
 public:
  static constexpr const char* kEmptyListMessage =
      "Ouvrez un fichier de liste de mots ou phrases avant l'utilisation de cette commande ";
  static constexpr const char* kTooFewLinesMessage =
      "Le nombre de lignes est insuffisant pour la phrase.\nAugmentez le nombre de lignes dans le "
      "panneau de configuration";

  explicit Dictation(DictationParts parts) : p_(parts) {}

  // The next entry of the list in the grid, said aloud; past the end the list starts again
  // (drawn again when it is drawn at random). Without a list the teacher is asked to open one.
  void NextEntry();
  // "Ecris le mot : " or "Ecris la phrase : " and the entry, unless the sound is off.
  void Instruction(std::int32_t index);
  // "Bravo!!! ..." and the entry, unless the sound is off.
  void Congratulation(std::int32_t index);
  // Wrong tiles go and their letters appear where the entry wants them; with no wrong tile the
  // first empty answer cell gets its letter.
  void Help();
  // The whole entry as tiles, then said alone.
  void Solution();
  // Once every answer cell holds a tile and the entry is not written right, the child hears the
  // attempt read as written, then whether it sounds like the entry (a spelling to learn) or not
  // (a sound to listen to again); the wrong tiles get their ring at the same time. False, and
  // nothing done, while an answer cell is empty or the entry is right.
  bool Echo();
  // The entry said again, with its answer cells lit while it is heard; letter by letter, each
  // letter's name lights its own cell. Nothing without sound or an entry.
  void ReplayEntry(Replay way);
  // Silence between two letters said one by one. The voice and the sound device add a little of
  // their own before the next letter is heard: the child hears about 400 ms.
  static constexpr int kLetterPauseMs = 340;
  // Between the reading of a wrong word and the sentence about it.
  static constexpr int kEchoPauseMs = 500;
  // How much slower than the usual rate the entry is said slowly (steps of the voice's rate).
  static constexpr int kSlowerBy = 6;
  // The grid spells the entry: the work log hears it now, once per entry, whether or not the
  // reward comes.
  void WordFound();
  // A solved grid, once its entry has passed the one-reward-per-entry guard.
  void Reward();
  // The automatic-advance timer came: true when the next entry is due now. Its delay counts
  // from the end of the congratulation, so while that is heard the timer only looks.
  bool AdvanceDue();
  // How often the automatic advance looks whether the congratulation has been heard.
  static constexpr int kSpeechLookMs = 100;

  // Plays the reward's visual effect over the answer cells.
  std::function<void(const gfx::Rect&)> playRewardEffect;

  // The entry at an index, or nothing when there is none there.
  const std::string* EntryAt(std::int32_t index) const;

  // A tile was laid in the grid without completing the entry: when every answer cell holds one,
  // the answer is wrong and is told to the work log, spelt as the tiles are.
  void TilePlaced();
  // The answer as the tiles spell it, in reading order: "_" for an empty answer cell, a blank
  // between the words of a phrase.
  std::string Attempt() const;
  // The module was left: the next entry begins a new sitting.
  void EndSession() {
    sessionOpen_ = false;
    entryOpen_ = false;
  }

 private:
  bool SoundOn() const { return p_.state.soundOn == 1; }
  void Say(std::string_view oneWord, std::string_view severalWords, std::int32_t index);
  void Message(const std::string& text);
  void Repaint(const gfx::Rect& area);
  // The answer cells and the letters of the grid in use emptied (step of every new entry).
  void ClearAnswerCells();
  void MakeAnswerCell(int column, int line, char expected);
  bool LayOutOnOneLine(const std::string& entry);
  bool LayOutOnSeveralLines(const std::string& entry);
  void TooLong(std::string_view word);
  // The answer cells in reading order: lines from the top, cells from the left.
  std::vector<grid::GridCell> AnswerCells() const;
  // The names of the letters of these cells, each lighting its cell.
  std::vector<SpokenUnit> LetterNames(const std::vector<grid::GridCell>& cells) const;

  // Tells the work log about the current entry.
  void Note(base::WorkEventKind kind, std::string attempt = {}, std::string errorKind = {});
  // The letters of the answer cells read as the child wrote them, with the entry's blanks
  // between the words.
  std::string Written(const std::string& letters) const;
  // Whether those letters read aloud sound like the entry. The voice is made quiet before it
  // is asked for phonemes; the answer is kept for the same letters, asked again by the echo.
  // `word` (the expected letters) stands in for a missing entry.
  speech::SoundMatch SoundOf(const std::string& letters, const std::string& word);
  std::string ListName() const;

  DictationParts p_;
  bool advanceAfterSpeech_ = false;  // the timer waits for the congratulation to end
  // The work log's view of the entry on screen.
  bool sessionOpen_ = false;
  std::string sessionList_;
  std::int64_t shownAtMs_ = 0;
  bool entryOpen_ = false;  // shown, neither right nor passed yet
  std::string openEntry_;   // as it was shown: the list may change under it
  std::string lastWrongAttempt_;
  std::string matchedLetters_;  // the letters `match_` is for; empty: none yet
  speech::SoundMatch match_ = speech::SoundMatch::kUnknown;
};

}  // namespace exercises
