#include "winshell/win_clock.h"

#include "winshell/win32.h"

namespace winshell {

WinClock::WinClock() : startTicks_(GetTickCount64()) {}

std::int64_t WinClock::NowMs() const {
  return static_cast<std::int64_t>(GetTickCount64() - startTicks_);
}

std::int64_t WinClock::CalendarSeconds() const {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  // Hundreds of nanoseconds since 1601; the calendar counts seconds since 1970.
  const std::uint64_t ticks =
      (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr std::uint64_t kTicksPerSecond = 10'000'000;
  constexpr std::uint64_t kSecondsFrom1601To1970 = 11'644'473'600;
  return static_cast<std::int64_t>(ticks / kTicksPerSecond - kSecondsFrom1601To1970);
}

void WinClock::Sleep(int ms) {
  if (ms > 0) ::Sleep(static_cast<DWORD>(ms));
}

}  // namespace winshell
