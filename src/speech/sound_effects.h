#pragma once

#include <filesystem>

#include "ports/sound_player.h"

namespace speech {

// The short recorded sounds of sons/, gated in one place by the sound switch and the two "no
// sound effects" boxes.
class SoundEffects {
 public:
  enum Kind : int { kClear = 0, kApplause = 1, kScatter = 2, kKey = 3, kPuzzleMusic = 4 };

  // What silences the sounds: the sound switch, and the box of the settings that apply.
  struct Switches {
    bool soundOn = true;
    bool inPuzzle = false;
    bool writingNoSounds = false;  // the keyboard and speech settings' box
    bool puzzleNoSounds = false;   // the puzzle settings' box
  };

  SoundEffects(ports::SoundPlayer& player, std::filesystem::path programFolder)
      : player_(player), folder_(std::move(programFolder) / "sons") {}

  // Plays a kind (0 to 4) when the switches allow it; any other kind plays nothing.
  void Play(int kind, const Switches& switches);

 private:
  ports::SoundPlayer& player_;
  std::filesystem::path folder_;
};

}  // namespace speech
