#include "app/settings_codec.h"

#include "base/binary_fields.h"

namespace app {

namespace {

std::int32_t FileColour(const std::optional<gfx::Colour>& colour) {
  return colour ? static_cast<std::int32_t>(gfx::ToFileColour(*colour)) : 0;
}

constexpr std::size_t kListPathOffset = 7 * 4;

bool SyllablesAway(const SettingsRecord& s) {
  return s.syllableColours.value_or(0) != 0 || s.syllablePair.value_or(0) != 0 ||
         s.splitGlides.value_or(0) != 0;
}

// The list path's field: the path and its zero, and the syllables' choices at its end.
std::string ListPathField(const SettingsRecord& s) {
  const std::string path = s.listPath.value_or(std::string());
  if (!SyllablesAway(s)) {
    base::FieldWriter w;
    w.Text(path, kSettingsListPathBytes);
    return w.Take();
  }
  base::FieldWriter w;
  w.Text(path, kSettingsListPathBytes - kSyllableBytes);
  std::string field = w.Take();
  field += kSyllableMark;
  for (const auto& choice : {s.syllableColours, s.syllablePair, s.splitGlides}) {
    field += static_cast<char>(choice.value_or(0) & 0xFF);
  }
  field.resize(kSettingsListPathBytes, '\0');
  return field;
}

// The syllables' choices at the end of the list path's field, when the path stops before them.
void ReadSyllables(std::string_view bytes, SettingsRecord& s) {
  if (bytes.size() < kListPathOffset + kSettingsListPathBytes) return;
  const std::string_view field = bytes.substr(kListPathOffset, kSettingsListPathBytes);
  const std::size_t tail = kSettingsListPathBytes - kSyllableBytes;
  const std::size_t zero = field.find('\0');
  if (zero == std::string_view::npos || zero >= tail) return;
  if (field.substr(tail, kSyllableMark.size()) != kSyllableMark) return;
  const std::string_view choices = field.substr(tail + kSyllableMark.size());
  s.syllableColours = static_cast<unsigned char>(choices[0]);
  s.syllablePair = static_cast<unsigned char>(choices[1]);
  s.splitGlides = static_cast<unsigned char>(choices[2]);
}

std::optional<gfx::Colour> ReadColour(base::FieldReader& r) {
  const auto v = r.Int();
  if (!v) return std::nullopt;
  return gfx::FromFileColour(static_cast<std::uint32_t>(*v));
}

}  // namespace

std::string EncodeSettings(const SettingsRecord& s) {
  base::FieldWriter w;
  w.Int(FileColour(s.backgroundColour));
  w.Int(FileColour(s.backgroundShade1));
  w.Int(FileColour(s.backgroundShade2));
  w.Int(s.keyboardColours.value_or(0));
  w.Int(s.hideHelp.value_or(0));
  w.Int(s.randomDraw.value_or(0));
  w.Int(s.hideSolution.value_or(0));
  std::string bytes = w.Take() + ListPathField(s);
  w = base::FieldWriter();
  w.Int(s.zoom.value_or(0));
  w.Int(s.gridColumns.value_or(0));
  w.Int(s.gridLines.value_or(0));
  w.Int(s.linesSelection.value_or(0));
  w.Int(s.cellsSelection.value_or(0));
  w.Int(s.voice.value_or(0));
  w.Int(s.noSounds.value_or(0));
  w.Int(s.noEffects.value_or(0));
  w.Int(s.autoPlace.value_or(0));
  w.Int(s.autoAdvanceSeconds.value_or(0));
  w.Int(s.autoAdvanceSelection.value_or(0));
  w.Int(kSettingsVersionMark);
  w.Int(s.rateSlider.value_or(0));
  return bytes + w.Take();
}

SettingsRecord DecodeSettings(std::string_view bytes) {
  SettingsRecord s;
  base::FieldReader r(bytes);
  // Stops at the first field that is not there: a later field must not be read from the bytes
  // of a text field cut short.
  [&] {
    if (!(s.backgroundColour = ReadColour(r))) return;
    if (!(s.backgroundShade1 = ReadColour(r))) return;
    if (!(s.backgroundShade2 = ReadColour(r))) return;
    for (std::optional<std::int32_t>* field :
         {&s.keyboardColours, &s.hideHelp, &s.randomDraw, &s.hideSolution}) {
      if (!(*field = r.Int())) return;
    }
    if (!(s.listPath = r.Text(kSettingsListPathBytes))) return;
    ReadSyllables(bytes, s);
    for (std::optional<std::int32_t>* field :
         {&s.zoom, &s.gridColumns, &s.gridLines, &s.linesSelection, &s.cellsSelection, &s.voice,
          &s.noSounds, &s.noEffects, &s.autoPlace, &s.autoAdvanceSeconds,
          &s.autoAdvanceSelection}) {
      if (!(*field = r.Int())) return;
    }
    const auto version = r.Int();
    if (!version || *version != kSettingsVersionMark) return;
    s.rateSlider = r.Int();
  }();
  return s;
}

}  // namespace app
