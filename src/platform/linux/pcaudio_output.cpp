#include <pcaudiolib/audio.h>

#include "platform/linux/audio_output.h"

namespace platform {

namespace {

// pcaudiolib is the library espeak-ng plays through: it tries the sound server first, then ALSA.
class PcaudioOutput final : public AudioOutput {
 public:
  static constexpr int kLatencyMs = 60;

  ~PcaudioOutput() override {
    Close();
    if (device_ != nullptr) audio_object_destroy(device_);
  }

  bool Open(int sampleRate) override {
    if (open_ && sampleRate == rate_) return true;
    Close();
    if (device_ == nullptr) {
      device_ = create_audio_device_object(nullptr, "Scribix", "Lecture vocale");
      if (device_ == nullptr) {
        problem_ = "no audio device object";
        return false;
      }
    }
    const int error = audio_object_open(device_, AUDIO_OBJECT_FORMAT_S16LE,
                                        static_cast<std::uint32_t>(sampleRate), 1);
    if (error != 0) {
      problem_ = Describe(error);
      return false;
    }
    open_ = true;
    rate_ = sampleRate;
    problem_.clear();
    return true;
  }

  bool Write(std::span<const std::int16_t> samples) override {
    if (!open_) return false;
    const int error = audio_object_write(device_, samples.data(), samples.size_bytes());
    if (error == 0) return true;
    problem_ = Describe(error);
    return false;
  }

  void Drain() override {
    if (open_) audio_object_drain(device_);
  }

  void Flush() override {
    if (open_) audio_object_flush(device_);
  }

  void Close() override {
    if (open_) audio_object_close(device_);
    open_ = false;
    rate_ = 0;
  }

  std::string Problem() const override { return problem_; }
  // pcaudiolib asks the sound server for a buffer of 60 ms and waits for it to fill before it
  // plays; the server adds its own on the way out.
  int LatencyMs() const override { return kLatencyMs; }

 private:
  std::string Describe(int error) const {
    const char* text = audio_object_strerror(device_, error);
    return text != nullptr && *text != '\0' ? text : "error " + std::to_string(error);
  }

  audio_object* device_ = nullptr;
  bool open_ = false;
  int rate_ = 0;
  std::string problem_;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeSoundServerOutput() {
  return std::make_unique<PcaudioOutput>();
}

}  // namespace platform
