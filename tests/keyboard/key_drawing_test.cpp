#include <gtest/gtest.h>

#include "support/view_harness.h"

namespace {

using testing_support::FaceColour;
using testing_support::ViewHarness;

constexpr gfx::Colour kBackground = gfx::Rgb(77, 228, 223);
constexpr gfx::Colour kCellShade = gfx::Rgb(57, 208, 203);
constexpr gfx::Colour kRed = gfx::Rgb(255, 0, 0);

// A tile made from key `key` of page 0, resting in grid cell (column, line).
int AddTile(app::CScribixView& view, int key, int column, int line) {
  const int i = view.Parts().state.itemCount++;
  base::CellRecord& tile = view.Parts().cells[i];
  tile = view.Parts().cells[key];
  const gfx::Rect cell = base::CellRect(view.Parts().state, column, line);
  tile.posX = cell.left;
  tile.posY = cell.top;
  tile.gridCol = column;
  tile.gridRow = line;
  tile.kind = keyboard::KindPlain;
  tile.sourceKey = key;
  tile.glyph = view.Parts().pictures.Glyph(view.Parts().state.keyboardZoomIndex,
                                           view.Parts().state.keyboardColours, 0, key);
  tile.glyphAlt = tile.glyph;
  return i;
}

gfx::Point Centre(const base::CellRecord& r) {
  return {r.posX + r.width / 2, r.posY + r.height / 2};
}

TEST(KeyboardPictures, GlyphsAreKeySquaresCutAtEveryZoom) {
  ViewHarness harness;
  auto& view = harness.Create();
  const auto& pictures = view.Parts().pictures;
  for (int zoom = 0; zoom < keyboard::kZoomCount; ++zoom) {
    view.Parts().settingsDialog.OnZoomChanged(zoom);
    const int d = view.Parts().state.cellWidth;
    for (int scheme = 0; scheme < keyboard::kSchemeCount; ++scheme) {
      for (int page = 0; page < keyboard::kLetterPageCount; ++page) {
        const gfx::Image* picture = pictures.LetterPicture(zoom, scheme, page);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Height(), 4 * d);
        for (int position = 0; position < keyboard::kLetterKeys; ++position) {
          const gfx::ImageView glyph =
              pictures.Glyphs().Get(pictures.Glyph(zoom, scheme, page, position));
          ASSERT_FALSE(glyph.IsNull());
          ASSERT_EQ(glyph.Width(), d);
          ASSERT_EQ(glyph.Height(), d);
          ASSERT_EQ(glyph.image, picture);
        }
      }
    }
    // Only the zoom in use is kept.
    EXPECT_EQ(pictures.LetterPicture((zoom + 1) % 5, 0, 0), nullptr);
  }
  // Scheme 2 at zoom 2.0: glyphs of 80, the space bar a 340-wide face whose glyph is its left
  // square.
  view.Parts().settingsDialog.OnColoursChanged(2);
  EXPECT_EQ(pictures.LetterPicture(4, 2, 0)->GetSize(), (gfx::Size{930, 320}));
  const base::CellRecord& space = view.Parts().cells[36];
  EXPECT_EQ(space.width, 340);
  EXPECT_EQ(space.srcX, 110 + 80 + 80);
  const gfx::ImageView glyph = pictures.Glyphs().Get(pictures.Glyph(4, 2, 0, 36));
  EXPECT_EQ(glyph.area, gfx::Rect::FromSize(space.srcX, 240, 80, 80));
  EXPECT_EQ(glyph.image->Pixel(glyph.area.left + 40, glyph.area.top + 40), FaceColour(2, 0, 3, 3));
  EXPECT_EQ(pictures.Glyphs().Get(pictures.Glyph(4, 2, 0, 11)).area,
            gfx::Rect::FromSize(0, 80, 80, 80));
  // The three positions that are not keys lie past the picture's edge: no glyph.
  EXPECT_EQ(pictures.Glyph(4, 2, 0, 43), 0);
}

TEST(KeyboardPictures, AZoomChangeKeepsGlyphHandlesValid) {
  ViewHarness harness;
  auto& view = harness.Create();
  const std::int32_t handle = view.Parts().pictures.Glyph(0, 0, 0, 3);
  view.Parts().settingsDialog.OnZoomChanged(2);
  EXPECT_EQ(view.Parts().pictures.Glyph(2, 0, 0, 3), handle);
  EXPECT_EQ(view.Parts().pictures.Glyphs().Get(handle).Width(), 60);
  EXPECT_EQ(view.Parts().pictures.Glyph(0, 0, 0, 3), 0);
}

TEST(KeyboardPictures, AMissingLetterPictureIsReportedOnceAndAMissingKeypadNever) {
  ViewHarness harness;
  const auto resb = harness.program.Path() / "resb";
  harness.fake.pictures.files.erase(resb / "ArialMCV.bmp");
  harness.fake.pictures.files.erase(resb / "Math.bmp");
  auto& view = harness.Create();
  ASSERT_EQ(harness.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(harness.fake.dialogs.messages[0].text,
            " Probl\xE8me d'ouverture du fichier : " + (resb / "ArialMCV.bmp").string());
  EXPECT_EQ(view.Parts().pictures.LetterPicture(0, 1, 1), nullptr);
  EXPECT_NE(view.Parts().pictures.LetterPicture(0, 1, 0), nullptr);
  EXPECT_EQ(view.Parts().pictures.KeypadPicture(0, 0), nullptr);
  EXPECT_NE(view.Parts().pictures.KeypadPicture(0, 2), nullptr);
  EXPECT_EQ(view.Parts().pictures.Glyph(0, 1, 1, 3), 0);
}

TEST(KeyDrawing, KeysAreFacesOnTheRaisedPanel) {
  ViewHarness harness;
  auto& view = harness.Create();
  const gfx::Image& screen = harness.Paint();
  for (int i : {0, 10, 22, 36, 40}) {
    const auto& key = view.Parts().cells[i];
    const gfx::Point c = Centre(key);
    EXPECT_EQ(screen.Pixel(c.x, c.y), FaceColour(0, 0, i / 11, i % 11)) << i;
  }
  // Between two keys: the panel in the second shade, with its raised edge around.
  const auto& first = view.Parts().cells[0];
  EXPECT_EQ(screen.Pixel(first.posX + first.width + 3, first.posY + 5), gfx::Rgb(37, 188, 183));
  EXPECT_EQ(screen.Pixel(view.Parts().state.keyboardLeft - 11, view.Parts().state.keyboardTop),
            gfx::kEdgeLight);
}

TEST(KeyDrawing, ThePanelHoldsTheWidestRowAtEveryZoom) {
  ViewHarness harness;
  harness.fake.window.clientSize = {2400, 1400};
  auto& view = harness.Create();
  for (int zoom = 0; zoom < keyboard::kZoomCount; ++zoom) {
    view.Parts().settingsDialog.OnZoomChanged(zoom);
    const gfx::Image& screen = harness.Paint();
    const auto& erase = view.Parts().cells[10];
    EXPECT_EQ(screen.Pixel(erase.posX + erase.width + 2, erase.posY + 5), gfx::Rgb(37, 188, 183))
        << zoom;
  }
}

TEST(KeyDrawing, AHiddenKeyboardShowsTilesButNoKeys) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();                          // the first paint lays the kept text down
  const int tile = AddTile(view, 4, 2, 1);  // "t"
  view.Parts().state.keyboardShown = 0;
  const gfx::Image& screen = harness.Paint();
  const gfx::Point key = Centre(view.Parts().cells[4]);
  EXPECT_EQ(screen.Pixel(key.x, key.y), kBackground);
  const gfx::Point placed = Centre(view.Parts().cells[tile]);
  EXPECT_EQ(screen.Pixel(placed.x, placed.y), FaceColour(0, 0, 0, 4));
}

TEST(KeyDrawing, HiddenAndMarkedTilesAreFramed) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();  // the first paint lays the kept text down
  const int hidden = AddTile(view, 1, 0, 0);
  view.Parts().cells[hidden].visible = 0;
  const int marked = AddTile(view, 2, 5, 0);
  view.Parts().grid.marks[0][5] = 1;
  const gfx::Image& screen = harness.Paint();
  const auto& h = view.Parts().cells[hidden];
  EXPECT_EQ(screen.Pixel(h.posX, h.posY + 10), gfx::Rgb(0, 0, 255));
  EXPECT_EQ(screen.Pixel(h.posX + 10, h.posY + 10), kCellShade);  // no fill, no letter
  const auto& m = view.Parts().cells[marked];
  EXPECT_EQ(screen.Pixel(Centre(m).x, Centre(m).y), FaceColour(0, 0, 0, 2));
}

TEST(KeyDrawing, AKeypadTileIsCopiedFromTheKeypadPicture) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();
  harness.ClickIcon(app::IconModuleMath);
  harness.WriteKeyInto(7, 3, 1);  // "8"
  const gfx::Rect cell = base::CellRect(view.Parts().state, 3, 1);
  const gfx::Image& screen = harness.Paint();
  EXPECT_EQ(screen.Pixel(cell.left + 20, cell.top + 20),
            testing_support::KeypadFaceColour(0, 1, 2));
}

TEST(KeyDrawing, TheHeldTileIsDrawnLastAndTilesReleasedByAClearLieOnTheirSide) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();  // the first paint lays the kept text down
  const int under = AddTile(view, 0, 0, 0);
  const int over = AddTile(view, 3, 0, 0);
  view.Parts().held.selectedPiece = under;
  harness.Paint();
  EXPECT_EQ(
      view.Parts().cells.drawOrder[static_cast<std::size_t>(view.Parts().state.itemCount - 1)],
      under);
  EXPECT_EQ(view.BackBuffer().Pixel(Centre(view.Parts().cells[0]).x, 0), kBackground);

  // A released tile: out of the grid, marked to turn.
  view.Parts().held.selectedPiece = -1;
  auto& t = view.Parts().cells[over];
  t.gridCol = t.gridRow = -1;
  t.solvedMark = 1;
  gfx::Image glyph = gfx::Crop(*view.Parts().pictures.Glyphs().Get(t.glyph).image,
                               view.Parts().pictures.Glyphs().Get(t.glyph).area);
  const std::int32_t before = t.glyph;
  harness.Paint();
  EXPECT_NE(t.glyph, before);
  EXPECT_EQ(t.solvedMark, 0);
  const gfx::ImageView turned = view.Parts().pictures.Glyphs().Get(t.glyph);
  EXPECT_EQ(turned.Width(), glyph.Height());
  harness.Paint();
  EXPECT_EQ(view.Parts().pictures.Glyphs().Get(t.glyph).image, turned.image);  // turned once
}

TEST(KeyDrawing, TurnedTilesAreMadeOncePerGlyphHoweverOftenTheGridIsCleared) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();  // the first paint lays the kept text down
  view.Parts().settingsDialog.OnZoomChanged(4);
  const std::size_t before = view.Parts().pictures.Glyphs().OwnedBytes();
  // A full grid of 40 tiles released 100 times over.
  for (int clear = 0; clear < 100; ++clear) {
    view.Parts().state.itemCount = view.Parts().state.keyCount;
    for (int k = 0; k < 40; ++k) {
      const int key = k % 10 + 11 * (k / 10 % 2);
      auto& t = view.Parts().cells[AddTile(view, key, k % 20, k / 20)];
      t.gridCol = t.gridRow = -1;
      t.solvedMark = 1;
    }
    harness.Paint();
    for (int i = view.Parts().state.keyCount; i < view.Parts().state.itemCount; ++i) {
      ASSERT_EQ(view.Parts().cells[i].solvedMark, 0);
      ASSERT_NE(view.Parts().cells[i].glyph,
                view.Parts().cells[view.Parts().cells[i].sourceKey].glyph);
    }
  }
  // Twenty different letters: twenty turned pictures of 80 × 80.
  EXPECT_EQ(view.Parts().pictures.Glyphs().TurnedCount(), 20u);
  EXPECT_LE(view.Parts().pictures.Glyphs().OwnedBytes() - before, 20u * 80 * 80 * 4);

  // A zoom change makes them again at the new size, under the same handles.
  const std::int32_t turned = view.Parts().cells[view.Parts().state.itemCount - 1].glyph;
  view.Parts().settingsDialog.OnZoomChanged(0);
  EXPECT_EQ(view.Parts().pictures.Glyphs().Get(turned).Width(), 40);
}

TEST(KeyDrawing, WithoutItsPictureTheKeypadKeepsItsLabels) {
  ViewHarness harness;
  harness.fake.pictures.files.erase(harness.program / "resb" / "Math.bmp");
  auto& view = harness.Create();
  harness.EnterModule(app::ModuleId::kMathematique);
  view.Parts().settingsDialog.OnColoursChanged(0);
  EXPECT_EQ(view.Parts().keys.facePicture, nullptr);
  const gfx::Image& screen = harness.Paint();
  harness.Paint();
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(view.Parts().cells[i].Letter(), keyboard::kKeypadLabels[static_cast<std::size_t>(i)])
        << i;
  }
  EXPECT_EQ(view.Parts().keys.facePicture, nullptr);
  // No letter faces where the keys are.
  const gfx::Point key = Centre(view.Parts().cells[6]);
  EXPECT_EQ(screen.Pixel(key.x, key.y), kBackground);
}

TEST(GridDrawing, EachModuleHasItsPainter) {
  ViewHarness harness;
  auto& view = harness.Create();
  view.Parts().settingsDialog.OnAutoPlaceClicked(true);
  view.Parts().grid.cursorCol = 2;
  view.Parts().grid.cursorRow = 1;
  auto pixelAt = [&](int c, int l, int dx, int dy) {
    const gfx::Rect cell = base::CellRect(view.Parts().state, c, l);
    return view.BackBuffer().Pixel(cell.left + dx, cell.top + dy);
  };

  // Normal: every cell, the cursor a one-pixel red frame over the background.
  harness.Paint();
  EXPECT_EQ(pixelAt(0, 0, 10, 10), kCellShade);
  EXPECT_EQ(pixelAt(21, 5, 10, 10), kCellShade);
  EXPECT_EQ(pixelAt(2, 1, 0, 10), kRed);
  EXPECT_EQ(pixelAt(2, 1, 1, 10), kBackground);
  EXPECT_EQ(view.Parts().grid.cursorRect, base::CellRect(view.Parts().state, 2, 1));

  // Without automatic placement the cursor cell is a plain cell.
  view.Parts().settingsDialog.OnAutoPlaceClicked(false);
  harness.Paint();
  EXPECT_EQ(pixelAt(2, 1, 10, 10), kCellShade);
  view.Parts().settingsDialog.OnAutoPlaceClicked(true);

  // Fixed exercise: only the cells of the fixed text; the cursor two pixels wide.
  view.Parts().editorDialog.fixed = true;
  view.Parts().grid.fixedText[1][2] = 'a';
  view.Parts().grid.fixedText[0][4] = 'b';
  harness.Paint();
  EXPECT_EQ(pixelAt(4, 0, 10, 10), kCellShade);
  EXPECT_EQ(pixelAt(0, 0, 10, 10), kBackground);
  EXPECT_EQ(pixelAt(2, 1, 1, 10), kRed);
  EXPECT_EQ(pixelAt(2, 1, 2, 10), kBackground);
  view.Parts().editorDialog.fixed = false;

  // List: the word's cells only; a new word brings the cursor to its first cell.
  harness.EnterModule(app::ModuleId::kListe);
  view.Parts().grid.enabled[3][6] = view.Parts().grid.enabled[3][7] =
      view.Parts().grid.enabled[4][6] = 1;
  view.Parts().grid.pendingWord = 1;
  harness.Paint();
  EXPECT_EQ(view.Parts().grid.pendingWord, 0);
  EXPECT_EQ(view.Parts().grid.cursorCol, 6);
  EXPECT_EQ(view.Parts().grid.cursorRow, 3);
  EXPECT_EQ(pixelAt(0, 0, 10, 10), kBackground);
  EXPECT_EQ(pixelAt(7, 3, 10, 10), kCellShade);
  EXPECT_EQ(pixelAt(6, 3, 0, 10), kRed);
  EXPECT_EQ(pixelAt(6, 3, 10, 10), kCellShade);
  EXPECT_EQ(
      view.Parts().grid.gridBounds,
      base::CellRect(view.Parts().state, 6, 3).Union(base::CellRect(view.Parts().state, 7, 4)));

  // Puzzle: the writing grid is not drawn there (its home cells are the pieces' own).
  harness.EnterModule(app::ModuleId::kPuzzle);
  harness.Paint();
  EXPECT_EQ(pixelAt(2, 1, 0, 10), kBackground);
  EXPECT_EQ(pixelAt(2, 1, 10, 10), kBackground);
}

}  // namespace
