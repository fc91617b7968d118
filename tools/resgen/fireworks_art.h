#pragma once

#include <QImage>
#include <vector>

namespace resgen {

inline constexpr int kFireworksWidth = 400;
inline constexpr int kFireworksHeight = 300;
inline constexpr int kFireworksFrames = 11;

// A rocket rising, bursting and fading on a night sky, frame by frame.
std::vector<QImage> DrawFireworks();

}  // namespace resgen
