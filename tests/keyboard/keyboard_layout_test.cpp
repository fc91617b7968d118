#include "keyboard/keyboard_layout.h"

#include <gtest/gtest.h>

#include "support/view_harness.h"

namespace {

using base::CellRecord;
using testing_support::ViewHarness;

struct KeyCase {
  int zoomIndex;
  int index;  // row × 11 + column
  int homeX, homeY, width, srcX;
  keyboard::KeyKind kind;
};

class LetterGeometry : public ::testing::TestWithParam<KeyCase> {};

TEST_P(LetterGeometry, KeysSitOnTheirPitchWithTheirWidths) {
  const KeyCase c = GetParam();
  ViewHarness harness(false);
  auto& view = harness.Create();
  view.Parts().settingsDialog.OnZoomChanged(c.zoomIndex);
  const CellRecord& key = view.Parts().cells[c.index];
  EXPECT_EQ(key.homeX, c.homeX);
  EXPECT_EQ(key.homeY, c.homeY);
  EXPECT_EQ(key.width, c.width);
  EXPECT_EQ(key.srcX, c.srcX);
  EXPECT_EQ(key.srcY, (c.index / 11) * view.Parts().state.cellHeight);
  EXPECT_EQ(key.kind, c.kind);
  EXPECT_EQ(key.height, view.Parts().state.cellHeight);
  EXPECT_EQ(key.posX, view.Parts().state.keyboardLeft + key.homeX);
  EXPECT_EQ(key.startY, view.Parts().state.keyboardTop + key.homeY);
}

INSTANTIATE_TEST_SUITE_P(Zoom1And175, LetterGeometry,
                         ::testing::Values(
                             // Zoom 1.0: pitch 47, rows at 8, 55, 102, 149.
                             KeyCase{0, 0, 0, 8, 40, 0, keyboard::KindPlain},
                             KeyCase{0, 1, 47, 8, 40, 40, keyboard::KindPlain},
                             KeyCase{0, 10, 470, 8, 65, 400, keyboard::KindErase},
                             KeyCase{0, 11, 10, 55, 40, 0, keyboard::KindPlain},
                             KeyCase{0, 21, 480, 55, 55, 400, keyboard::KindNewLine},
                             KeyCase{0, 22, 0, 102, 65, 0, keyboard::KindShift},
                             KeyCase{0, 23, 72, 102, 40, 65, keyboard::KindPlain},
                             KeyCase{0, 33, 15, 149, 55, 0, keyboard::KindPage},
                             KeyCase{0, 34, 77, 149, 40, 55, keyboard::KindPlain},
                             KeyCase{0, 36, 171, 149, 170, 135, keyboard::KindSpace},
                             KeyCase{0, 37, 348, 149, 40, 305, keyboard::KindPlain},
                             KeyCase{0, 40, 489, 149, 40, 425, keyboard::KindPlain},
                             // Zoom 1.75: keys of 70, 82 apart (x + 82.25 truncated).
                             KeyCase{3, 0, 0, 8, 70, 0, keyboard::KindPlain},
                             KeyCase{3, 1, 82, 8, 70, 70, keyboard::KindPlain},
                             KeyCase{3, 2, 164, 8, 70, 140, keyboard::KindPlain},
                             KeyCase{3, 10, 820, 8, 113, 700, keyboard::KindErase},
                             KeyCase{3, 11, 10, 90, 70, 0, keyboard::KindPlain},
                             KeyCase{3, 23, 125, 172, 70, 113, keyboard::KindPlain},
                             KeyCase{3, 36, 287, 254, 297, 236, keyboard::KindSpace}));

TEST(KeyboardLayout, FortyOneKeysThenTheFirstTileSlot) {
  ViewHarness harness(false);
  auto& view = harness.Create();
  EXPECT_EQ(view.Parts().state.keyCount, 41);
  EXPECT_EQ(view.Parts().state.itemCount, 41);
  EXPECT_EQ(view.Parts().cells[40].sourceKey, 40);
  // The frame holds every key with 30 pixels around: the erase key reaches 535.
  const gfx::Rect frame = view.Parts().keys.keyboardFrame;
  EXPECT_EQ(frame.left, view.Parts().state.keyboardLeft - 30);
  EXPECT_EQ(frame.right, view.Parts().state.keyboardLeft + 535 + 30);
  EXPECT_EQ(frame.top, view.Parts().state.keyboardTop + 8 - 30);
  EXPECT_EQ(frame.bottom, view.Parts().state.keyboardTop + 149 + 40 + 30);
  for (int i = 0; i < base::kMaxItems; ++i) {
    ASSERT_EQ(view.Parts().cells.drawOrder[static_cast<std::size_t>(i)], i);
    ASSERT_EQ(view.Parts().cells[i].gridCol, -1);
  }
}

TEST(KeyboardLayout, TheKeypadHasFiveColumnsWithAnInertFourth) {
  ViewHarness harness(false);
  auto& view = harness.Create();
  harness.EnterModule(app::ModuleId::kMathematique);
  view.Parts().settingsDialog.OnColoursChanged(0);  // the keyboard made again, for this module
  EXPECT_EQ(view.Parts().state.keyCount, 20);
  EXPECT_EQ(view.Parts().state.keysPerRow, 5);
  for (int i = 0; i < 20; ++i) {
    const CellRecord& key = view.Parts().cells[i];
    const int row = i / 5;
    const int column = i % 5;
    EXPECT_EQ(key.homeX, column * 47);
    EXPECT_EQ(key.homeY, 8 + row * 47);
    EXPECT_EQ(key.srcX, column * 40);
    EXPECT_EQ(key.kind, column == 3 ? keyboard::KindBlank : keyboard::KindPlain);
    EXPECT_EQ(key.Letter(), keyboard::kKeypadLabels[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(view.Parts().cells[4].Letter(), '+');
  EXPECT_EQ(view.Parts().cells[15].Letter(), '0');
  // Centred as if 235 wide. The layout frames the keys closely; moving the keypad adds the
  // 30-pixel margin.
  EXPECT_EQ(view.Parts().state.keyboardLeft, (1200 - 235) / 2);
  EXPECT_EQ(view.Parts().keys.keyboardFrame.left, view.Parts().state.keyboardLeft);
  EXPECT_EQ(view.Parts().keys.keyboardFrame.right, view.Parts().state.keyboardLeft + 4 * 47 + 40);
  view.OnSize();
  EXPECT_EQ(view.Parts().keys.keyboardFrame.left, view.Parts().state.keyboardLeft - 30);
  EXPECT_EQ(view.Parts().keys.keyboardFrame.right, view.Parts().state.keyboardLeft + 4 * 47 + 40 + 30);
}

TEST(KeyboardLayout, EveryKeyOfEveryPageHasALabelAndAFace) {
  testing_support::FakePictures fakePictures;
  testing_support::FakeUserDialogs dialogs;
  testing_support::TempFolder program;
  testing_support::AddProgramPictures(fakePictures, program.Path());
  keyboard::KeyboardPictures pictures;
  pictures.Load(fakePictures, dialogs, program.Path(), 0);
  base::CellTable cells;
  keyboard::KeyboardState keys;
  for (int zoom = 0; zoom < keyboard::kZoomCount; ++zoom) {
    const float factor = keyboard::kZoomFactors[static_cast<std::size_t>(zoom)];
    const int side = static_cast<int>(40 * factor);
    pictures.UseZoom(zoom);
    keyboard::LayoutLetterKeyboard({factor, side, side, {300, 400}}, cells, keys);
    for (int page = 0; page < 4; ++page) {
      keyboard::WriteKeyLabels(cells, page);
      const gfx::Image* picture = pictures.LetterPicture(zoom, 0, page);
      ASSERT_NE(picture, nullptr);
      for (int i = 0; i < keyboard::kLetterKeys; ++i) {
        const CellRecord& key = cells[i];
        const int row = i / 11;
        const int column = i % 11;
        // Special keys carry no label; on the signs pages the last key of row 2 is blank too.
        const bool blank = key.kind != keyboard::KindPlain || (page >= 2 && i == 32);
        EXPECT_EQ(key.Letter() == ' ', blank) << page << " " << i;
        // The face lies inside the picture and shows the colour of this key.
        ASSERT_LE(key.srcX + key.width, picture->Width());
        ASSERT_LE(key.srcY + key.height, picture->Height());
        EXPECT_EQ(picture->Pixel(key.srcX + key.width / 2, key.srcY + key.height / 2),
                  testing_support::FaceColour(0, page, row, column))
            << zoom << " " << page << " " << i;
      }
    }
  }
}

TEST(KeyboardLayout, PageOfCharacter) {
  for (char c : std::string("!',.;?\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC")) {
    EXPECT_EQ(keyboard::PageOfCharacter(c), 0) << static_cast<int>(c);
  }
  for (char c : std::string("\xC0\xC2\xC7\xC8\xC9\xCA\xCB\xCE\xCF\xD4\xD9\xDB\xDC")) {
    EXPECT_EQ(keyboard::PageOfCharacter(c), 1) << static_cast<int>(c);
  }
  for (char c : std::string("aZ1+@\x80 ")) EXPECT_EQ(keyboard::PageOfCharacter(c), -1);
}

TEST(KeyboardLayout, AResizeMovesTheKeysAndKeepsTheLabels) {
  ViewHarness harness(false);
  auto& view = harness.Create();
  const int before = view.Parts().cells[5].posX;
  harness.fake.window.clientSize = {1600, 900};
  view.OnSize();
  EXPECT_EQ(view.Parts().state.keyboardLeft, (1600 - 517) / 2);
  EXPECT_EQ(view.Parts().cells[5].posX, before + (1600 - 1200) / 2);
  EXPECT_EQ(view.Parts().cells[5].Letter(), 'y');
}

}  // namespace
