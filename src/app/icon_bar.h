#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gfx/geometry.h"
#include "gfx/image.h"

namespace app {

// Every command of the program is a picture along the top of the view.
enum IconId : int {
  IconModuleFrench,
  IconModuleMath,
  IconModuleList,
  IconModulePuzzle,
  IconLoadPuzzle,
  IconSavePuzzle,
  IconScatter,
  IconPuzzleSolution,
  IconModel,
  IconNextWord,
  IconReadText,
  IconStopReading,
  IconRepeat,
  IconRepeatWord,
  IconHelp,
  IconSolution,
  IconWordLists,
  IconSound,
  IconKeyboard,
  IconModuleEdit,
  IconSettings,
  IconBackground,
  IconManual,
  IconQuit,
  IconClear,
  kIconCount
};

// The icon pictures in the order they are loaded; "consigne36.bmp" is loaded twice, once for
// each of the two icons that show it.
enum IconPicture : int {
  PictureWizard,
  PictureSolution,
  PictureRepeat,
  PictureKeyboardOn,
  PictureKeyboardOff,
  PictureColour,
  PictureEdit,
  PictureQuit,
  PictureHelp,
  PictureSoundOn,
  PictureSoundOff,
  PictureScatter,
  PicturePuzzle,
  PictureSettings,
  PictureEye,
  PictureOpenPuzzle,
  PictureSavePuzzle,
  PictureTrash,
  PictureAbc,
  Picture123,
  PictureList,
  PictureListSettings,
  PictureNextWord,
  PictureRepeatWord,
  PicturePlay,
  PictureStop,
  kIconPictureCount
};

// File name (in resb/) of each icon picture.
const char* IconPictureFile(IconPicture picture);

struct IconBar {
  std::array<gfx::Rect, kIconCount> rects{};
  std::array<gfx::Image, kIconPictureCount> bitmaps{};

  gfx::Rect& operator[](IconId id) { return rects[static_cast<std::size_t>(id)]; }
  const gfx::Rect& operator[](IconId id) const { return rects[static_cast<std::size_t>(id)]; }
  const gfx::Image& Bitmap(IconPicture p) const { return bitmaps[static_cast<std::size_t>(p)]; }
};

// Icon scale for a keyboard zoom index.
float IconScaleForZoom(int zoomIndex);

// Tooltip state: the last mouse position, the text wanted for the icon under it, the text at
// the previous tick and the text on display.
struct TooltipState {
  std::int32_t tipX = 0;
  std::int32_t tipY = 0;
  std::string wantedTip;
  std::string lastTip;
  std::string shownTip;
};

}  // namespace app
