#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/colour.h"

namespace app {

// The settings file "defaut": 4176 bytes of little-endian 32-bit fields and one text field, no
// header. The record holds the fields as the file has them, in file order; what they mean to the
// program is the apply step's business.
constexpr std::size_t kSettingsFileSize = 4176;
constexpr std::size_t kSettingsListPathBytes = 4096;
// Files written before the speech rate was kept have no mark and no rate after it.
constexpr std::int32_t kSettingsVersionMark = 101;
// The syllables in colour are kept in the last bytes of the list path's field, which a path never
// reaches: a mark, then one byte a choice. A program that does not know them reads the path up to
// its zero and leaves them be; a file without the mark has them off.
constexpr std::size_t kSyllableBytes = 8;
constexpr std::string_view kSyllableMark = "syl";

struct SettingsRecord {
  // A short file stops where it ends: the fields after its end are not there.
  std::optional<gfx::Colour> backgroundColour;
  std::optional<gfx::Colour> backgroundShade1;
  std::optional<gfx::Colour> backgroundShade2;
  std::optional<std::int32_t> keyboardColours;
  std::optional<std::int32_t> hideHelp;
  std::optional<std::int32_t> randomDraw;
  std::optional<std::int32_t> hideSolution;
  std::optional<std::string> listPath;
  std::optional<std::int32_t> zoom;
  std::optional<std::int32_t> gridColumns;
  std::optional<std::int32_t> gridLines;
  std::optional<std::int32_t> linesSelection;
  std::optional<std::int32_t> cellsSelection;
  std::optional<std::int32_t> voice;
  std::optional<std::int32_t> noSounds;
  std::optional<std::int32_t> noEffects;
  std::optional<std::int32_t> autoPlace;
  std::optional<std::int32_t> autoAdvanceSeconds;
  std::optional<std::int32_t> autoAdvanceSelection;
  // Only from a file with the version mark.
  std::optional<std::int32_t> rateSlider;
  // Only from a file that has them; written when one is away from its default (0).
  std::optional<std::int32_t> syllableColours;
  std::optional<std::int32_t> syllablePair;
  std::optional<std::int32_t> splitGlides;

  bool operator==(const SettingsRecord&) const = default;
};

// The record's fields, a field not there written as zero; always kSettingsFileSize bytes. A list
// path longer than its field is cut (shorter still when the syllables' choices follow it).
std::string EncodeSettings(const SettingsRecord& record);
// The fields the bytes hold, up to the first one they do not; bytes beyond the known fields
// are ignored.
SettingsRecord DecodeSettings(std::string_view bytes);

}  // namespace app
