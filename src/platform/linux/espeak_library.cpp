#include "platform/linux/espeak_library.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "text/cp1252.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// espeak-ng hands the samples back in pieces of this many milliseconds: small enough that a
// purge is heard at once, large enough to cost nothing.
constexpr int kPieceMilliseconds = 20;
// espeak-ng's amplitude at which an MBROLA voice comes out about as loud as it was recorded.
constexpr int kMbrolaNormalAmplitude = 70;
constexpr int kHeadroomStep = 15;
constexpr int kLeastHeadroom = 40;

std::string StatusMessage(espeak_ng_STATUS status, espeak_ng_ERROR_CONTEXT context) {
  // The context names the file that failed; espeak-ng only prints it, so print it into memory.
  char* text = nullptr;
  std::size_t size = 0;
  std::string message;
  if (FILE* out = open_memstream(&text, &size)) {
    espeak_ng_PrintStatusCodeMessage(status, out, context);
    std::fclose(out);
    message.assign(text, size);
    std::free(text);
  }
  while (!message.empty() &&
         (message.back() == '\n' || message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  if (message.empty()) {
    char line[256] = {};
    espeak_ng_GetStatusCodeMessage(status, line, sizeof line);
    message = line;
  }
  return message;
}

// A voice id is a file name of espeak-ng's voices: nothing that could reach another folder.
bool IsPlainVoiceId(const std::string& id) {
  return !id.empty() && id.size() < 64 && std::all_of(id.begin(), id.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
  });
}

bool IsRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// Where espeak-ng looks for the mbrola program: the path, as execvp searches it.
bool MbrolaProgramFound() {
  const char* path = std::getenv("PATH");
  const std::string folders =
      path != nullptr && *path != '\0' ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    const fs::path program = fs::path(folder) / "mbrola";
    if (IsRegularFile(program) && access(program.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

int WordsPerMinute(int rate) {
  const int steps = std::clamp(rate, -10, 10);
  const double wpm = espeakRATE_NORMAL * std::pow(3.0, steps / 10.0);
  return std::clamp(static_cast<int>(std::lround(wpm)), espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
}

int Amplitude(int volume, bool mbrola, int headroomPercent) {
  const int normal = mbrola ? kMbrolaNormalAmplitude : 100;
  const long scaled =
      std::lround(std::clamp(volume, 0, 100) * normal * std::clamp(headroomPercent, 0, 100) / 1e4);
  return static_cast<int>(scaled);
}

int HeadroomAfter(int headroomPercent, std::int64_t saturatedSamples) {
  if (saturatedSamples <= 0) return headroomPercent;
  return std::max(kLeastHeadroom, headroomPercent - kHeadroomStep);
}

std::string MbrolaVoiceName(std::string_view voiceId) {
  if (!voiceId.starts_with("mb-") || voiceId.size() <= 3) return {};
  return std::string(voiceId.substr(3));
}

std::string VoiceIdOfFile(std::string_view file) {
  const std::size_t slash = file.rfind('/');
  std::string id(slash == std::string_view::npos ? file : file.substr(slash + 1));
  std::transform(id.begin(), id.end(), id.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return id;
}

std::string Utf8ForEspeak(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  auto put = [&out](char32_t cp) { text::AppendUtf8(out, cp); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = text[i];
    if (unit == 0) {
      put(U' ');
    } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
               text[i + 1] <= 0xDFFF) {
      put(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      put(0xFFFD);
    } else {
      put(unit);
    }
  }
  return out;
}

EspeakLibrary& EspeakLibrary::Shared() {
  // espeak-ng itself is one per process, so is this.
  static EspeakLibrary library;
  return library;
}

EspeakLibrary::EspeakLibrary() {
  espeak_ng_InitializePath(nullptr);
  espeak_ng_ERROR_CONTEXT context = nullptr;
  espeak_ng_STATUS status = espeak_ng_Initialize(&context);
  if (status != ENS_OK) {
    description_ = "espeak-ng cannot start: " + StatusMessage(status, context);
    espeak_ng_ClearErrorContext(&context);
    return;
  }
  status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, kPieceMilliseconds, nullptr);
  if (status == ENS_OK) status = espeak_ng_SetVoiceByName(kDefaultVoiceId);
  if (status != ENS_OK) {
    description_ = "espeak-ng cannot speak French: " + StatusMessage(status, nullptr);
    espeak_ng_Terminate();
    return;
  }
  espeak_SetSynthCallback([](short* samples, int count, espeak_EVENT* events) -> int {
    EspeakLibrary& self = Shared();  // called only from Synthesise, under the lock
    SynthesisResult& result = *self.result_;
    for (const espeak_EVENT* e = events; e != nullptr && e->type != espeakEVENT_LIST_TERMINATED;
         ++e) {
      if (e->type == espeakEVENT_SAMPLERATE && e->id.number > 0) result.sampleRate = e->id.number;
    }
    if (samples == nullptr || count <= 0) return 0;
    const std::span<const std::int16_t> piece(samples, static_cast<std::size_t>(count));
    result.samples += count;
    result.saturatedSamples += std::count_if(piece.begin(), piece.end(), [](std::int16_t s) {
      return s == INT16_MAX || s == INT16_MIN;
    });
    if ((*self.sink_)(piece, result.sampleRate)) return 0;
    result.stopped = true;
    return 1;
  });
  const char* path = nullptr;
  const char* version = espeak_Info(&path);
  dataPath_ = path != nullptr ? path : "";
  defaultSampleRate_ = espeak_ng_GetSampleRate();
  currentVoice_ = requestedVoice_ = kDefaultVoiceId;
  description_ =
      std::string("espeak-ng ") + (version != nullptr ? version : "?") + ", data " + dataPath_;
  ready_ = true;
}

EspeakLibrary::~EspeakLibrary() {
  std::lock_guard guard(lock_);
  if (ready_) espeak_ng_Terminate();
}

std::vector<EspeakVoiceEntry> EspeakLibrary::FrenchVoices() {
  if (!ready_) return {};
  std::lock_guard guard(lock_);
  return ListFrenchVoices();
}

std::vector<EspeakVoiceEntry> EspeakLibrary::ListFrenchVoices() {
  std::vector<EspeakVoiceEntry> entries;
  espeak_VOICE wanted = {};
  wanted.languages = "fr";
  const espeak_VOICE** voices = espeak_ListVoices(&wanted);
  for (int i = 0; voices != nullptr && voices[i] != nullptr; ++i) {
    const espeak_VOICE& v = *voices[i];
    // languages: a priority byte, then the language, repeated; the first is the voice's own.
    const std::string language =
        v.languages != nullptr && v.languages[0] != 0 ? v.languages + 1 : "";
    entries.push_back({language, v.name != nullptr ? v.name : "",
                       v.identifier != nullptr ? v.identifier : "", v.gender});
  }
  return entries;
}

bool EspeakLibrary::MbrolaVoiceInstalled(const std::string& mbrolaVoice) const {
  if (!IsPlainVoiceId(mbrolaVoice) || !MbrolaProgramFound()) return false;
  // The places espeak-ng tries, in its order.
  const fs::path candidates[] = {
      fs::path(dataPath_) / "mbrola" / mbrolaVoice,
      fs::path("/usr/share/mbrola") / mbrolaVoice,
      fs::path("/usr/share/mbrola") / mbrolaVoice / mbrolaVoice,
      fs::path("/usr/share/mbrola/voices") / mbrolaVoice,
  };
  return std::any_of(std::begin(candidates), std::end(candidates), IsRegularFile);
}

std::string EspeakLibrary::SelectVoice(const std::string& wanted) {
  if (wanted == requestedVoice_) return currentVoice_;
  requestedVoice_ = wanted;
  if (frenchIds_.empty()) {
    for (const auto& entry : ListFrenchVoices()) {
      if (entry.language == "fr" || entry.language.starts_with("fr-")) {
        frenchIds_.push_back(VoiceIdOfFile(entry.file));
      }
    }
  }
  const bool known = std::find(frenchIds_.begin(), frenchIds_.end(), wanted) != frenchIds_.end();
  std::string id = known && IsPlainVoiceId(wanted) ? wanted : std::string();
  // Without its program or voice file espeak-ng would start mbrola only to see it fail.
  const std::string mbrola = MbrolaVoiceName(id);
  if (!mbrola.empty() && !MbrolaVoiceInstalled(mbrola)) id.clear();
  if (id.empty() || espeak_ng_SetVoiceByName(id.c_str()) != ENS_OK) {
    // A failed selection leaves espeak-ng half on the other voice.
    id = kDefaultVoiceId;
    espeak_ng_SetVoiceByName(kDefaultVoiceId);
  }
  currentVoice_ = id;
  return id;
}

SynthesisResult EspeakLibrary::Synthesise(std::u16string_view text,
                                          const SynthesisSettings& settings,
                                          const AudioSink& sink) {
  SynthesisResult result;
  if (!ready_) return result;
  const std::string utf8 = Utf8ForEspeak(text);
  std::lock_guard guard(lock_);
  result.voiceId = SelectVoice(settings.voiceId);
  int& headroom = headroom_.try_emplace(result.voiceId, 100).first->second;
  const bool mbrola = !MbrolaVoiceName(result.voiceId).empty();
  espeak_ng_SetParameter(espeakRATE, WordsPerMinute(settings.rate), 0);
  espeak_ng_SetParameter(espeakVOLUME, Amplitude(settings.volume, mbrola, headroom), 0);
  // An MBROLA voice has its own rate (16 kHz for fr1); the samples must be played at it.
  result.sampleRate = espeak_ng_GetSampleRate();

  sink_ = &sink;
  result_ = &result;
  const espeak_ng_STATUS status =
      espeak_ng_Synthesize(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                           espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, nullptr);
  sink_ = nullptr;
  result_ = nullptr;
  result.ok = status == ENS_OK && !result.stopped;
  headroom = HeadroomAfter(headroom, result.saturatedSamples);
  return result;
}

}  // namespace platform
