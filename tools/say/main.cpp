// scribix_say: says its arguments with the program's voice, as the speech worker would hand them
// over (Windows-1252 widened to UTF-16), and waits until they are heard. For listening to the
// voice and its settings without the program:
//   scribix_say [--list] [--voice ID] [--rate -10..10] [--volume 0..100] text...
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/voice_backend.h"
#include "text/cp1252.h"

int main(int argc, char** argv) {
  std::string note;
  const auto voice = platform::MakeVoice(&note);
  std::printf("%s\n", note.c_str());
  std::string words;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--list") == 0) {
      const auto sources = platform::MakeVoiceCatalog()->ListBySource();
      for (std::size_t s = 0; s < sources.size(); ++s) {
        for (const auto& v : sources[s]) {
          std::printf("%zu  %-8s %s\n", s, v.id.c_str(), text::ToUtf8(v.name).c_str());
        }
      }
    } else if (std::strcmp(argv[i], "--voice") == 0 && hasValue) {
      voice->SelectVoice(argv[++i]);
    } else if (std::strcmp(argv[i], "--rate") == 0 && hasValue) {
      voice->SetRate(std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--volume") == 0 && hasValue) {
      voice->SetVolume(std::atoi(argv[++i]));
    } else {
      if (!words.empty()) words += ' ';
      words += argv[i];
    }
  }
  if (words.empty()) return 0;
  if (!voice->IsAvailable()) return 1;
  voice->Speak(text::ToUtf16(text::FromUtf8(words)));
  voice->WaitUntilDone();
  return 0;
}
