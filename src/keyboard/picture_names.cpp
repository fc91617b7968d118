#include "keyboard/picture_names.h"

namespace keyboard {

const char* LetterPictureName(int scheme, int page) {
  static constexpr const char* kNames[kSchemeCount][kLetterPageCount] = {
      {"Arial.bmp", "ArialM.bmp", "CArial.bmp", "CArialM.bmp"},
      {"ArialCV.bmp", "ArialMCV.bmp", "CArialCV.bmp", "CArialMCV.bmp"},
      {"ArialN.bmp", "ArialMN.bmp", "CArialN.bmp", "CArialMN.bmp"},
  };
  return kNames[scheme][page];
}

const char* KeypadPictureName(int scheme) {
  return scheme == 2 ? "MathN.bmp" : "Math.bmp";
}

}  // namespace keyboard
