#include "platform/windows/sapi_voice.h"

#include <cstdio>
#include <string_view>
#include <utility>

namespace platform {

namespace {

// Whether the speech worker's apartment was opened by EnterThread, so LeaveThread closes it.
thread_local bool workerApartment = false;

std::string Hex(long result) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
  return text;
}

// The token ids come from the registry's narrow names, in the system's code page.
std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

std::u16string SapiSpelling(const std::u16string& text) {
  struct Spelling {
    std::u16string_view name;
    std::u16string_view spelled;
  };
  static constexpr Spelling kSpellings[] = {
      {u"i", u"'y"},
      {u"i accent circonflexe", u"'y accent circonflexe"},
      {u"i tr\u00E9ma", u"itr\u00E9ma"},
  };
  for (const Spelling& s : kSpellings) {
    if (text == s.name) return std::u16string(s.spelled);
  }
  return text;
}

ComPointer<ISpObjectToken> TokenFromId(const std::wstring& tokenId, const CallObserver& observer) {
  ISpObjectToken* token = nullptr;
  HRESULT result = CoCreateInstance(CLSID_SpObjectToken, nullptr, CLSCTX_ALL, IID_ISpObjectToken,
                                    reinterpret_cast<void**>(&token));
  if (observer) observer("CoCreateInstance(CLSID_SpObjectToken)", result);
  if (FAILED(result) || token == nullptr) return nullptr;
  ComPointer<ISpObjectToken> owned(token);
  // A token that is not there is not made up.
  result = owned->SetId(nullptr, tokenId.c_str(), FALSE);
  if (observer) observer("ISpObjectToken::SetId", result);
  if (FAILED(result)) return nullptr;
  return owned;
}

std::unique_ptr<SapiVoice> SapiVoice::Open(std::string& note, CallObserver observer) {
  const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (observer) observer("CoInitializeEx(COINIT_APARTMENTTHREADED)", apartment);
  // Already single-threaded (S_FALSE) is fine; a multithreaded one was somebody else's choice.
  const bool ownApartment = SUCCEEDED(apartment);
  ISpVoice* voice = nullptr;
  const HRESULT created = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_ISpVoice, reinterpret_cast<void**>(&voice));
  if (observer) observer("CoCreateInstance(CLSID_SpVoice)", created);
  if (FAILED(created) || voice == nullptr) {
    note = "SAPI gives no voice (" + Hex(created) + "); speech is silent";
    if (ownApartment) CoUninitialize();
    return nullptr;
  }
  note = "SAPI voice";
  return std::unique_ptr<SapiVoice>(
      new SapiVoice(ComPointer<ISpVoice>(voice), ownApartment, std::move(observer)));
}

SapiVoice::SapiVoice(ComPointer<ISpVoice> voice, bool ownApartment, CallObserver observer)
    : voice_(std::move(voice)), ownApartment_(ownApartment), observer_(std::move(observer)) {}

SapiVoice::~SapiVoice() {
  voice_.reset();
  if (ownApartment_) CoUninitialize();
}

void SapiVoice::Report(std::string_view call, long result) const {
  if (observer_) observer_(call, result);
}

void SapiVoice::EnterThread() {
  const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Report("CoInitializeEx(COINIT_APARTMENTTHREADED) on the speech worker", result);
  workerApartment = SUCCEEDED(result);
}

void SapiVoice::LeaveThread() {
  if (workerApartment) CoUninitialize();
  workerApartment = false;
}

void SapiVoice::Speak(const std::u16string& text) {
  const std::u16string said = SapiSpelling(text);
  const std::wstring wide(said.begin(), said.end());
  ULONG stream = 0;
  Report("ISpVoice::Speak(SPF_ASYNC)", voice_->Speak(wide.c_str(), SPF_ASYNC, &stream));
}

void SapiVoice::Purge() {
  Report("ISpVoice::Speak(SPF_PURGEBEFORESPEAK)",
         voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr));
}

void SapiVoice::WaitUntilDone() {
  Report("ISpVoice::WaitUntilDone(INFINITE)", voice_->WaitUntilDone(INFINITE));
}

bool SapiVoice::IsSpeaking() {
  // No wait at all: S_FALSE means the time ran out before the voice was done.
  return voice_->WaitUntilDone(0) == S_FALSE;
}

void SapiVoice::SelectVoice(const std::string& id) {
  // Without a token SAPI takes its default voice, which is what an unknown id asks for.
  ComPointer<ISpObjectToken> token = TokenFromId(Widen(id), observer_);
  Report("ISpVoice::SetVoice", voice_->SetVoice(token.get()));
}

void SapiVoice::SetRate(int rate) {
  Report("ISpVoice::SetRate", voice_->SetRate(rate));
}

void SapiVoice::SetVolume(int volume) {
  Report("ISpVoice::SetVolume", voice_->SetVolume(static_cast<USHORT>(volume)));
}

}  // namespace platform
