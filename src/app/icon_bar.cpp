// The icons along the top of the view: pictures, places and drawing.
#include "app/icon_bar.h"

#include "app/picture_helpers.h"
#include "app/scribix_view.h"

namespace app {

float IconScaleForZoom(int zoomIndex) {
  static constexpr float kScales[] = {0.5f, 0.625f, 0.67f, 0.67f, 0.67f};
  if (zoomIndex < 0 || zoomIndex > 4) return 0.5f;
  return kScales[zoomIndex];
}

void CScribixView::LoadIcons() {
  const float scale = state.iconScale;
  const int s = static_cast<int>(72.0f * scale);
  state.iconSize = s;
  auto place = [&](IconId id, int left) { icons[id] = gfx::Rect::FromSize(left, 5, s, s); };
  place(IconModuleFrench, static_cast<int>(10.0f * scale + 40.0f));
  place(IconModuleMath, static_cast<int>(100.0f * scale + 40.0f));
  place(IconModuleList, static_cast<int>(190.0f * scale + 40.0f));
  place(IconModulePuzzle, static_cast<int>(280.0f * scale + 40.0f));
  place(IconLoadPuzzle, 105);
  place(IconSavePuzzle, 175);
  place(IconScatter, 425);
  place(IconPuzzleSolution, 489);
  place(IconModel, 554);
  place(IconNextWord, 184);
  place(IconReadText, 274);
  place(IconStopReading, 324);
  place(IconRepeat, 394);
  place(IconRepeatWord, 394);
  place(IconHelp, 504);
  place(IconSolution, 574);
  UpdateIconRects(platform.window.ClientSize());

  for (int i = 0; i < kIconPictureCount; ++i) {
    const auto picture = static_cast<IconPicture>(i);
    const auto decoded =
        LoadPicture(platform.pictures, state.programFolder / "resb" / IconPictureFile(picture));
    icons.bitmaps[static_cast<std::size_t>(i)] =
        decoded ? ScalePicture(platform.pictures, decoded.get(), scale) : gfx::Image{};
  }
}

void CScribixView::UpdateIconRects(gfx::Size client) {
  const int s = state.iconSize;
  const int r = client.width;
  const int b = client.height;
  auto place = [&](IconId id, int left, int top) {
    icons[id] = gfx::Rect::FromSize(left, top, s, s);
  };
  place(IconWordLists, r - 441 - s, 5);
  place(IconSound, r - 361 - s, 5);
  place(IconKeyboard, r - 301 - s, 5);
  place(IconModuleEdit, r - 241 - s, 5);
  place(IconSettings, r - 182 - s, 5);
  place(IconBackground, r - 141, 5);
  place(IconManual, r - 91, 5);
  place(IconQuit, r - s - 5, 5);
  place(IconClear, r - s - 5, b - s - 5);
}

void CScribixView::DrawIcons(gfx::Canvas& canvas) {
  auto draw = [&](IconId id, IconPicture picture) {
    const gfx::Image& bitmap = icons.Bitmap(picture);
    if (!bitmap.IsNull()) DrawBitmapCentred(canvas, gfx::ViewOf(bitmap), icons[id], false);
  };
  draw(IconBackground, PictureColour);
  draw(IconManual, PictureHelp);
  draw(IconQuit, PictureQuit);
  draw(IconModuleMath, Picture123);
  draw(IconModuleFrench, PictureAbc);
  draw(IconModulePuzzle, PicturePuzzle);
  draw(IconModuleList, PictureList);
  draw(IconSound, state.soundOn == 1 ? PictureSoundOn : PictureSoundOff);
  if (!state.InPuzzle()) {
    draw(IconReadText, PicturePlay);
    draw(IconStopReading, PictureStop);
    draw(IconClear, PictureTrash);
    draw(IconSettings, PictureSettings);
    if (!state.InList()) {
      draw(IconRepeat, PictureRepeat);
      draw(IconModuleEdit, PictureEdit);
    }
    draw(IconKeyboard, state.keyboardShown == 1 ? PictureKeyboardOn : PictureKeyboardOff);
  }
  if (state.InList()) {
    draw(IconWordLists, PictureListSettings);
    draw(IconNextWord, PictureNextWord);
    draw(IconRepeatWord, PictureRepeatWord);
    if (!listDialog.hideHelp) draw(IconHelp, PictureWizard);
    if (!listDialog.hideSolution) draw(IconSolution, PictureSolution);
  } else if (state.InPuzzle()) {
    draw(IconScatter, PictureScatter);
    if (!puzzleDialog.hideSolution) draw(IconPuzzleSolution, PicturePuzzle);
    draw(IconModel, PictureEye);
    draw(IconSettings, PictureSettings);
    draw(IconLoadPuzzle, PictureOpenPuzzle);
    draw(IconSavePuzzle, PictureSavePuzzle);
  }
}

}  // namespace app
