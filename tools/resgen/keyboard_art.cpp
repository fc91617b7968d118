#include "keyboard_art.h"

#include <QPainter>
#include <QPainterPath>
#include <cstddef>

#include "art.h"
#include "keyboard/key_colours.h"
#include "keyboard/key_table.h"
#include "text/cp1252.h"

namespace resgen {

namespace {

constexpr int kSide = keyboard::kKeySide;

const QColor kRim = QColor::fromRgb(keyboard::kKeyRim);

const keyboard::LetterKeyColours& Colours(int scheme) {
  return keyboard::kLetterKeyColours[static_cast<std::size_t>(scheme)];
}

enum class Face { kLetter, kSpecial, kInert };

// A key cap: a thin dark rim, a light face lit from the top left and a soft shadow at the
// bottom right, so that a face dropped into a grid cell still reads as a tile.
void DrawFace(QPainter& p, const QRect& r, Face face, int scheme) {
  p.fillRect(r, face == Face::kInert ? QColor(0xA9, 0xB0, 0xBA) : kRim);
  const QRect inner = r.adjusted(1, 1, -1, -1);
  QColor top, bottom;
  switch (face) {
    case Face::kLetter:
      top = QColor::fromRgb(Colours(scheme).faceTop);
      bottom = QColor::fromRgb(Colours(scheme).faceBottom);
      break;
    case Face::kSpecial:
      top = QColor(0xEC, 0xF3, 0xFC);
      bottom = QColor(0xD2, 0xDE, 0xEE);
      break;
    case Face::kInert:
      top = bottom = QColor(0xD9, 0xDC, 0xE1);
      break;
  }
  QLinearGradient gradient(inner.topLeft(), inner.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  p.fillRect(inner, gradient);
  if (face == Face::kInert) return;
  // Bevel: light along the top and left, shade along the bottom and right.
  p.fillRect(QRect(inner.left(), inner.top(), inner.width(), 1), Qt::white);
  p.fillRect(QRect(inner.left(), inner.top(), 1, inner.height()), Qt::white);
  const QColor shade = Mix(bottom, kRim, 0.45);
  p.fillRect(QRect(inner.left() + 1, inner.bottom() - 1, inner.width() - 1, 2), shade);
  p.fillRect(QRect(inner.right(), inner.top() + 1, 1, inner.height() - 1), shade);
}

bool IsVowel(char32_t cp) {
  const QString base =
      QString(QChar(static_cast<char16_t>(cp))).normalized(QString::NormalizationForm_D);
  return !base.isEmpty() && QStringLiteral("aeiouyAEIOUY").contains(base.at(0));
}

QColor LetterColour(int scheme, char32_t cp) {
  return QColor::fromRgb(IsVowel(cp) ? Colours(scheme).vowel : Colours(scheme).consonant);
}

QColor SymbolColour(int scheme) {
  return QColor::fromRgb(Colours(scheme).consonant);
}

// Every letter sits on one baseline at one size, so tiles side by side in the grid read as a
// word, capitals with accents and descenders included.
constexpr int kLetterPixels = 26;
constexpr int kBaseline = 30;

// Small signs get the bold face so that a dot or a comma is still easy to see and to click.
bool IsSmallSign(const QString& label) {
  return QStringLiteral(".,;:'!?").contains(label);
}

void DrawLabel(QPainter& p, const QRect& face, const QString& label, const QColor& colour) {
  const QFont font = LetterFont(kLetterPixels, IsSmallSign(label));
  QPainterPath path;
  path.addText(0, 0, font, label);
  const QRectF box = path.boundingRect();
  const double x = face.left() + (face.width() - box.width()) / 2.0 - box.left();
  p.save();
  p.translate(x, face.top() + kBaseline);
  // A thin outline in the letter's colour gives the strokes a little more weight.
  p.setPen(QPen(colour, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

QPen SymbolPen(const QColor& colour) {
  return QPen(colour, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Erase: a tag pointing left with a cross in it.
void DrawErase(QPainter& p, const QRect& face, const QColor& colour) {
  const QPointF c = QRectF(face).center();
  const double w = 30, h = 20;
  QPainterPath tag;
  tag.moveTo(c.x() - w / 2, c.y());
  tag.lineTo(c.x() - w / 2 + 9, c.y() - h / 2);
  tag.lineTo(c.x() + w / 2, c.y() - h / 2);
  tag.lineTo(c.x() + w / 2, c.y() + h / 2);
  tag.lineTo(c.x() - w / 2 + 9, c.y() + h / 2);
  tag.closeSubpath();
  p.setPen(SymbolPen(colour));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tag);
  const QPointF x(c.x() + 4, c.y());
  p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(x + QPointF(-4.5, -4.5), x + QPointF(4.5, 4.5));
  p.drawLine(x + QPointF(-4.5, 4.5), x + QPointF(4.5, -4.5));
}

// New line: down from the top right, then back to the left with an arrow head.
void DrawNewLine(QPainter& p, const QRect& face, const QColor& colour) {
  const QPointF c = QRectF(face).center();
  p.setPen(SymbolPen(colour));
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(c.x() + 10, c.y() - 10);
  path.lineTo(c.x() + 10, c.y() + 4);
  path.lineTo(c.x() - 11, c.y() + 4);
  p.drawPath(path);
  QPainterPath head;
  head.moveTo(c.x() - 14, c.y() + 4);
  head.lineTo(c.x() - 6, c.y() - 3);
  head.lineTo(c.x() - 6, c.y() + 11);
  head.closeSubpath();
  p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(colour);
  p.drawPath(head);
}

// Shift: a wide arrow up, filled while the capitals are showing.
void DrawShift(QPainter& p, const QRect& face, const QColor& colour, bool on) {
  const QPointF c = QRectF(face).center();
  QPainterPath arrow;
  arrow.moveTo(c.x(), c.y() - 12);
  arrow.lineTo(c.x() + 12, c.y() + 1);
  arrow.lineTo(c.x() + 6, c.y() + 1);
  arrow.lineTo(c.x() + 6, c.y() + 11);
  arrow.lineTo(c.x() - 6, c.y() + 11);
  arrow.lineTo(c.x() - 6, c.y() + 1);
  arrow.lineTo(c.x() - 12, c.y() + 1);
  arrow.closeSubpath();
  p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(on ? QBrush(colour) : QBrush(Qt::NoBrush));
  p.drawPath(arrow);
}

// The page key names the page it leads to, in smaller letters.
void DrawPageKey(QPainter& p, const QRect& face, const QString& label, const QColor& colour) {
  const QFont font = LetterFont(18, true);
  QPainterPath path;
  path.addText(0, 0, font, label);
  const QRectF box = path.boundingRect();
  p.save();
  p.translate(face.left() + (face.width() - box.width()) / 2.0 - box.left(), face.top() + 26);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

QString PageKeyLabel(int page) {
  switch (page) {
    case keyboard::PageLower:
      return QStringLiteral("éà?");
    case keyboard::PageUpper:
      return QStringLiteral("ÉÀ?");
    case keyboard::PageSigns:
      return QStringLiteral("abc");
    default:
      return QStringLiteral("ABC");
  }
}

// Signs of arithmetic are drawn rather than typeset: the font's are small next to its digits.
// They stand on the font's maths axis, so that "2+3" in the grid lines up like print.
bool DrawOperator(QPainter& p, const QRect& face, char label, const QColor& colour) {
  const QPointF c(face.left() + face.width() / 2.0, face.top() + kBaseline - 9.3);
  const double h = 7.5;  // half the sign's width
  p.save();
  p.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(colour);
  switch (label) {
    case '+':
      p.drawLine(c + QPointF(-h, 0), c + QPointF(h, 0));
      p.drawLine(c + QPointF(0, -h), c + QPointF(0, h));
      break;
    case '-':
      p.drawLine(c + QPointF(-h, 0), c + QPointF(h, 0));
      break;
    case '*':
      p.drawLine(c + QPointF(-h * 0.75, -h * 0.75), c + QPointF(h * 0.75, h * 0.75));
      p.drawLine(c + QPointF(-h * 0.75, h * 0.75), c + QPointF(h * 0.75, -h * 0.75));
      break;
    case '/':
      p.drawLine(c + QPointF(-h, 0), c + QPointF(h, 0));
      p.setPen(Qt::NoPen);
      p.drawEllipse(c + QPointF(0, -5.5), 2.2, 2.2);
      p.drawEllipse(c + QPointF(0, 5.5), 2.2, 2.2);
      break;
    case '=':
      p.drawLine(c + QPointF(-h, -3.5), c + QPointF(h, -3.5));
      p.drawLine(c + QPointF(-h, 3.5), c + QPointF(h, 3.5));
      break;
    default:
      p.restore();
      return false;
  }
  p.restore();
  return true;
}

void DrawKey(QPainter& p, const QRect& face, char label, int scheme) {
  if (label == keyboard::kInertLabel) {
    DrawFace(p, face, Face::kInert, scheme);
    return;
  }
  DrawFace(p, face, Face::kLetter, scheme);
  if (label == ' ') return;
  const char32_t cp = text::CodePoint(static_cast<unsigned char>(label));
  if (DrawOperator(p, face, label, LetterColour(scheme, cp))) return;
  DrawLabel(p, face, QString::fromUcs4(&cp, 1), LetterColour(scheme, cp));
}

}  // namespace

QImage DrawLetterKeyboard(int scheme, int page) {
  QImage image(kKeyboardWidth, kKeyboardHeight, QImage::Format_RGB32);
  image.fill(kRim);  // where a row ends early (row 1 stops at 455)
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const std::string_view labels = keyboard::kLetterPages[static_cast<std::size_t>(page)];
  const QColor symbol = SymbolColour(scheme);
  for (int row = 0; row < keyboard::kLetterRows; ++row) {
    int x = 0;
    for (int column = 0; column < keyboard::kLetterColumns; ++column) {
      const int index = row * keyboard::kLetterColumns + column;
      if (index >= keyboard::kLetterKeys) break;
      const QRect face(x, row * kSide, keyboard::LetterKeyBaseWidth(row, column), kSide);
      x += face.width();
      switch (keyboard::LetterKeyKind(row, column)) {
        case keyboard::KindErase:
          DrawFace(p, face, Face::kSpecial, scheme);
          DrawErase(p, face, symbol);
          break;
        case keyboard::KindNewLine:
          DrawFace(p, face, Face::kSpecial, scheme);
          DrawNewLine(p, face, symbol);
          break;
        case keyboard::KindShift:
          DrawFace(p, face, Face::kSpecial, scheme);
          DrawShift(p, face, symbol,
                    page == keyboard::PageUpper || page == keyboard::PageSignsUpper);
          break;
        case keyboard::KindPage:
          DrawFace(p, face, Face::kSpecial, scheme);
          DrawPageKey(p, face, PageKeyLabel(page), symbol);
          break;
        case keyboard::KindSpace:
          DrawFace(p, face, Face::kLetter, scheme);
          break;
        default:
          DrawKey(p, face, labels[static_cast<std::size_t>(index)], scheme);
      }
    }
  }
  return image;
}

QImage DrawKeypad(int scheme) {
  QImage image(kKeypadWidth, kKeypadHeight, QImage::Format_RGB32);
  image.fill(kRim);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int row = 0; row < keyboard::kKeypadRows; ++row) {
    for (int column = 0; column < keyboard::kKeypadColumns; ++column) {
      const char label = keyboard::kKeypadLabels[static_cast<std::size_t>(
          row * keyboard::kKeypadColumns + column)];
      DrawKey(p, QRect(column * kSide, row * kSide, kSide, kSide), label, scheme);
    }
  }
  return image;
}

}  // namespace resgen
