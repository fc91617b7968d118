// The icons along the top of the view: pictures, places, drawing and tooltips.
#include "app/icon_bar.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "gfx/picture_drawing.h"
#include "ports/picture_loading.h"

namespace app {

float IconScaleForZoom(int zoomIndex) {
  static constexpr float kScales[] = {0.5f, 0.625f, 0.67f, 0.67f, 0.67f};
  if (zoomIndex < 0 || zoomIndex > 4) return 0.5f;
  return kScales[zoomIndex];
}

namespace {

// Room left between an icon and the one it had to move away from.
constexpr int kIconGap = 4;
constexpr int kIconTop = 5;

// The icons along the left after the module icons: the puzzle's, and the writing modules'
// (never shown together), in the order of their places.
constexpr IconId kPuzzleIcons[] = {IconLoadPuzzle, IconSavePuzzle, IconScatter, IconPuzzleSolution,
                                   IconModel};
constexpr IconId kWritingIcons[] = {IconNextWord,   IconReadText,   IconStopReading,
                                    IconRepeatWord, IconHelp,       IconSolution,
                                    IconReplayWord, IconReplaySlow, IconReplayLetters};
// The icons held to the right edge, from the edge inwards.
constexpr IconId kRightIcons[] = {IconQuit,       IconManual,   IconBackground, IconSettings,
                                  IconModuleEdit, IconKeyboard, IconSound,      IconWordLists};

}  // namespace

void IconBar::Load(ports::Pictures& pictures, const std::filesystem::path& programFolder,
                   float scale, gfx::Size client) {
  PlaceNominal(scale);
  UpdateRects(client);

  for (int i = 0; i < kIconPictureCount; ++i) {
    const auto picture = static_cast<IconPicture>(i);
    const auto decoded =
        ports::LoadPicture(pictures, programFolder / "resb" / IconPictureFile(picture));
    bitmaps_[static_cast<std::size_t>(i)] =
        decoded ? ports::ScalePicture(pictures, decoded.get(), scale) : gfx::Image{};
  }
}

int IconBar::NarrowestWidthAt(float scale) {
  IconBar bar;
  bar.PlaceNominal(scale);
  bar.UpdateRects({4000, 1000});
  return bar.NarrowestWidth();
}

void IconBar::PlaceNominal(float scale) {
  iconSize_ = static_cast<int>(72.0f * scale);
  auto place = [&](IconId id, int left) { nominalLeft_[static_cast<std::size_t>(id)] = left; };
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
  // The entry heard again next to the instruction; slowly and letter by letter after the
  // solution, where the icons held to the right leave room for them.
  place(IconReplayWord, 446);
  place(IconReplaySlow, 614);
  place(IconReplayLetters, 614);
}

void IconBar::UpdateRects(gfx::Size client) {
  const int s = iconSize_;
  const int r = client.width;
  const int b = client.height;
  auto rect = [&](IconId id) -> gfx::Rect& { return rects_[static_cast<std::size_t>(id)]; };
  auto at = [&](int left) { return gfx::Rect::FromSize(left, kIconTop, s, s); };

  // Every icon keeps its own place unless it would lie over one placed before it; then it
  // moves, away from the module icons or the window's edge, just past the icons in its way.
  auto placeRightwards = [&](IconId id, std::vector<gfx::Rect>& taken) {
    int left = nominalLeft_[static_cast<std::size_t>(id)];
    for (bool moved = true; moved;) {
      moved = false;
      for (const gfx::Rect& other : taken) {
        if (!at(left).Intersect(other).IsEmpty()) {
          left = other.right + kIconGap;
          moved = true;
        }
      }
    }
    rect(id) = at(left);
    taken.push_back(rect(id));
  };

  std::vector<gfx::Rect> modules;
  for (IconId id : {IconModuleFrench, IconModuleMath, IconModuleList, IconModulePuzzle}) {
    rect(id) = at(nominalLeft_[static_cast<std::size_t>(id)]);
    modules.push_back(rect(id));
  }
  int leftEnd = modules.back().right;
  for (const auto& group :
       {std::span<const IconId>(kPuzzleIcons), std::span<const IconId>(kWritingIcons)}) {
    std::vector<gfx::Rect> taken = modules;
    for (IconId id : group) {
      placeRightwards(id, taken);
      leftEnd = std::max(leftEnd, rect(id).right);
    }
  }
  // The instruction icons of the dictation and of the other modules answer in one place.
  rect(IconRepeat) = rect(IconRepeatWord);

  const int nominalRight[] = {r - s - 5,   r - 91,      r - 141,     r - 182 - s,
                              r - 241 - s, r - 301 - s, r - 361 - s, r - 441 - s};
  int limit = r;
  for (std::size_t i = 0; i < std::size(kRightIcons); ++i) {
    const int left = std::min(nominalRight[i], limit - kIconGap - s);
    rect(kRightIcons[i]) = at(i == 0 ? nominalRight[i] : left);
    limit = rect(kRightIcons[i]).left;
  }
  // In a narrow window the icons held to the right come no further left than the others end:
  // those in the way move right, as little as needed.
  int from = leftEnd + kIconGap;
  for (std::size_t i = std::size(kRightIcons); i-- > 0;) {
    gfx::Rect& icon = rect(kRightIcons[i]);
    if (icon.left < from) icon = at(from);
    from = icon.right + kIconGap;
  }
  rect(IconClear) = gfx::Rect::FromSize(r - s - 5, b - s - 5, s, s);
  rect(IconWhoWorks) = gfx::Rect::FromSize(r - s - 5, b - 2 * s - 15, s, s);
  // The child's own word read back, in the corner by the grid, where the full bar leaves room.
  rect(IconEchoWord) = gfx::Rect::FromSize(r - s - 5, b - 3 * s - 25, s, s);
}

int IconBar::NarrowestWidth() const {
  // The right icons side by side after the left ones, and the edge's margin.
  int leftEnd = 0;
  for (int i = 0; i < kIconCount; ++i) {
    const auto id = static_cast<IconId>(i);
    if (id == IconClear || id == IconWhoWorks || id == IconEchoWord ||
        std::find(std::begin(kRightIcons), std::end(kRightIcons), id) != std::end(kRightIcons)) {
      continue;
    }
    leftEnd = std::max(leftEnd, rects_[static_cast<std::size_t>(i)].right);
  }
  return leftEnd + static_cast<int>(std::size(kRightIcons)) * (iconSize_ + kIconGap) + 5;
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

std::string TooltipTextAt(const IconBar& bar, const std::vector<IconTip>& tips, gfx::Point point) {
  std::string text;
  for (const IconTip& tip : tips) {
    if (bar[tip.icon].Contains(point)) text = tip.text;
  }
  return text;
}

}  // namespace app
