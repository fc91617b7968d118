#pragma once

#include <array>
#include <optional>

// Every timer of the view, declared once with the one part of the program that owns it. The
// view's timer message hands each id to its owner.
namespace base {

enum TimerId : int {
  kTimerAnimation = 1,   // 50 ms, while tiles or pieces move: a step each
  kTimerTooltip = 2,     // 500 ms, while a tooltip is on its way to the icon under the mouse
  kTimerNextWord = 3,    // the dictation moves on by itself
  kTimerLongPress = 25,  // a tile held down: its word moves with it
  kTimerFirstRun = 222,  // once, 600 ms after start: voices, settings, window size
  kTimerBlink = 997,     // celebrations
  kTimerFixedSuccess = 998,
  kTimerWordSuccess = 999,
  kTimerSpokenLight = 30,  // 10 ms while a word is said: the light follows the voice
  kTimerProfileLock = 31,  // 60 s: the child's folder is still ours, for the other computers
};

enum class TimerOwner {
  kView,         // the first-run initialisation
  kAnimation,    // the active module's per-tick step
  kTooltips,     // the icon bar's tooltips
  kDictation,    // the Liste module
  kTileInput,    // the writing modules' tiles
  kCelebration,  // the rewards for a solved word or text
  kSpokenLight,  // the writing modules' cells lit in turn as the voice says them
  kProfileLock,  // the lock on the working child's folder
};

struct TimerUse {
  TimerId id;
  TimerOwner owner;
};

inline constexpr std::array<TimerUse, 10> kTimers = {{
    {kTimerAnimation, TimerOwner::kAnimation},
    {kTimerTooltip, TimerOwner::kTooltips},
    {kTimerNextWord, TimerOwner::kDictation},
    {kTimerLongPress, TimerOwner::kTileInput},
    {kTimerFirstRun, TimerOwner::kView},
    {kTimerBlink, TimerOwner::kCelebration},
    {kTimerFixedSuccess, TimerOwner::kCelebration},
    {kTimerWordSuccess, TimerOwner::kCelebration},
    {kTimerSpokenLight, TimerOwner::kSpokenLight},
    {kTimerProfileLock, TimerOwner::kProfileLock},
}};

constexpr std::optional<TimerOwner> OwnerOf(int id) {
  for (const TimerUse& use : kTimers) {
    if (use.id == id) return use.owner;
  }
  return std::nullopt;
}

}  // namespace base
