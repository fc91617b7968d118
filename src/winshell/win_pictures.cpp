#include "winshell/win_pictures.h"

#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "winshell/win32.h"

namespace winshell {

namespace {

// Releases a COM object when it goes.
template <typename T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (p_ != nullptr) p_->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T** Out() { return &p_; }
  T* operator->() const { return p_; }
  T* Get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// 32-bit pixels, premultiplied by their transparency, as decoded.
class WinPicture : public ports::Picture {
 public:
  WinPicture(int width, int height, std::vector<std::uint32_t> pixels, bool transparent,
             gfx::Size natural)
      : width_(width),
        height_(height),
        pixels_(std::move(pixels)),
        transparent_(transparent),
        natural_(natural) {}
  gfx::Size PixelSize() const override { return natural_; }
  bool IsTransparent() const override { return transparent_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
  bool transparent_;
  gfx::Size natural_;
};

// Whether a pixel format carries transparency.
bool HasAlpha(IWICImagingFactory* factory, const WICPixelFormatGUID& format) {
  Com<IWICComponentInfo> info;
  if (FAILED(factory->CreateComponentInfo(format, info.Out()))) return false;
  Com<IWICPixelFormatInfo2> pixelInfo;
  if (FAILED(info->QueryInterface(IID_IWICPixelFormatInfo2,
                                  reinterpret_cast<void**>(pixelInfo.Out())))) {
    return false;
  }
  BOOL alpha = FALSE;
  return SUCCEEDED(pixelInfo->SupportsTransparency(&alpha)) && alpha;
}

// The larger side of a decoded picture: a picture larger than this is refused rather than held.
constexpr std::uint64_t kMostPixels = 1u << 28;

}  // namespace

WinPictures::WinPictures() {
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(&factory_)))) {
    factory_ = nullptr;
  }
}

WinPictures::~WinPictures() {
  if (factory_ != nullptr) factory_->Release();
}

std::unique_ptr<ports::Picture> WinPictures::Load(const std::filesystem::path& path) {
  return LoadAtMost(path, {});
}

std::unique_ptr<ports::Picture> WinPictures::LoadAtMost(const std::filesystem::path& path,
                                                        gfx::Size largest) {
  auto refuse = [&] {
    unreadable_.push_back(path);
    return nullptr;
  };
  if (factory_ == nullptr) return refuse();
  Com<IWICBitmapDecoder> decoder;
  if (FAILED(factory_->CreateDecoderFromFilename(path.wstring().c_str(), nullptr, GENERIC_READ,
                                                 WICDecodeMetadataCacheOnDemand, decoder.Out()))) {
    return refuse();
  }
  Com<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.Out()))) return refuse();
  UINT width = 0;
  UINT height = 0;
  WICPixelFormatGUID format{};
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
      static_cast<std::uint64_t>(width) * height > kMostPixels ||
      FAILED(frame->GetPixelFormat(&format))) {
    return refuse();
  }
  const gfx::Size natural{static_cast<int>(width), static_cast<int>(height)};
  const bool transparent = HasAlpha(factory_, format);

  // Decoded no larger than what covers the largest size asked for.
  IWICBitmapSource* source = frame.Get();
  Com<IWICBitmapScaler> scaler;
  UINT outWidth = width;
  UINT outHeight = height;
  if (largest.width > 0 && largest.height > 0) {
    const double scale = std::max(static_cast<double>(largest.width) / width,
                                  static_cast<double>(largest.height) / height);
    if (scale < 1.0) {
      outWidth = std::max(1u, static_cast<UINT>(std::ceil(width * scale)));
      outHeight = std::max(1u, static_cast<UINT>(std::ceil(height * scale)));
      if (FAILED(factory_->CreateBitmapScaler(scaler.Out())) ||
          FAILED(scaler->Initialize(frame.Get(), outWidth, outHeight,
                                    WICBitmapInterpolationModeFant))) {
        return refuse();
      }
      source = scaler.Get();
    }
  }
  Com<IWICFormatConverter> converter;
  if (FAILED(factory_->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return refuse();
  }
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(outWidth) * outHeight);
  if (FAILED(converter->CopyPixels(nullptr, outWidth * 4, static_cast<UINT>(pixels.size() * 4),
                                   reinterpret_cast<BYTE*>(pixels.data())))) {
    return refuse();
  }
  return std::make_unique<WinPicture>(static_cast<int>(outWidth), static_cast<int>(outHeight),
                                      std::move(pixels), transparent, natural);
}

gfx::Image WinPictures::Render(const ports::Picture& picture, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const auto& decoded = static_cast<const WinPicture&>(picture);
  // Transparent parts of a picture show white: the premultiplied pixels laid over white.
  gfx::Image flat(decoded.Width(), decoded.Height());
  for (int y = 0; y < decoded.Height(); ++y) {
    const std::uint32_t* row =
        decoded.Pixels().data() + static_cast<std::size_t>(y) * decoded.Width();
    gfx::Colour* dest = flat.Row(y);
    for (int x = 0; x < decoded.Width(); ++x) {
      const std::uint32_t p = row[x];
      const std::uint32_t white = 0xFF - (p >> 24);
      const std::uint32_t r = std::min(0xFFu, ((p >> 16) & 0xFF) + white);
      const std::uint32_t g = std::min(0xFFu, ((p >> 8) & 0xFF) + white);
      const std::uint32_t b = std::min(0xFFu, (p & 0xFF) + white);
      dest[x] = (r << 16) | (g << 8) | b;
    }
  }
  if (flat.Width() == width && flat.Height() == height) return flat;
  // Scaled by the program's own smoothing filter rather than the system's: the pictures look the
  // same on every Windows (wine's scaler only picks the nearest pixel) and on the other systems.
  return gfx::ScaleSmooth(gfx::ViewOf(flat), width, height);
}

}  // namespace winshell
