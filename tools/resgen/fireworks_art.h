#pragma once

#include <QImage>
#include <vector>

namespace resgen {

inline constexpr int kFireworksWidth = 400;
inline constexpr int kFireworksHeight = 300;

// A rocket rising, bursting and fading on a night sky, frame by frame: as many frames as the
// program plays.
std::vector<QImage> DrawFireworks();

}  // namespace resgen
