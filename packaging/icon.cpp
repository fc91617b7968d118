// Draws the icon of Scribix from the picture of its Français module, at each size asked for:
//   scribix_icon <picture> <folder> <size>...     <folder>/<size>x<size>/apps/scribix.png, for the
//                                                 desktop's hicolor theme;
//   scribix_icon <picture> <file>.ico <size>...   one Windows icon holding every size, for
//                                                 scribix.exe and its installer.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The square picture with its corners rounded off, so that it sits well on any panel.
QImage DrawIcon(const QImage& picture, int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  QPainterPath rounded;
  rounded.addRoundedRect(QRectF(0, 0, size, size), size * 0.12, size * 0.12);
  painter.setClipPath(rounded);
  painter.drawImage(QRect(0, 0, size, size), picture);
  painter.end();
  return icon;
}

void Put16(QByteArray& out, std::uint16_t value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>(value >> 8));
}

void Put32(QByteArray& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.append(static_cast<char>((value >> shift) & 0xFF));
}

// One image of an icon file: a 32-bit bitmap, bottom row first, whose height counts its colour
// rows and the rows of its mask; the mask is set where the icon is mostly see-through, for the
// systems that draw icons without their alpha.
QByteArray IconImage(const QImage& icon) {
  const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
  const int size = argb.width();
  const int maskStride = ((size + 31) / 32) * 4;
  QByteArray out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, static_cast<std::uint32_t>(2 * size));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);  // BI_RGB
  Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = size - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < size; ++x) {
      out.append(static_cast<char>(qBlue(row[x])));
      out.append(static_cast<char>(qGreen(row[x])));
      out.append(static_cast<char>(qRed(row[x])));
      out.append(static_cast<char>(qAlpha(row[x])));
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    QByteArray mask(maskStride, '\0');
    for (int x = 0; x < size; ++x) {
      if (qAlpha(row[x]) < 128) mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(mask);
  }
  return out;
}

// The icon file: its directory of images, then the images.
QByteArray IconFile(const std::vector<QImage>& icons) {
  std::vector<QByteArray> images;
  for (const QImage& icon : icons) images.push_back(IconImage(icon));
  QByteArray out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<std::uint16_t>(icons.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(icons.size());
  for (std::size_t i = 0; i < icons.size(); ++i) {
    const int size = icons[i].width();
    out.append(static_cast<char>(size >= 256 ? 0 : size));
    out.append(static_cast<char>(size >= 256 ? 0 : size));
    out.append('\0');  // not a palette
    out.append('\0');
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const QByteArray& image : images) out.append(image);
  return out;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() < 4) {
    std::fprintf(stderr, "usage: scribix_icon <picture> <folder>|<file.ico> <size>...\n");
    return 2;
  }
  const QImage picture(arguments[1]);
  if (picture.isNull()) {
    std::fprintf(stderr, "scribix_icon: cannot read %s\n", qPrintable(arguments[1]));
    return 1;
  }
  std::vector<QImage> icons;
  for (qsizetype i = 3; i < arguments.size(); ++i) {
    const int size = arguments[i].toInt();
    if (size <= 0 || size > 256) return 2;
    icons.push_back(DrawIcon(picture, size));
  }

  if (arguments[2].endsWith(QStringLiteral(".ico"))) {
    QFile file(arguments[2]);
    if (!file.open(QIODevice::WriteOnly) || file.write(IconFile(icons)) < 0 || !file.flush()) {
      std::fprintf(stderr, "scribix_icon: cannot write %s\n", qPrintable(arguments[2]));
      return 1;
    }
    return 0;
  }
  for (const QImage& icon : icons) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[2]).arg(icon.width());
    if (!QDir().mkpath(folder) || !icon.save(folder + QStringLiteral("/scribix.png"))) {
      std::fprintf(stderr, "scribix_icon: cannot write in %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
