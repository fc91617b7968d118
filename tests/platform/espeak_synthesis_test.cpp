#include <gtest/gtest.h>

#include "platform/linux/espeak_library.h"
#include "platform/linux/espeak_recording.h"
#include "text/cp1252.h"

namespace {

using platform::EspeakLibrary;

TEST(EspeakSettings, VolumeIsEspeakNgsAmplitudeWithLessForMbrolaAndAfterClipping) {
  EXPECT_EQ(platform::Amplitude(100, false), 100);
  EXPECT_EQ(platform::Amplitude(60, false), 60);
  EXPECT_EQ(platform::Amplitude(0, false), 0);
  EXPECT_EQ(platform::Amplitude(150, false), 100);
  EXPECT_EQ(platform::Amplitude(-5, false), 0);
  EXPECT_EQ(platform::Amplitude(100, true), 70);
  EXPECT_EQ(platform::Amplitude(60, true), 42);
  EXPECT_EQ(platform::Amplitude(100, true, 55), 39);

  // A voice heard clipping is lowered step by step, never below 40 %, never raised again.
  EXPECT_EQ(platform::HeadroomAfter(100, 0), 100);
  EXPECT_EQ(platform::HeadroomAfter(100, 3), 85);
  int headroom = 100;
  for (int i = 0; i < 10; ++i) headroom = platform::HeadroomAfter(headroom, 1);
  EXPECT_EQ(headroom, 40);
}

TEST(EspeakSettings, TextReachesEspeakNgAsWholeUtf8) {
  EXPECT_EQ(platform::Utf8ForEspeak(u"\u00C9cris \u0153uf \u20AC"),
            "\xC3\x89"
            "cris \xC5\x93uf \xE2\x82\xAC");
  EXPECT_EQ(platform::Utf8ForEspeak(u"a\U0001F600b"),
            "a\xF0\x9F\x98\x80"
            "b");
  // A NUL would end the text early; a lone surrogate is no character at all.
  EXPECT_EQ(platform::Utf8ForEspeak(std::u16string(u"a\0b", 3)), "a b");
  EXPECT_EQ(platform::Utf8ForEspeak(u"x\xD800y\xDC00"), "x\xEF\xBF\xBDy\xEF\xBF\xBD");
}

EspeakLibrary& Library() {
  return EspeakLibrary::Shared();
}

#define SKIP_WITHOUT_ESPEAK_DATA() \
  if (!Library().Ready()) GTEST_SKIP() << "espeak-ng's data is missing: " << Library().Description()

TEST(EspeakSynthesis, TheDictationInstructionComesOutAsOneToFourSecondsOfSpeech) {
  SKIP_WITHOUT_ESPEAK_DATA();
  const auto r = platform::RecordSpeech(Library(), u"Ecris le mot : chat!", {"fr", 0, 100});
  EXPECT_TRUE(r.result.ok);
  EXPECT_EQ(r.result.voiceId, "fr");
  EXPECT_EQ(r.result.sampleRate, 22050);
  EXPECT_EQ(static_cast<std::size_t>(r.result.samples), r.samples.size());
  EXPECT_GT(r.Seconds(), 1.0);
  EXPECT_LT(r.Seconds(), 4.0);
  EXPECT_GT(r.Rms(), 0.02);  // speech, not silence
  EXPECT_LT(r.Peak(), 32767);
  EXPECT_EQ(r.result.saturatedSamples, 0);
}

TEST(EspeakSynthesis, RateAndVolumeReachTheVoice) {
  SKIP_WITHOUT_ESPEAK_DATA();
  const std::u16string text = u"Ecris la phrase : le chat boit du lait.";
  const auto slow = platform::RecordSpeech(Library(), text, {"fr", -4, 100});
  const auto fast = platform::RecordSpeech(Library(), text, {"fr", 10, 100});
  const auto quiet = platform::RecordSpeech(Library(), text, {"fr", -4, 50});
  // 113 against 450 words a minute; pauses do not shrink as much as words.
  EXPECT_GT(slow.Seconds(), 2.0 * fast.Seconds());
  EXPECT_NEAR(quiet.Rms() / slow.Rms(), 0.5, 0.1);
  EXPECT_NEAR(quiet.Seconds(), slow.Seconds(), 0.05);
}

TEST(EspeakSynthesis, UnknownMissingOrUnsafeVoicesSpeakWithTheDefaultVoice) {
  SKIP_WITHOUT_ESPEAK_DATA();
  const auto belgian = platform::RecordSpeech(Library(), u"septante", {"fr-be", 0, 100});
  EXPECT_EQ(belgian.result.voiceId, "fr-be");
  // espeak-ng knows Klingon and English, but they are not voices of this program.
  for (const std::string id : {"", "klingon", "en", "../../../etc/passwd", "mb-zz9", "FR"}) {
    const auto r = platform::RecordSpeech(Library(), u"chat", {id, 0, 100});
    EXPECT_EQ(r.result.voiceId, "fr") << id;
    EXPECT_TRUE(r.result.ok) << id;
    EXPECT_GT(r.Rms(), 0.02) << id;
  }
}

// Each of the 21 positions of the rate slider is heard slower than the next, and the slowest
// gives a child twice the time of the start-up rate.
TEST(EspeakSettings, EverySliderStepIsAudiblySlowerThanTheNext) {
  // The start-up rate and the settings' first one keep their pace; rates beyond the ends count as
  // the ends.
  EXPECT_EQ(platform::WordsPerMinute(-4), 113);
  EXPECT_EQ(platform::WordsPerMinute(-2), 140);
  EXPECT_EQ(platform::WordsPerMinute(12), platform::WordsPerMinute(10));
  EXPECT_EQ(platform::WordGap(-2000000000), platform::WordGap(-10));
  SKIP_WITHOUT_ESPEAK_DATA();
  auto duration = [](int rate) {
    const auto said = Library().Synthesise(u"Ecris le mot : \u00E9l\u00E9phant!", {"fr", rate, 100},
                                           [](std::span<const std::int16_t>, int) { return true; });
    return static_cast<double>(said.samples) / said.sampleRate;
  };
  double slower = duration(-10);
  EXPECT_GE(slower, 2 * duration(-4));
  for (int position = 1; position <= 20; ++position) {
    const double d = duration(position - 10);
    EXPECT_LE(d, slower / 1.03) << "position " << position;
    slower = d;
  }
}

}  // namespace

namespace {

struct Word {
  std::size_t from;
  std::size_t length;
  bool operator==(const Word&) const = default;
};

// The words espeak-ng says, as parts of the text handed to it, and where their sound begins.
std::vector<platform::WordMark> WordsSaid(const std::u16string& text) {
  std::vector<platform::WordMark> words;
  platform::EspeakLibrary::Shared().Synthesise(
      text, {"fr", 0, 100}, [](std::span<const std::int16_t>, int) { return true; },
      [&](const platform::WordMark& word) { words.push_back(word); });
  return words;
}

std::vector<Word> Parts(const std::vector<platform::WordMark>& marks) {
  std::vector<Word> parts;
  for (const auto& m : marks) parts.push_back({m.from, m.length});
  return parts;
}

}  // namespace

// Each word is told in the text as the caller wrote it, also when the voice was handed another
// spelling of it (a French reading in phonemes, letters said one by one), in the order heard.
TEST(EspeakSynthesis, TheWordsSaidAreToldInTheTextAsWrittenAndInOrder) {
  SKIP_WITHOUT_ESPEAK_DATA();
  const struct {
    std::u16string text;
    std::vector<Word> words;
  } cases[] = {
      {u"le chat. Le rat", {{0, 2}, {3, 4}, {9, 2}, {12, 3}}},
      {u"cadau", {{0, 5}}},
      {u"do r\u00E9 mi", {{0, 2}, {3, 2}, {6, 2}}},      // "do" is read from phonemes
      {u"un st ici", {{0, 2}, {3, 1}, {4, 1}, {6, 3}}},  // "st" letter by letter
  };
  for (const auto& c : cases) {
    const auto marks = WordsSaid(c.text);
    EXPECT_EQ(Parts(marks), c.words) << text::FromUtf16(c.text);
    for (std::size_t k = 1; k < marks.size(); ++k) {
      EXPECT_GT(marks[k].sample, marks[k - 1].sample) << text::FromUtf16(c.text) << " " << k;
    }
  }
}
