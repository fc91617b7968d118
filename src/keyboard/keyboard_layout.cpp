#include "keyboard/keyboard_layout.h"

namespace keyboard {

using namespace std::string_view_literals;

namespace {

int Trunc(float v) {
  return static_cast<int>(v);
}

// Extra room after the pitch before some keys, at zoom 1.0.
int ExtraOffset(int row, int column) {
  if (row == 2 && column == 1) return 25;
  if (row == 3 && column == 1) return 15;
  if (row == 3 && column == 4) return 130;
  return 0;
}

constexpr std::array<int, 4> kRowIndent = {0, 10, 0, 15};

int KeysInRow(int row) {
  return row == 3 ? kLetterKeys - 3 * kLetterColumns : kLetterColumns;
}

void ResetRecords(CellTable& table, bool resetLook) {
  for (int i = 0; i < kMaxItems; ++i) {
    CellRecord& r = table[i];
    r.gridCol = r.gridRow = -1;
    r.settled = r.movable = 1;
    r.linkGroup = -1;
    if (resetLook) {
      r.visible = 1;
      r.fixed = 0;
    }
    table.drawOrder[static_cast<std::size_t>(i)] = i;
  }
}

gfx::Rect KeyBounds(const CellTable& table, int count) {
  gfx::Rect frame;
  for (int i = 0; i < count; ++i) {
    const CellRecord& r = table[i];
    frame = frame.Union(gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height));
  }
  return frame;
}

// Steps common to layout and move: positions, faces, sizes and kinds of the 41 keys.
void PlaceLetterKeys(const KeyGeometry& g, CellTable& table, KeyboardState& keys) {
  const float zoom = g.zoom;
  const float pitch = static_cast<float>(kKeyPitch) * zoom;
  int y = keys.firstRowY;
  for (int row = 0; row < kLetterRows; ++row) {
    int x = kRowIndent[static_cast<std::size_t>(row)];
    int srcX = 0;
    for (int column = 0; column < KeysInRow(row); ++column) {
      if (column > 0) {
        x = Trunc(static_cast<float>(x) + pitch);
        if (const int extra = ExtraOffset(row, column); extra != 0) {
          x = Trunc(static_cast<float>(x) + static_cast<float>(extra) * zoom);
        }
      }
      CellRecord& r = table[row * kLetterColumns + column];
      r.homeX = x;
      r.homeY = y;
      r.posX = r.startX = x + g.origin.x;
      r.posY = r.startY = y + g.origin.y;
      r.srcX = srcX;
      r.srcY = row * g.cellHeight;
      r.kind = LetterKeyKind(row, column);
      r.width = r.kind == KindPlain ? g.cellWidth : LetterKeyWidth(row, column, zoom);
      r.height = g.cellHeight;
      srcX += r.width;
    }
    y = Trunc(static_cast<float>(y) + pitch);
  }
  keys.keyboardFrame = KeyBounds(table, kLetterKeys).Inflated(kFrameMargin, kFrameMargin);
}

void PlaceKeypadKeys(const KeyGeometry& g, CellTable& table, KeyboardState& keys) {
  const float pitch = static_cast<float>(kKeyPitch) * g.zoom;
  int y = keys.firstRowY;
  for (int row = 0; row < kKeypadRows; ++row) {
    int x = 0;
    for (int column = 0; column < kKeypadColumns; ++column) {
      if (column > 0) x = Trunc(static_cast<float>(x) + pitch);
      CellRecord& r = table[row * kKeypadColumns + column];
      r.homeX = x;
      r.homeY = y;
      r.posX = r.startX = x + g.origin.x;
      r.posY = r.startY = y + g.origin.y;
      r.srcX = column * g.cellWidth;
      r.srcY = row * g.cellHeight;
      r.width = g.cellWidth;
      r.height = g.cellHeight;
      r.kind = column == 3 ? KindBlank : KindPlain;
    }
    y = Trunc(static_cast<float>(y) + pitch);
  }
  keys.keyboardFrame = KeyBounds(table, kKeypadKeys);
}

}  // namespace

KeyCounts LayoutLetterKeyboard(const KeyGeometry& geometry, CellTable& table, KeyboardState& keys) {
  ResetRecords(table, true);
  for (int i = 0; i < kLetterKeys; ++i) {
    CellRecord& r = table[i];
    r.glyph = r.glyphAlt = 0;
    r.sourceKey = i;
  }
  PlaceLetterKeys(geometry, table, keys);
  return {kLetterColumns, kLetterRows, kLetterKeys};
}

KeyCounts LayoutKeypad(const KeyGeometry& geometry, CellTable& table, KeyboardState& keys) {
  ResetRecords(table, false);
  for (int i = 0; i < kKeypadKeys; ++i) {
    CellRecord& r = table[i];
    r.glyph = r.glyphAlt = 0;
    r.sourceKey = i;
  }
  PlaceKeypadKeys(geometry, table, keys);
  return {kKeypadColumns, kKeypadRows, kKeypadKeys};
}

KeyCounts MoveLetterKeyboard(const KeyGeometry& geometry, CellTable& table, KeyboardState& keys) {
  PlaceLetterKeys(geometry, table, keys);
  return {kLetterColumns, kLetterRows, kLetterKeys};
}

KeyCounts MoveKeypad(const KeyGeometry& geometry, CellTable& table, KeyboardState& keys) {
  PlaceKeypadKeys(geometry, table, keys);
  keys.keyboardFrame = keys.keyboardFrame.Inflated(kFrameMargin, kFrameMargin);
  return {kKeypadColumns, kKeypadRows, kKeypadKeys};
}

void WriteKeyLabels(CellTable& table, int page) {
  if (page == PageKeypad) {
    for (int i = 0; i < kKeypadKeys; ++i) {
      table[i].letter = static_cast<unsigned char>(kKeypadLabels[static_cast<std::size_t>(i)]);
    }
    return;
  }
  const std::string_view labels = kLetterPages[static_cast<std::size_t>(page & 3)];
  for (int i = 0; i < kLetterKeys; ++i) {
    table[i].letter = static_cast<unsigned char>(labels[static_cast<std::size_t>(i)]);
  }
}

int PageOfCharacter(char c) {
  static constexpr std::string_view kPage0 =
      "!',.;?\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC"sv;
  static constexpr std::string_view kPage1 =
      "\xC0\xC2\xC7\xC8\xC9\xCA\xCB\xCE\xCF\xD4\xD9\xDB\xDC"sv;
  if (kPage0.find(c) != std::string_view::npos) return 0;
  if (kPage1.find(c) != std::string_view::npos) return 1;
  return -1;
}

}  // namespace keyboard
