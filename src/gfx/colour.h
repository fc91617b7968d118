#pragma once

#include <cstdint>

namespace gfx {

// Pixels and colours in memory: 0x00RRGGBB.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
  return (static_cast<Colour>(r & 0xFF) << 16) | (static_cast<Colour>(g & 0xFF) << 8) |
         static_cast<Colour>(b & 0xFF);
}
constexpr int Red(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int Green(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int Blue(Colour c) {
  return static_cast<int>(c & 0xFF);
}

// Files keep colours as Windows stores them, 0x00BBGGRR.
constexpr Colour FromFileColour(std::uint32_t bbggrr) {
  return Rgb(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
             static_cast<int>((bbggrr >> 16) & 0xFF));
}
constexpr std::uint32_t ToFileColour(Colour c) {
  return static_cast<std::uint32_t>(Red(c)) | (static_cast<std::uint32_t>(Green(c)) << 8) |
         (static_cast<std::uint32_t>(Blue(c)) << 16);
}

}  // namespace gfx
