#include "shell/qt_pictures.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "shell/qt_text.h"

namespace shell {

namespace {

// A picture as decoded, possibly smaller than the file's own size, which it keeps.
class QtPicture : public ports::Picture {
 public:
  QtPicture(QImage image, QSize natural) : image_(std::move(image)), natural_(natural) {}
  gfx::Size PixelSize() const override { return {natural_.width(), natural_.height()}; }
  bool IsTransparent() const override { return image_.hasAlphaChannel(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  QSize natural_;
};

}  // namespace

std::unique_ptr<ports::Picture> QtPictures::Load(const std::filesystem::path& path) {
  return LoadAtMost(path, {});
}

std::unique_ptr<ports::Picture> QtPictures::LoadAtMost(const std::filesystem::path& path,
                                                       gfx::Size largest) {
  QImageReader reader(PathToQt(path));
  reader.setAutoTransform(true);
  // The size as stored, and as shown once the photograph's orientation is applied.
  const QSize stored = reader.size();
  QSize natural = stored;
  if (reader.transformation() & QImageIOHandler::TransformationRotate90) natural.transpose();
  if (largest.width > 0 && largest.height > 0 && natural.width() > 0 && natural.height() > 0) {
    // Scaled while decoding (JPEG decodes at a fraction of its size directly), never below
    // what covers the largest size asked for.
    const double scale = std::max(static_cast<double>(largest.width) / natural.width(),
                                  static_cast<double>(largest.height) / natural.height());
    if (scale < 1.0) {
      reader.setScaledSize(
          QSize(std::max(1, static_cast<int>(std::ceil(stored.width() * scale))),
                std::max(1, static_cast<int>(std::ceil(stored.height() * scale)))));
    }
  }
  QImage image = reader.read();
  if (image.isNull()) {
    unreadable_.push_back(path);
    return nullptr;
  }
  if (!natural.isValid()) natural = image.size();
  return std::make_unique<QtPicture>(std::move(image), natural);
}

gfx::Image QtPictures::Render(const ports::Picture& picture, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const auto& source = static_cast<const QtPicture&>(picture).Image();
  QImage scaled =
      source.size() == QSize(width, height)
          ? source
          : source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (scaled.hasAlphaChannel()) {
    // Transparent parts of a picture show white.
    QImage flat(scaled.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, scaled);
    painter.end();
    scaled = std::move(flat);
  } else if (scaled.format() != QImage::Format_RGB32) {
    scaled = scaled.convertToFormat(QImage::Format_RGB32);
  }
  gfx::Image out(width, height);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
    gfx::Colour* dest = out.Row(y);
    for (int x = 0; x < width; ++x) dest[x] = row[x] & 0x00FFFFFFu;
  }
  return out;
}

}  // namespace shell
