#include "puzzle_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "art.h"

namespace resgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
const QColor kOutline(0x3A, 0x2A, 0x1E);

// Shapes get a dark outline, like a picture book.
void Fill(QPainter& p, const QPainterPath& path, const QBrush& brush, double outline = 2.5) {
  p.setPen(outline > 0 ? QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
  p.setBrush(brush);
  p.drawPath(path);
}

QPainterPath Ellipse(const QPointF& c, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(c, rx, ry);
  return path;
}

QPainterPath Rect(const QRectF& r) {
  QPainterPath path;
  path.addRect(r);
  return path;
}

void Sky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, 330);
  sky.setColorAt(0, QColor(0x3F, 0x9C, 0xEB));
  sky.setColorAt(1, QColor(0xC4, 0xEA, 0xFF));
  p.fillRect(QRectF(0, 0, kPuzzleWidth, 340), sky);
}

void Rainbow(QPainter& p) {
  const QColor bands[] = {QColor(0xE8, 0x3B, 0x3B), QColor(0xF5, 0x8E, 0x2A),
                          QColor(0xF7, 0xD3, 0x2F), QColor(0x4C, 0xBB, 0x4A),
                          QColor(0x2F, 0x8C, 0xE0), QColor(0x7A, 0x4C, 0xC8)};
  const QPointF centre(600, 360);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 6; ++i) {
    const double r = 270 - i * 12;
    QColor c = bands[i];
    c.setAlpha(215);
    p.setPen(QPen(c, 12.5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, 180 * 16);
  }
}

void Sun(QPainter& p) {
  const QPointF c(95, 88);
  p.setPen(QPen(QColor(0xFF, 0xB8, 0x1C), 7, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12 + 0.13;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(c + d * 58, c + d * (i % 2 ? 74 : 82));
  }
  QRadialGradient glow(c + QPointF(-12, -14), 60);
  glow.setColorAt(0, QColor(0xFF, 0xF3, 0x8A));
  glow.setColorAt(1, QColor(0xFF, 0xC9, 0x2C));
  Fill(p, Ellipse(c, 48, 48), glow, 3);
  // A happy face.
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawEllipse(c + QPointF(-16, -10), 5, 6.5);
  p.drawEllipse(c + QPointF(16, -10), 5, 6.5);
  p.setBrush(QColor(0xFF, 0x8A, 0x7A));
  p.drawEllipse(c + QPointF(-27, 8), 8, 5);
  p.drawEllipse(c + QPointF(27, 8), 8, 5);
  p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - 20, c.y() - 10, 40, 34), 200 * 16, 140 * 16);
}

void Cloud(QPainter& p, const QPointF& at, double scale) {
  QPainterPath cloud;
  const struct {
    double x, y, r;
  } puffs[] = {{-44, 8, 24}, {-18, -10, 30}, {16, -16, 34}, {46, 2, 26}, {0, 12, 26}, {26, 14, 22}};
  for (const auto& puff : puffs) {
    cloud =
        cloud.united(Ellipse(at + QPointF(puff.x, puff.y) * scale, puff.r * scale, puff.r * scale));
  }
  Fill(p, cloud, QColor(0xFF, 0xFF, 0xFF), 2.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xDD, 0xEC, 0xF8));
  p.drawEllipse(at + QPointF(8, 18) * scale, 38 * scale, 9 * scale);
}

void Balloon(QPainter& p, const QPointF& at) {
  QPainterPath envelope;
  envelope.moveTo(at + QPointF(0, 72));
  envelope.cubicTo(at + QPointF(-30, 46), at + QPointF(-62, 20), at + QPointF(-60, -16));
  envelope.cubicTo(at + QPointF(-58, -58), at + QPointF(-22, -76), at + QPointF(0, -76));
  envelope.cubicTo(at + QPointF(22, -76), at + QPointF(58, -58), at + QPointF(60, -16));
  envelope.cubicTo(at + QPointF(62, 20), at + QPointF(30, 46), at + QPointF(0, 72));
  Fill(p, envelope, QColor(0xE8, 0x3B, 0x3B), 3);
  // Stripes, clipped to the envelope.
  p.save();
  p.setClipPath(envelope);
  const QColor stripes[] = {QColor(0xF7, 0xD3, 0x2F), QColor(0x2F, 0x8C, 0xE0),
                            QColor(0xF7, 0xD3, 0x2F)};
  for (int i = 0; i < 3; ++i) {
    const double x = -36 + i * 36;
    QPainterPath stripe;
    stripe.addEllipse(QRectF(at.x() + x - 9, at.y() - 90, 18, 180));
    Fill(p, stripe, stripes[i], 2);
  }
  p.restore();
  Fill(p, envelope, Qt::NoBrush, 3);
  p.setPen(QPen(kOutline, 2));
  p.drawLine(at + QPointF(-12, 68), at + QPointF(-12, 88));
  p.drawLine(at + QPointF(12, 68), at + QPointF(12, 88));
  QPainterPath basket;
  basket.addRoundedRect(QRectF(at.x() - 15, at.y() + 86, 30, 22), 4, 4);
  Fill(p, basket, QColor(0xB0, 0x73, 0x3A), 2.5);
  p.setPen(QPen(QColor(0x8A, 0x55, 0x26), 2));
  p.drawLine(at + QPointF(-15, 97), at + QPointF(15, 97));
}

void Birds(QPainter& p, const QPointF& at) {
  p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  const QPointF flock[] = {{0, 0}, {34, -18}, {62, 6}};
  for (const QPointF& b : flock) {
    QPainterPath bird;
    bird.moveTo(at + b + QPointF(-13, -4));
    bird.quadTo(at + b + QPointF(-6, -10), at + b);
    bird.quadTo(at + b + QPointF(6, -10), at + b + QPointF(13, -4));
    p.drawPath(bird);
  }
}

void Kite(QPainter& p, const QPointF& at) {
  QPainterPath tail;
  tail.moveTo(at + QPointF(0, 48));
  tail.cubicTo(at + QPointF(-20, 90), at + QPointF(24, 110), at + QPointF(-6, 150));
  p.setPen(QPen(kOutline, 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tail);
  const QColor bows[] = {QColor(0xE8, 0x3B, 0x3B), QColor(0x2F, 0x8C, 0xE0),
                         QColor(0xF7, 0xD3, 0x2F)};
  for (int i = 0; i < 3; ++i) {
    const QPointF b = tail.pointAtPercent(0.25 + i * 0.27);
    QPainterPath bow;
    bow.moveTo(b);
    bow.lineTo(b + QPointF(-10, -6));
    bow.lineTo(b + QPointF(-10, 6));
    bow.closeSubpath();
    bow.moveTo(b);
    bow.lineTo(b + QPointF(10, -6));
    bow.lineTo(b + QPointF(10, 6));
    bow.closeSubpath();
    Fill(p, bow, bows[i], 1.5);
  }
  const QPointF top = at + QPointF(0, -44), right = at + QPointF(32, -6),
                bottom = at + QPointF(0, 48), left = at + QPointF(-32, -6);
  const QColor quarters[] = {QColor(0xA4, 0x4B, 0xD6), QColor(0xFF, 0x9E, 0x2C),
                             QColor(0x4C, 0xBB, 0x4A), QColor(0xF5, 0x5D, 0xA0)};
  const QPointF corners[] = {top, right, bottom, left};
  for (int i = 0; i < 4; ++i) {
    QPainterPath part;
    part.moveTo(at + QPointF(0, -6));
    part.lineTo(corners[i]);
    part.lineTo(corners[(i + 1) % 4]);
    part.closeSubpath();
    Fill(p, part, quarters[i], 2.5);
  }
}

void Hills(QPainter& p) {
  QPainterPath far;
  far.moveTo(0, 300);
  far.cubicTo(140, 230, 260, 250, 380, 290);
  far.cubicTo(480, 320, 560, 220, 700, 236);
  far.cubicTo(760, 242, 790, 262, 800, 270);
  far.lineTo(800, 600);
  far.lineTo(0, 600);
  far.closeSubpath();
  QLinearGradient farGreen(0, 220, 0, 400);
  farGreen.setColorAt(0, QColor(0x9E, 0xDB, 0x6A));
  farGreen.setColorAt(1, QColor(0x6C, 0xBF, 0x4A));
  Fill(p, far, farGreen, 2.5);
  QPainterPath near;
  near.moveTo(0, 380);
  near.cubicTo(180, 350, 340, 372, 470, 392);
  near.cubicTo(600, 410, 700, 380, 800, 372);
  near.lineTo(800, 600);
  near.lineTo(0, 600);
  near.closeSubpath();
  QLinearGradient nearGreen(0, 360, 0, 600);
  nearGreen.setColorAt(0, QColor(0x5C, 0xC0, 0x42));
  nearGreen.setColorAt(1, QColor(0x36, 0x99, 0x32));
  Fill(p, near, nearGreen, 2.5);
}

void Fields(QPainter& p) {
  // Rows of a little field on the far hill, and a sunflower patch.
  p.save();
  QPainterPath field;
  field.moveTo(455, 300);
  field.lineTo(560, 262);
  field.lineTo(600, 300);
  field.lineTo(500, 340);
  field.closeSubpath();
  Fill(p, field, QColor(0xE8, 0xC5, 0x4A), 2);
  p.setClipPath(field);
  p.setPen(QPen(QColor(0xC9, 0x9A, 0x2A), 2.5));
  for (int i = 0; i < 9; ++i) p.drawLine(QPointF(440 + i * 16, 350), QPointF(520 + i * 16, 250));
  p.restore();
}

void House(QPainter& p) {
  Fill(p, Rect(QRectF(168, 214, 22, 44)), QColor(0xB5, 0x4A, 0x34));
  // Smoke from the chimney.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    p.setBrush(QColor(0xF4, 0xF4, 0xF4, 220 - i * 40));
    p.drawEllipse(QPointF(182 + i * 12, 200 - i * 22), 9 + i * 3, 8 + i * 2.5);
  }
  Fill(p, Rect(QRectF(48, 290, 176, 130)), QColor(0xFF, 0xE0, 0x8A));
  QPainterPath roof;
  roof.moveTo(32, 296);
  roof.lineTo(136, 214);
  roof.lineTo(240, 296);
  roof.closeSubpath();
  Fill(p, roof, QColor(0xD9, 0x3D, 0x2E), 3);
  p.setPen(QPen(QColor(0xB0, 0x2E, 0x22), 2));
  for (int i = 1; i < 4; ++i) {
    const double y = 214 + i * 20.5;
    const double half = (y - 214) / 82 * 104;
    p.drawLine(QPointF(136 - half + 4, y), QPointF(136 + half - 4, y));
  }
  // A round attic window, two windows with shutters, a door with a knob.
  Fill(p, Ellipse(QPointF(136, 262), 13, 13), QColor(0x9E, 0xD8, 0xF7));
  for (double x : {66.0, 170.0}) {
    Fill(p, Rect(QRectF(x, 318, 38, 38)), QColor(0x9E, 0xD8, 0xF7));
    p.setPen(QPen(kOutline, 2.5));
    p.drawLine(QPointF(x + 19, 318), QPointF(x + 19, 356));
    p.drawLine(QPointF(x, 337), QPointF(x + 38, 337));
    Fill(p, Rect(QRectF(x - 12, 316, 11, 42)), QColor(0x3C, 0x8F, 0x4A), 2);
    Fill(p, Rect(QRectF(x + 39, 316, 11, 42)), QColor(0x3C, 0x8F, 0x4A), 2);
    Fill(p, Rect(QRectF(x - 4, 358, 46, 9)), QColor(0xB5, 0x4A, 0x34), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0x4E, 0x8B));
    for (int f = 0; f < 4; ++f) p.drawEllipse(QPointF(x + 4 + f * 10, 356), 4, 4);
  }
  QPainterPath door;
  door.addRoundedRect(QRectF(120, 350, 34, 70), 14, 14);
  door = door.united(Rect(QRectF(120, 384, 34, 36)));
  Fill(p, door, QColor(0x2F, 0x6F, 0xC0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF7, 0xD3, 0x2F));
  p.drawEllipse(QPointF(147, 390), 3.5, 3.5);
}

void Path(QPainter& p) {
  QPainterPath path;
  path.moveTo(120, 420);
  path.lineTo(154, 420);
  path.cubicTo(190, 480, 300, 520, 290, 600);
  path.lineTo(190, 600);
  path.cubicTo(200, 520, 120, 480, 120, 420);
  Fill(p, path, QColor(0xE2, 0xC0, 0x8A), 2.5);
  Random random(5);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 22; ++i) {
    const double t = random.Unit();
    const QPointF a = QPointF(137, 420) * (1 - t) + QPointF(240, 600) * t;
    p.setBrush(QColor(0xC4, 0x9E, 0x68));
    p.drawEllipse(a + QPointF(random.Between(-14 - 30 * t, 14 + 30 * t), 0), 5 + 4 * t, 3 + 2 * t);
  }
}

void Tree(QPainter& p) {
  QPainterPath trunk;
  trunk.moveTo(322, 440);
  trunk.cubicTo(330, 380, 330, 330, 326, 280);
  trunk.lineTo(356, 280);
  trunk.cubicTo(352, 330, 352, 380, 362, 440);
  trunk.closeSubpath();
  Fill(p, trunk, QColor(0x8B, 0x5A, 0x2B), 3);
  QPainterPath crown;
  const struct {
    double x, y, r;
  } puffs[] = {{340, 200, 62}, {288, 232, 46}, {394, 232, 48},
               {306, 276, 42}, {376, 280, 44}, {340, 150, 44}};
  for (const auto& puff : puffs)
    crown = crown.united(Ellipse(QPointF(puff.x, puff.y), puff.r, puff.r));
  QRadialGradient leaves(QPointF(320, 180), 120);
  leaves.setColorAt(0, QColor(0x6F, 0xD0, 0x4E));
  leaves.setColorAt(1, QColor(0x2E, 0x8F, 0x34));
  Fill(p, crown, leaves, 3);
  const QPointF apples[] = {{300, 210}, {352, 176}, {388, 236}, {328, 262},
                            {372, 286}, {290, 270}, {402, 198}, {336, 128}};
  for (const QPointF& a : apples) {
    Fill(p, Ellipse(a, 9, 9), QColor(0xE8, 0x2E, 0x2E), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(a + QPointF(-3, -3), 2.5, 2.5);
  }
  // A swing hanging from the tree.
  p.setPen(QPen(kOutline, 2));
  p.drawLine(QPointF(392, 300), QPointF(392, 400));
  p.drawLine(QPointF(428, 296), QPointF(428, 400));
  Fill(p, Rect(QRectF(384, 398, 52, 8)), QColor(0xD9, 0x3D, 0x2E), 2);
}

void Windmill(QPainter& p) {
  QPainterPath tower;
  tower.moveTo(632, 330);
  tower.lineTo(644, 206);
  tower.lineTo(676, 206);
  tower.lineTo(690, 330);
  tower.closeSubpath();
  Fill(p, tower, QColor(0xF5, 0xF0, 0xE6), 3);
  QPainterPath cap;
  cap.moveTo(638, 208);
  cap.quadTo(660, 178, 682, 208);
  cap.closeSubpath();
  Fill(p, cap, QColor(0x2F, 0x6F, 0xC0), 3);
  Fill(p, Rect(QRectF(652, 296, 18, 34)), QColor(0x8B, 0x5A, 0x2B), 2.5);
  const QPointF hub(660, 214);
  for (int i = 0; i < 4; ++i) {
    const double a = kPi / 4 + i * kPi / 2 + 0.2;
    QTransform t;
    t.translate(hub.x(), hub.y());
    t.rotateRadians(a);
    QPainterPath blade;
    blade.addRect(QRectF(8, -9, 66, 18));
    Fill(p, t.map(blade), QColor(0xE8, 0x3B, 0x3B), 2.5);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 200), 1.5));
    for (int k = 1; k < 4; ++k) {
      p.drawLine(t.map(QPointF(8 + k * 16.5, -9)), t.map(QPointF(8 + k * 16.5, 9)));
    }
  }
  Fill(p, Ellipse(hub, 7, 7), QColor(0xF7, 0xD3, 0x2F), 2.5);
}

void River(QPainter& p) {
  QPainterPath river;
  river.moveTo(800, 400);
  river.cubicTo(700, 420, 560, 440, 560, 490);
  river.cubicTo(560, 540, 480, 560, 440, 600);
  river.lineTo(620, 600);
  river.cubicTo(640, 560, 680, 520, 680, 490);
  river.cubicTo(680, 462, 760, 450, 800, 448);
  river.closeSubpath();
  QLinearGradient water(560, 400, 600, 600);
  water.setColorAt(0, QColor(0x6F, 0xC8, 0xF2));
  water.setColorAt(1, QColor(0x2F, 0x8C, 0xE0));
  Fill(p, river, water, 3);
  p.setPen(QPen(QColor(255, 255, 255, 180), 2.5, Qt::SolidLine, Qt::RoundCap));
  const QPointF waves[] = {{740, 428}, {640, 470}, {600, 520}, {560, 568}, {700, 440}};
  for (const QPointF& w : waves) {
    p.drawArc(QRectF(w.x() - 10, w.y() - 4, 10, 8), 0, 180 * 16);
    p.drawArc(QRectF(w.x(), w.y() - 4, 10, 8), 0, 180 * 16);
  }
}

void Fish(QPainter& p, const QPointF& at, const QColor& colour, double turn) {
  QTransform t;
  t.translate(at.x(), at.y());
  t.rotate(turn);
  QPainterPath fish;
  fish.moveTo(-20, 0);
  fish.quadTo(0, -16, 18, 0);
  fish.quadTo(0, 16, -20, 0);
  fish.moveTo(-16, 0);
  fish.lineTo(-30, -10);
  fish.lineTo(-30, 10);
  fish.closeSubpath();
  Fill(p, t.map(fish), colour, 2.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawEllipse(t.map(QPointF(8, -3)), 2.5, 2.5);
}

void Duck(QPainter& p, const QPointF& at) {
  QPainterPath body;
  body.moveTo(at + QPointF(-26, 0));
  body.quadTo(at + QPointF(-30, -20), at + QPointF(-12, -16));
  body.lineTo(at + QPointF(14, -14));
  body.quadTo(at + QPointF(26, -12), at + QPointF(22, 4));
  body.quadTo(at + QPointF(0, 12), at + QPointF(-26, 0));
  Fill(p, body.united(Ellipse(at + QPointF(14, -26), 11, 11)), QColor(0xFF, 0xD8, 0x3A), 2.5);
  QPainterPath beak;
  beak.moveTo(at + QPointF(23, -28));
  beak.lineTo(at + QPointF(36, -24));
  beak.lineTo(at + QPointF(23, -20));
  beak.closeSubpath();
  Fill(p, beak, QColor(0xFF, 0x8A, 0x1C), 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawEllipse(at + QPointF(16, -29), 2.2, 2.2);
  p.setPen(QPen(QColor(0xE8, 0xB0, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(at.x() - 14, at.y() - 14, 22, 14), 200 * 16, 120 * 16);
}

void Bridge(QPainter& p) {
  QPainterPath deck;
  deck.moveTo(540, 500);
  deck.quadTo(620, 456, 700, 500);
  deck.lineTo(700, 512);
  deck.quadTo(620, 470, 540, 512);
  deck.closeSubpath();
  Fill(p, deck, QColor(0xB0, 0x73, 0x3A), 2.5);
  p.setPen(QPen(kOutline, 2.5));
  for (int i = 0; i <= 6; ++i) {
    const double x = 546 + i * 24.5;
    const double t = (x - 540) / 160;
    const double y = 500 - 4 * t * (1 - t) * 44 * 0.5;
    p.drawLine(QPointF(x, y), QPointF(x, y - 22));
  }
  QPainterPath rail;
  rail.moveTo(546, 478);
  rail.quadTo(620, 434, 694, 478);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kOutline, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(rail);
  p.setPen(QPen(QColor(0xB0, 0x73, 0x3A), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(rail);
}

void Sheep(QPainter& p, const QPointF& at, bool facingLeft) {
  const double s = facingLeft ? -1 : 1;
  p.setPen(QPen(kOutline, 5, Qt::SolidLine, Qt::RoundCap));
  for (double x : {-16.0, -6.0, 10.0, 20.0})
    p.drawLine(at + QPointF(x * s, 10), at + QPointF(x * s, 34));
  QPainterPath wool;
  const struct {
    double x, y, r;
  } puffs[] = {{-20, 0, 14}, {-6, -10, 15}, {10, -10, 15}, {22, 0, 13}, {6, 8, 15}, {-12, 8, 14}};
  for (const auto& puff : puffs)
    wool = wool.united(Ellipse(at + QPointF(puff.x * s, puff.y), puff.r, puff.r));
  Fill(p, wool, QColor(0xFA, 0xFA, 0xF4), 2.5);
  Fill(p, Ellipse(at + QPointF(32 * s, -8), 10, 13), QColor(0x3A, 0x3A, 0x44), 2.5);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(at + QPointF(35 * s, -11), 3, 3);
  p.setBrush(kOutline);
  p.drawEllipse(at + QPointF(36 * s, -11), 1.5, 1.5);
}

void Fence(QPainter& p) {
  for (int i = 0; i < 6; ++i) {
    const double x = 8 + i * 26;
    QPainterPath post;
    post.moveTo(x, 520);
    post.lineTo(x, 478);
    post.lineTo(x + 8, 470);
    post.lineTo(x + 16, 478);
    post.lineTo(x + 16, 520);
    post.closeSubpath();
    Fill(p, post, QColor(0xFF, 0xF6, 0xE4), 2.5);
  }
  Fill(p, Rect(QRectF(0, 484, 160, 8)), QColor(0xFF, 0xF6, 0xE4), 2.5);
  Fill(p, Rect(QRectF(0, 504, 160, 8)), QColor(0xFF, 0xF6, 0xE4), 2.5);
}

void Flower(QPainter& p, const QPointF& at, const QColor& petals, double size) {
  p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 2.5));
  p.drawLine(at, at + QPointF(0, size * 2.6));
  QPainterPath flower;
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * kPi * i / 5 - kPi / 2;
    flower = flower.united(
        Ellipse(at + QPointF(std::cos(a), std::sin(a)) * size * 0.8, size * 0.62, size * 0.62));
  }
  Fill(p, flower, petals, 1.8);
  Fill(p, Ellipse(at, size * 0.42, size * 0.42), QColor(0xFF, 0xD0, 0x2E), 1.5);
}

void Meadow(QPainter& p) {
  Random random(19);
  const QColor colours[] = {QColor(0xF2, 0x4E, 0x8B), QColor(0xFF, 0xFF, 0xFF),
                            QColor(0xA4, 0x4B, 0xD6), QColor(0xFF, 0x8A, 0x1C),
                            QColor(0x2F, 0x8C, 0xE0), QColor(0xE8, 0x2E, 0x2E)};
  // Blades of grass first, then flowers, keeping clear of the river, the path and the pond.
  p.setPen(QPen(QColor(0x2E, 0x85, 0x2C), 2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 260; ++i) {
    const QPointF at(random.Between(0, 800), random.Between(420, 600));
    p.drawLine(at, at + QPointF(random.Between(-4, 4), -random.Between(6, 12)));
  }
  for (int i = 0; i < 70; ++i) {
    const QPointF at(random.Between(10, 790), random.Between(440, 585));
    const bool inRiver =
        at.x() > 420 + (600 - at.y()) * 0.6 && at.x() < 690 + (600 - at.y()) * 0.5 && at.y() > 400;
    const bool onPath = at.x() > 110 && at.x() < 310 && at.y() > 420;
    if (inRiver || onPath) continue;
    Flower(p, at, colours[random.Below(6)], random.Between(5, 9));
  }
}

void Mushrooms(QPainter& p) {
  const struct {
    double x, y, size;
  } mushrooms[] = {{352, 486, 1.0}, {392, 500, 0.7}, {322, 510, 0.6}};
  for (const auto& m : mushrooms) {
    Fill(p, Rect(QRectF(m.x - 7 * m.size, m.y, 14 * m.size, 22 * m.size)),
         QColor(0xFF, 0xF6, 0xE4));
    QPainterPath cap;
    cap.moveTo(m.x - 26 * m.size, m.y + 4 * m.size);
    cap.cubicTo(m.x - 24 * m.size, m.y - 26 * m.size, m.x + 24 * m.size, m.y - 26 * m.size,
                m.x + 26 * m.size, m.y + 4 * m.size);
    cap.closeSubpath();
    Fill(p, cap, QColor(0xE8, 0x2E, 0x2E), 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(m.x - 10 * m.size, m.y - 8 * m.size), 4 * m.size, 4 * m.size);
    p.drawEllipse(QPointF(m.x + 8 * m.size, m.y - 11 * m.size), 5 * m.size, 5 * m.size);
    p.drawEllipse(QPointF(m.x + 16 * m.size, m.y - 1 * m.size), 3 * m.size, 3 * m.size);
  }
}

void Snail(QPainter& p, const QPointF& at) {
  QPainterPath body;
  body.moveTo(at + QPointF(-30, 10));
  body.lineTo(at + QPointF(22, 10));
  body.quadTo(at + QPointF(34, 8), at + QPointF(30, -8));
  body.quadTo(at + QPointF(22, -6), at + QPointF(20, 2));
  body.lineTo(at + QPointF(-30, 4));
  body.closeSubpath();
  Fill(p, body, QColor(0xC9, 0xE2, 0x7A), 2.5);
  p.setPen(QPen(kOutline, 2));
  p.drawLine(at + QPointF(28, -6), at + QPointF(32, -20));
  p.drawLine(at + QPointF(24, -6), at + QPointF(22, -19));
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawEllipse(at + QPointF(32, -20), 2.5, 2.5);
  p.drawEllipse(at + QPointF(22, -19), 2.5, 2.5);
  Fill(p, Ellipse(at + QPointF(-6, -6), 17, 16), QColor(0xF5, 0x8E, 0x2A), 2.5);
  QPainterPath spiral;
  spiral.moveTo(at + QPointF(-6, -6));
  for (int i = 1; i <= 30; ++i) {
    const double a = i * 0.42;
    const double r = i * 0.45;
    spiral.lineTo(at + QPointF(-6 + std::cos(a) * r, -6 + std::sin(a) * r));
  }
  p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(spiral);
}

void Butterfly(QPainter& p, const QPointF& at) {
  const QColor wing(0x2F, 0x8C, 0xE0), spots(0xF7, 0xD3, 0x2F);
  for (double s : {-1.0, 1.0}) {
    Fill(p, Ellipse(at + QPointF(14 * s, -10), 15, 13), wing, 2.5);
    Fill(p, Ellipse(at + QPointF(11 * s, 10), 10, 9), QColor(0xA4, 0x4B, 0xD6), 2.5);
    Fill(p, Ellipse(at + QPointF(16 * s, -11), 5, 5), spots, 1.5);
  }
  Fill(p, Ellipse(at, 4, 18), kOutline, 0);
  p.setPen(QPen(kOutline, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(at + QPointF(-2, -16), at + QPointF(-8, -27));
  p.drawLine(at + QPointF(2, -16), at + QPointF(8, -27));
}

void Ladybird(QPainter& p, const QPointF& at) {
  Fill(p, Ellipse(at + QPointF(0, -16), 10, 9), kOutline, 0);
  Fill(p, Ellipse(at, 18, 16), QColor(0xE8, 0x2E, 0x2E), 2.5);
  p.setPen(QPen(kOutline, 2));
  p.drawLine(at + QPointF(0, -16), at + QPointF(0, 16));
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  for (const QPointF& d : {QPointF(-9, -6), QPointF(9, -6), QPointF(-10, 6), QPointF(10, 6),
                           QPointF(-4, 11), QPointF(4, 11)}) {
    p.drawEllipse(at + d, 3.2, 3.2);
  }
  p.setBrush(Qt::white);
  p.drawEllipse(at + QPointF(-4, -18), 2, 2);
  p.drawEllipse(at + QPointF(4, -18), 2, 2);
}

void Leaf(QPainter& p, const QPointF& at, double turn) {
  QTransform t;
  t.translate(at.x(), at.y());
  t.rotate(turn);
  QPainterPath leaf;
  leaf.moveTo(-34, 0);
  leaf.quadTo(0, -26, 34, 0);
  leaf.quadTo(0, 26, -34, 0);
  Fill(p, t.map(leaf), QColor(0x7C, 0xC8, 0x4E), 2.5);
  p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 2));
  p.drawLine(t.map(QPointF(-30, 0)), t.map(QPointF(30, 0)));
}

}  // namespace

QImage DrawPuzzlePicture() {
  QImage image(kPuzzleWidth, kPuzzleHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Sky(p);
  Rainbow(p);
  Sun(p);
  Cloud(p, QPointF(300, 62), 1.0);
  Cloud(p, QPointF(730, 70), 0.85);
  Cloud(p, QPointF(565, 160), 0.7);
  Birds(p, QPointF(150, 200));
  Balloon(p, QPointF(450, 92));
  Kite(p, QPointF(752, 180));
  Hills(p);
  Fields(p);
  Windmill(p);
  House(p);
  Tree(p);
  Sheep(p, QPointF(470, 358), false);
  Sheep(p, QPointF(760, 356), true);
  River(p);
  Bridge(p);
  Path(p);
  Fence(p);
  Meadow(p);
  Fish(p, QPointF(624, 560), QColor(0xFF, 0x8A, 0x1C), -20);
  Duck(p, QPointF(760, 432));
  Mushrooms(p);
  Snail(p, QPointF(420, 566));
  Leaf(p, QPointF(690, 560), -15);
  Ladybird(p, QPointF(690, 554));
  Butterfly(p, QPointF(520, 420));
  Flower(p, QPointF(60, 556), QColor(0xF2, 0x4E, 0x8B), 14);
  Flower(p, QPointF(760, 530), QColor(0xA4, 0x4B, 0xD6), 14);
  p.end();
  return image;
}

}  // namespace resgen
