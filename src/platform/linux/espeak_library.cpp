#include "platform/linux/espeak_library.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "text/cp1252.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// espeak-ng hands the samples back in pieces of this many milliseconds: small enough that a
// purge is heard at once, large enough to cost nothing.
constexpr int kPieceMilliseconds = 20;
// espeak-ng's amplitude at which an MBROLA voice comes out about as loud as it was recorded.
constexpr int kMbrolaNormalAmplitude = 70;
constexpr int kHeadroomStep = 15;
// The rates -10..10. The start-up rate -4 and the settings' first rate -2 speak at 113 and 140
// words a minute. Above them each step is about 10 % faster, up to 420: espeak-ng says nothing
// faster beyond it (at its 450 a text even takes longer, with its end pause). Below them espeak-ng
// slows down to 80, under which it goes no slower (85 sounds as 80); the slowest rates set the
// words further apart instead.
struct RateStep {
  int wordsPerMinute;
  int wordGap;  // espeak-ng's units of 10 ms at its normal rate
};
constexpr RateStep kRateSteps[21] = {
    {80, 15}, {80, 10}, {80, 5},  {80, 0},  {90, 0},  {100, 0}, {113, 0},
    {125, 0}, {140, 0}, {153, 0}, {168, 0}, {184, 0}, {202, 0}, {221, 0},
    {242, 0}, {266, 0}, {291, 0}, {319, 0}, {350, 0}, {383, 0}, {420, 0},
};
constexpr int kLeastHeadroom = 40;

std::string StatusMessage(espeak_ng_STATUS status, espeak_ng_ERROR_CONTEXT context) {
  // The context names the file that failed; espeak-ng only prints it, so print it into memory.
  char* text = nullptr;
  std::size_t size = 0;
  std::string message;
  if (FILE* out = open_memstream(&text, &size)) {
    espeak_ng_PrintStatusCodeMessage(status, out, context);
    std::fclose(out);
    message.assign(text, size);
    std::free(text);
  }
  while (!message.empty() &&
         (message.back() == '\n' || message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  if (message.empty()) {
    char line[256] = {};
    espeak_ng_GetStatusCodeMessage(status, line, sizeof line);
    message = line;
  }
  return message;
}

// A voice id is a file name of espeak-ng's voices: nothing that could reach another folder.
bool IsPlainVoiceId(const std::string& id) {
  return !id.empty() && id.size() < 64 && std::all_of(id.begin(), id.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
  });
}

bool IsRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// Where espeak-ng looks for the mbrola program: the path, as execvp searches it.
bool MbrolaProgramFound() {
  const char* path = std::getenv("PATH");
  const std::string folders =
      path != nullptr && *path != '\0' ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    const fs::path program = fs::path(folder) / "mbrola";
    if (IsRegularFile(program) && access(program.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

bool IsLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
         (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

char16_t LowerLetter(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x152) return 0x153;
  return c;
}

bool IsVowel(char16_t c) {
  static constexpr std::u16string_view kVowels =
      u"aeiouy\u00E0\u00E1\u00E2\u00E4\u00E6\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE"
      u"\u00EF\u00F2\u00F3\u00F4\u00F6\u00F9\u00FA\u00FB\u00FC\u00FF\u0153";
  return kVowels.find(LowerLetter(c)) != std::u16string_view::npos;
}

// The short words espeak-ng's French voice says in English or as an abbreviation, as a French
// reader says them, in espeak-ng's phoneme mnemonics.
struct FrenchReading {
  std::u16string_view word;
  std::string_view phonemes;
};
constexpr FrenchReading kFrenchReadings[] = {
    {u"at", "'at"}, {u"be", "b'@"}, {u"do", "d'o"}, {u"ed", "'Ed"}, {u"he", "'@"},
    {u"in", "'E~"}, {u"is", "'is"}, {u"it", "'it"}, {u"ke", "k'@"}, {u"of", "'Of"},
    {u"ok", "'Ok"}, {u"up", "'yp"}, {u"we", "w'@"},
};

bool SwitchesLanguage(const std::string& phonemes) {
  return phonemes.find('(') != std::string::npos;
}

std::string Utf8Word(std::u16string_view word) {
  return Utf8ForEspeak(word);
}

// The reading of a word that espeak-ng would say in another language: its longest head that
// stays French, then the rest read the same way. A single letter always stays French.
std::string SplitReading(std::u16string_view word,
                         const std::function<std::string(const std::string&)>& phonemesOf) {
  std::string reading;
  while (!word.empty()) {
    std::size_t head = word.size();
    std::string said;
    for (; head > 1; --head) {
      said = phonemesOf(Utf8Word(word.substr(0, head)));
      if (!SwitchesLanguage(said)) break;
    }
    if (head == 1) said = phonemesOf(Utf8Word(word.substr(0, 1)));
    if (SwitchesLanguage(said)) said.clear();  // no French reading at all: leave it unsaid
    reading += said;
    word.remove_prefix(head);
  }
  return reading;
}

}  // namespace

std::u16string FrenchOnlyText(std::u16string_view text,
                              const std::function<std::string(const std::string&)>& phonemesOf,
                              std::vector<TextSpan>* origin) {
  std::u16string out;
  out.reserve(text.size() + 16);
  // What was put out since the last call stands for text[from, to).
  auto from = [&](std::size_t first, std::size_t last) {
    if (origin != nullptr) origin->resize(out.size(), TextSpan{first, last});
  };
  std::size_t i = 0;
  while (i < text.size()) {
    if (!IsLetter(text[i])) {
      // Brackets typed by the child are said as they are, never taken for phoneme input.
      if (text[i] == u'[' && !out.empty() && out.back() == u'[') out += u' ';
      out += text[i++];
      from(i - 1, i);
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && IsLetter(text[end])) ++end;
    const std::u16string_view word = text.substr(i, end - i);
    const std::size_t start = i;
    i = end;
    std::u16string lower(word);
    for (char16_t& c : lower) c = LowerLetter(c);

    std::string phonemes;
    const auto known = std::find_if(std::begin(kFrenchReadings), std::end(kFrenchReadings),
                                    [&](const FrenchReading& r) { return r.word == lower; });
    if (known != std::end(kFrenchReadings)) {
      phonemes = known->phonemes;
    } else if (word.size() > 1 && std::none_of(word.begin(), word.end(), IsVowel)) {
      // Letter by letter: "st" is no saint, "cm" no centimetre.
      for (std::size_t k = 0; k < word.size(); ++k) {
        if (k > 0) out += u' ';
        out += word[k];
        from(start + k, start + k + 1);
      }
      continue;
    } else if (word.size() > 1 && SwitchesLanguage(phonemesOf(Utf8Word(word)))) {
      phonemes = SplitReading(word, phonemesOf);
    }
    if (phonemes.empty()) {
      for (std::size_t k = 0; k < word.size(); ++k) {
        out += word[k];
        from(start + k, start + k + 1);
      }
      continue;
    }
    out += u"[[";
    for (char c : phonemes) out += static_cast<char16_t>(static_cast<unsigned char>(c));
    out += u"]]";
    from(start, end);
  }
  return out;
}

int WordsPerMinute(int rate) {
  return kRateSteps[static_cast<std::size_t>(std::clamp(rate, -10, 10) + 10)].wordsPerMinute;
}

int WordGap(int rate) {
  return kRateSteps[static_cast<std::size_t>(std::clamp(rate, -10, 10) + 10)].wordGap;
}

int Amplitude(int volume, bool mbrola, int headroomPercent) {
  const int normal = mbrola ? kMbrolaNormalAmplitude : 100;
  const long scaled =
      std::lround(std::clamp(volume, 0, 100) * normal * std::clamp(headroomPercent, 0, 100) / 1e4);
  return static_cast<int>(scaled);
}

int HeadroomAfter(int headroomPercent, std::int64_t saturatedSamples) {
  if (saturatedSamples <= 0) return headroomPercent;
  return std::max(kLeastHeadroom, headroomPercent - kHeadroomStep);
}

std::string MbrolaVoiceName(std::string_view voiceId) {
  if (!voiceId.starts_with("mb-") || voiceId.size() <= 3) return {};
  return std::string(voiceId.substr(3));
}

std::string VoiceIdOfFile(std::string_view file) {
  const std::size_t slash = file.rfind('/');
  std::string id(slash == std::string_view::npos ? file : file.substr(slash + 1));
  std::transform(id.begin(), id.end(), id.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return id;
}

std::string Utf8ForEspeak(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  auto put = [&out](char32_t cp) { text::AppendUtf8(out, cp); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = text[i];
    if (unit == 0) {
      put(U' ');
    } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
               text[i + 1] <= 0xDFFF) {
      put(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      put(0xFFFD);
    } else {
      put(unit);
    }
  }
  return out;
}

EspeakLibrary& EspeakLibrary::Shared() {
  // espeak-ng itself is one per process, so is this.
  static EspeakLibrary library;
  return library;
}

EspeakLibrary::EspeakLibrary() {
  // Only this older entry point turns on the events of each sound said (named in IPA); it
  // reports no reason when it fails, so a second start, which fails the same way, tells why.
  const int started = espeak_Initialize(
      AUDIO_OUTPUT_SYNCHRONOUS, kPieceMilliseconds, nullptr,
      espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_PHONEME_IPA | espeakINITIALIZE_DONT_EXIT);
  if (started <= 0) {
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    description_ = "espeak-ng cannot start: " + StatusMessage(status, context);
    espeak_ng_ClearErrorContext(&context);
    return;
  }
  const espeak_ng_STATUS status = espeak_ng_SetVoiceByName(kDefaultVoiceId);
  if (status != ENS_OK) {
    description_ = "espeak-ng cannot speak French: " + StatusMessage(status, nullptr);
    espeak_ng_Terminate();
    return;
  }
  espeak_SetSynthCallback([](short* samples, int count, espeak_EVENT* events) -> int {
    EspeakLibrary& self = Shared();  // called only from Synthesise, under the lock
    SynthesisResult& result = *self.result_;
    for (const espeak_EVENT* e = events; e != nullptr && e->type != espeakEVENT_LIST_TERMINATED;
         ++e) {
      if (e->type == espeakEVENT_SAMPLERATE && e->id.number > 0) result.sampleRate = e->id.number;
      if (e->type == espeakEVENT_WORD && self.words_ != nullptr && *self.words_) {
        self.TellWord(e->text_position, e->length, e->audio_position, result.sampleRate);
      }
      if (e->type == espeakEVENT_PHONEME && self.sounds_ != nullptr && *self.sounds_) {
        const std::string ipa(e->id.string, strnlen(e->id.string, sizeof e->id.string));
        // The pauses at the end come as sounds without a name.
        if (!ipa.empty()) {
          (*self.sounds_)(
              {static_cast<std::int64_t>(std::max(e->audio_position, 0)) * result.sampleRate / 1000,
               ipa});
        }
      }
    }
    if (samples == nullptr || count <= 0) return 0;
    const std::span<const std::int16_t> piece(samples, static_cast<std::size_t>(count));
    result.samples += count;
    result.saturatedSamples += std::count_if(piece.begin(), piece.end(), [](std::int16_t s) {
      return s == INT16_MAX || s == INT16_MIN;
    });
    if ((*self.sink_)(piece, result.sampleRate)) return 0;
    result.stopped = true;
    return 1;
  });
  const char* path = nullptr;
  const char* version = espeak_Info(&path);
  dataPath_ = path != nullptr ? path : "";
  defaultSampleRate_ = espeak_ng_GetSampleRate();
  currentVoice_ = requestedVoice_ = kDefaultVoiceId;
  description_ =
      std::string("espeak-ng ") + (version != nullptr ? version : "?") + ", data " + dataPath_;
  ready_ = true;
}

EspeakLibrary::~EspeakLibrary() {
  std::lock_guard guard(lock_);
  if (ready_) espeak_ng_Terminate();
}

std::vector<EspeakVoiceEntry> EspeakLibrary::FrenchVoices() {
  if (!ready_) return {};
  std::lock_guard guard(lock_);
  return ListFrenchVoices();
}

std::vector<EspeakVoiceEntry> EspeakLibrary::ListFrenchVoices() {
  std::vector<EspeakVoiceEntry> entries;
  espeak_VOICE wanted = {};
  wanted.languages = "fr";
  const espeak_VOICE** voices = espeak_ListVoices(&wanted);
  for (int i = 0; voices != nullptr && voices[i] != nullptr; ++i) {
    const espeak_VOICE& v = *voices[i];
    // languages: a priority byte, then the language, repeated; the first is the voice's own.
    const std::string language =
        v.languages != nullptr && v.languages[0] != 0 ? v.languages + 1 : "";
    entries.push_back({language, v.name != nullptr ? v.name : "",
                       v.identifier != nullptr ? v.identifier : "", v.gender});
  }
  return entries;
}

bool EspeakLibrary::MbrolaVoiceInstalled(const std::string& mbrolaVoice) const {
  if (!IsPlainVoiceId(mbrolaVoice) || !MbrolaProgramFound()) return false;
  // The places espeak-ng tries, in its order.
  const fs::path candidates[] = {
      fs::path(dataPath_) / "mbrola" / mbrolaVoice,
      fs::path("/usr/share/mbrola") / mbrolaVoice,
      fs::path("/usr/share/mbrola") / mbrolaVoice / mbrolaVoice,
      fs::path("/usr/share/mbrola/voices") / mbrolaVoice,
  };
  return std::any_of(std::begin(candidates), std::end(candidates), IsRegularFile);
}

std::string EspeakLibrary::SelectVoice(const std::string& wanted) {
  if (wanted == requestedVoice_) return currentVoice_;
  requestedVoice_ = wanted;
  if (frenchIds_.empty()) {
    for (const auto& entry : ListFrenchVoices()) {
      if (entry.language == "fr" || entry.language.starts_with("fr-")) {
        frenchIds_.push_back(VoiceIdOfFile(entry.file));
      }
    }
  }
  const bool known = std::find(frenchIds_.begin(), frenchIds_.end(), wanted) != frenchIds_.end();
  std::string id = known && IsPlainVoiceId(wanted) ? wanted : std::string();
  // Without its program or voice file espeak-ng would start mbrola only to see it fail.
  const std::string mbrola = MbrolaVoiceName(id);
  if (!mbrola.empty() && !MbrolaVoiceInstalled(mbrola)) id.clear();
  if (id.empty() || espeak_ng_SetVoiceByName(id.c_str()) != ENS_OK) {
    // A failed selection leaves espeak-ng half on the other voice.
    id = kDefaultVoiceId;
    espeak_ng_SetVoiceByName(kDefaultVoiceId);
  }
  currentVoice_ = id;
  return id;
}

void EspeakLibrary::TellWord(int textPosition, int length, int audioMs, int sampleRate) {
  // espeak-ng counts the characters of what it was handed from 1.
  if (textPosition < 1 || origin_.empty()) return;
  const std::size_t first =
      std::min(static_cast<std::size_t>(textPosition - 1), origin_.size() - 1);
  const std::size_t last =
      std::min(first + static_cast<std::size_t>(std::max(length, 1)), origin_.size());
  TextSpan span = origin_[first];
  for (std::size_t k = first; k < last; ++k) {
    span.from = std::min(span.from, origin_[k].from);
    span.to = std::max(span.to, origin_[k].to);
  }
  const std::int64_t sample = static_cast<std::int64_t>(std::max(audioMs, 0)) * sampleRate / 1000;
  (*words_)({sample, span.from, span.to - span.from});
}

std::string EspeakLibrary::PreparedText(std::u16string_view text, std::vector<TextSpan>* origin) {
  std::vector<TextSpan> units;
  const std::u16string french = FrenchOnlyText(
      text,
      [](const std::string& word) {
        const void* rest = word.c_str();
        std::string phonemes;
        while (rest != nullptr) {
          const char* piece = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, 0);
          if (piece == nullptr) break;
          phonemes += piece;
        }
        return phonemes;
      },
      origin != nullptr ? &units : nullptr);
  if (origin != nullptr) {
    // espeak-ng counts characters, and a pair of surrogates is one.
    origin->clear();
    for (std::size_t k = 0; k < french.size() && k < units.size(); ++k) {
      const bool low = french[k] >= 0xDC00 && french[k] <= 0xDFFF;
      const bool afterHigh = k > 0 && french[k - 1] >= 0xD800 && french[k - 1] <= 0xDBFF;
      if (low && afterHigh) continue;
      origin->push_back(units[k]);
    }
  }
  return Utf8ForEspeak(french);
}

std::string EspeakLibrary::SpokenPhonemes(std::u16string_view text,
                                          const SynthesisSettings& settings,
                                          PhonemeNotation notation) {
  if (!ready_) return {};
  char* trace = nullptr;
  std::size_t size = 0;
  FILE* out = open_memstream(&trace, &size);
  if (out == nullptr) return {};
  {
    std::lock_guard guard(lock_);
    espeak_SetPhonemeTrace(
        espeakPHONEMES_SHOW | (notation == PhonemeNotation::kIpa ? espeakPHONEMES_IPA : 0), out);
  }
  Synthesise(text, settings, [](std::span<const std::int16_t>, int) { return true; });
  {
    std::lock_guard guard(lock_);
    espeak_SetPhonemeTrace(0, nullptr);
  }
  std::fclose(out);
  std::string phonemes;
  // One line per clause; the words of the text, blank-separated.
  for (std::size_t k = 0; k < size; ++k) {
    const char c = trace[k] == '\n' ? ' ' : trace[k];
    if (c == ' ' && (phonemes.empty() || phonemes.back() == ' ')) continue;
    phonemes += c;
  }
  std::free(trace);
  while (!phonemes.empty() && phonemes.back() == ' ') phonemes.pop_back();
  return phonemes;
}

SynthesisResult EspeakLibrary::Synthesise(std::u16string_view text,
                                          const SynthesisSettings& settings, const AudioSink& sink,
                                          const WordSink& words, const SoundSink& sounds) {
  SynthesisResult result;
  if (!ready_) return result;
  std::lock_guard guard(lock_);
  result.voiceId = SelectVoice(settings.voiceId);
  const std::string utf8 = PreparedText(text, words ? &origin_ : nullptr);
  int& headroom = headroom_.try_emplace(result.voiceId, 100).first->second;
  const bool mbrola = !MbrolaVoiceName(result.voiceId).empty();
  espeak_ng_SetParameter(espeakRATE, WordsPerMinute(settings.rate), 0);
  espeak_ng_SetParameter(espeakWORDGAP, WordGap(settings.rate), 0);
  espeak_ng_SetParameter(espeakVOLUME, Amplitude(settings.volume, mbrola, headroom), 0);
  // An MBROLA voice has its own rate (16 kHz for fr1); the samples must be played at it.
  result.sampleRate = espeak_ng_GetSampleRate();

  sink_ = &sink;
  words_ = words ? &words : nullptr;
  sounds_ = sounds ? &sounds : nullptr;
  result_ = &result;
  const espeak_ng_STATUS status =
      espeak_ng_Synthesize(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                           espeakCHARS_UTF8 | espeakENDPAUSE | espeakPHONEMES, nullptr, nullptr);
  sink_ = nullptr;
  words_ = nullptr;
  sounds_ = nullptr;
  origin_.clear();
  result_ = nullptr;
  result.ok = status == ENS_OK && !result.stopped;
  headroom = HeadroomAfter(headroom, result.saturatedSamples);
  return result;
}

}  // namespace platform
