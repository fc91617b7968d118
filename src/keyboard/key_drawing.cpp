#include "keyboard/key_drawing.h"

#include <algorithm>

#include "gfx/picture_drawing.h"
#include "keyboard/key_table.h"
#include "keyboard/letter_ink.h"

namespace keyboard {

namespace {

constexpr gfx::Colour kHiddenFrame = gfx::Rgb(0, 0, 255);

gfx::Rect ItemRect(const base::CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

bool IsPressed(const ItemScene& scene, int item) {
  return scene.mouseDown && item == scene.heldItem;
}

// A tile in the grid with its letter in its word's colours, when they are shown.
void InkLetter(gfx::Canvas& canvas, const ItemScene& scene, int item, const gfx::Rect& drawn) {
  if (scene.inkScheme == nullptr || item < 0 ||
      static_cast<std::size_t>(item) >= scene.letterInks.size()) {
    return;
  }
  InkTileLetter(canvas, drawn, *scene.inkScheme, scene.letterInks[static_cast<std::size_t>(item)]);
}

// The positions of the painting order that are drawn, and the item at each.
template <typename F>
void ForEachDrawn(const base::CellTable& cells, const ItemScene& scene, F&& f) {
  const int count = std::min(scene.itemCount, base::kMaxItems);
  for (int pos = scene.firstItem; pos < count; ++pos) {
    const int i = cells.drawOrder[static_cast<std::size_t>(pos)];
    if (i < 0 || i >= count) continue;
    f(i);
  }
}

}  // namespace

void DrawKeyboardPanel(gfx::Canvas& canvas, const base::AppState& state,
                       const base::CellTable& cells, bool keypad) {
  const float pitch = static_cast<float>(kKeyPitch) * state.keyboardZoom + 2.0f;
  gfx::Rect panel{
      state.keyboardLeft, state.keyboardTop,
      state.keyboardLeft + static_cast<int>(static_cast<float>(state.keysPerRow) * pitch),
      state.keyboardTop + static_cast<int>(static_cast<float>(state.keyRows) * pitch)};
  panel.left -= 11;
  panel.top -= 4;
  if (keypad) {
    panel.right -= 8;
    panel.bottom += 2;
  } else {
    panel.right += 7;
    panel.bottom += 4;
    // From zoom 1.75 the erase key and the end of row 2 reach past the pitch: the panel still
    // holds them.
    int keysRight = 0;
    for (int i = 0; i < std::min(state.keyCount, kLetterKeys); ++i) {
      keysRight = std::max(keysRight, cells[i].posX + cells[i].width);
    }
    panel.right = std::max(panel.right, keysRight + 7);
  }
  canvas.Fill(panel, state.backgroundShade2);
  canvas.Edge(panel, gfx::EdgeStyle::kRaised);
}

void FrameHiddenTile(gfx::Canvas& canvas, const base::CellRecord& tile) {
  canvas.Frame(ItemRect(tile), kHiddenFrame);
}

void DrawItems(gfx::Canvas& canvas, const base::CellTable& cells, const ItemScene& scene) {
  auto copyFace = [&](const base::CellRecord& r) {
    if (scene.facePicture == nullptr) return gfx::Rect{};
    canvas.Copy(*scene.facePicture, gfx::Rect::FromSize(r.srcX, r.srcY, r.width, r.height),
                gfx::Point{r.posX, r.posY});
    return ItemRect(r);
  };
  auto drawGlyphOrFace = [&](const base::CellRecord& r, std::int32_t handle) {
    const gfx::ImageView glyph =
        scene.glyphs != nullptr ? scene.glyphs->Get(handle) : gfx::ImageView{};
    if (glyph.IsNull()) return copyFace(r);
    return gfx::DrawBitmapCentred(canvas, glyph, ItemRect(r), true);
  };
  auto inSelection = [&](int i) {
    return std::find(scene.selected.begin(), scene.selected.end(), i) != scene.selected.end();
  };

  ForEachDrawn(cells, scene, [&](int i) {
    const base::CellRecord& r = cells[i];
    const bool pressed = IsPressed(scene, i);
    if (r.visible != 1) {
      if (i >= scene.keyCount) FrameHiddenTile(canvas, r);
      return;
    }
    if (r.gridCol != -1) {
      InkLetter(canvas, scene, i,
                drawGlyphOrFace(r, inSelection(i) || pressed ? r.glyphAlt : r.glyph));
    } else if (pressed) {
      drawGlyphOrFace(r, r.glyphAlt);
    } else if (r.glyph != 0 && r.kind == KindPlain) {
      drawGlyphOrFace(r, r.glyph);
    } else {
      copyFace(r);
    }
  });
}

void TurnReleasedTiles(base::CellTable& cells, const ItemScene& scene, GlyphStore& glyphs) {
  ForEachDrawn(cells, scene, [&](int i) {
    base::CellRecord& r = cells[i];
    if (r.visible != 1 || r.gridCol != -1 || IsPressed(scene, i)) return;
    if (r.glyph == 0 || r.kind != KindPlain || r.solvedMark == 0) return;
    if (!glyphs.Get(r.glyph).IsNull()) r.glyph = glyphs.Turned(r.glyph);
    r.solvedMark = 0;
  });
}

}  // namespace keyboard
