#include "shell/qt_text_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "shell/qt_text.h"

namespace shell {

void QtTextPainter::DrawText(gfx::Image& target, const gfx::Rect& clip, gfx::Point origin,
                             const std::string& text, int pointSize, gfx::Colour colour) {
  if (target.IsNull()) return;
  QImage image(reinterpret_cast<uchar*>(target.Data()), target.Width(), target.Height(),
               target.Width() * 4, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(pointSize);
  painter.setFont(font);
  painter.setPen(QColor(gfx::Red(colour), gfx::Green(colour), gfx::Blue(colour)));
  painter.drawText(QPoint(origin.x, origin.y + painter.fontMetrics().ascent()), ToQt(text));
}

}  // namespace shell
