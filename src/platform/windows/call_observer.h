#pragma once

#include <functional>
#include <string_view>

namespace platform {

// Hears every call the Windows backends make into the system with its answer (an HRESULT, a
// Win32 error code or what the call returned), from whichever thread made it. The backends
// carry on whatever the answer; this is how a test or the start-up trace learns what happened.
using CallObserver = std::function<void(std::string_view call, long result)>;

}  // namespace platform
