#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace platform {

// Where the voice's samples go (16-bit mono). Used by one thread at a time.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Opens the device at this rate, or keeps it when it is already open at it. False, with the
  // reason in Problem(), when no device can be had.
  virtual bool Open(int sampleRate) = 0;
  // Blocks until the device has taken the samples.
  virtual bool Write(std::span<const std::int16_t> samples) = 0;
  // Waits until everything written has been heard.
  virtual void Drain() = 0;
  // Drops what has been written and not yet heard.
  virtual void Flush() = 0;
  virtual void Close() = 0;
  virtual std::string Problem() const = 0;
  // How long a sample written to an idle device takes to be heard: the device's buffer and the
  // sound server's own.
  virtual int LatencyMs() const = 0;
};

// espeak-ng's own output: the desktop's sound server (PulseAudio or PipeWire), else ALSA.
std::unique_ptr<AudioOutput> MakeSoundServerOutput();

}  // namespace platform
