// Pictures decoded by the Windows Imaging Component, from files that it wrote itself.
#include <gtest/gtest.h>
#include <objbase.h>
#include <wincodec.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "winshell/win_pictures.h"

namespace winshell {
namespace {

namespace fs = std::filesystem;

// 32-bit pixels 0xAARRGGBB, rows top-down.
struct Pixels {
  int width;
  int height;
  std::vector<std::uint32_t> argb;
};

// Writes the pixels in the container's format, through WIC's own encoder.
bool Encode(const Pixels& pixels, const GUID& container, const fs::path& path) {
  IWICImagingFactory* factory = nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
    return false;
  }
  IWICBitmap* bitmap = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  bool done =
      SUCCEEDED(factory->CreateBitmapFromMemory(
          static_cast<UINT>(pixels.width), static_cast<UINT>(pixels.height),
          GUID_WICPixelFormat32bppBGRA, static_cast<UINT>(pixels.width * 4),
          static_cast<UINT>(pixels.argb.size() * 4),
          const_cast<BYTE*>(reinterpret_cast<const BYTE*>(pixels.argb.data())), &bitmap)) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(path.wstring().c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
      SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(static_cast<UINT>(pixels.width), static_cast<UINT>(pixels.height)));
  if (done) {
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    done = SUCCEEDED(frame->SetPixelFormat(&format)) &&
           SUCCEEDED(frame->WriteSource(bitmap, nullptr)) && SUCCEEDED(frame->Commit()) &&
           SUCCEEDED(encoder->Commit());
  }
  for (IUnknown* object :
       std::initializer_list<IUnknown*>{frame, encoder, stream, bitmap, factory}) {
    if (object != nullptr) object->Release();
  }
  return done;
}

class WinPicturesTest : public testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // A folder whose name has letters beyond ASCII: paths cross to the system in UTF-16.
    folder_ = fs::temp_directory_path() / L"scribix-images-\u00E9l\u00E8ve";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
    CoUninitialize();
  }
  fs::path folder_;
};

TEST_F(WinPicturesTest, EveryFormatDecodesToItsColoursAtItsSize) {
  // Four colour blocks of 8 × 8, which a JPEG keeps nearly as they are.
  Pixels blocks{16, 16, std::vector<std::uint32_t>(256)};
  const std::uint32_t colours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) blocks.argb[y * 16 + x] = colours[(y / 8) * 2 + x / 8];
  }
  struct Format {
    const wchar_t* name;
    GUID container;
    int tolerance;
  };
  const Format formats[] = {{L"a.bmp", GUID_ContainerFormatBmp, 0},
                            {L"a.png", GUID_ContainerFormatPng, 0},
                            {L"a.tif", GUID_ContainerFormatTiff, 0},
                            // The encoder picks the palette: its colours are near the picture's.
                            {L"a.gif", GUID_ContainerFormatGif, 8},
                            {L"a.jpg", GUID_ContainerFormatJpeg, 40}};
  for (const Format& format : formats) {
    const fs::path path = folder_ / format.name;
    ASSERT_TRUE(Encode(blocks, format.container, path)) << path;
    WinPictures pictures;
    const auto picture = pictures.Load(path);
    ASSERT_NE(picture, nullptr) << path;
    EXPECT_EQ(picture->PixelSize(), (gfx::Size{16, 16})) << path;
    const gfx::Image image = pictures.Render(*picture, 16, 16);
    for (int block = 0; block < 4; ++block) {
      // The middle of each block.
      const int x = (block % 2) * 8 + 4;
      const int y = (block / 2) * 8 + 4;
      const gfx::Colour got = image.Pixel(x, y);
      const gfx::Colour want = colours[block] & 0x00FFFFFFu;
      EXPECT_LE(std::abs(gfx::Red(got) - gfx::Red(want)), format.tolerance) << path;
      EXPECT_LE(std::abs(gfx::Green(got) - gfx::Green(want)), format.tolerance) << path;
      EXPECT_LE(std::abs(gfx::Blue(got) - gfx::Blue(want)), format.tolerance) << path;
    }
    // Scaled to another size: the size asked for, the colours of the blocks kept inside them.
    const gfx::Image half = pictures.Render(*picture, 8, 4);
    ASSERT_EQ(half.GetSize(), (gfx::Size{8, 4}));
    EXPECT_LE(std::abs(gfx::Red(half.Pixel(1, 0)) - 0xFF), format.tolerance + 8) << path;
    EXPECT_LE(std::abs(gfx::Blue(half.Pixel(1, 3)) - 0xFF), format.tolerance + 8) << path;
  }
}

TEST_F(WinPicturesTest, TransparentPartsShowWhite) {
  Pixels pixels{3, 1, {0x00000000, 0x80000000, 0xFF102030}};
  const fs::path path = folder_ / L"transparent.png";
  ASSERT_TRUE(Encode(pixels, GUID_ContainerFormatPng, path));
  WinPictures pictures;
  const auto picture = pictures.Load(path);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->IsTransparent());
  const gfx::Image image = pictures.Render(*picture, 3, 1);
  EXPECT_EQ(image.Pixel(0, 0), 0x00FFFFFFu);
  // Half black over white is grey.
  EXPECT_NEAR(gfx::Red(image.Pixel(1, 0)), 0x7F, 2);
  EXPECT_EQ(image.Pixel(2, 0), 0x00102030u);
}

TEST_F(WinPicturesTest, ALargePictureIsDecodedSmallerAndKeepsItsSize) {
  Pixels large{400, 300, std::vector<std::uint32_t>(400 * 300, 0xFF336699)};
  const fs::path path = folder_ / L"large.bmp";
  ASSERT_TRUE(Encode(large, GUID_ContainerFormatBmp, path));
  WinPictures pictures;
  const auto picture = pictures.LoadAtMost(path, {40, 20});
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->PixelSize(), (gfx::Size{400, 300}));
  const gfx::Image image = pictures.Render(*picture, 40, 30);
  ASSERT_EQ(image.GetSize(), (gfx::Size{40, 30}));
  EXPECT_EQ(image.Pixel(20, 15), 0x00336699u);
}

TEST_F(WinPicturesTest, WhatCannotBeReadIsRefusedAndNamed) {
  const fs::path missing = folder_ / L"absent.bmp";
  const fs::path garbage = folder_ / L"garbage.jpg";
  std::ofstream(garbage, std::ios::binary) << "not a picture at all";
  const fs::path empty = folder_ / L"empty.png";
  std::ofstream(empty, std::ios::binary).flush();
  WinPictures pictures;
  EXPECT_EQ(pictures.Load(missing), nullptr);
  EXPECT_EQ(pictures.Load(garbage), nullptr);
  EXPECT_EQ(pictures.Load(empty), nullptr);
  EXPECT_EQ(pictures.Unreadable(), (std::vector<fs::path>{missing, garbage, empty}));
}

}  // namespace
}  // namespace winshell
