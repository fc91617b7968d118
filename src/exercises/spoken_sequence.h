#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "grid/grid_cell.h"
#include "ports/timers.h"
#include "speech/letter_sounds.h"
#include "speech/speech_engine.h"

namespace exercises {

// One piece of a sequence: what the voice says, and the cells lit while the child hears it.
struct SpokenUnit {
  std::string text;                   // Windows-1252, as the voice is handed it
  std::vector<grid::GridCell> cells;  // lit while it is said
  std::optional<int> rate;            // its own rate; none: the voice's
  // For each character of the text, the index in `cells` of the cell it stands for, or -1. With
  // a voice that tells which word it is saying, only that word's cells are lit; left empty, the
  // whole unit is lit while it is heard.
  std::vector<int> cellOf;
  // With a voice that tells the sounds it says, the letters of each sound light in turn rather
  // than the whole word: the child sees which letters made which sound.
  bool bySound = false;
};

// Texts said one after the other, each lighting its cells of the grid while it is heard, so that
// the light follows the voice. A unit goes to the voice only once the one before it has been
// heard and the pause after it is over: the program always knows which one the child hears.
// Lives on the user-interface thread and looks at the voice with its own timer, which runs only
// while a sequence plays.
class SpokenSequence {
 public:
  // How often the voice is looked at while a unit is said: often enough that the light is never
  // a frame behind the sound; a look is a few locks.
  static constexpr int kLookMs = 10;

  // `changed` is given the cells whose light went on or off, to repaint them.
  SpokenSequence(speech::SpeechEngine& speech, ports::Timers& timers, int timerId,
                 std::function<void(const std::vector<grid::GridCell>&)> changed);

  // Silences the voice and says the units in turn, with pauseMs of silence between two of them.
  void Play(std::vector<SpokenUnit> units, int pauseMs);
  // The light off and the timer stopped. What the voice has already been handed is left to it.
  void Stop();
  // The timer came: the light follows the voice, the next unit follows the pause.
  void OnTimer();

  bool Playing() const { return !units_.empty(); }
  // The cells lit now.
  const std::vector<grid::GridCell>& Lit() const { return lit_; }

 private:
  // Hands the unit at index_ to the voice.
  void SayCurrent();
  void Light(const std::vector<grid::GridCell>& cells);
  // The cells of the unit standing for the part heard; none when that part has no cell.
  std::vector<grid::GridCell> CellsHeard(const SpokenUnit& unit,
                                         const speech::SpeechEngine::Saying& saying);

  speech::SpeechEngine& speech_;
  ports::Timers& timers_;
  int timerId_;
  std::function<void(const std::vector<grid::GridCell>&)> changed_;

  std::vector<SpokenUnit> units_;
  std::size_t index_ = 0;
  int pauseMs_ = 0;
  bool pausing_ = false;  // the unit is heard, the next one waits for the pause to end
  speech::SpeechEngine::Ticket ticket_ = 0;
  // Someone else's silence (the stop icon, the sound switched off, a new instruction) ends the
  // sequence: this tells one from the silence the sequence began with.
  std::uint64_t silences_ = 0;
  std::vector<grid::GridCell> lit_;
  // The word last heard sound by sound (its place in the unit) and its letters for each sound.
  struct Matched {
    const SpokenUnit* unit = nullptr;
    std::size_t from = 0;
    std::size_t end = 0;
    std::vector<std::string> sounds;
    std::vector<speech::LetterSpan> letters;
  };
  Matched matched_;
};

}  // namespace exercises
