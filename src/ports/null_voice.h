#pragma once

#include "ports/voice.h"

namespace ports {

// A voice that says nothing; it reports itself unavailable so the program runs silent.
class NullVoice : public Voice {
 public:
  bool IsAvailable() const override { return false; }
  void Speak(const std::u16string&) override {}
  void Purge() override {}
  void WaitUntilDone() override {}
  void SelectVoice(const std::string&) override {}
  void SetRate(int) override {}
  void SetVolume(int) override {}
};

}  // namespace ports
