#include "speech/misspelling.h"

namespace speech {

namespace {

constexpr char32_t kCombiningTilde = U'\u0303';

// One code point of UTF-8; a broken sequence counts as U+FFFD so it can never look like a sound.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i++);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    return U'\uFFFD';
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (byte(i) & 0xC0) != 0x80) return U'\uFFFD';
    cp = (cp << 6) | (byte(i++) & 0x3F);
  }
  return cp;
}

bool IsMarkOnly(char32_t c) {
  switch (c) {
    case U'\u02C8':  // primary stress
    case U'\u02CC':  // secondary stress
    case U'\u02D0':  // long
    case U'\u02D1':  // half long
    case U'\u203F':  // liaison tie
    case U'.':
    case U'\'':
    case U',':
    case U'_':
    case U'!':
    case U'|':
    case U'-':
    case U' ':
    case U'\t':
    case U'\n':
    case U'\r':
      return true;
    default:
      return false;
  }
}

char32_t MergedVowel(char32_t c) {
  switch (c) {
    case U'\u025B':  // ɛ
      return U'e';
    case U'\u0254':  // ɔ
      return U'o';
    case U'\u00F8':      // ø
    case U'\u0153':      // œ
      return U'\u0259';  // ə
    case U'\u0251':      // ɑ
      return U'a';
    case U'\u0261':  // ɡ, the IPA letter, is the g of the keyboard
      return U'g';
    default:
      return c;
  }
}

}  // namespace

std::u32string ComparablePhonemes(std::string_view ipa) {
  std::u32string sounds;
  std::size_t i = 0;
  bool inSwitch = false;  // "(en)" and "(fr)" say where the voice changes language
  while (i < ipa.size()) {
    const char32_t c = NextCodePoint(ipa, i);
    if (c == U'(') {
      inSwitch = true;
      continue;
    }
    if (inSwitch) {
      if (c == U')') inSwitch = false;
      continue;
    }
    if (IsMarkOnly(c)) continue;
    if (c == kCombiningTilde && !sounds.empty()) {
      // ɛ̃ and œ̃ are one nasal vowel in today's French (the plain vowels were merged already, so
      // both come here as e or ə); ɑ̃ and ɔ̃ stay apart from it.
      char32_t& vowel = sounds.back();
      if (vowel == U'\u0153' || vowel == U'\u0259' || vowel == U'e') vowel = U'\u025B';
      sounds += c;
      continue;
    }
    sounds += MergedVowel(c);
  }
  return sounds;
}

SoundMatch CompareSounds(std::string_view wordIpa, std::string_view attemptIpa) {
  const std::u32string word = ComparablePhonemes(wordIpa);
  const std::u32string attempt = ComparablePhonemes(attemptIpa);
  if (word.empty() || attempt.empty()) return SoundMatch::kUnknown;
  return word == attempt ? SoundMatch::kAlike : SoundMatch::kDifferent;
}

std::string_view EchoSentence(SoundMatch match) {
  switch (match) {
    case SoundMatch::kAlike:
      return kSoundsAlikeSentence;
    case SoundMatch::kDifferent:
      return kSoundsDifferentSentence;
    case SoundMatch::kUnknown:
      break;
  }
  return {};
}

}  // namespace speech
