#pragma once

#include <cstdint>

// The mouse-key flags that come with every mouse message: the buttons held and the shift and
// control keys at that moment, as the window systems report them.
namespace base::mouse {

inline constexpr std::uint32_t kLeftButton = 0x0001;
inline constexpr std::uint32_t kRightButton = 0x0002;
inline constexpr std::uint32_t kShift = 0x0004;
inline constexpr std::uint32_t kControl = 0x0008;
inline constexpr std::uint32_t kMiddleButton = 0x0010;

// The flags of no press at all, kept by a click that took nothing: no later move matches them.
inline constexpr std::uint32_t kNoPress = 0xFFFF;

}  // namespace base::mouse
