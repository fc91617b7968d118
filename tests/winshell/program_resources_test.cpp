// scribix.exe's own resources, read from the built program as Windows reads them: the icon the
// frame, the taskbar and the Start menu show, and the manifest Windows applies at its start.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "winshell/win32.h"

namespace {

// The program beside the test, as the build lays them out.
std::filesystem::path ProgramFile(const wchar_t* name) {
  std::wstring self(MAX_PATH, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return std::filesystem::path(self).parent_path() / SCRIBIX_TEST_TO_PROGRAM / name;
}

class ProgramResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ProgramFile(L"scribix.exe").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "scribix.exe not found beside the tests";
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }

  std::string Resource(LPCWSTR type, int id) const {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return {};
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    return std::string(data, SizeofResource(module_, found));
  }

  HMODULE module_ = nullptr;
};

// The 32-bit pixels of a bitmap, top row first.
std::vector<RGBQUAD> Pixels(HBITMAP bitmap, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> pixels(static_cast<std::size_t>(size * size));
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, size, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != size) pixels.clear();
  return pixels;
}

TEST_F(ProgramResourcesTest, TheIconIsTheFrenchModulesPictureWithRoundedCornersAtEachSize) {
  // The program folder's picture of the Français module, which the icon is drawn from.
  auto* picture = static_cast<HBITMAP>(LoadImageW(nullptr, ProgramFile(L"resb/abc.bmp").c_str(),
                                                  IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(picture, nullptr);
  BITMAP pictureSize{};
  GetObjectW(picture, sizeof(pictureSize), &pictureSize);
  const std::vector<RGBQUAD> original = Pixels(picture, pictureSize.bmWidth);
  DeleteObject(picture);
  ASSERT_FALSE(original.empty());

  // The group the frame loads, with an image made for each size the system asks for.
  const std::string group = Resource(RT_GROUP_ICON, 128);
  ASSERT_GE(group.size(), 6u);
  std::vector<int> sizes;
  for (std::size_t entry = 6; entry + 14 <= group.size(); entry += 14) {
    sizes.push_back(group[entry] == 0 ? 256 : static_cast<unsigned char>(group[entry]));
  }
  for (int size : {16, 24, 32, 48}) {
    SCOPED_TRACE(size);
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), size), sizes.end());
    auto* icon = static_cast<HICON>(
        LoadImageW(module_, MAKEINTRESOURCEW(128), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    const std::vector<RGBQUAD> colour = Pixels(parts.hbmColor, size);
    const std::vector<RGBQUAD> mask = Pixels(parts.hbmMask, size);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(icon);
    ASSERT_FALSE(colour.empty());
    ASSERT_FALSE(mask.empty());

    // The corner is cut off: (mostly) see-through in the alpha and in the mask; the middle is not.
    const RGBQUAD corner = colour[0];
    const RGBQUAD middle = colour[static_cast<std::size_t>(size / 2 * size + size / 2)];
    EXPECT_LT(corner.rgbReserved, 128);
    EXPECT_EQ(mask[0].rgbRed, 255);
    EXPECT_EQ(middle.rgbReserved, 255);
    EXPECT_EQ(mask[static_cast<std::size_t>(size / 2 * size + size / 2)].rgbRed, 0);
    // A point of the picture's plain background, a little below its top edge and inside the
    // rounded corner, has the picture's colour.
    const auto at = [](const std::vector<RGBQUAD>& pixels, int width, int x, int y) {
      return pixels[static_cast<std::size_t>(y * width + x)];
    };
    const int w = pictureSize.bmWidth;
    const RGBQUAD expected = at(original, w, w / 2, w / 8);
    const RGBQUAD got = at(colour, size, size / 2, size / 8);
    EXPECT_NEAR(got.rgbRed, expected.rgbRed, 40);
    EXPECT_NEAR(got.rgbGreen, expected.rgbGreen, 40);
    EXPECT_NEAR(got.rgbBlue, expected.rgbBlue, 40);
  }
}

TEST_F(ProgramResourcesTest, TheManifestAsksForTodaysControlsAndSharpDrawingOnEveryScreen) {
  const std::string manifest = Resource(RT_MANIFEST, 1);
  ASSERT_FALSE(manifest.empty()) << "no manifest in scribix.exe";
  for (const char* part :
       {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "<windowsSettings>",
        "<dpiAware "
        "xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
        "<dpiAwareness "
        "xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, "
        "PerMonitor</dpiAwareness>",
        "level=\"asInvoker\""}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
}

}  // namespace
