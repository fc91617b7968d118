// The settings file "defaut": 4176 bytes of little-endian 32-bit fields, no header.
#include <algorithm>
#include <cstring>
#include <optional>

#include "app/file_io.h"
#include "app/scribix_view.h"

namespace app {

namespace {

constexpr std::size_t kSettingsSize = 4176;
constexpr std::size_t kListPathBytes = 4096;
constexpr std::int32_t kVersionMark = 101;

class FieldWriter {
 public:
  void Int(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((u >> (8 * i)) & 0xFF);
  }
  void Bool(bool b) { Int(b ? 1 : 0); }
  void Text(const std::string& s, std::size_t size) {
    std::string field(size, '\0');
    std::memcpy(field.data(), s.data(), std::min(s.size(), size - 1));
    bytes_ += field;
  }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Reads the fields in order; a field beyond the end of a short file is not there.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}
  std::optional<std::int32_t> Int() {
    if (pos_ + 4 > bytes_.size()) return std::nullopt;
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) {
      u |= static_cast<std::uint32_t>(
               static_cast<unsigned char>(bytes_[pos_ + static_cast<std::size_t>(i)]))
           << (8 * i);
    }
    pos_ += 4;
    return static_cast<std::int32_t>(u);
  }
  std::optional<std::string> Text(std::size_t size) {
    if (pos_ + size > bytes_.size()) return std::nullopt;
    std::string_view field = bytes_.substr(pos_, size);
    pos_ += size;
    return std::string(field.substr(0, field.find('\0')));
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// The word-list boxes: anything but 0 is ticked.
bool TickedClamped(std::int32_t v) {
  return v < 0 || v > 1 ? true : v == 1;
}

}  // namespace

std::string CScribixView::SettingsBytes() const {
  FieldWriter w;
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(state.backgroundColour)));
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(state.backgroundShade1)));
  w.Int(static_cast<std::int32_t>(gfx::ToFileColour(state.backgroundShade2)));
  w.Int(state.keyboardColours);
  w.Bool(listDialog.hideHelp);
  w.Bool(listDialog.randomDraw);
  w.Bool(listDialog.hideSolution);
  w.Text(listDialog.listPath, kListPathBytes);
  w.Int(state.keyboardZoomIndex);
  w.Int(state.gridColumns);
  w.Int(state.gridLines);
  w.Int(settingsDialog.linesSelection);
  w.Int(settingsDialog.cellsSelection);
  w.Int(settingsDialog.voiceSelection);
  w.Bool(settingsDialog.noSounds);
  w.Bool(settingsDialog.noEffects);
  w.Bool(settingsDialog.autoPlace);
  w.Int(autoAdvanceSeconds);
  w.Int(listDialog.autoAdvanceSelection);
  w.Int(kVersionMark);
  w.Int(settingsDialog.rateSlider);
  return w.Take();
}

void CScribixView::WriteSettings() {
  if (state.InPuzzle()) return;
  // A folder that cannot be written to simply keeps the old file.
  WriteFileAtomically(state.settingsPath, SettingsBytes());
}

void CScribixView::ReadSettings() {
  const auto bytes = ReadWholeFile(state.settingsPath, kSettingsSize * 16);
  if (!bytes) return;
  ApplySettingsBytes(*bytes);
}

void CScribixView::ApplySettingsBytes(std::string_view bytes) {
  using speech::CConfigABC;
  FieldReader r(bytes);
  // Each field is applied as soon as it is read; a short file stops where it ends.
  [&] {
    const auto colour = r.Int();
    if (!colour) return;
    state.backgroundColour = gfx::FromFileColour(static_cast<std::uint32_t>(*colour));
    const auto shade1 = r.Int();
    if (!shade1) return;
    state.backgroundShade1 = gfx::FromFileColour(static_cast<std::uint32_t>(*shade1));
    const auto shade2 = r.Int();
    if (!shade2) return;
    state.backgroundShade2 = gfx::FromFileColour(static_cast<std::uint32_t>(*shade2));

    const auto colours = r.Int();
    if (!colours) return;
    settingsDialog.colourSelection =
        CConfigABC::ValidSelection(*colours, static_cast<int>(CConfigABC::kColourItems.size()));
    // A scheme the program does not have leaves the keyboard as it is.
    if (settingsDialog.colourSelection >= 0) ApplyKeyboardColours(settingsDialog.colourSelection);

    const auto hideHelp = r.Int();
    if (!hideHelp) return;
    listDialog.hideHelp = TickedClamped(*hideHelp);
    const auto randomDraw = r.Int();
    if (!randomDraw) return;
    listDialog.randomDraw = TickedClamped(*randomDraw);
    const auto hideSolution = r.Int();
    if (!hideSolution) return;
    listDialog.hideSolution = TickedClamped(*hideSolution);
    platform.dialogHost.Refresh(ports::DialogId::kWordLists);

    const auto path = r.Text(kListPathBytes);
    if (!path) return;
    listDialog.SetListPath(*path);
    listDialog.LoadList(listDialog.listPath);

    const auto zoom = r.Int();
    if (!zoom) return;
    settingsDialog.OnZoomChanged(
        CConfigABC::ValidSelection(*zoom, static_cast<int>(CConfigABC::kZoomItems.size())));

    const auto columns = r.Int();
    if (!columns) return;
    if (*columns >= 2 && *columns <= keyboard::WritingGrid::kColumns) state.gridColumns = *columns;
    const auto lines = r.Int();
    if (!lines) return;
    if (*lines >= 1 && *lines <= keyboard::WritingGrid::kLines) state.gridLines = *lines;

    const auto linesSelection = r.Int();
    if (!linesSelection) return;
    settingsDialog.linesSelection =
        CConfigABC::ValidSelection(*linesSelection, CConfigABC::kLineItems);
    const auto cellsSelection = r.Int();
    if (!cellsSelection) return;
    settingsDialog.cellsSelection =
        CConfigABC::ValidSelection(*cellsSelection, CConfigABC::kCellItems);

    const auto voice = r.Int();
    if (!voice) return;
    if (*voice >= 0 && *voice < static_cast<std::int32_t>(settingsDialog.voiceItems.size())) {
      settingsDialog.voiceSelection = *voice;
    }

    const auto noSounds = r.Int();
    if (!noSounds) return;
    settingsDialog.noSounds = *noSounds != 0;
    const auto noEffects = r.Int();
    if (!noEffects) return;
    settingsDialog.noEffects = *noEffects != 0;
    const auto place = r.Int();
    if (!place) return;
    settingsDialog.autoPlace = *place != 0;
    autoPlace = *place != 0 ? 1 : 0;

    const auto seconds = r.Int();
    if (!seconds) return;
    // The list offers 0 to 30 seconds; a day is more than anyone waits for the next word.
    autoAdvanceSeconds = *seconds >= 0 && *seconds <= 86400 ? *seconds : 0;
    const auto advance = r.Int();
    if (!advance) return;
    listDialog.autoAdvanceSelection = CConfigABC::ValidSelection(
        *advance, static_cast<int>(exercises::COpenList2::kAutoAdvanceItems.size()));
    platform.dialogHost.Refresh(ports::DialogId::kWordLists);

    const auto version = r.Int();
    if (!version || *version != kVersionMark) return;
    const auto rate = r.Int();
    if (!rate) return;
    settingsDialog.rateSlider = std::clamp(*rate, 0, 20);
    settingsDialog.speechRate = settingsDialog.rateSlider - 10;
  }();
  settingsDialog.OnVoiceChanged(settingsDialog.voiceSelection);
  platform.dialogHost.Refresh(ports::DialogId::kSettings);
}

}  // namespace app
