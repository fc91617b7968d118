#include "platform/windows/sapi_voice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/windows/registry_voice_catalog.h"
#include "registry_test_keys.h"
#include "speech/speech_engine.h"

namespace {

using platform::SapiVoice;

// Every call the voice made, with its answer, the thread it came from and that thread's apartment.
struct Call {
  std::string name;
  long result;
  DWORD thread;
  APTTYPE apartment;
};

class CallLog {
 public:
  platform::CallObserver Observer() {
    return [this](std::string_view name, long result) {
      APTTYPE type = APTTYPE_CURRENT;
      APTTYPEQUALIFIER qualifier;
      if (FAILED(CoGetApartmentType(&type, &qualifier))) type = APTTYPE_CURRENT;
      std::lock_guard guard(lock_);
      calls_.push_back({std::string(name), result, GetCurrentThreadId(), type});
    };
  }
  std::vector<Call> Calls() {
    std::lock_guard guard(lock_);
    return calls_;
  }
  std::vector<Call> CallsTo(const std::string& name) {
    std::vector<Call> found;
    for (const Call& call : Calls()) {
      if (call.name == name) found.push_back(call);
    }
    return found;
  }
  bool WaitFor(const std::string& name) {
    for (int i = 0; i < 500; ++i) {
      if (!CallsTo(name).empty()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  void Print() {
    for (const Call& call : Calls()) {
      std::printf("%-62s 0x%08lX  %s thread\n", call.name.c_str(),
                  static_cast<unsigned long>(call.result),
                  call.thread == GetCurrentThreadId() ? "user-interface" : "speech worker");
    }
  }

 private:
  std::mutex lock_;
  std::vector<Call> calls_;
};

// What wine's SAPI answers is printed, so a run shows it; what is checked is that each call is
// made where it belongs and that the program carries on whatever the answer.
TEST(SapiVoice, EveryCallIsMadeInItsApartmentAndNoAnswerStopsTheProgram) {
  CallLog log;
  std::string note;
  std::unique_ptr<SapiVoice> voice = SapiVoice::Open(note, log.Observer());
  const auto created = log.CallsTo("CoCreateInstance(CLSID_SpVoice)");
  ASSERT_EQ(created.size(), 1u);
  if (!voice) {
    log.Print();
    GTEST_SKIP() << "no SAPI voice here: " << note;
  }
  EXPECT_EQ(created[0].apartment, APTTYPE_MAINSTA);

  {
    speech::SpeechEngine engine(*voice);
    engine.Start();
    EXPECT_TRUE(engine.Speak("Ecris le mot : \xE9t\xE9"));
    ASSERT_TRUE(log.WaitFor("ISpVoice::Speak(SPF_ASYNC)"));
    engine.Silence();
    engine.WaitUntilQuiet();
    engine.SetVoice("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens\\Absente");
    engine.SetRate(-4);
    engine.SetVolume(60);
    engine.Shutdown();
  }
  log.Print();

  const auto worker = log.CallsTo("CoInitializeEx(COINIT_APARTMENTTHREADED) on the speech worker");
  ASSERT_EQ(worker.size(), 1u);
  EXPECT_TRUE(SUCCEEDED(worker[0].result));
  const auto spoken = log.CallsTo("ISpVoice::Speak(SPF_ASYNC)");
  ASSERT_EQ(spoken.size(), 1u);
  EXPECT_EQ(spoken[0].thread, worker[0].thread);
  EXPECT_NE(spoken[0].thread, GetCurrentThreadId());
  EXPECT_TRUE(spoken[0].apartment == APTTYPE_STA || spoken[0].apartment == APTTYPE_MAINSTA);

  // The rest on the user-interface thread, in this order; the missing token is given as none.
  std::vector<std::string> ui;
  for (const Call& call : log.Calls()) {
    if (call.thread == GetCurrentThreadId()) ui.push_back(call.name);
  }
  EXPECT_EQ(ui, (std::vector<std::string>{
                    "CoInitializeEx(COINIT_APARTMENTTHREADED)",
                    "CoCreateInstance(CLSID_SpVoice)",
                    "ISpVoice::Speak(SPF_PURGEBEFORESPEAK)",
                    "ISpVoice::WaitUntilDone(INFINITE)",
                    "ISpVoice::WaitUntilDone(INFINITE)",
                    "CoCreateInstance(CLSID_SpObjectToken)",
                    "ISpObjectToken::SetId",
                    "ISpVoice::SetVoice",
                    "ISpVoice::SetRate",
                    "ISpVoice::SetVolume",
                }));
  EXPECT_TRUE(FAILED(log.CallsTo("ISpObjectToken::SetId")[0].result));
}

TEST(SapiVoice, ATokenIsFoundByItsRegistryPathAndAMissingOneIsNot) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  testing_registry::MadeKeys made;
  const std::string path = std::string(platform::kDesktopVoiceTokens) + "\\Scribix Test Voice";
  made.Make(path);
  CallLog log;

  EXPECT_NE(platform::TokenFromId(L"HKEY_LOCAL_MACHINE\\" + std::wstring(path.begin(), path.end()),
                                  log.Observer()),
            nullptr);
  EXPECT_EQ(platform::TokenFromId(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices\\"
                                  L"Tokens\\Absente",
                                  log.Observer()),
            nullptr);
  // The voices the machine has, as the catalog names them (wine has one).
  for (const auto& source : platform::RegistryVoiceCatalog().ListBySource()) {
    for (const auto& voice : source) {
      if (voice.name.starts_with("Scribix")) continue;
      EXPECT_NE(platform::TokenFromId(std::wstring(voice.id.begin(), voice.id.end())), nullptr)
          << voice.id;
    }
  }
  log.Print();
  CoUninitialize();
}

}  // namespace

namespace {

TEST(SapiVoice, TheLetterIIsSpelledTheWayTheFrenchVoicesSayItAndNothingElseIsTouched) {
  EXPECT_EQ(platform::SapiSpelling(u"i"), u"'y");
  EXPECT_EQ(platform::SapiSpelling(u"i accent circonflexe"), u"'y accent circonflexe");
  EXPECT_EQ(platform::SapiSpelling(u"i tr\u00E9ma"), u"itr\u00E9ma");
  for (const std::u16string text : {u"I", u"y", u"il", u" i", u"e accent aigu", u""}) {
    EXPECT_EQ(platform::SapiSpelling(text), text);
  }
}

}  // namespace
