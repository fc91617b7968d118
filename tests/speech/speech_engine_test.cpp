#include "speech/speech_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "support/fake_ports.h"

namespace {

using testing_support::FakeVoice;

// Long enough for a loaded machine, short enough that a test that goes wrong ends.
constexpr auto kPatience = std::chrono::seconds(30);

// A voice whose Speak blocks until the test lets it go, so the queue can be filled meanwhile.
class GatedVoice : public FakeVoice {
 public:
  void Speak(const std::u16string& text) override {
    std::unique_lock guard(gate_);
    entered_ = true;
    changed_.notify_all();
    changed_.wait_for(guard, kPatience, [this] { return open_; });
    guard.unlock();
    FakeVoice::Speak(text);
  }
  bool WaitUntilEntered() {
    std::unique_lock guard(gate_);
    return changed_.wait_for(guard, kPatience, [this] { return entered_; });
  }
  void Open() {
    std::lock_guard guard(gate_);
    open_ = true;
    changed_.notify_all();
  }

 private:
  std::mutex gate_;
  std::condition_variable changed_;
  bool entered_ = false;
  bool open_ = false;
};

// Waits until the voice has been handed `count` texts.
bool WaitForSpoken(FakeVoice& voice, std::size_t count) {
  const auto giveUp = std::chrono::steady_clock::now() + kPatience;
  while (voice.Spoken().size() < count) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// A voice that notes on which thread it was prepared, used and let go.
class ThreadNotingVoice : public FakeVoice {
 public:
  void EnterThread() override { Note("enter"); }
  void LeaveThread() override { Note("leave"); }
  void Speak(const std::u16string& text) override {
    Note("speak");
    FakeVoice::Speak(text);
  }
  std::vector<std::pair<std::string, std::thread::id>> Notes() {
    std::lock_guard guard(lock_);
    return notes_;
  }

 private:
  void Note(const char* what) {
    std::lock_guard guard(lock_);
    notes_.emplace_back(what, std::this_thread::get_id());
  }
  std::mutex lock_;
  std::vector<std::pair<std::string, std::thread::id>> notes_;
};

TEST(SpeechEngine, TheWorkerPreparesItsThreadForTheVoiceFirstAndReleasesItLast) {
  ThreadNotingVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  EXPECT_TRUE(engine.Speak("a"));
  ASSERT_TRUE(WaitForSpoken(voice, 1));
  engine.Shutdown();

  const auto notes = voice.Notes();
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0].first, "enter");
  EXPECT_EQ(notes[1].first, "speak");
  EXPECT_EQ(notes[2].first, "leave");
  EXPECT_NE(notes[0].second, std::this_thread::get_id());
  EXPECT_EQ(notes[1].second, notes[0].second);
  EXPECT_EQ(notes[2].second, notes[0].second);
}

TEST(SpeechEngine, SpeaksInTheOrderOfTheQueueAndSkipsEmptyTexts) {
  FakeVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  EXPECT_TRUE(engine.Speak("Ecris le mot : "));
  EXPECT_TRUE(engine.Speak(""));
  EXPECT_TRUE(
      engine.Speak("b\xE9"
                   "b\xE9 \x9C"));
  ASSERT_TRUE(WaitForSpoken(voice, 2));
  engine.Shutdown();
  const auto spoken = voice.Spoken();
  ASSERT_EQ(spoken.size(), 2u);
  EXPECT_EQ(spoken[0], u"Ecris le mot : ");
  EXPECT_EQ(spoken[1], u"b\u00E9b\u00E9 \u0153");
}

TEST(SpeechEngine, AFullQueueDropsTheNextTextAndStillAnswersTrue) {
  GatedVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  engine.Speak("first");
  ASSERT_TRUE(voice.WaitUntilEntered());  // the worker holds "first", the queue is empty
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(engine.Speak(std::to_string(i)));
  EXPECT_EQ(engine.PendingCount(), 1000u);
  EXPECT_TRUE(engine.Speak("one too many"));
  EXPECT_EQ(engine.PendingCount(), 1000u);
  voice.Open();
  ASSERT_TRUE(WaitForSpoken(voice, 1001));
  engine.Shutdown();
  EXPECT_EQ(voice.Spoken().back(), u"999");
}

TEST(SpeechEngine, ShutdownDropsWhatWaitsAndRefusesNewTexts) {
  GatedVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  engine.Speak("first");
  ASSERT_TRUE(voice.WaitUntilEntered());
  engine.Speak("never said");
  std::thread opener([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    voice.Open();
  });
  engine.Shutdown();
  opener.join();
  EXPECT_TRUE(engine.Speak("after"));
  EXPECT_EQ(engine.PendingCount(), 0u);
  EXPECT_EQ(voice.Spoken(), std::vector<std::u16string>{u"first"});
}

TEST(SpeechEngine, WithoutAVoiceNothingIsQueued) {
  FakeVoice voice;
  voice.available = false;
  speech::SpeechEngine engine(voice);
  engine.Start();
  EXPECT_FALSE(engine.Speak("bonjour"));
  engine.Silence();
  engine.SetRate(3);
  EXPECT_EQ(engine.PendingCount(), 0u);
  engine.Shutdown();
  EXPECT_TRUE(voice.Spoken().empty());
  EXPECT_EQ(voice.purges, 0);
  EXPECT_TRUE(voice.rates.empty());
}

TEST(SpeechEngine, SilencePurgesTheVoiceAndWaits) {
  FakeVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  engine.Silence();
  engine.WaitUntilQuiet();
  EXPECT_EQ(voice.purges, 1);
  EXPECT_EQ(voice.waits, 2);
}

// A voice that writes down, in order, what it is handed, each purge and each wait, so that what
// was heard can be told from the order alone: a purge cuts every text handed before it.
class LoggingVoice : public FakeVoice {
 public:
  void Speak(const std::u16string& text) override { Log(u"say " + text); }
  void Purge() override { Log(u"purge"); }
  void WaitUntilDone() override { Log(u"wait"); }
  std::vector<std::u16string> TakeLog() {
    std::lock_guard guard(lock_);
    return std::exchange(log_, {});
  }

 private:
  void Log(std::u16string event) {
    std::lock_guard guard(lock_);
    log_.push_back(std::move(event));
  }
  std::mutex lock_;
  std::vector<std::u16string> log_;
};

TEST(SpeechEngine, SilenceDropsEveryTextQueuedBeforeItAndWaitUntilQuietWaitsForEveryOne) {
  LoggingVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  int silenceLeaks = 0;
  int earlyWaits = 0;
  for (int run = 0; run < 1000; ++run) {
    // The dictation's instruction: whatever was on its way must not be heard after "B".
    engine.Speak("A");
    engine.Silence();
    engine.Speak("B");
    engine.WaitUntilQuiet();
    const auto log = voice.TakeLog();
    const auto purge = std::find(log.begin(), log.end(), u"purge");
    ASSERT_NE(purge, log.end());
    if (std::find(purge, log.end(), u"say A") != log.end()) ++silenceLeaks;
    // The solution: the wait begins only once "B" is with the voice.
    const auto b = std::find(purge, log.end(), u"say B");
    if (b == log.end() || std::find(b, log.end(), u"wait") == log.end()) ++earlyWaits;
  }
  engine.Shutdown();
  EXPECT_EQ(silenceLeaks, 0);
  EXPECT_EQ(earlyWaits, 0);
}

TEST(SpeechEngine, SilenceDropsTextsStillQueuedAndWaitsReturnWithoutAWorker) {
  LoggingVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Speak("A");
  engine.WaitUntilQuiet();  // nobody to hand "A" over: no wait for ever
  engine.Silence();
  engine.Start();
  engine.Speak("B");
  engine.WaitUntilQuiet();
  const auto log = voice.TakeLog();
  EXPECT_EQ(std::count(log.begin(), log.end(), u"say A"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), u"say B"), 1);
  engine.Shutdown();
  engine.WaitUntilQuiet();
  EXPECT_EQ(engine.PendingCount(), 0u);
}

TEST(SpeechEngine, ATextSaidAtItsOwnRateLeavesTheUsualRateToTheTextsAfterIt) {
  FakeVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  engine.SetRate(-2);
  EXPECT_NE(engine.Say("Ecris le mot : "), 0u);
  EXPECT_NE(engine.Say("\xE9l\xE9phant", -8), 0u);
  EXPECT_NE(engine.Say("chat"), 0u);
  ASSERT_TRUE(WaitForSpoken(voice, 3));
  engine.Shutdown();
  EXPECT_EQ(voice.SpokenRates(), (std::vector<int>{-2, -8, -2}));
  EXPECT_EQ(voice.rates.back(), -2);
  EXPECT_EQ(engine.Rate(), -2);
}

// The rate the child chooses while the worker says texts at their own rate is the one the voice
// keeps: the worker never puts back a rate that was changed meanwhile.
// A voice slow to take a rate, which leaves room for the other thread to come in between.
class SlowRateVoice : public FakeVoice {
 public:
  void SetRate(int rate) override {
    FakeVoice::SetRate(rate);
    std::this_thread::sleep_for(std::chrono::microseconds(50));
  }
};

TEST(SpeechEngine, TheUsualRateChangedWhileTextsAreSaidAtTheirOwnRateIsKept) {
  SlowRateVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  for (int i = 0; i < 500; ++i) {
    engine.Say("a", -9);
    engine.SetRate(i % 7);
  }
  engine.WaitUntilQuiet();
  engine.Shutdown();
  EXPECT_EQ(voice.rates.back(), 499 % 7);
  for (int rate : voice.SpokenRates()) ASSERT_EQ(rate, -9);
}

TEST(SpeechEngine, TheTextBeingSaidIsKnownUntilTheVoiceHasSaidItOrASilenceCutIt) {
  FakeVoice voice;
  voice.HoldTexts(true);
  speech::SpeechEngine engine(voice);
  EXPECT_EQ(engine.NowSaying(), 0u);
  const auto un = engine.Say("un");
  const auto deux = engine.Say("deux");
  EXPECT_NE(un, deux);
  EXPECT_FALSE(engine.Done(un));  // queued, not handed yet: no worker
  EXPECT_EQ(engine.NowSaying(), 0u);
  engine.Start();
  ASSERT_TRUE(WaitForSpoken(voice, 2));
  engine.WaitUntilQuiet();
  EXPECT_EQ(engine.NowSaying(), un);
  EXPECT_FALSE(engine.Done(deux));
  voice.FinishText();
  EXPECT_EQ(engine.NowSaying(), deux);
  EXPECT_TRUE(engine.Done(un));
  EXPECT_FALSE(engine.Done(deux));
  voice.FinishText();
  EXPECT_EQ(engine.NowSaying(), 0u);
  EXPECT_TRUE(engine.Done(deux));

  // An empty text is done at once; a silence ends every text before it.
  const auto empty = engine.Say("");
  const auto trois = engine.Say("trois");
  ASSERT_TRUE(WaitForSpoken(voice, 3));
  engine.WaitUntilQuiet();
  EXPECT_TRUE(engine.Done(empty));
  EXPECT_EQ(engine.NowSaying(), trois);
  const auto silences = engine.Silences();
  engine.Silence();
  EXPECT_EQ(engine.Silences(), silences + 1);
  EXPECT_TRUE(engine.Done(trois));
  EXPECT_EQ(engine.NowSaying(), 0u);
  engine.Shutdown();
  EXPECT_EQ(engine.Say("quatre"), 0u);  // not queued: nothing to follow
}

// A voice that tells what is heard: a text handed over is not said until its sound is heard, and
// the part heard is the voice's, in the characters of the Windows-1252 text.
TEST(SpeechEngine, AVoiceThatTellsWhatIsHeardSaysWhichTextAndWhichPartIsHeard) {
  FakeVoice voice;
  voice.tellsHeard = true;
  voice.HoldTexts(true);
  speech::SpeechEngine engine(voice);
  engine.Start();
  const auto un = engine.Say("un");
  const auto word = engine.Say(
      "le b\xE9"
      "b\xE9 dort");
  ASSERT_TRUE(WaitForSpoken(voice, 2));
  engine.WaitUntilQuiet();
  // Handed over, its sound not out yet.
  EXPECT_EQ(engine.NowSaying(), 0u);
  EXPECT_FALSE(engine.Done(un));
  voice.Hear(ports::Hearing{0, 0, 2});
  EXPECT_EQ(engine.NowSaying(), un);
  voice.FinishText();
  voice.Hear(ports::Hearing{1, 3, 4});
  const speech::SpeechEngine::Saying heard = engine.NowSayingPart();
  EXPECT_EQ(heard.ticket, word);
  EXPECT_EQ(heard.from, 3u);
  EXPECT_EQ(heard.length, 4u);
  // Between the texts, or a text dropped by a silence: nothing.
  voice.Hear(std::nullopt);
  EXPECT_EQ(engine.NowSaying(), 0u);
  voice.Hear(ports::Hearing{1, 8, 4});
  engine.Silence();
  EXPECT_EQ(engine.NowSaying(), 0u);
  // A voice that cannot tell: the whole of the first text not done.
  voice.tellsHeard = false;
  const auto trois = engine.Say("trois");
  ASSERT_TRUE(WaitForSpoken(voice, 3));
  engine.WaitUntilQuiet();
  const speech::SpeechEngine::Saying whole = engine.NowSayingPart();
  EXPECT_EQ(whole.ticket, trois);
  EXPECT_EQ(whole.length, std::string::npos);
}

// A voice that only tells whether it speaks.
class PlainVoice : public FakeVoice {
 public:
  std::optional<std::uint64_t> TextsDone() override { return std::nullopt; }
};

TEST(SpeechEngine, AVoiceThatOnlyTellsWhetherItSpeaksSaysTheFirstTextNotDone) {
  PlainVoice voice;
  speech::SpeechEngine engine(voice);
  engine.Start();
  voice.speaking = true;
  const auto un = engine.Say("un");
  const auto deux = engine.Say("deux");
  ASSERT_TRUE(WaitForSpoken(voice, 2));
  engine.WaitUntilQuiet();
  EXPECT_EQ(engine.NowSaying(), un);
  EXPECT_FALSE(engine.Done(deux));
  voice.speaking = false;
  EXPECT_EQ(engine.NowSaying(), 0u);
  EXPECT_TRUE(engine.Done(un));
  EXPECT_TRUE(engine.Done(deux));
  engine.Shutdown();
}

// The light that follows the voice asks from the user-interface thread while the worker hands
// texts over and the voice says them.
TEST(SpeechEngine, AskingWhatIsSaidWhileTextsComeAndGoIsSafe) {
  FakeVoice voice;
  voice.HoldTexts(true);
  speech::SpeechEngine engine(voice);
  engine.Start();
  std::atomic<bool> stop = false;
  std::thread sayer([&] {
    while (!stop) {
      voice.FinishText();
      std::this_thread::yield();
    }
  });
  std::vector<speech::SpeechEngine::Ticket> tickets;
  for (int i = 0; i < 500; ++i) {
    tickets.push_back(engine.Say(i % 3 == 0 ? "lentement" : "a", i % 3 == 0 ? -6 : -1));
    const auto now = engine.NowSaying();
    // Never one that is still waiting in the queue, nor one already done before it.
    ASSERT_TRUE(now == 0 || (now >= tickets.front() && now <= tickets.back()));
    if (i % 50 == 0) engine.Silence();
  }
  engine.WaitUntilQuiet();
  stop = true;
  sayer.join();
  voice.HoldTexts(false);  // what was left is said
  engine.Shutdown();
  for (auto ticket : tickets) EXPECT_TRUE(engine.Done(ticket));
}

}  // namespace
