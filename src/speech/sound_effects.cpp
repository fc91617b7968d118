#include "speech/sound_effects.h"

#include "speech/sound_names.h"
#include "text/cp1252.h"

namespace speech {

void SoundEffects::Play(int kind, const Switches& s) {
  if (!s.soundOn) return;
  if (s.inPuzzle ? s.puzzleNoSounds : s.writingNoSounds) return;
  if (kind < 0 || kind >= static_cast<int>(kSoundEffectFiles.size())) return;
  player_.Play(folder_ / text::PathFromText(kSoundEffectFiles[static_cast<std::size_t>(kind)]));
}

}  // namespace speech
