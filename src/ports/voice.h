#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ports {

// What comes out of the speakers now: which text (numbered from 0 in the order Speak was handed
// them, as TextsDone counts) and which part of it, in the text's UTF-16 units.
// A voice that knows the sounds of the word heard (its phonemes in IPA, UTF-8, in order) also
// tells them, and which of them is heard now.
struct Hearing {
  std::uint64_t text = 0;
  std::size_t from = 0;
  std::size_t length = 0;
  std::vector<std::string> sounds;  // empty when the voice cannot tell
  std::size_t sound = 0;            // among `sounds`
};

// The platform's speech synthesiser. Called from the speech worker (Speak) and from the
// user-interface thread (the rest); an implementation makes that safe.
class Voice {
 public:
  virtual ~Voice() = default;
  // False when no voice could be made: the program then runs silent.
  virtual bool IsAvailable() const = 0;
  // The speech worker calls these first and last on its own thread, for a platform that must
  // prepare each thread that uses the voice (Windows: a COM apartment).
  virtual void EnterThread() {}
  virtual void LeaveThread() {}
  // Queues the text and returns at once.
  virtual void Speak(const std::u16string& text) = 0;
  // Drops what is being spoken and everything queued in the voice.
  virtual void Purge() = 0;
  virtual void WaitUntilDone() = 0;
  // Something is being said or waits in the voice; asked from the user-interface thread, never
  // waits. A voice that cannot tell says no.
  virtual bool IsSpeaking() { return false; }
  // How many of the texts handed to Speak since the voice was made are said, or dropped by a
  // purge; an empty text counts as said at once. Asked from the user-interface thread, never
  // waits. A voice that cannot tell gives nothing: then only IsSpeaking says when it is done.
  virtual std::optional<std::uint64_t> TextsDone() { return std::nullopt; }
  // True for a voice that can tell, while it speaks, what is being heard (NowHearing); one that
  // cannot is taken to be heard from the moment it is handed a text until it is done with it.
  virtual bool TellsWhatIsHeard() const { return false; }
  // The part of a text being heard now: nothing before the sound of a text begins, after it
  // ends and between two texts. Asked from the user-interface thread, never waits.
  virtual std::optional<Hearing> NowHearing() { return std::nullopt; }
  // id as listed by the catalog; an unknown id selects the default voice.
  virtual void SelectVoice(const std::string& id) = 0;
  // -10 (slow) to 10 (fast); values a little outside are clamped by the voice. The rate applies
  // to the texts handed to Speak afterwards, not to one already handed.
  virtual void SetRate(int rate) = 0;
  virtual void SetVolume(int volume) = 0;  // 0 to 100
  // The sounds the voice says for the text, in IPA (UTF-8), as it would say it now: empty when
  // the voice cannot tell. Asked from the user-interface thread; a voice saying something may
  // answer only once that text is said, so a caller silences it first.
  virtual std::string Phonemes(const std::u16string& /*text*/) { return {}; }
};

struct VoiceInfo {
  std::string name;    // shown in the voice list (Windows-1252)
  std::string id;      // handed back to Voice::SelectVoice
  bool french = true;  // speaks French, as far as the platform can tell
};

class VoiceCatalog {
 public:
  virtual ~VoiceCatalog() = default;
  // The installed voices of each source, sources in the order they are searched.
  virtual std::vector<std::vector<VoiceInfo>> ListBySource() = 0;
};

}  // namespace ports
