#include "keyboard/key_table.h"

namespace keyboard {

using namespace std::string_view_literals;

// Hex escapes are cut where a digit follows them.
const std::array<std::string_view, 4> kLetterPages = {
    "azertyuiop qsdfghjklm  wxcvbn\xE9\xE0\xE8\xEA !? .,;'   "sv,
    "AZERTYUIOP QSDFGHJKLM  WXCVBN\xC9\xC0\xC8\xCA !? .,;'   "sv,
    "\xE2\xEA\xEE\xF4\xFB\x9C"
    "123+ \xE7\xEB\xEF\xFC\xF9\xA7"
    "456-  @\x80&:\xA7"
    "789*  () 0./=   "sv,
    "\xC2\xCA\xCE\xD4\xDB\x8C"
    "123+ \xC7\xCB\xCF\xDC\xD9\xA7"
    "456-  @\x80&:\xA7"
    "789*  () 0./=   "sv,
};

const std::string_view kKeypadLabels =
    "123\xA7"
    "+456\xA7"
    "-789\xA7*0.=\xA7/"sv;

namespace {

int Trunc(float v) {
  return static_cast<int>(v);
}

}  // namespace

int LetterKeyBaseWidth(int row, int column) {
  switch (LetterKeyKind(row, column)) {
    case KindErase:
    case KindShift:
      return 65;
    case KindNewLine:
    case KindPage:
      return 55;
    case KindSpace:
      return 170;
    default:
      return kKeySide;
  }
}

KeyKind LetterKeyKind(int row, int column) {
  if (row == 0 && column == 10) return KindErase;
  if (row == 1 && column == 10) return KindNewLine;
  if (row == 2 && column == 0) return KindShift;
  if (row == 3 && column == 0) return KindPage;
  if (row == 3 && column == 3) return KindSpace;
  return KindPlain;
}

int LetterKeyWidth(int row, int column, float zoom) {
  return Trunc(static_cast<float>(LetterKeyBaseWidth(row, column)) * zoom);
}

}  // namespace keyboard
