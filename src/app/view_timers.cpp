// One dispatcher for every timer of the view.
#include "app/scribix_view.h"

namespace app {

namespace {

bool IsCelebration(int id) {
  return id == kTimerBlink || id == kTimerFixedSuccess || id == kTimerWordSuccess;
}

}  // namespace

void CScribixView::OnTimer(int id) {
  if (id == kTimerFirstRun) {
    platform.timers.Kill(kTimerFirstRun);
    FirstRunInit();
  }

  if (IsCelebration(id)) {
    // One list item is celebrated once, however often its success is signalled.
    const std::int32_t current = wordList.currentEntry;
    if (current >= 0 && static_cast<std::size_t>(current) < wordList.listEntries.size()) {
      const std::string& item = wordList.listEntries[static_cast<std::size_t>(current)];
      if (item == lastCelebratedText && current == lastCelebratedIndex) {
        platform.timers.Kill(kTimerBlink);
        platform.timers.Kill(kTimerFixedSuccess);
        platform.timers.Kill(kTimerWordSuccess);
        return;
      }
      lastCelebratedText = item;
      lastCelebratedIndex = current;
    }
    platform.timers.Kill(id);
    if (id == kTimerWordSuccess && grid.gridBounds.IsEmpty()) return;
  }

  if (id == kTimerNextWord) platform.timers.Kill(kTimerNextWord);
  if (id == kTimerTooltip) TooltipTick();
  if (id == kTimerLongPress) platform.timers.Kill(kTimerLongPress);
}

}  // namespace app
