#include "app/settings_file.h"

#include <algorithm>

#include "base/files.h"
#include "grid/writing_grid.h"

namespace app {

namespace {

// The word-list boxes: anything but 0 is ticked.
bool TickedClamped(std::int32_t v) {
  return v < 0 || v > 1 ? true : v == 1;
}

}  // namespace

SettingsFile::SettingsFile(base::AppState& state, CConfigABC& settings,
                           exercises::COpenList2& lists, ports::DialogHost& host,
                           std::function<void(std::int32_t)> applyKeyboardColours,
                           std::function<std::int32_t()> chosenZoom)
    : state_(state),
      settings_(settings),
      lists_(lists),
      host_(host),
      applyKeyboardColours_(std::move(applyKeyboardColours)),
      chosenZoom_(std::move(chosenZoom)) {}

SettingsRecord SettingsFile::Record() const {
  SettingsRecord s;
  s.backgroundColour = state_.backgroundColour;
  s.backgroundShade1 = state_.backgroundShade1;
  s.backgroundShade2 = state_.backgroundShade2;
  s.keyboardColours = state_.keyboardColours;
  s.hideHelp = lists_.hideHelp ? 1 : 0;
  s.randomDraw = lists_.randomDraw ? 1 : 0;
  s.hideSolution = lists_.hideSolution ? 1 : 0;
  s.listPath = lists_.listPath;
  s.zoom = chosenZoom_();
  s.gridColumns = state_.gridColumns;
  s.gridLines = state_.gridLines;
  s.linesSelection = settings_.linesSelection;
  s.cellsSelection = settings_.cellsSelection;
  s.voice = settings_.voiceSelection;
  s.noSounds = settings_.noSounds ? 1 : 0;
  s.noEffects = settings_.noEffects ? 1 : 0;
  s.autoPlace = settings_.autoPlace ? 1 : 0;
  s.autoAdvanceSeconds = autoAdvanceSeconds;
  s.autoAdvanceSelection = lists_.autoAdvanceSelection;
  s.rateSlider = settings_.rateSlider;
  // Written only away from the defaults, as the file holds them: an old file has none.
  const exercises::SyllableLook& look = settings_.syllableLook;
  if (look.on || look.pair != 0 || look.splitGlides) {
    s.syllableColours = look.on ? 1 : 0;
    s.syllablePair = look.pair;
    s.splitGlides = look.splitGlides ? 1 : 0;
  }
  return s;
}

void SettingsFile::Read() {
  // Only the fields the program knows are read, however long the file is.
  const auto bytes = base::ReadFileStart(state_.settingsPath, kSettingsFileSize);
  if (!bytes) return;
  Apply(DecodeSettings(*bytes));
}

void SettingsFile::Write() const {
  base::WriteFileAtomically(state_.settingsPath, Bytes());
}

void SettingsFile::Apply(const SettingsRecord& s) {
  // A short file stops where it ends: what follows its last field stays as it is.
  [&] {
    if (!s.backgroundColour) return;
    state_.backgroundColour = *s.backgroundColour;
    if (!s.backgroundShade1) return;
    state_.backgroundShade1 = *s.backgroundShade1;
    if (!s.backgroundShade2) return;
    state_.backgroundShade2 = *s.backgroundShade2;

    if (!s.keyboardColours) return;
    settings_.colourSelection = CConfigABC::ValidSelection(
        *s.keyboardColours, static_cast<int>(CConfigABC::kColourItems.size()));
    // A scheme the program does not have leaves the keyboard as it is.
    if (settings_.colourSelection >= 0) applyKeyboardColours_(settings_.colourSelection);

    if (!s.hideHelp) return;
    lists_.hideHelp = TickedClamped(*s.hideHelp);
    if (!s.randomDraw) return;
    lists_.randomDraw = TickedClamped(*s.randomDraw);
    if (!s.hideSolution) return;
    lists_.hideSolution = TickedClamped(*s.hideSolution);
    host_.Refresh(ports::DialogId::kWordLists);

    if (!s.listPath) return;
    lists_.SetListPath(*s.listPath);
    lists_.LoadList(lists_.listPath);

    if (!s.zoom) return;
    settings_.OnZoomChanged(
        CConfigABC::ValidSelection(*s.zoom, static_cast<int>(CConfigABC::kZoomItems.size())));

    if (!s.gridColumns) return;
    if (*s.gridColumns >= 2 && *s.gridColumns <= grid::WritingGrid::kColumns) {
      state_.gridColumns = *s.gridColumns;
    }
    if (!s.gridLines) return;
    if (*s.gridLines >= 1 && *s.gridLines <= grid::WritingGrid::kLines) {
      state_.gridLines = *s.gridLines;
    }

    if (!s.linesSelection) return;
    settings_.linesSelection =
        CConfigABC::ValidSelection(*s.linesSelection, CConfigABC::kLineItems);
    if (!s.cellsSelection) return;
    settings_.cellsSelection =
        CConfigABC::ValidSelection(*s.cellsSelection, CConfigABC::kCellItems);

    if (!s.voice) return;
    if (*s.voice >= 0 && *s.voice < static_cast<std::int32_t>(settings_.voiceItems.size())) {
      settings_.voiceSelection = *s.voice;
    }

    if (!s.noSounds) return;
    settings_.noSounds = *s.noSounds != 0;
    if (!s.noEffects) return;
    settings_.noEffects = *s.noEffects != 0;
    if (!s.autoPlace) return;
    settings_.autoPlace = *s.autoPlace != 0;
    autoPlace = *s.autoPlace != 0 ? 1 : 0;

    if (!s.autoAdvanceSeconds) return;
    // The list offers 0 to 30 seconds; a day is more than anyone waits for the next word.
    autoAdvanceSeconds =
        *s.autoAdvanceSeconds >= 0 && *s.autoAdvanceSeconds <= 86400 ? *s.autoAdvanceSeconds : 0;
    if (!s.autoAdvanceSelection) return;
    lists_.autoAdvanceSelection = CConfigABC::ValidSelection(
        *s.autoAdvanceSelection, static_cast<int>(exercises::COpenList2::kAutoAdvanceItems.size()));
    host_.Refresh(ports::DialogId::kWordLists);

    if (!s.rateSlider) return;
    settings_.rateSlider = std::clamp(*s.rateSlider, 0, 20);
    settings_.speechRate = settings_.rateSlider - 10;
  }();
  // Kept apart from the fields above: a file without them has the syllables in black.
  if (s.syllableColours) settings_.syllableLook.on = *s.syllableColours != 0;
  if (s.syllablePair) {
    settings_.syllableLook.pair =
        std::max(0, CConfigABC::ValidSelection(
                        *s.syllablePair, static_cast<int>(CConfigABC::kSyllablePairItems.size())));
  }
  if (s.splitGlides) settings_.syllableLook.splitGlides = *s.splitGlides != 0;
  settings_.OnVoiceChanged(settings_.voiceSelection);
  host_.Refresh(ports::DialogId::kSettings);
}

}  // namespace app
