#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <sapi.h>

#include <memory>
#include <string>

#include "platform/windows/call_observer.h"
#include "ports/voice.h"

namespace platform {

struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using ComPointer = std::unique_ptr<T, ComRelease>;

// The voice token a registry path names, or nothing when no such token exists.
ComPointer<ISpObjectToken> TokenFromId(const std::wstring& tokenId,
                                       const CallObserver& observer = {});

// The program names the letter "i" plainly; the French SAPI voices read a lone "i" badly, so they
// are handed the spellings that make them say it. Any other text is returned as it is.
std::u16string SapiSpelling(const std::u16string& text);

// The SAPI 5 voice. It is made on the user-interface thread, in that thread's single-threaded
// apartment; the speech worker enters an apartment of its own and uses the same voice, which
// SAPI allows. SAPI queues the texts itself, so Speak returns at once. Its answers are not
// acted upon: a voice that fails stays silent. It gives no phonemes (Phonemes stays empty): SAPI
// has no text-to-phonemes call common to the French voices, so the echo only reads the attempt.
class SapiVoice final : public ports::Voice {
 public:
  // A voice, or nothing when SAPI gives none; `note` says which, for the start-up trace.
  static std::unique_ptr<SapiVoice> Open(std::string& note, CallObserver observer = {});
  ~SapiVoice() override;
  SapiVoice(const SapiVoice&) = delete;
  SapiVoice& operator=(const SapiVoice&) = delete;

  bool IsAvailable() const override { return true; }
  void EnterThread() override;
  void LeaveThread() override;
  void Speak(const std::u16string& text) override;
  void Purge() override;
  void WaitUntilDone() override;
  bool IsSpeaking() override;
  void SelectVoice(const std::string& id) override;
  void SetRate(int rate) override;
  void SetVolume(int volume) override;

 private:
  SapiVoice(ComPointer<ISpVoice> voice, bool ownApartment, CallObserver observer);
  void Report(std::string_view call, long result) const;

  ComPointer<ISpVoice> voice_;
  bool ownApartment_;  // the user-interface thread's apartment is ours to close
  CallObserver observer_;
};

}  // namespace platform
