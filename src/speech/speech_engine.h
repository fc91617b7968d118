#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

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

  // A text queued with Say, to follow it; 0 stands for none.
  using Ticket = std::uint64_t;

  // Queues a Windows-1252 text; false when there is no voice. A full queue or a shutdown drops
  // the text silently (the answer is still true).
  bool Speak(std::string_view text);
  // Queues a text as Speak does, said at its own rate when one is given: the voice takes that
  // rate for this text alone and is back at the usual one for the texts after it. 0 when the
  // text was not queued (no voice, a full queue, a shutdown).
  Ticket Say(std::string_view text, std::optional<int> rate = std::nullopt);
  // The queued text being heard now and the part of it (in its characters) heard: the whole
  // text when the voice cannot tell which part. A voice that knows the sounds of that part tells
  // them too (IPA), and which one is heard.
  struct Saying {
    Ticket ticket = 0;
    std::size_t from = 0;
    std::size_t length = std::string::npos;
    std::vector<std::string> sounds;
    std::size_t sound = 0;
  };
  Saying NowSayingPart();
  // The queued text the voice is saying now, or 0. A voice that tells what is heard says so
  // while the text's sound comes out of the speakers; one that cannot tell is taken to say the
  // first text not yet done while it speaks.
  Ticket NowSaying() { return NowSayingPart().ticket; }
  // The text is said, or will never be: dropped, or cut by a silence.
  bool Done(Ticket ticket);
  // How many times the voice was silenced: a text followed through its ticket was cut short
  // when this changed meanwhile.
  std::uint64_t Silences();
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
  // The rate last set, which the texts said at their own rate come back to.
  int Rate();

  bool HasVoice() const { return voice_.IsAvailable(); }
  std::size_t PendingCount();
  // Nothing waits and the worker is not handing a text to the voice.
  bool Idle();

 private:
  struct Request {
    std::string text;
    std::optional<int> rate;
    Ticket ticket = 0;
  };
  // A text the voice has, and its place among the texts the voice was handed.
  struct Handed {
    Ticket ticket = 0;
    std::uint64_t number = 0;
  };

  void Work();
  void Hand(const Request& request);
  // Under lock_: the worker has handed over everything queued so far (or is not there to).
  bool HandedOver() const;
  // Forgets the texts the voice has done with (asked of the voice without holding lock_).
  void ForgetDone();

  ports::Voice& voice_;
  std::deque<Request> pending_;
  std::mutex lock_;
  std::condition_variable wake_;
  std::condition_variable handedOver_;  // the worker let go of a text
  std::thread worker_;
  bool stopping_ = false;
  bool handing_ = false;  // the worker holds a text it has not handed over yet
  Ticket handingTicket_ = 0;
  Ticket nextTicket_ = 1;
  std::deque<Handed> handed_;      // the texts the voice may still be saying, in order
  std::uint64_t handedCount_ = 0;  // texts handed to the voice so far
  std::uint64_t silences_ = 0;

  // The voice's rate is set by the user-interface thread and, around a text said at its own
  // rate, by the worker; this lock keeps the two from crossing.
  std::mutex rateLock_;
  int rate_ = 0;
};

}  // namespace speech
