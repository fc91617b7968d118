#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "ports/voice.h"

namespace speech {

// Owner of the voice, the queue of texts and the worker thread that hands them to the voice.
// Callers on the user-interface thread never wait for speech: Speak copies and returns.
class SpeechEngine {
 public:
  static constexpr std::size_t kMaxPending = 1000;
  static constexpr std::size_t kMaxTextBytes = 65535;

  explicit SpeechEngine(ports::Voice& voice);
  ~SpeechEngine();
  SpeechEngine(const SpeechEngine&) = delete;
  SpeechEngine& operator=(const SpeechEngine&) = delete;

  // Starts the worker; the view does this first thing at its construction.
  void Start();
  // Drops what waits, ends the worker and waits for it. Safe to call twice.
  void Shutdown();

  // Queues a Windows-1252 text; false when there is no voice. A full queue or a shutdown drops
  // the text silently (the answer is still true).
  bool Speak(std::string_view text);
  // The voice stops and forgets what it was handed, and every text queued before this call is
  // dropped, also one the worker has just taken: only what is queued afterwards is heard.
  void Silence();
  // Waits until every text queued before this call has been handed to the voice and said.
  void WaitUntilQuiet();
  // A text queued here is still to be said, or the voice is saying one. Waits only for the
  // worker to hand over what is queued, which the voice takes at once.
  bool Speaking();

  // The voice's phonemes of a Windows-1252 text (IPA, UTF-8), empty when it gives none. Asked
  // after a Silence, so the voice has nothing to finish first.
  std::string Phonemes(std::string_view text);

  void SetVoice(const std::string& id);
  void SetRate(int rate);
  void SetVolume(int volume);

  bool HasVoice() const { return voice_.IsAvailable(); }
  std::size_t PendingCount();
  // Nothing waits and the worker is not handing a text to the voice.
  bool Idle();

 private:
  void Work();
  // Under lock_: the worker has handed over everything queued so far (or is not there to).
  bool HandedOver() const;

  ports::Voice& voice_;
  std::deque<std::string> pending_;
  std::mutex lock_;
  std::condition_variable wake_;
  std::condition_variable handedOver_;  // the worker let go of a text
  std::thread worker_;
  bool stopping_ = false;
  bool handing_ = false;  // the worker holds a text it has not handed over yet
};

}  // namespace speech
