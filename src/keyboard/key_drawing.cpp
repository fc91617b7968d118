// Keys and tiles are pieces of the keyboard pictures: a face copied from the current picture, or
// the glyph a tile carries.
#include <algorithm>

#include "app/picture_helpers.h"
#include "app/scribix_view.h"

namespace app {

namespace {

constexpr gfx::Colour kHiddenFrame = gfx::Rgb(0, 0, 255);
constexpr gfx::Colour kMarkedFrame = gfx::Rgb(255, 0, 255);
constexpr gfx::Colour kSelectionFrame = gfx::Rgb(37, 188, 183);

gfx::Rect ItemRect(const keyboard::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

}  // namespace

void CScribixView::DrawKeyboardPanel(gfx::Canvas& canvas) {
  if (state.InPuzzle() || state.keyboardShown != 1) return;
  const float pitch = static_cast<float>(keyboard::kKeyPitch) * state.keyboardZoom + 2.0f;
  gfx::Rect panel{
      state.keyboardLeft, state.keyboardTop,
      state.keyboardLeft + static_cast<int>(static_cast<float>(state.keysPerRow) * pitch),
      state.keyboardTop + static_cast<int>(static_cast<float>(state.keyRows) * pitch)};
  if (state.InMath()) {
    panel.right -= 8;
    panel.bottom += 2;
  } else {
    panel.left -= 11;
    panel.top -= 4;
    panel.right += 7;
    panel.bottom += 4;
    // From zoom 1.75 the erase key and the end of row 2 reach past the pitch: the panel still
    // holds them.
    int keysRight = 0;
    for (int i = 0; i < std::min(state.keyCount, keyboard::kLetterKeys); ++i) {
      keysRight = std::max(keysRight, cells[i].posX + cells[i].width);
    }
    panel.right = std::max(panel.right, keysRight + 7);
  }
  canvas.Fill(panel, state.backgroundShade2);
  canvas.Edge(panel, gfx::EdgeStyle::kRaised);
}

void CScribixView::FrameHiddenTile(gfx::Canvas& canvas, int item) {
  canvas.Frame(ItemRect(cells[item]), kHiddenFrame);
}

void CScribixView::FrameMarkedTile(gfx::Canvas& canvas, int item) {
  const keyboard::CellRecord& r = cells[item];
  if (r.gridCol < 0 || r.gridRow < 0 || r.gridCol >= keyboard::WritingGrid::kColumns ||
      r.gridRow >= keyboard::WritingGrid::kLines) {
    return;
  }
  if (grid.marks[static_cast<std::size_t>(r.gridRow)][static_cast<std::size_t>(r.gridCol)] != 1) {
    return;
  }
  canvas.Frame(ItemRect(r), kMarkedFrame);
}

void CScribixView::DrawItems(gfx::Canvas& canvas) {
  const auto& glyphs = keyboardPictures.Glyphs();
  const int first = state.keyboardShown == 1 || state.InPuzzle() ? 0 : state.keyCount;
  const int count = std::min(state.itemCount, keyboard::kMaxItems);

  auto copyFace = [&](const keyboard::CellRecord& r) {
    if (puzzleBitmap == nullptr) return;
    canvas.Copy(*puzzleBitmap, gfx::Rect::FromSize(r.srcX, r.srcY, r.width, r.height),
                gfx::Point{r.posX, r.posY});
  };
  auto drawGlyphOrFace = [&](const keyboard::CellRecord& r, std::int32_t handle) {
    const gfx::ImageView glyph = glyphs.Get(handle);
    if (glyph.IsNull()) {
      copyFace(r);
    } else {
      DrawBitmapCentred(canvas, glyph, ItemRect(r), true);
    }
  };
  auto inSelection = [&](int i) {
    const auto end =
        selection.begin() +
        std::min<std::ptrdiff_t>(selectionCount, static_cast<std::ptrdiff_t>(selection.size()));
    return selectionCount > 0 && std::find(selection.begin(), end, i) != end;
  };

  for (int pos = first; pos < count; ++pos) {
    const int i = cells.drawOrder[static_cast<std::size_t>(pos)];
    if (i < 0 || i >= count) continue;
    keyboard::CellRecord& r = cells[i];
    const bool pressed = state.mouseDown == 1 && i == selectedPiece;
    if (r.visible != 1) {
      if (i >= state.keyCount) FrameHiddenTile(canvas, i);
      continue;
    }
    if (r.gridCol != -1) {
      drawGlyphOrFace(r, inSelection(i) || pressed ? r.glyphAlt : r.glyph);
      continue;
    }
    if (pressed) {
      drawGlyphOrFace(r, r.glyphAlt);
    } else if (r.glyph != 0 && r.kind == keyboard::KindPlain) {
      if (!state.InPuzzle() && r.solvedMark != 0) {
        // A tile released by a clear lies on its side.
        const gfx::ImageView glyph = glyphs.Get(r.glyph);
        if (!glyph.IsNull()) {
          r.glyph =
              keyboardPictures.Glyphs().AddImage(TurnBitmap(gfx::Crop(*glyph.image, glyph.area)));
        }
        r.solvedMark = 0;
      }
      drawGlyphOrFace(r, r.glyph);
    } else {
      copyFace(r);
    }
  }

  if (selectionCount > 1) {
    gfx::Rect box;
    for (int k = 0; k < selectionCount && k < static_cast<int>(selection.size()); ++k) {
      const int i = selection[static_cast<std::size_t>(k)];
      if (i < 0 || i >= keyboard::kMaxItems) continue;
      const auto& r = cells[i];
      box = box.Union(gfx::Rect::FromSize(r.posX, r.posY, state.cellWidth, state.cellHeight));
    }
    if (!box.IsEmpty()) canvas.Frame(box.Inflated(1, 1), kSelectionFrame);
  }
}

}  // namespace app
