#include "shell/qt_pictures.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>

#include "shell/qt_text.h"

namespace shell {

namespace {

class QtPicture : public ports::Picture {
 public:
  explicit QtPicture(QImage image) : image_(std::move(image)) {}
  gfx::Size PixelSize() const override { return {image_.width(), image_.height()}; }
  bool IsTransparent() const override { return image_.hasAlphaChannel(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace

std::unique_ptr<ports::Picture> QtPictures::Load(const std::filesystem::path& path) {
  QImageReader reader(PathToQt(path));
  reader.setAutoTransform(true);
  QImage image = reader.read();
  if (image.isNull()) {
    unreadable_.push_back(path);
    return nullptr;
  }
  return std::make_unique<QtPicture>(std::move(image));
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
