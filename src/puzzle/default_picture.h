#pragma once

// The picture the puzzle opens with until another is chosen, in the program folder. The resource
// generator draws it.
namespace puzzle {

inline constexpr const char* kPictureFolder = "Puzzles";
inline constexpr const char* kDefaultPictureFile = "marsupilami.jpg";

}  // namespace puzzle
