#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// espeak-ng keeps one synthesiser per process. Everything that speaks or lists voices goes through
// the one EspeakLibrary, which starts it in synchronous retrieval mode (the samples come back to
// us, we play them) and lets one caller at a time use it.
namespace platform {

// What the teacher's settings ask of a text: the voice as the catalog names it, the rate on the
// -10..10 scale and the volume 0..100.
struct SynthesisSettings {
  std::string voiceId;
  int rate = 0;
  int volume = 100;
};

// A voice as espeak-ng lists it: its first language ("fr-fr"), its name, its file under voices/
// ("roa/fr", "mb/mb-fr4") and its gender (1 male, 2 female, 0 unknown).
struct EspeakVoiceEntry {
  std::string language;
  std::string name;
  std::string file;
  int gender = 0;
};

// Receives the samples (16-bit mono) as they are made; false stops the synthesis.
using AudioSink = std::function<bool(std::span<const std::int16_t> samples, int sampleRate)>;

// A word espeak-ng begins to say: where its sound begins among the samples of the text, and the
// part of the text handed to Synthesise it reads (UTF-16 units).
struct WordMark {
  std::int64_t sample = 0;
  std::size_t from = 0;
  std::size_t length = 0;
};
using WordSink = std::function<void(const WordMark& word)>;

// A sound (one phoneme, in IPA) espeak-ng begins to say, at this sample of the text. The sounds
// of a word come after its WordMark and before the next word's.
struct SoundMark {
  std::int64_t sample = 0;
  std::string ipa;
};
using SoundSink = std::function<void(const SoundMark& sound)>;

struct SynthesisResult {
  bool ok = false;       // espeak-ng said all of the text
  bool stopped = false;  // the sink asked to stop
  std::string voiceId;   // the voice that spoke, after any fall-back to the default
  int sampleRate = 0;
  std::int64_t samples = 0;
  std::int64_t saturatedSamples = 0;  // at full scale: the voice clipped
};

inline constexpr char kDefaultVoiceId[] = "fr";

// How espeak-ng writes the phonemes it says: its own mnemonics ("S@v'al") or IPA ("ʃəvˈal").
enum class PhonemeNotation { kMnemonics, kIpa };

// -10..10 to espeak-ng's words a minute and the pause it adds between words (its units of 10 ms):
// every step is audibly faster than the one below it, and the slowest takes about twice as long
// as the start-up rate -4. Rates outside -10..10 count as the ends.
int WordsPerMinute(int rate);
int WordGap(int rate);
// 0..100 to espeak-ng's amplitude. espeak-ng's own voices are at their normal level at 100. It
// multiplies an MBROLA voice's samples by about 1.4 at that level and saturates the louder ones,
// so those get less; `headroomPercent` lowers a voice further once it has been heard clipping.
int Amplitude(int volume, bool mbrola, int headroomPercent = 100);
// The headroom of a voice after a text in which `saturatedSamples` samples reached full scale.
int HeadroomAfter(int headroomPercent, std::int64_t saturatedSamples);

// "mb-fr4" -> "fr4"; empty for a voice that is not an MBROLA one.
std::string MbrolaVoiceName(std::string_view voiceId);
// The id the catalog hands out for a voice file: "roa/fr-BE" -> "fr-be".
std::string VoiceIdOfFile(std::string_view file);

// UTF-8 for espeak-ng: a lone surrogate becomes U+FFFD and a NUL a space, so nothing cuts the
// text short or hands the synthesiser a broken sequence.
std::string Utf8ForEspeak(std::u16string_view text);

// espeak-ng's French voice reads some words of letters as English ("in", "do", "it", and words
// ending like "gâtea") and some as abbreviations ("cm", "km", "st" for saint, "ok"). A child who
// builds "stylo" letter by letter, or writes "do ré mi", must hear French all the way; so before
// a text is said, each such word is replaced by its French reading, in espeak-ng's phoneme input
// ("[[...]]", read with espeakPHONEMES), and a word without a vowel is said letter by letter, as
// espeak-ng says every other such word. `phonemesOf` gives espeak-ng's own phonemes of one word,
// with "(en)" and the like where it would change language.
// `origin`, when given, receives for each unit of the result the part of `text` it stands for.
struct TextSpan {
  std::size_t from = 0;
  std::size_t to = 0;
  bool operator==(const TextSpan&) const = default;
};
std::u16string FrenchOnlyText(std::u16string_view text,
                              const std::function<std::string(const std::string&)>& phonemesOf,
                              std::vector<TextSpan>* origin = nullptr);

class EspeakLibrary {
 public:
  // Started on first use, stopped at the end of the process.
  static EspeakLibrary& Shared();

  EspeakLibrary(const EspeakLibrary&) = delete;
  EspeakLibrary& operator=(const EspeakLibrary&) = delete;
  ~EspeakLibrary();

  bool Ready() const { return ready_; }
  // Why espeak-ng could not start, or its version and data folder when it did.
  const std::string& Description() const { return description_; }
  const std::string& DataPath() const { return dataPath_; }
  int DefaultSampleRate() const { return defaultSampleRate_; }

  // The voices espeak-ng knows for French (MBROLA ones included, installed or not).
  std::vector<EspeakVoiceEntry> FrenchVoices();
  // True when the mbrola program is on the path and espeak-ng would find that MBROLA voice.
  bool MbrolaVoiceInstalled(const std::string& mbrolaVoice) const;

  // Selects the voice (the default one when the id is unknown or cannot speak), the rate and the
  // volume, then says the text into the sink. Blocks until the text is said or the sink stops it.
  // `words`, when given, hears of each word before the samples it begins in reach the sink, and
  // `sounds` of each sound.
  SynthesisResult Synthesise(std::u16string_view text, const SynthesisSettings& settings,
                             const AudioSink& sink, const WordSink& words = {},
                             const SoundSink& sounds = {});
  // The phonemes espeak-ng says for the text with these settings (as its phoneme trace writes
  // them), synthesised to memory and heard by nobody.
  std::string SpokenPhonemes(std::u16string_view text, const SynthesisSettings& settings,
                             PhonemeNotation notation = PhonemeNotation::kMnemonics);

 private:
  EspeakLibrary();
  // Under lock_.
  std::vector<EspeakVoiceEntry> ListFrenchVoices();
  // Under lock_: the voice for this id, the default one when it is not a French voice of
  // espeak-ng's or cannot speak.
  std::string SelectVoice(const std::string& wanted);
  // Under lock_, from the synthesis: hands words_ the word espeak-ng says begins there.
  void TellWord(int textPosition, int length, int audioMs, int sampleRate);
  // Under lock_, the voice selected: the text as espeak-ng is to be handed it, in UTF-8.
  // `origin` receives, for each character of the result, the part of `text` it reads.
  std::string PreparedText(std::u16string_view text, std::vector<TextSpan>* origin = nullptr);

  std::mutex lock_;  // one caller at a time: espeak-ng's state is global
  bool ready_ = false;
  std::string description_;
  std::string dataPath_;
  int defaultSampleRate_ = 22050;

  // Under lock_: what espeak-ng has now, and the synthesis in progress.
  std::string requestedVoice_;          // the id last asked for
  std::string currentVoice_;            // the id espeak-ng speaks with
  std::vector<std::string> frenchIds_;  // listed on the first change of voice
  std::map<std::string, int> headroom_;
  const AudioSink* sink_ = nullptr;
  const WordSink* words_ = nullptr;
  const SoundSink* sounds_ = nullptr;
  std::vector<TextSpan> origin_;  // of the text being said, character by character
  SynthesisResult* result_ = nullptr;
};

}  // namespace platform
