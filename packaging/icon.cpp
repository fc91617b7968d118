// Draws the menu icon of Scribix from the picture of its Français module, at each size the
// desktop's hicolor theme asks for: scribix_icon <picture> <folder> <size>...
// writes <folder>/<size>x<size>/apps/scribix.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() < 4) {
    std::fprintf(stderr, "usage: scribix_icon <picture> <folder> <size>...\n");
    return 2;
  }
  const QImage picture(arguments[1]);
  if (picture.isNull()) {
    std::fprintf(stderr, "scribix_icon: cannot read %s\n", qPrintable(arguments[1]));
    return 1;
  }
  for (qsizetype i = 3; i < arguments.size(); ++i) {
    const int size = arguments[i].toInt();
    if (size <= 0) return 2;
    // The square picture with its corners rounded off, so that it sits well on any panel.
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
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[2]).arg(size);
    if (!QDir().mkpath(folder) || !icon.save(folder + QStringLiteral("/scribix.png"))) {
      std::fprintf(stderr, "scribix_icon: cannot write in %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
