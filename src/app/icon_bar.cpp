// The icons along the top of the view: pictures, places, drawing and tooltips.
#include "app/icon_bar.h"

#include "gfx/picture_drawing.h"
#include "ports/picture_loading.h"

namespace app {

float IconScaleForZoom(int zoomIndex) {
  static constexpr float kScales[] = {0.5f, 0.625f, 0.67f, 0.67f, 0.67f};
  if (zoomIndex < 0 || zoomIndex > 4) return 0.5f;
  return kScales[zoomIndex];
}

void IconBar::Load(ports::Pictures& pictures, const std::filesystem::path& programFolder,
                   float scale, gfx::Size client) {
  const int s = static_cast<int>(72.0f * scale);
  iconSize_ = s;
  auto place = [&](IconId id, int left) {
    rects_[static_cast<std::size_t>(id)] = gfx::Rect::FromSize(left, 5, s, s);
  };
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
  UpdateRects(client);

  for (int i = 0; i < kIconPictureCount; ++i) {
    const auto picture = static_cast<IconPicture>(i);
    const auto decoded =
        ports::LoadPicture(pictures, programFolder / "resb" / IconPictureFile(picture));
    bitmaps_[static_cast<std::size_t>(i)] =
        decoded ? ports::ScalePicture(pictures, decoded.get(), scale) : gfx::Image{};
  }
}

void IconBar::UpdateRects(gfx::Size client) {
  const int s = iconSize_;
  const int r = client.width;
  const int b = client.height;
  auto place = [&](IconId id, int left, int top) {
    rects_[static_cast<std::size_t>(id)] = gfx::Rect::FromSize(left, top, s, s);
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

void IconBar::Draw(gfx::Canvas& canvas, const std::vector<IconShown>& shown) const {
  for (const IconShown& icon : shown) {
    const gfx::Image& bitmap = Bitmap(icon.picture);
    if (!bitmap.IsNull()) {
      gfx::DrawBitmapCentred(canvas, gfx::ViewOf(bitmap), (*this)[icon.icon], false);
    }
  }
}

void AddCommonIcons(std::vector<IconShown>& icons, bool soundOn) {
  icons.push_back({IconBackground, PictureColour});
  icons.push_back({IconManual, PictureHelp});
  icons.push_back({IconQuit, PictureQuit});
  icons.push_back({IconModuleMath, Picture123});
  icons.push_back({IconModuleFrench, PictureAbc});
  icons.push_back({IconModulePuzzle, PicturePuzzle});
  icons.push_back({IconModuleList, PictureList});
  icons.push_back({IconSound, soundOn ? PictureSoundOn : PictureSoundOff});
}

void AddCommonTips(std::vector<IconTip>& tips, bool soundOn) {
  tips.push_back({IconSound, soundOn ? "Couper le son" : "R\xE9tablir le son"});
  tips.push_back({IconQuit, "Quitter Scribix"});
  tips.push_back({IconManual, "Manuel utilisateur Scribix"});
  tips.push_back({IconSettings, "Configuration"});
  tips.push_back({IconBackground, "Choisir la couleur du fond"});
}

std::string TooltipTextAt(const IconBar& bar, const std::vector<IconTip>& tips, gfx::Point point) {
  std::string text;
  for (const IconTip& tip : tips) {
    if (bar[tip.icon].Contains(point)) text = tip.text;
  }
  return text;
}

}  // namespace app
