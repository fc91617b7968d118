#include "winshell/win_text_painter.h"

#include <algorithm>
#include <cstring>

#include "winshell/win32.h"
#include "winshell/win_text.h"

namespace winshell {

void WinTextPainter::DrawText(gfx::Image& target, const gfx::Rect& clip, gfx::Point origin,
                              const std::string& text, int pointSize, gfx::Colour colour) {
  // Only the part of the image both the clip and the image hold is drawn on.
  const int left = std::max(0, clip.left);
  const int top = std::max(0, clip.top);
  const int right = std::min(target.Width(), clip.right);
  const int bottom = std::min(target.Height(), clip.bottom);
  if (target.IsNull() || text.empty() || right <= left || bottom <= top) return;
  const int width = right - left;
  const int height = bottom - top;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top-down, as the program's images
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return;
  HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section == nullptr || bits == nullptr) {
    DeleteDC(dc);
    return;
  }
  // Both are 0x00RRGGBB rows: the area goes in as it is and comes back with the text on it.
  auto* pixels = static_cast<gfx::Colour*>(bits);
  for (int y = 0; y < height; ++y) {
    std::memcpy(pixels + static_cast<std::size_t>(y) * width, target.Row(top + y) + left,
                static_cast<std::size_t>(width) * sizeof(gfx::Colour));
  }
  HGDIOBJ oldBitmap = SelectObject(dc, section);
  // Arial at the size asked for, on a screen of 96 dots per inch.
  HFONT font = CreateFontW(-MulDiv(pointSize, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(gfx::Red(colour), gfx::Green(colour), gfx::Blue(colour)));
  const std::wstring wide = Wide(text);
  RECT box{0, 0, width, height};
  ExtTextOutW(dc, origin.x - left, origin.y - top, ETO_CLIPPED, &box, wide.c_str(),
              static_cast<UINT>(wide.size()), nullptr);
  GdiFlush();
  for (int y = 0; y < height; ++y) {
    gfx::Colour* row = target.Row(top + y) + left;
    const gfx::Colour* drawn = pixels + static_cast<std::size_t>(y) * width;
    // GDI leaves the byte above blue, green and red as it likes; the program's pixels keep it 0.
    for (int x = 0; x < width; ++x) row[x] = drawn[x] & 0x00FFFFFFu;
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteObject(section);
  DeleteDC(dc);
}

}  // namespace winshell
