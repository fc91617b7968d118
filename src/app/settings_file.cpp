// The settings file "defaut": 4176 bytes of little-endian 32-bit fields, no header.
#include <algorithm>
#include <cstring>
#include <optional>

#include "app/scribix_view.h"
#include "base/binary_fields.h"
#include "base/files.h"

namespace app {

namespace {

constexpr std::size_t kSettingsSize = 4176;
constexpr std::size_t kListPathBytes = 4096;
constexpr std::int32_t kVersionMark = 101;

using base::FieldReader;
using base::FieldWriter;

// The word-list boxes: anything but 0 is ticked.
bool TickedClamped(std::int32_t v) {
  return v < 0 || v > 1 ? true : v == 1;
}

}  // namespace

std::string CScribixView::SettingsBytes() const {
  FieldWriter w;
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(state_.backgroundColour)));
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(state_.backgroundShade1)));
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(state_.backgroundShade2)));
  w.Int(state_.keyboardColours);
  w.Bool(listDialog_.hideHelp);
  w.Bool(listDialog_.randomDraw);
  w.Bool(listDialog_.hideSolution);
  w.Text(listDialog_.listPath, kListPathBytes);
  w.Int(ChosenZoomIndex());
  w.Int(state_.gridColumns);
  w.Int(state_.gridLines);
  w.Int(settingsDialog_.linesSelection);
  w.Int(settingsDialog_.cellsSelection);
  w.Int(settingsDialog_.voiceSelection);
  w.Bool(settingsDialog_.noSounds);
  w.Bool(settingsDialog_.noEffects);
  w.Bool(settingsDialog_.autoPlace);
  w.Int(autoAdvanceSeconds_);
  w.Int(listDialog_.autoAdvanceSelection);
  w.Int(kVersionMark);
  w.Int(settingsDialog_.rateSlider);
  return w.Take();
}

void CScribixView::WriteSettings() {
  if (puzzleMode() == 1) return;
  // A folder that cannot be written to simply keeps the old file.
  base::WriteFileAtomically(state_.settingsPath, SettingsBytes());
}

void CScribixView::ReadSettings() {
  // Only the fields the program knows are read, however long the file is.
  const auto bytes = base::ReadFileStart(state_.settingsPath, kSettingsSize);
  if (!bytes) return;
  ApplySettingsBytes(*bytes);
}

void CScribixView::ApplySettingsBytes(std::string_view bytes) {
  FieldReader r(bytes);
  // Each field is applied as soon as it is read; a short file stops where it ends.
  [&] {
    const auto colour = r.Int();
    if (!colour) return;
    state_.backgroundColour = gfx::FromFileColour(static_cast<std::uint32_t>(*colour));
    const auto shade1 = r.Int();
    if (!shade1) return;
    state_.backgroundShade1 = gfx::FromFileColour(static_cast<std::uint32_t>(*shade1));
    const auto shade2 = r.Int();
    if (!shade2) return;
    state_.backgroundShade2 = gfx::FromFileColour(static_cast<std::uint32_t>(*shade2));

    const auto colours = r.Int();
    if (!colours) return;
    settingsDialog_.colourSelection =
        CConfigABC::ValidSelection(*colours, static_cast<int>(CConfigABC::kColourItems.size()));
    // A scheme the program does not have leaves the keyboard as it is.
    if (settingsDialog_.colourSelection >= 0) ApplyKeyboardColours(settingsDialog_.colourSelection);

    const auto hideHelp = r.Int();
    if (!hideHelp) return;
    listDialog_.hideHelp = TickedClamped(*hideHelp);
    const auto randomDraw = r.Int();
    if (!randomDraw) return;
    listDialog_.randomDraw = TickedClamped(*randomDraw);
    const auto hideSolution = r.Int();
    if (!hideSolution) return;
    listDialog_.hideSolution = TickedClamped(*hideSolution);
    platform_.dialogHost.Refresh(ports::DialogId::kWordLists);

    const auto path = r.Text(kListPathBytes);
    if (!path) return;
    listDialog_.SetListPath(*path);
    listDialog_.LoadList(listDialog_.listPath);

    const auto zoom = r.Int();
    if (!zoom) return;
    settingsDialog_.OnZoomChanged(
        CConfigABC::ValidSelection(*zoom, static_cast<int>(CConfigABC::kZoomItems.size())));

    const auto columns = r.Int();
    if (!columns) return;
    if (*columns >= 2 && *columns <= grid::WritingGrid::kColumns) state_.gridColumns = *columns;
    const auto lines = r.Int();
    if (!lines) return;
    if (*lines >= 1 && *lines <= grid::WritingGrid::kLines) state_.gridLines = *lines;

    const auto linesSelection = r.Int();
    if (!linesSelection) return;
    settingsDialog_.linesSelection =
        CConfigABC::ValidSelection(*linesSelection, CConfigABC::kLineItems);
    const auto cellsSelection = r.Int();
    if (!cellsSelection) return;
    settingsDialog_.cellsSelection =
        CConfigABC::ValidSelection(*cellsSelection, CConfigABC::kCellItems);

    const auto voice = r.Int();
    if (!voice) return;
    if (*voice >= 0 && *voice < static_cast<std::int32_t>(settingsDialog_.voiceItems.size())) {
      settingsDialog_.voiceSelection = *voice;
    }

    const auto noSounds = r.Int();
    if (!noSounds) return;
    settingsDialog_.noSounds = *noSounds != 0;
    const auto noEffects = r.Int();
    if (!noEffects) return;
    settingsDialog_.noEffects = *noEffects != 0;
    const auto place = r.Int();
    if (!place) return;
    settingsDialog_.autoPlace = *place != 0;
    autoPlace_ = *place != 0 ? 1 : 0;

    const auto seconds = r.Int();
    if (!seconds) return;
    // The list offers 0 to 30 seconds; a day is more than anyone waits for the next word.
    autoAdvanceSeconds_ = *seconds >= 0 && *seconds <= 86400 ? *seconds : 0;
    const auto advance = r.Int();
    if (!advance) return;
    listDialog_.autoAdvanceSelection = CConfigABC::ValidSelection(
        *advance, static_cast<int>(exercises::COpenList2::kAutoAdvanceItems.size()));
    platform_.dialogHost.Refresh(ports::DialogId::kWordLists);

    const auto version = r.Int();
    if (!version || *version != kVersionMark) return;
    const auto rate = r.Int();
    if (!rate) return;
    settingsDialog_.rateSlider = std::clamp(*rate, 0, 20);
    settingsDialog_.speechRate = settingsDialog_.rateSlider - 10;
  }();
  settingsDialog_.OnVoiceChanged(settingsDialog_.voiceSelection);
  platform_.dialogHost.Refresh(ports::DialogId::kSettings);
}

}  // namespace app
