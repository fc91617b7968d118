#include "icon_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <functional>

#include "art.h"
#include "base/icon_ids.h"

namespace resgen {

namespace {

using namespace base::icons;

// Every icon is a square button of one colour, lit from the top, with a bold white pictogram and
// a few touches of colour: it is shown at half size and must read at a glance.
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kInk(0x22, 0x2B, 0x38);
const QColor kRed(0xE0, 0x2F, 0x2F);
const QColor kYellow(0xFF, 0xD0, 0x2E);
const QColor kGreen(0x2E, 0xB8, 0x4B);

const QColor kBlueTile(0x2F, 0x6F, 0xE0);
const QColor kOrangeTile(0xF0, 0x8A, 0x1C);
const QColor kGreenTile(0x25, 0xA0, 0x45);
const QColor kPurpleTile(0x8E, 0x44, 0xC9);
const QColor kSkyTile(0x1E, 0x9B, 0xD7);
const QColor kRedTile(0xD9, 0x33, 0x2B);
const QColor kGreyTile(0x7A, 0x86, 0x96);
const QColor kPinkTile(0xE0, 0x4C, 0x8E);
const QColor kTealTile(0x14, 0x8F, 0x8A);
const QColor kIndigoTile(0x4B, 0x4F, 0xC4);
const QColor kSlateTile(0x55, 0x65, 0x7A);

constexpr double kPi = 3.14159265358979323846;

void DrawTile(QPainter& p, const QColor& base) {
  const QRectF all(0, 0, kIconSide, kIconSide);
  p.fillRect(all, Mix(base, Qt::black, 0.35));
  const QRectF inner = all.adjusted(2, 2, -2, -2);
  QLinearGradient gradient(inner.topLeft(), inner.bottomLeft());
  gradient.setColorAt(0, Mix(base, Qt::white, 0.28));
  gradient.setColorAt(0.55, base);
  gradient.setColorAt(1, Mix(base, Qt::black, 0.12));
  p.fillRect(inner, gradient);
  p.fillRect(QRectF(inner.left(), inner.top(), inner.width(), 2), Mix(base, Qt::white, 0.5));
}

// A soft shadow under the pictogram lifts it off the tile.
void DrawShape(QPainter& p, const QPainterPath& path, const QBrush& fill) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 55));
  p.drawPath(path.translated(1.5, 2.0));
  p.setBrush(fill);
  p.drawPath(path);
}

void DrawStroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 55), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path.translated(1.5, 2.0));
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

QPainterPath Text(const QString& text, int pixels, const QPointF& centre) {
  QPainterPath path;
  path.addText(0, 0, LetterFont(pixels, true), text);
  const QRectF box = path.boundingRect();
  return path.translated(centre - box.center());
}

// A jigsaw piece: a square with a knob on top and on the right, a hollow below and on the left.
QPainterPath PuzzlePiece(const QPointF& centre, double side) {
  const double h = side / 2, knob = side * 0.2;
  QPainterPath body;
  body.addRect(QRectF(centre.x() - h, centre.y() - h, side, side));
  QPainterPath knobs;
  knobs.addEllipse(QPointF(centre.x(), centre.y() - h - knob * 0.55), knob, knob);
  knobs.addEllipse(QPointF(centre.x() + h + knob * 0.55, centre.y()), knob, knob);
  QPainterPath holes;
  holes.addEllipse(QPointF(centre.x(), centre.y() + h - knob * 0.45), knob, knob);
  holes.addEllipse(QPointF(centre.x() - h + knob * 0.45, centre.y()), knob, knob);
  return body.united(knobs).subtracted(holes).simplified();
}

QPainterPath Gear(const QPointF& centre, double outer, int teeth) {
  const double inner = outer * 0.74;
  QPolygonF polygon;
  for (int i = 0; i < teeth; ++i) {
    const double a = 2 * kPi * i / teeth;
    const double step = 2 * kPi / teeth;
    for (const auto& [angle, radius] : {std::pair{a - step * 0.30, inner},
                                        {a - step * 0.17, outer},
                                        {a + step * 0.17, outer},
                                        {a + step * 0.30, inner}}) {
      polygon << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
  }
  polygon << polygon.first();
  QPainterPath gear;
  gear.addPolygon(polygon);
  QPainterPath hole;
  hole.addEllipse(centre, outer * 0.30, outer * 0.30);
  return gear.subtracted(hole);
}

QPainterPath Star(const QPointF& centre, double outer, double inner) {
  QPolygonF polygon;
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + kPi * i / 5;
    const double r = i % 2 == 0 ? outer : inner;
    polygon << centre + QPointF(std::cos(a) * r, std::sin(a) * r);
  }
  QPainterPath star;
  star.addPolygon(polygon);
  star.closeSubpath();
  return star;
}

// A thick arrow pointing right, from its tail to its tip.
QPainterPath Arrow(const QPointF& tail, const QPointF& tip, double shaft, double head) {
  const double length = QLineF(tail, tip).length();
  QPainterPath arrow;
  arrow.moveTo(0, -shaft / 2);
  arrow.lineTo(length - head, -shaft / 2);
  arrow.lineTo(length - head, -head * 0.75);
  arrow.lineTo(length, 0);
  arrow.lineTo(length - head, head * 0.75);
  arrow.lineTo(length - head, shaft / 2);
  arrow.lineTo(0, shaft / 2);
  arrow.closeSubpath();
  QTransform t;
  t.translate(tail.x(), tail.y());
  t.rotateRadians(std::atan2(tip.y() - tail.y(), tip.x() - tail.x()));
  return t.map(arrow);
}

QPainterPath Sheet(const QRectF& r) {
  QPainterPath sheet;
  const double fold = r.width() * 0.28;
  sheet.moveTo(r.topLeft());
  sheet.lineTo(r.right() - fold, r.top());
  sheet.lineTo(r.right(), r.top() + fold);
  sheet.lineTo(r.bottomRight());
  sheet.lineTo(r.bottomLeft());
  sheet.closeSubpath();
  return sheet;
}

// Lines of writing on a sheet, each with a coloured bullet.
void DrawListLines(QPainter& p, const QRectF& sheet, int lines, const QColor& colour) {
  const double gap = sheet.height() / (lines + 1);
  for (int i = 1; i <= lines; ++i) {
    const double y = sheet.top() + gap * i + 1;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(sheet.left() + 7, y), 2.6, 2.6);
    p.setPen(QPen(Mix(colour, kInk, 0.3), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(sheet.left() + 13, y), QPointF(sheet.right() - 6 - (i == lines ? 7 : 0), y));
  }
}

QPainterPath Speaker() {
  QPainterPath speaker;
  speaker.moveTo(12, 29);
  speaker.lineTo(22, 29);
  speaker.lineTo(35, 17);
  speaker.lineTo(35, 55);
  speaker.lineTo(22, 43);
  speaker.lineTo(12, 43);
  speaker.closeSubpath();
  return speaker;
}

void DrawCross(QPainter& p, const QPointF& c, double half, double width) {
  for (const QColor& colour : {kWhite, kRed}) {
    p.setPen(QPen(colour, colour == kWhite ? width + 4 : width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
    p.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
  }
}

void DrawSlash(QPainter& p, const QPointF& from, const QPointF& to, double width) {
  p.setPen(QPen(kWhite, width + 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  p.setPen(QPen(kRed, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
}

// A keyboard: a white body with three rows of keys and a space bar.
void DrawKeyboard(QPainter& p, const QColor& tile, double greyed) {
  const QRectF body(9, 21, 54, 32);
  QPainterPath shape;
  shape.addRoundedRect(body, 5, 5);
  DrawShape(p, shape, Mix(kWhite, tile, greyed));
  p.setPen(Qt::NoPen);
  p.setBrush(Mix(tile, kWhite, 0.1 + greyed));
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 6; ++column) {
      p.drawRoundedRect(QRectF(13 + column * 8 + row * 2, 25 + row * 8, 6, 5.5), 1.2, 1.2);
    }
  }
  p.drawRoundedRect(QRectF(21, 42, 30, 6), 1.5, 1.5);
}

void DrawFolder(QPainter& p, bool open) {
  const QColor paper(0xFF, 0xC8, 0x3D);
  QPainterPath back;
  back.moveTo(10, 22);
  back.lineTo(10, 57);
  back.lineTo(58, 57);
  back.lineTo(58, 27);
  back.lineTo(32, 27);
  back.lineTo(28, 21);
  back.lineTo(12, 21);
  back.closeSubpath();
  DrawShape(p, back, Mix(paper, QColor(0xC2, 0x7C, 0x0E), 0.45));
  QPainterPath front;
  if (open) {
    front.moveTo(10, 57);
    front.lineTo(17, 35);
    front.lineTo(64, 35);
    front.lineTo(58, 57);
  } else {
    front.addRect(QRectF(10, 31, 48, 26));
  }
  front.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(paper);
  p.drawPath(front);
}

struct IconDrawing {
  QColor tile;
  std::function<void(QPainter&)> draw;
};

// A drawing for every picture the program loads: the compiler reports a picture without one.
IconDrawing DrawingOf(IconPicture picture) {
  switch (picture) {
    case PictureAbc:
      return {kBlueTile, [](QPainter& p) {
                DrawShape(p, Text(QStringLiteral("abc"), 33, QPointF(36, 37)), kWhite);
              }};
    case Picture123:
      return {kOrangeTile, [](QPainter& p) {
                DrawShape(p, Text(QStringLiteral("123"), 33, QPointF(36, 37)), kWhite);
              }};
    case PictureList:
      return {kGreenTile, [](QPainter& p) {
                const QRectF sheet(15, 10, 42, 52);
                DrawShape(p, Sheet(sheet), kWhite);
                DrawListLines(p, sheet.adjusted(0, 4, 0, 0), 4, kGreenTile);
              }};
    case PicturePuzzle:
      return {kPurpleTile,
              [](QPainter& p) { DrawShape(p, PuzzlePiece(QPointF(34, 38), 32), kWhite); }};
    case PicturePuzzleSolution:
      return {kPurpleTile, [](QPainter& p) {
                // The picture put together again: four pieces joined, and a tick.
                for (const QPointF& c :
                     {QPointF(23, 23), QPointF(44, 23), QPointF(23, 44), QPointF(44, 44)}) {
                  QPainterPath piece;
                  piece.addRoundedRect(QRectF(c.x() - 10, c.y() - 10, 20, 20), 2, 2);
                  DrawShape(p, piece, kWhite);
                }
                p.setPen(QPen(kWhite, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                QPainterPath tick;
                tick.moveTo(34, 50);
                tick.lineTo(44, 60);
                tick.lineTo(63, 34);
                p.drawPath(tick);
                p.setPen(QPen(kGreen, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPath(tick);
              }};
    case PictureOpenPuzzle:
      return {kSkyTile, [](QPainter& p) {
                DrawFolder(p, true);
                DrawShape(p, Arrow(QPointF(37, 34), QPointF(37, 6), 9, 13), kGreen);
                p.setPen(QPen(kWhite, 2));
                p.setBrush(Qt::NoBrush);
                p.drawPath(Arrow(QPointF(37, 34), QPointF(37, 6), 9, 13));
              }};
    case PictureSavePuzzle:
      return {kSkyTile, [](QPainter& p) {
                DrawFolder(p, false);
                const QPainterPath arrow = Arrow(QPointF(36, 6), QPointF(36, 47), 9, 15);
                DrawShape(p, arrow, kGreen);
                p.setPen(QPen(kWhite, 2));
                p.setBrush(Qt::NoBrush);
                p.drawPath(arrow);
              }};
    case PictureScatter:
      return {kPurpleTile, [](QPainter& p) {
                // Pieces flying apart from the middle.
                p.setPen(QPen(QColor(255, 255, 255, 150), 2.5, Qt::SolidLine, Qt::RoundCap));
                for (const QPointF& d :
                     {QPointF(-1, -1), QPointF(1, -1), QPointF(-1, 1), QPointF(1, 1)}) {
                  p.drawLine(QPointF(36, 36) + d * 4, QPointF(36, 36) + d * 11);
                }
                const QPointF places[] = {{18, 18}, {54, 17}, {17, 54}, {53, 53}};
                const double turns[] = {-20, 15, 30, -10};
                for (int i = 0; i < 4; ++i) {
                  QTransform t;
                  t.translate(places[i].x(), places[i].y());
                  t.rotate(turns[i]);
                  DrawShape(p, t.map(PuzzlePiece(QPointF(0, 0), 15)),
                            i % 2 == 0 ? kWhite : kYellow);
                }
              }};
    case PictureEye:
      return {kTealTile, [](QPainter& p) {
                QPainterPath eye;
                eye.moveTo(7, 36);
                eye.quadTo(36, 6, 65, 36);
                eye.quadTo(36, 66, 7, 36);
                DrawShape(p, eye, kWhite);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x2B, 0x7F, 0xD8));
                p.drawEllipse(QPointF(36, 36), 13, 13);
                p.setBrush(kInk);
                p.drawEllipse(QPointF(36, 36), 6.5, 6.5);
                p.setBrush(kWhite);
                p.drawEllipse(QPointF(40, 32), 3, 3);
              }};
    case PictureNextWord:
      return {kGreenTile, [](QPainter& p) {
                DrawShape(p, Text(QStringLiteral("abc"), 20, QPointF(28, 22)), kWhite);
                DrawShape(p, Arrow(QPointF(10, 47), QPointF(63, 47), 11, 20), kYellow);
              }};
    case PicturePlay:
      return {kGreenTile, [](QPainter& p) {
                QPainterPath triangle;
                triangle.moveTo(25, 15);
                triangle.lineTo(57, 36);
                triangle.lineTo(25, 57);
                triangle.closeSubpath();
                DrawShape(p, triangle, kWhite);
              }};
    case PictureStop:
      return {kRedTile, [](QPainter& p) {
                QPainterPath square;
                square.addRoundedRect(QRectF(19, 19, 34, 34), 4, 4);
                DrawShape(p, square, kWhite);
              }};
    case PictureRepeat:
    case PictureRepeatWord:
      return {kOrangeTile, [](QPainter& p) {
                // A speech bubble with a "say it again" arrow.
                QPainterPath bubble;
                bubble.addRoundedRect(QRectF(8, 10, 56, 40), 14, 14);
                QPainterPath tail;
                tail.moveTo(19, 44);
                tail.lineTo(15, 63);
                tail.lineTo(33, 47);
                tail.closeSubpath();
                DrawShape(p, bubble.united(tail), kWhite);
                QPainterPath arc;
                arc.arcMoveTo(QRectF(25, 18, 22, 22), 110);
                arc.arcTo(QRectF(25, 18, 22, 22), 110, 280);
                p.setPen(QPen(kOrangeTile.darker(115), 4.2, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawPath(arc);
                QPainterPath head;
                head.moveTo(22, 19);
                head.lineTo(34, 16);
                head.lineTo(28, 27);
                head.closeSubpath();
                p.setPen(Qt::NoPen);
                p.setBrush(kOrangeTile.darker(115));
                p.drawPath(head);
              }};
    case PictureWizard:
      return {kIndigoTile, [](QPainter& p) {
                // A magic wand with sparkles.
                p.setPen(QPen(QColor(0, 0, 0, 55), 7, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(15.5, 60), QPointF(41.5, 34));
                p.setPen(QPen(kInk, 7, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(14, 58), QPointF(40, 32));
                p.setPen(QPen(kWhite, 7, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(35, 37), QPointF(40, 32));
                DrawShape(p, Star(QPointF(47, 24), 15, 6.5), kYellow);
                DrawShape(p, Star(QPointF(20, 20), 7, 3), kWhite);
                DrawShape(p, Star(QPointF(59, 48), 6, 2.6), kWhite);
              }};
    case PictureSolution:
      return {kTealTile, [](QPainter& p) {
                // A lit bulb: the answer.
                p.setPen(QPen(kYellow, 3, Qt::SolidLine, Qt::RoundCap));
                for (int i = 0; i < 7; ++i) {
                  const double a = kPi + kPi * i / 6;
                  const QPointF d(std::cos(a), std::sin(a));
                  p.drawLine(QPointF(36, 30) + d * 22, QPointF(36, 30) + d * 29);
                }
                QPainterPath bulb;
                bulb.addEllipse(QPointF(36, 30), 15, 15);
                QPainterPath neck;
                neck.moveTo(27, 40);
                neck.lineTo(45, 40);
                neck.lineTo(43, 52);
                neck.lineTo(29, 52);
                neck.closeSubpath();
                DrawShape(p, bulb.united(neck), kYellow);
                QPainterPath base;
                base.addRoundedRect(QRectF(28, 52, 16, 11), 3, 3);
                DrawShape(p, base, kWhite);
                p.setPen(QPen(kGreyTile, 2));
                p.drawLine(QPointF(29, 57.5), QPointF(43, 57.5));
                p.setPen(QPen(kWhite, 3, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(27, 21, 18, 18), 100 * 16, 70 * 16);
              }};
    case PictureListSettings:
      return {kGreenTile, [](QPainter& p) {
                const QRectF sheet(9, 8, 38, 48);
                DrawShape(p, Sheet(sheet), kWhite);
                DrawListLines(p, sheet.adjusted(0, 4, 0, 0), 4, kGreenTile);
                const QPainterPath gear = Gear(QPointF(50, 50), 16, 8);
                DrawShape(p, gear, kOrangeTile);
                p.setPen(QPen(kWhite, 1.5));
                p.setBrush(Qt::NoBrush);
                p.drawPath(gear);
              }};
    case PictureSoundOn:
      return {kSkyTile, [](QPainter& p) {
                DrawShape(p, Speaker(), kWhite);
                for (int i = 0; i < 3; ++i) {
                  QPainterPath wave;
                  const double r = 8 + i * 7.5;
                  wave.arcMoveTo(QRectF(34 - r, 36 - r, 2 * r, 2 * r), -50);
                  wave.arcTo(QRectF(34 - r, 36 - r, 2 * r, 2 * r), -50, 100);
                  DrawStroke(p, wave, kWhite, 4);
                }
              }};
    case PictureSoundOff:
      return {kGreyTile, [](QPainter& p) {
                DrawShape(p, Speaker(), kWhite);
                DrawCross(p, QPointF(51, 36), 8.5, 5);
              }};
    case PictureKeyboardOn:
      return {kIndigoTile, [](QPainter& p) { DrawKeyboard(p, kIndigoTile, 0); }};
    case PictureKeyboardOff:
      return {kGreyTile, [](QPainter& p) {
                DrawKeyboard(p, kGreyTile, 0.15);
                DrawSlash(p, QPointF(12, 60), QPointF(60, 12), 5);
              }};
    case PictureEdit:
      return {kPinkTile, [](QPainter& p) {
                // A pencil writing on a sheet.
                const QRectF sheet(10, 9, 40, 52);
                DrawShape(p, Sheet(sheet), kWhite);
                p.setPen(QPen(QColor(0xC9, 0xD3, 0xE0), 2.5, Qt::SolidLine, Qt::RoundCap));
                for (int i = 0; i < 3; ++i)
                  p.drawLine(QPointF(16, 26 + i * 9), QPointF(38, 26 + i * 9));
                QTransform t;
                t.translate(43, 40);
                t.rotate(-45);
                QPainterPath body;
                body.addRect(QRectF(-18, -6, 30, 12));
                QPainterPath eraser;
                eraser.addRoundedRect(QRectF(-26, -6, 9, 12), 2.5, 2.5);
                QPainterPath tip;
                tip.moveTo(12, -6);
                tip.lineTo(25, 0);
                tip.lineTo(12, 6);
                tip.closeSubpath();
                DrawShape(p, t.map(body.united(eraser).united(tip)), kYellow);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xF4, 0x8F, 0xB1));
                p.drawPath(t.map(eraser));
                p.setBrush(QColor(0xF2, 0xD2, 0xA9));
                p.drawPath(t.map(tip));
                QPainterPath lead;
                lead.moveTo(20, -2.5);
                lead.lineTo(25, 0);
                lead.lineTo(20, 2.5);
                lead.closeSubpath();
                p.setBrush(kInk);
                p.drawPath(t.map(lead));
                p.setBrush(QColor(0xE8, 0xA8, 0x10));
                p.drawPath(t.map([] {
                  QPainterPath band;
                  band.addRect(QRectF(-18, 1.5, 30, 4.5));
                  return band;
                }()));
              }};
    case PictureSettings:
      return {kSlateTile, [](QPainter& p) { DrawShape(p, Gear(QPointF(36, 36), 26, 9), kWhite); }};
    case PictureColour:
      return {kTealTile, [](QPainter& p) {
                // A painter's palette with its paints.
                QPainterPath palette;
                palette.addEllipse(QRectF(7, 12, 58, 48));
                QPainterPath thumb;
                thumb.addEllipse(QPointF(24, 47), 6, 6);
                QPainterPath notch;
                notch.addEllipse(QPointF(12, 52), 9, 8);
                DrawShape(p, palette.subtracted(thumb).subtracted(notch), QColor(0xF6, 0xE3, 0xC0));
                const QColor paints[] = {kRed, kYellow, kGreen, QColor(0x2B, 0x6C, 0xE8),
                                         QColor(0xA4, 0x4B, 0xD6)};
                const QPointF places[] = {{22, 27}, {36, 21}, {50, 25}, {56, 38}, {45, 48}};
                p.setPen(Qt::NoPen);
                for (int i = 0; i < 5; ++i) {
                  p.setBrush(paints[i]);
                  p.drawEllipse(places[i], 5.5, 5.5);
                }
              }};
    case PictureHelp:
      return {kBlueTile, [](QPainter& p) {
                // The manual: a book with a question mark.
                QPainterPath book;
                book.addRoundedRect(QRectF(15, 9, 42, 54), 4, 4);
                DrawShape(p, book, kWhite);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xC9, 0xD8, 0xF4));
                p.drawRect(QRectF(15, 9, 7, 54));
                p.setBrush(kBlueTile);
                p.drawPath(Text(QStringLiteral("?"), 38, QPointF(40, 36)));
              }};
    case PictureQuit:
      return {kRedTile, [](QPainter& p) {
                // A door left open, and the way out.
                QPainterPath frame;
                frame.addRect(QRectF(12, 10, 28, 52));
                frame.addRect(QRectF(17, 15, 18, 47));
                DrawShape(p, frame, kWhite);
                QPainterPath leaf;
                leaf.moveTo(17, 15);
                leaf.lineTo(30, 20);
                leaf.lineTo(30, 66);
                leaf.lineTo(17, 62);
                leaf.closeSubpath();
                DrawShape(p, leaf, kWhite);
                p.setPen(Qt::NoPen);
                p.setBrush(kRedTile);
                p.drawEllipse(QPointF(27, 42), 2, 2);
                DrawShape(p, Arrow(QPointF(34, 37), QPointF(66, 37), 9, 16), kYellow);
              }};
    case PictureTrash:
      return {kOrangeTile.darker(112), [](QPainter& p) {
                QPainterPath lid;
                lid.addRoundedRect(QRectF(12, 15, 48, 7), 2, 2);
                lid.addRoundedRect(QRectF(28, 9, 16, 8), 3, 3);
                QPainterPath bin;
                bin.moveTo(16, 25);
                bin.lineTo(56, 25);
                bin.lineTo(52, 63);
                bin.lineTo(20, 63);
                bin.closeSubpath();
                DrawShape(p, lid.united(bin), kWhite);
                p.setPen(QPen(kOrangeTile.darker(112), 3.5, Qt::SolidLine, Qt::RoundCap));
                for (double x : {27.0, 36.0, 45.0}) {
                  p.drawLine(QPointF(x, 31), QPointF(x + (x - 36) * 0.08, 57));
                }
              }};
    case PictureEcho:
      return {kTealTile, [](QPainter& p) {
                // Letters that come back as sound: "abc" and an ear's waves.
                DrawShape(p, Text(QStringLiteral("abc"), 19, QPointF(26, 20)), kWhite);
                p.setBrush(Qt::NoBrush);
                for (int k = 0; k < 3; ++k) {
                  const double r = 7.0 + 7.0 * k;
                  QPainterPath wave;
                  wave.arcMoveTo(QRectF(22 - r, 46 - r, 2 * r, 2 * r), -50);
                  wave.arcTo(QRectF(22 - r, 46 - r, 2 * r, 2 * r), -50, 100);
                  DrawStroke(p, wave, k == 0 ? kYellow : kWhite, 4.0);
                }
              }};
    case PictureReplayWord:
      return {kIndigoTile, [](QPainter& p) {
                // The voice, and an arrow going round: once more.
                DrawShape(p, Speaker().translated(-3, 0), kWhite);
                QPainterPath arc;
                const QRectF circle(38, 23, 26, 26);
                arc.arcMoveTo(circle, 140);
                arc.arcTo(circle, 140, -290);
                DrawStroke(p, arc, kYellow, 5);
                QPainterPath head;
                head.moveTo(33, 27);
                head.lineTo(45, 24);
                head.lineTo(38, 35);
                head.closeSubpath();
                DrawShape(p, head, kYellow);
              }};
    case PictureReplaySlow:
      return {kIndigoTile, [](QPainter& p) {
                // A snail: the word said slowly.
                QPainterPath body;
                body.addRoundedRect(QRectF(8, 48, 58, 10), 5, 5);
                QPainterPath head;
                head.addEllipse(QPointF(14, 46), 6, 7);
                DrawShape(p, body.united(head), kWhite);
                DrawStroke(
                    p,
                    [] {
                      QPainterPath horns;
                      horns.moveTo(12, 40);
                      horns.lineTo(9, 29);
                      horns.moveTo(16, 40);
                      horns.lineTo(20, 29);
                      return horns;
                    }(),
                    kWhite, 2.5);
                QPainterPath shell;
                shell.addEllipse(QPointF(42, 34), 17, 17);
                DrawShape(p, shell, kYellow);
                QPainterPath spiral;
                spiral.moveTo(42, 34);
                for (int step = 1; step <= 40; ++step) {
                  const double turn = step / 40.0 * 2.2 * 2 * kPi;
                  const double radius = 1.0 + step * 0.32;
                  spiral.lineTo(42 + radius * std::cos(turn), 34 + radius * std::sin(turn));
                }
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(kIndigoTile, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPath(spiral);
              }};
    case PictureReplayLetters:
      return {kIndigoTile, [](QPainter& p) {
                // Three letters apart from each other: the word letter by letter.
                const QString letters[] = {QStringLiteral("a"), QStringLiteral("b"),
                                           QStringLiteral("c")};
                for (int i = 0; i < 3; ++i) {
                  const QRectF tile(6 + i * 21.5, 22, 17, 28);
                  QPainterPath shape;
                  shape.addRoundedRect(tile, 3, 3);
                  DrawShape(p, shape, i == 1 ? kYellow : kWhite);
                  p.setPen(Qt::NoPen);
                  p.setBrush(kIndigoTile.darker(120));
                  p.drawPath(Text(letters[i], 22, tile.center()));
                }
              }};
    case PictureWhoWorks:
      return {kPinkTile, [](QPainter& p) {
                // Three children side by side: the class, one of whom takes the computer.
                const QColor shirts[] = {kYellow, kWhite, kGreen};
                const double centres[] = {18, 36, 54};
                for (int i = 0; i < 3; ++i) {
                  const double x = centres[i];
                  const double y = i == 1 ? 24 : 30;
                  QPainterPath body;
                  body.addRoundedRect(QRectF(x - 10, y + 11, 20, 26), 8, 8);
                  DrawShape(p, body, shirts[i]);
                  QPainterPath head;
                  head.addEllipse(QPointF(x, y), 8, 8);
                  DrawShape(p, head, QColor(0xF6, 0xD5, 0xB0));
                }
              }};
    case kIconPictureCount:
      break;
  }
  return {};
}

}  // namespace

std::vector<NamedPicture> DrawIcons() {
  std::vector<NamedPicture> icons;
  for (int id = 0; id < kIconPictureCount; ++id) {
    const auto picture = static_cast<IconPicture>(id);
    const QString name = QString::fromLatin1(base::icons::IconPictureFile(picture));
    // Icons that show one picture load one file.
    const auto drawn = [&name](const NamedPicture& icon) { return icon.name == name; };
    if (std::any_of(icons.begin(), icons.end(), drawn)) continue;
    const IconDrawing drawing = DrawingOf(picture);
    QImage image(kIconSide, kIconSide, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawTile(p, drawing.tile);
    drawing.draw(p);
    p.end();
    icons.push_back({name, image});
  }
  return icons;
}

}  // namespace resgen
