// The Win32 ports that need no main window, under wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "winshell/scribix_app.h"
#include "winshell/view_window.h"
#include "winshell/win_text_painter.h"
#include "winshell/win_timers.h"
#include "winshell/win_user_dialogs.h"

namespace winshell {
namespace {

// Strings one after the other, each ended by a zero, and one more zero at the end.
std::wstring Zeroed(std::initializer_list<std::wstring> parts) {
  std::wstring out;
  for (const std::wstring& part : parts) out += part + L'\0';
  return out + L'\0';
}

TEST(WinUserDialogsTest, FiltersAndTheExtensionGivenToATypedName) {
  struct Case {
    std::string filter;
    std::wstring common;
    std::wstring extension;
  };
  const std::vector<Case> cases = {
      {"Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*||",
       Zeroed({L"Fichiers texte (*.txt)", L"*.txt", L"Tous les fichiers (*.*)", L"*.*"}), L"txt"},
      // Several patterns: the first one's extension.
      {"Images|*.jpg;*.bmp||", Zeroed({L"Images", L"*.jpg;*.bmp"}), L"jpg"},
      {"Puzzle|*.pz", Zeroed({L"Puzzle", L"*.pz"}), L"pz"},
      // No extension to give: every file, a pattern with a wildcard inside, nothing at all.
      {"Tous|*.*||", Zeroed({L"Tous", L"*.*"}), L""},
      {"Listes|liste*.t?t||", Zeroed({L"Listes", L"liste*.t?t"}), L""},
      {"", Zeroed({}), L""},
      // Windows-1252 names are widened.
      {"Fichiers \xE9tendus|*.txt||", Zeroed({L"Fichiers \u00E9tendus", L"*.txt"}), L"txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WinUserDialogs::CommonFilter(c.filter), c.common) << c.filter;
    EXPECT_EQ(WinUserDialogs::DefaultExtension(c.filter), c.extension) << c.filter;
  }
}

TEST(ScribixAppTest, QuitAfterTakesOnlyAPositiveCount) {
  using Args = std::vector<std::wstring>;
  EXPECT_EQ(CScribixApp::QuitAfterArgument(Args{L"scribix.exe", L"--quit-after", L"2500"}), 2500);
  EXPECT_EQ(CScribixApp::QuitAfterArgument(Args{L"scribix.exe"}), std::nullopt);
  EXPECT_EQ(CScribixApp::QuitAfterArgument(Args{L"scribix.exe", L"--quit-after"}), std::nullopt);
  for (const wchar_t* bad : {L"0", L"-5", L"12ms", L"", L"99999999999999999999"}) {
    EXPECT_EQ(CScribixApp::QuitAfterArgument(Args{L"scribix.exe", L"--quit-after", bad}),
              std::nullopt)
        << bad;
  }
}

// A 32-bit DIB section of its own and the device context that draws into it.
class DibSection {
 public:
  DibSection(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~DibSection() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  std::uint32_t Pixel(int x, int y) const {
    GdiFlush();
    return static_cast<const std::uint32_t*>(bits_)[y * width_ + x] & 0x00FFFFFFu;
  }

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  void* bits_ = nullptr;
};

TEST(ViewWindowTest, APartOfTheBackBufferLandsWhereItIsInTheImage) {
  // Every pixel tells where it is: a part copied from the wrong rows or columns shows.
  gfx::Image image(64, 48);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) image.SetPixel(x, y, gfx::Rgb(x, y, 0x80));
  }
  const std::vector<RECT> areas = {
      {0, 0, 64, 48}, {10, 5, 30, 20}, {0, 40, 64, 48}, {50, 0, 64, 10}, {60, 44, 90, 70}};
  for (const RECT& area : areas) {
    DibSection screen(64, 48);
    PatBlt(screen.Dc(), 0, 0, 64, 48, BLACKNESS);
    CopyImageToDevice(screen.Dc(), image, area);
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 64; ++x) {
        const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
        ASSERT_EQ(screen.Pixel(x, y), inside ? image.Pixel(x, y) : 0u)
            << "area " << area.left << "," << area.top << " pixel " << x << "," << y;
      }
    }
  }
}

TEST(WinTextPainterTest, DrawsInsideTheClipOnlyAndKeepsPixelsClean) {
  const gfx::Colour background = gfx::Rgb(0x40, 0xE0, 0xD0);
  gfx::Image image(120, 40, background);
  WinTextPainter painter;
  const gfx::Rect clip{10, 0, 70, 40};
  painter.DrawText(image, clip, {0, 5}, "WWWWWWWWWWWW \xE9\xE8", 14, gfx::Rgb(0, 0, 0xFF));
  int drawn = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const gfx::Colour c = image.Pixel(x, y);
      ASSERT_EQ(c & 0xFF000000u, 0u);
      if (!clip.Contains({x, y})) {
        ASSERT_EQ(c, background) << x << "," << y;
      } else if (c != background) {
        ++drawn;
      }
    }
  }
  EXPECT_GT(drawn, 50);
  // A clip outside the image draws nothing and breaks nothing.
  painter.DrawText(image, {200, 200, 300, 300}, {200, 200}, "A", 14, 0);
  painter.DrawText(image, {-50, -50, -10, -10}, {-40, -40}, "A", 14, 0);
}

// A window of its own for the timers, which the test pumps.
class TimerWindow {
 public:
  TimerWindow() {
    window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  ~TimerWindow() { DestroyWindow(window_); }
  HWND Handle() const { return window_; }
  // Hands the WM_TIMER messages to the timers until the program has had a tick, or gives up
  // after a bound.
  bool PumpUntilTick(WinTimers& timers, const std::vector<int>& ticks) {
    const ULONGLONG end = GetTickCount64() + 5000;
    MSG message;
    while (ticks.empty() && GetTickCount64() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      while (PeekMessageW(&message, window_, 0, 0, PM_REMOVE)) {
        if (message.message == WM_TIMER) timers.Tick(message.wParam);
      }
    }
    return !ticks.empty();
  }

 private:
  HWND window_;
};

TEST(WinTimersTest, TimersStartedEarlyRunOnceTheWindowExistsAndKilledOnesAreQuiet) {
  std::vector<int> ticks;
  WinTimers timers([&](int id) { ticks.push_back(id); });
  // Started before the view has its window, as the program's creation does.
  timers.Start(222, 20);
  timers.Start(2, 20);
  timers.Kill(2);
  TimerWindow window;
  ASSERT_NE(window.Handle(), nullptr);
  timers.Attach(window.Handle());
  EXPECT_TRUE(timers.IsRunning(222));
  EXPECT_FALSE(timers.IsRunning(2));
  ASSERT_TRUE(window.PumpUntilTick(timers, ticks));
  for (int id : ticks) EXPECT_EQ(id, 222);
  // A tick queued before its timer was killed does not reach the program, nor does one of an
  // id the program never started.
  timers.Kill(222);
  ticks.clear();
  timers.Tick(222);
  timers.Tick(7);
  EXPECT_TRUE(ticks.empty());
}

}  // namespace
}  // namespace winshell
