#pragma once

// The icons along the top of the view and the pictures they show. The program draws and hit-tests
// them by these ids; the resource generator draws one picture per file name.
namespace base {
namespace icons {

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
  IconEchoWord,
  IconReplayWord,
  IconReplaySlow,
  IconReplayLetters,
  // Back to "Qui travaille ?", where another child of the class takes the computer.
  IconWhoWorks,
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
  PicturePuzzleSolution,
  PictureEcho,
  PictureReplayWord,
  PictureReplaySlow,
  PictureReplayLetters,
  PictureWhoWorks,
  kIconPictureCount
};

// File name (in resb/) of each icon picture.
const char* IconPictureFile(IconPicture picture);

}  // namespace icons
}  // namespace base
