#pragma once

#include <string>

// The fireworks of resb/: frames 0 to 10, each a picture whose file name is "feu-artifice.bmp"
// followed by its number. The program plays them in order; the resource generator draws them.
namespace effects {

inline constexpr int kFireworksFrameCount = 11;
inline constexpr const char* kFireworksFrameStem = "feu-artifice.bmp";

// File name (in resb/) of a frame.
inline std::string FireworksFrameFile(int frame) {
  return kFireworksFrameStem + std::to_string(frame);
}

}  // namespace effects
