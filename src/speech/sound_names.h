#pragma once

#include <array>

// The wave files of sons/, by the kind the program plays them for. The resource generator
// synthesises one sound per name.
namespace speech {

// Sound effect kinds 0 to 4, in order: the grid cleared, the puzzle finished, the puzzle
// scattered, a key click (never requested), the puzzle opened.
inline constexpr std::array<const char*, 5> kSoundEffectFiles = {
    "trash.wav", "applaud.wav", "cassepuzzle.wav", "clavier.wav", "musiquepuzzle.wav"};

// The sounds of the visual rewards (Windows-1252 names): fire, ripples, mist. A hex escape runs
// on through every hex digit, so the "e" after "\xE9" is a literal of its own.
inline constexpr const char* kFireSound =
    "chemin\xE9"
    "e.wav";
inline constexpr const char* kRipplesSound = "caillou.wav";
inline constexpr const char* kMistSound = "brume.wav";

}  // namespace speech
