#include "platform/linux/espeak_voice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/linux/espeak_recording.h"
#include "speech/misspelling.h"

namespace {

using namespace std::chrono_literals;
using platform::EspeakLibrary;

EspeakLibrary& Library() {
  return EspeakLibrary::Shared();
}

#define SKIP_WITHOUT_ESPEAK_DATA() \
  if (!Library().Ready()) GTEST_SKIP() << "espeak-ng's data is missing: " << Library().Description()

// A recording without the silence after its last sound, which the voice does not play after
// the last text.
platform::Recording Sounding(platform::Recording recording) {
  auto& samples = recording.samples;
  const auto last = std::find_if(samples.rbegin(), samples.rend(),
                                 [](std::int16_t s) { return s > 16 || s < -16; });
  samples.resize(static_cast<std::size_t>(samples.rend() - last));
  return recording;
}

// An audio device that takes samples at `speed` times real time and keeps them.
class FakeOutput : public platform::AudioOutput {
 public:
  struct Log {
    std::mutex lock;
    std::vector<std::int16_t> heard;
    std::vector<int> opens;
    int writes = 0;
    int drains = 0;
    int flushes = 0;
    bool failOpen = false;
    double speed = 1000;
  };
  explicit FakeOutput(std::shared_ptr<Log> log) : log_(std::move(log)) {}

  bool Open(int sampleRate) override {
    std::lock_guard guard(log_->lock);
    if (log_->failOpen) return false;
    if (rate_ != sampleRate) log_->opens.push_back(sampleRate);
    rate_ = sampleRate;
    return true;
  }
  bool Write(std::span<const std::int16_t> samples) override {
    double speed;
    {
      std::lock_guard guard(log_->lock);
      log_->heard.insert(log_->heard.end(), samples.begin(), samples.end());
      ++log_->writes;
      speed = log_->speed;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(samples.size() / (rate_ * speed)));
    return true;
  }
  void Drain() override {
    std::lock_guard guard(log_->lock);
    ++log_->drains;
  }
  void Flush() override {
    std::lock_guard guard(log_->lock);
    ++log_->flushes;
  }
  void Close() override { rate_ = 0; }
  std::string Problem() const override { return "fake"; }
  int LatencyMs() const override { return 0; }

 private:
  std::shared_ptr<Log> log_;
  int rate_ = 0;
};

class EspeakVoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_WITHOUT_ESPEAK_DATA();
    voice = std::make_unique<platform::EspeakVoice>(Library(), std::make_unique<FakeOutput>(log));
  }
  std::size_t Heard() {
    std::lock_guard guard(log->lock);
    return log->heard.size();
  }
  int Writes() {
    std::lock_guard guard(log->lock);
    return log->writes;
  }
  // The worker runs on its own: waits until the device took that many samples, for as long as a
  // loaded machine could need but no longer.
  bool WaitUntilHeard(std::size_t samples) {
    const auto giveUp = std::chrono::steady_clock::now() + 30s;
    while (Heard() < samples) {
      if (std::chrono::steady_clock::now() > giveUp) return false;
      std::this_thread::sleep_for(1ms);
    }
    return true;
  }
  std::shared_ptr<FakeOutput::Log> log = std::make_shared<FakeOutput::Log>();
  std::unique_ptr<platform::EspeakVoice> voice;
};

TEST_F(EspeakVoiceTest, SpeakReturnsAtOnceAndWaitUntilDoneWaitsForEverySampleHeard) {
  const auto alone = platform::RecordSpeech(Library(), u"Ecris le mot : chat!", {"fr", 0, 100});
  const auto word = platform::RecordSpeech(Library(), u"chat", {"fr", 0, 100});
  log->speed = 4;  // the 1.2 s instruction takes 0.3 s
  voice->Speak(u"Ecris le mot : chat!");
  voice->Speak(u"");
  voice->Speak(u"chat");
  // Back before the device could take the instruction, let alone the word.
  EXPECT_LT(Heard(), alone.samples.size());
  voice->WaitUntilDone();
  std::lock_guard guard(log->lock);
  // espeak-ng varies a text by a few samples from one time to the next.
  // The pause after the instruction is heard before the word; the one after the word is not.
  EXPECT_NEAR(log->heard.size(), alone.samples.size() + Sounding(word).samples.size(), 200);
  EXPECT_EQ(log->drains, 1);  // once, after the last text
  EXPECT_EQ(log->opens, std::vector<int>{22050});
}

TEST_F(EspeakVoiceTest, PurgeCutsTheTextBeingSaidAndDropsTheQueuedOnes) {
  log->speed = 1;
  voice->Speak(u"Il \u00E9tait une fois un petit chat qui buvait du lait dans la cuisine.");
  voice->Speak(u"Ce texte ne doit jamais \u00EAtre dit.");
  ASSERT_TRUE(WaitUntilHeard(4410));  // 0.2 s into the first text
  const int writesBefore = Writes();
  voice->Purge();
  voice->WaitUntilDone();
  // The piece the device was taking, and one more begun before the purge at worst.
  EXPECT_LE(Writes() - writesBefore, 2);
  const std::size_t cut = Heard();
  EXPECT_LT(cut, 22050u);
  {
    std::lock_guard guard(log->lock);
    EXPECT_EQ(log->flushes, 1);
    EXPECT_EQ(log->drains, 0);
  }

  // Purge then Speak, as the dictation does: only the new text, and all of it.
  const auto word = platform::RecordSpeech(Library(), u"chat", {"fr", 0, 100});
  log->speed = 1000;
  voice->Purge();
  voice->Speak(u"chat");
  voice->WaitUntilDone();
  EXPECT_NEAR(Heard() - cut, Sounding(word).samples.size(), 100);
}

TEST_F(EspeakVoiceTest, SettingsApplyFromTheNextText) {
  const std::u16string text = u"Ecris la phrase : le chat boit du lait.";
  const auto usual = Sounding(platform::RecordSpeech(Library(), text, {"fr", 0, 100}));
  voice->SelectVoice("fr-ch");
  voice->SetRate(10);
  voice->SetVolume(30);
  voice->Speak(text);
  voice->WaitUntilDone();
  platform::Recording heard;
  {
    std::lock_guard guard(log->lock);
    heard.samples = log->heard;
  }
  heard.result.sampleRate = 22050;
  const auto expected = Sounding(platform::RecordSpeech(Library(), text, {"fr-ch", 10, 30}));
  EXPECT_NEAR(heard.Seconds(), expected.Seconds(), 0.05);
  EXPECT_NEAR(heard.Rms(), expected.Rms(), expected.Rms() * 0.1);
  EXPECT_LT(heard.Seconds(), usual.Seconds() * 0.6);
  EXPECT_LT(heard.Rms(), usual.Rms() * 0.4);
}

TEST_F(EspeakVoiceTest, PhonemesAreTakenBetweenTextsAndNeverHeard) {
  const auto word = platform::RecordSpeech(Library(), u"chat", {"fr", 0, 100});
  log->speed = 1000;
  voice->Speak(u"chat");
  // In IPA, as the voice says it: a word it would say in English is said in French.
  EXPECT_EQ(voice->Phonemes(u"bato"), "bat\xCB\x88o");
  EXPECT_EQ(voice->Phonemes(u"in").find('('), std::string::npos);
  voice->WaitUntilDone();
  // The word alone, without the silence the voice leaves out after its last text: espeak-ng says
  // it a little differently after other texts, but "bato" or "in" heard as well would add twice as
  // much.
  EXPECT_NEAR(Heard(), Sounding(word).samples.size(), 2000);
}

TEST_F(EspeakVoiceTest, WithoutAnAudioDeviceTextsAreLostAndNothingHangs) {
  log->failOpen = true;
  voice->Speak(u"chat");
  voice->Speak(u"chien");
  voice->WaitUntilDone();
  EXPECT_EQ(Heard(), 0u);
  log->failOpen = false;  // the device comes back
  voice->Speak(u"chat");
  voice->WaitUntilDone();
  EXPECT_GT(Heard(), 0u);
}

TEST_F(EspeakVoiceTest, DestroyedWhileSpeakingItStopsAtOnce) {
  const std::u16string story =
      u"Il \u00E9tait une fois un petit chat qui buvait du lait dans la cuisine.";
  const auto whole = platform::RecordSpeech(Library(), story, {"fr", 0, 100});
  log->speed = 1;
  voice->Speak(story);
  ASSERT_TRUE(WaitUntilHeard(1));
  const int writesBefore = Writes();
  voice.reset();
  EXPECT_LE(Writes() - writesBefore, 2);
  EXPECT_LT(Heard(), whole.samples.size() / 2);
}

// A word said slowly: the rate is set for it alone and back at once, before the voice has begun
// it. Each text keeps the rate it was handed with.
TEST_F(EspeakVoiceTest, ATextKeepsTheRateItWasHandedWith) {
  const std::u16string word = u"\u00E9l\u00E9phant";
  const auto usual = Sounding(platform::RecordSpeech(Library(), word, {"fr", -2, 100}));
  const auto slow = platform::RecordSpeech(Library(), word, {"fr", -8, 100});
  voice->SetRate(-2);
  voice->Speak(u"chat");  // still being said while the rates change
  voice->SetRate(-8);
  voice->Speak(word);
  voice->SetRate(-2);
  voice->Speak(word);
  voice->WaitUntilDone();
  const auto chat = platform::RecordSpeech(Library(), u"chat", {"fr", -2, 100});
  EXPECT_NEAR(static_cast<double>(Heard()),
              static_cast<double>(chat.samples.size() + slow.samples.size() + usual.samples.size()),
              600);
  EXPECT_GT(Sounding(slow).Seconds(), usual.Seconds() * 1.5);
}

TEST_F(EspeakVoiceTest, TextsDoneCountsWhatWasHeardAndWhatAPurgeDropped) {
  EXPECT_EQ(voice->TextsDone(), 0u);
  voice->Speak(u"un");
  voice->Speak(u"");
  voice->Speak(u"deux");
  voice->WaitUntilDone();
  EXPECT_EQ(voice->TextsDone(), 3u);
  log->speed = 1;
  voice->Speak(u"Il \u00E9tait une fois un petit chat qui buvait du lait dans la cuisine.");
  voice->Speak(u"trois");
  ASSERT_TRUE(WaitUntilHeard(Heard() + 2205));
  EXPECT_EQ(voice->TextsDone(), 3u);  // the story is being said
  voice->Purge();
  EXPECT_EQ(voice->TextsDone(), 5u);
  voice->WaitUntilDone();
  EXPECT_EQ(voice->TextsDone(), 5u);
}

}  // namespace

namespace {

// The playhead of a device with 100 ms of latency at 1000 samples a second.
TEST(Playhead, SamplesAreHeardAfterTheLatencyAtTheDevicesRate) {
  using Clock = platform::Playhead::Clock;
  const Clock::time_point t0{};
  auto at = [&](int ms) { return t0 + std::chrono::milliseconds(ms); };
  platform::Playhead head(100);
  EXPECT_EQ(head.HeardBy(at(0)), 0);
  head.Written(500, 1000, at(0));   // half a second, handed to an idle device
  head.Written(500, 1000, at(10));  // more while it plays: it follows without a gap
  const struct {
    int ms;
    std::int64_t heard;
  } timeline[] = {{0, 0}, {99, 0}, {100, 0}, {350, 250}, {1099, 999}, {1100, 1000}, {5000, 1000}};
  for (const auto& t : timeline) EXPECT_NEAR(head.HeardBy(at(t.ms)), t.heard, 1) << t.ms;

  // Written to a device gone quiet: heard after the latency again.
  head.Written(200, 1000, at(2000));
  EXPECT_NEAR(head.HeardBy(at(2050)), 1000, 1);
  EXPECT_NEAR(head.HeardBy(at(2200)), 1100, 1);
  // A flush drops what the device held: all written counts as gone by.
  head.Flushed(at(2210));
  EXPECT_EQ(head.HeardBy(at(2210)), 1200);
  EXPECT_EQ(head.WrittenCount(), 1200);
}

}  // namespace

// While the voice plays a text, it tells which word the device is playing, word after word and
// in the text as it was handed; nothing once it is done.
TEST_F(EspeakVoiceTest, TheWordBeingPlayedIsToldInTurn) {
  log->speed = 1;
  const std::u16string text = u"un deux trois";
  voice->Speak(u"premier");
  voice->Speak(text);
  std::vector<std::pair<std::size_t, std::size_t>> heard;
  const auto giveUp = std::chrono::steady_clock::now() + 30s;
  while (voice->TextsDone().value_or(0) < 2 && std::chrono::steady_clock::now() < giveUp) {
    if (const auto now = voice->NowHearing(); now && now->text == 1) {
      if (heard.empty() || heard.back() != std::pair{now->from, now->length}) {
        heard.emplace_back(now->from, now->length);
      }
    }
    std::this_thread::sleep_for(2ms);
  }
  voice->WaitUntilDone();
  EXPECT_EQ(heard, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 2}, {3, 4}, {8, 5}}));
  EXPECT_FALSE(voice->NowHearing());
}

// Within a word the sounds are told too, whole from the word's first sound on, and the one heard
// moves on through them in order: the sounds espeak-ng says, one by one.
TEST_F(EspeakVoiceTest, TheSoundsOfTheWordHeardAreToldInTurn) {
  log->speed = 1;
  const std::u16string word = u"\u00E9l\u00E9phant";
  const std::u32string said = speech::ComparablePhonemes(
      Library().SpokenPhonemes(word, {"fr", 0, 100}, platform::PhonemeNotation::kIpa));
  voice->Speak(word);
  std::vector<std::string> sounds;
  std::vector<std::size_t> order;
  const auto giveUp = std::chrono::steady_clock::now() + 30s;
  while (voice->TextsDone().value_or(0) < 1 && std::chrono::steady_clock::now() < giveUp) {
    if (const auto now = voice->NowHearing()) {
      EXPECT_EQ(now->from, 0u);
      EXPECT_EQ(now->length, word.size());
      if (sounds.empty()) sounds = now->sounds;
      EXPECT_EQ(now->sounds, sounds);
      if (order.empty() || order.back() != now->sound) order.push_back(now->sound);
    }
    std::this_thread::sleep_for(2ms);
  }
  voice->WaitUntilDone();
  std::string joined;
  for (const std::string& sound : sounds) joined += sound;
  EXPECT_EQ(speech::ComparablePhonemes(joined), said);
  ASSERT_EQ(sounds.size(), 5u);
  EXPECT_EQ(order, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
}

namespace {

// A stop's light begins with the silence of its closure: "chta" has [ʃ], a silence, then the
// burst of [t], which espeak-ng marks; the [t] is moved back to where the [ʃ] went quiet.
TEST(StopsStartAtTheirSilence, TheClosureBelongsToTheStop) {
  SKIP_WITHOUT_ESPEAK_DATA();
  std::vector<std::int16_t> samples;
  std::vector<platform::SoundMark> marks;
  Library().Synthesise(
      u"chta", {"fr", 0, 100},
      [&](std::span<const std::int16_t> piece, int) {
        samples.insert(samples.end(), piece.begin(), piece.end());
        return true;
      },
      [](const platform::WordMark&) {},
      [&](const platform::SoundMark& mark) { marks.push_back(mark); });
  ASSERT_EQ(marks.size(), 3u);
  std::vector<platform::SoundMark> moved = marks;
  platform::StartStopsAtTheirSilence(moved, samples, 0);
  const auto loud = [&](std::int64_t at) {
    return std::abs(samples[static_cast<std::size_t>(at)]) > 16;
  };
  EXPECT_EQ(moved[0].sample, marks[0].sample);
  EXPECT_LT(moved[1].sample, marks[1].sample - 22050 / 100) << "[t] gains its closure";
  for (std::size_t k = 1; k < moved.size(); ++k) {
    for (std::int64_t at = moved[k].sample; at < marks[k].sample; ++at) EXPECT_FALSE(loud(at));
    EXPECT_TRUE(moved[k].sample == marks[k].sample || loud(moved[k].sample - 1)) << k;
  }
  // Sounds beyond the samples given stay where they are.
  std::vector<platform::SoundMark> unseen = marks;
  platform::StartStopsAtTheirSilence(unseen, std::span(samples).first(10), 0);
  EXPECT_EQ(unseen[1].sample, marks[1].sample);
}

}  // namespace
