#include "exercises/spoken_sequence.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "speech/letter_sounds.h"

namespace exercises {

SpokenSequence::SpokenSequence(speech::SpeechEngine& speech, ports::Timers& timers, int timerId,
                               std::function<void(const std::vector<grid::GridCell>&)> changed)
    : speech_(speech), timers_(timers), timerId_(timerId), changed_(std::move(changed)) {}

void SpokenSequence::Play(std::vector<SpokenUnit> units, int pauseMs) {
  Stop();
  if (units.empty()) return;
  speech_.Silence();
  silences_ = speech_.Silences();
  units_ = std::move(units);
  index_ = 0;
  pauseMs_ = pauseMs;
  SayCurrent();
}

void SpokenSequence::Stop() {
  Light({});
  matched_ = {};
  if (!Playing()) return;
  units_.clear();
  index_ = 0;
  ticket_ = 0;
  pausing_ = false;
  timers_.Kill(timerId_);
}

void SpokenSequence::SayCurrent() {
  const SpokenUnit& unit = units_[index_];
  pausing_ = false;
  ticket_ = speech_.Say(unit.text, unit.rate);
  if (ticket_ == 0) {
    // No voice, or a voice that takes nothing more: nothing will be heard.
    Stop();
    return;
  }
  timers_.Start(timerId_, kLookMs);
}

void SpokenSequence::OnTimer() {
  if (!Playing()) {
    timers_.Kill(timerId_);
    return;
  }
  if (speech_.Silences() != silences_) {
    Stop();
    return;
  }
  if (pausing_) {
    ++index_;
    SayCurrent();
    return;
  }
  const speech::SpeechEngine::Saying saying = speech_.NowSayingPart();
  if (saying.ticket == ticket_) {
    // Between two words the light stays where it was.
    std::vector<grid::GridCell> heard = CellsHeard(units_[index_], saying);
    if (!heard.empty()) Light(heard);
    return;
  }
  // Not begun yet: the voice is still saying what it had before.
  if (!speech_.Done(ticket_)) return;
  Light({});
  if (index_ + 1 >= units_.size()) {
    Stop();
  } else if (pauseMs_ <= 0) {
    ++index_;
    SayCurrent();
  } else {
    pausing_ = true;
    timers_.Start(timerId_, pauseMs_);
  }
}

std::vector<grid::GridCell> SpokenSequence::CellsHeard(const SpokenUnit& unit,
                                                       const speech::SpeechEngine::Saying& saying) {
  if (unit.cellOf.empty() || saying.length == std::string::npos) return unit.cells;
  std::size_t from = std::min(saying.from, unit.text.size());
  std::size_t end = std::min(unit.cellOf.size(), from + std::max<std::size_t>(saying.length, 1));
  if (unit.bySound && saying.sound < saying.sounds.size() && end <= unit.text.size()) {
    // Only the letters of the sound heard.
    // The voice is looked at every few milliseconds and tells the same word many times over:
    // its letters are matched to its sounds once.
    if (matched_.unit != &unit || matched_.from != from || matched_.end != end ||
        matched_.sounds != saying.sounds) {
      matched_ = {&unit, from, end, saying.sounds,
                  speech::LettersOfSounds(std::string_view(unit.text).substr(from, end - from),
                                          saying.sounds)};
    }
    const std::vector<speech::LetterSpan>& letters = matched_.letters;
    if (letters.size() == saying.sounds.size()) {
      end = from + letters[saying.sound].end;
      from += letters[saying.sound].begin;
    }
  }
  std::vector<grid::GridCell> heard;
  for (std::size_t k = std::min(from, end); k < end; ++k) {
    const int index = unit.cellOf[k];
    if (index < 0 || static_cast<std::size_t>(index) >= unit.cells.size()) continue;
    const grid::GridCell cell = unit.cells[static_cast<std::size_t>(index)];
    if (std::find(heard.begin(), heard.end(), cell) == heard.end()) heard.push_back(cell);
  }
  return heard;
}

void SpokenSequence::Light(const std::vector<grid::GridCell>& cells) {
  if (cells == lit_) return;
  std::vector<grid::GridCell> changed = std::move(lit_);
  lit_ = cells;
  changed.insert(changed.end(), lit_.begin(), lit_.end());
  if (changed_ && !changed.empty()) changed_(changed);
}

}  // namespace exercises
