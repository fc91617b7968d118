#include "platform/windows/wave_sound_player.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace platform {

void WaveSoundPlayer::Play(const std::filesystem::path& waveFile) {
  // Without SND_NODEFAULT a missing file would ring the system's default sound instead. The
  // wide call takes any folder name, whatever the system's code page.
  const BOOL played =
      PlaySoundW(waveFile.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
  if (observer_) observer_("PlaySound(SND_FILENAME | SND_ASYNC)", played);
}

void WaveSoundPlayer::Stop() {
  const BOOL stopped = PlaySoundW(nullptr, nullptr, 0);
  if (observer_) observer_("PlaySound(NULL)", stopped);
}

}  // namespace platform
