#pragma once

#include <array>
#include <cstdint>

#include "keyboard/picture_names.h"

// The colours the keyboard pictures are drawn with, one set a colour scheme: the program reads
// them to colour a tile's letter again, and the resource generator draws the pictures from them.
// Colours are 0x00RRGGBB.
namespace keyboard {

struct LetterKeyColours {
  std::uint32_t faceTop = 0;     // the face of a letter key, lit from the top...
  std::uint32_t faceBottom = 0;  // ...down to its bottom
  std::uint32_t consonant = 0;   // the ink of the letters that are not vowels, and of the signs
  std::uint32_t vowel = 0;       // the ink of a, e, i, o, u, y and their accented letters
};

inline constexpr std::uint32_t kKeyRim = 0x7D8CA3;

// "bleu", "voyelles-rouge/consonnes-bleu", "noir".
inline constexpr std::array<LetterKeyColours, kSchemeCount> kLetterKeyColours = {{
    {0xFFFFFF, 0xEAEFF5, 0x1A56DB, 0x1A56DB},
    {0xFFFFFF, 0xEAEFF5, 0x1A56DB, 0xD7261E},
    {0xFFFFFF, 0xEAEFF5, 0x141414, 0x141414},
}};

// The syllables of a word alternate two inks and its mute letters are grey. Each scheme has its
// own row, so that a scheme whose face would dim an ink gets a darker one of its own; every ink
// keeps a contrast of 4.5 to 1 on the whole face.
struct SyllableInks {
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  std::uint32_t mute = 0;
};
inline constexpr int kSyllablePairCount = 2;  // "bleu / rouge", "bleu / orange"
inline constexpr std::array<std::array<SyllableInks, kSyllablePairCount>, kSchemeCount>
    kSyllableInks = {{
        {{{0x1F4EC8, 0xC8201F, 0x696969}, {0x1F4EC8, 0xA94600, 0x696969}}},
        {{{0x1F4EC8, 0xC8201F, 0x696969}, {0x1F4EC8, 0xA94600, 0x696969}}},
        {{{0x1F4EC8, 0xC8201F, 0x696969}, {0x1F4EC8, 0xA94600, 0x696969}}},
    }};

}  // namespace keyboard
