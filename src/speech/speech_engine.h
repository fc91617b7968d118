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
  // The voice stops and forgets what it was handed; texts still queued here follow.
  void Silence();
  // Waits for what the worker already handed to the voice.
  void WaitUntilQuiet();

  void SetVoice(const std::string& id);
  void SetRate(int rate);
  void SetVolume(int volume);

  bool HasVoice() const { return voice_.IsAvailable(); }
  std::size_t PendingCount();
  // Nothing waits and the worker is not handing a text to the voice.
  bool Idle();

 private:
  void Work();

  ports::Voice& voice_;
  std::deque<std::string> pending_;
  std::mutex lock_;
  std::condition_variable wake_;
  std::thread worker_;
  bool stopping_ = false;
  bool handing_ = false;  // the worker holds a text it has not handed over yet
};

}  // namespace speech
