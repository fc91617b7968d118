#include "fireworks_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "art.h"
#include "effects/fireworks_names.h"

namespace resgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

// One rocket: where it leaves the ground, where and when it bursts, and its colours.
struct Rocket {
  double launchFrame;
  double burstFrame;
  QPointF ground;
  QPointF burst;
  double speed;  // radius reached by the sparks, in pixels
  int sparks;
  QColor outer;
  QColor inner;
  std::uint64_t seed;
};

const Rocket kRockets[] = {
    {-1, 2, {200, 300}, {196, 100}, 118, 44, QColor(255, 196, 60), QColor(255, 80, 70), 11},
    {1, 4, {100, 300}, {104, 128}, 84, 36, QColor(90, 255, 140), QColor(80, 210, 255), 23},
    {3, 6, {310, 300}, {300, 96}, 96, 40, QColor(255, 110, 210), QColor(160, 120, 255), 37},
    {5, 8, {230, 300}, {236, 140}, 70, 32, QColor(255, 240, 190), QColor(255, 170, 60), 41},
};

// Distance a spark has flown after `age` frames: fast at first, then slowed by the air.
double Flight(double speed, double age) {
  return speed * (1 - std::exp(-1.1 * age));
}
double Fall(double age) {
  return 4.0 * age * age;
}
double Brightness(double age) {
  return age < 1.2 ? 1.0 : std::exp(-0.5 * (age - 1.2));
}

void Glow(QPainter& p, const QPointF& at, double radius, const QColor& colour, double strength) {
  QRadialGradient gradient(at, radius);
  QColor core = colour;
  core.setAlphaF(std::min(1.0, strength));
  QColor edge = colour;
  edge.setAlpha(0);
  gradient.setColorAt(0, core);
  gradient.setColorAt(1, edge);
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  p.drawEllipse(at, radius, radius);
}

QImage NightSky() {
  QImage sky(kFireworksWidth, kFireworksHeight, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&sky);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, kFireworksHeight);
  gradient.setColorAt(0, QColor(8, 10, 40));
  gradient.setColorAt(0.7, QColor(30, 24, 80));
  gradient.setColorAt(1, QColor(56, 36, 96));
  p.fillRect(sky.rect(), gradient);

  Random random(7);
  for (int i = 0; i < 90; ++i) {
    const QPointF at(random.Between(0, kFireworksWidth),
                     random.Between(0, kFireworksHeight * 0.75));
    const double size = random.Between(0.4, 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 230, static_cast<int>(random.Between(90, 230))));
    p.drawEllipse(at, size, size);
  }
  // A crescent moon.
  QPainterPath moon;
  moon.addEllipse(QPointF(352, 42), 17, 17);
  QPainterPath bite;
  bite.addEllipse(QPointF(361, 35), 15, 15);
  Glow(p, QPointF(350, 44), 34, QColor(255, 250, 210), 0.25);
  p.setBrush(QColor(255, 246, 200));
  p.drawPath(moon.subtracted(bite));

  // Hills and a little village with lit windows.
  QPainterPath hills;
  hills.moveTo(0, 262);
  hills.cubicTo(80, 236, 150, 250, 210, 258);
  hills.cubicTo(270, 266, 330, 238, 400, 252);
  hills.lineTo(400, 300);
  hills.lineTo(0, 300);
  hills.closeSubpath();
  p.setBrush(QColor(14, 12, 34));
  p.drawPath(hills);
  const struct {
    double x, w, h;
  } houses[] = {{40, 26, 22},  {72, 20, 30},  {150, 28, 20},
                {262, 24, 26}, {296, 30, 22}, {344, 22, 28}};
  for (const auto& h : houses) {
    const double base = 274;
    QPainterPath house;
    house.addRect(QRectF(h.x, base - h.h, h.w, h.h + 30));
    house.moveTo(h.x - 3, base - h.h);
    house.lineTo(h.x + h.w / 2, base - h.h - 12);
    house.lineTo(h.x + h.w + 3, base - h.h);
    house.closeSubpath();
    p.setBrush(QColor(8, 6, 20));
    p.drawPath(house.simplified());
    p.setBrush(QColor(255, 205, 90));
    p.drawRect(QRectF(h.x + 5, base - h.h + 6, 5, 6));
    if (h.w > 22) p.drawRect(QRectF(h.x + h.w - 10, base - h.h + 6, 5, 6));
  }
  return sky;
}

void DrawRocketClimbing(QPainter& p, const Rocket& r, double frame) {
  const double t = (frame - r.launchFrame) / (r.burstFrame - r.launchFrame);
  const auto at = [&](double u) {
    const double eased = 1 - (1 - u) * (1 - u);
    return r.ground + (r.burst - r.ground) * eased;
  };
  // A trail of sparks behind the rocket.
  for (int i = 0; i < 14; ++i) {
    const double u = std::max(0.0, t - i * 0.025);
    Glow(p, at(u), 4.5 - i * 0.22, QColor(255, 200, 120), 0.8 - i * 0.05);
  }
  Glow(p, at(t), 7, QColor(255, 250, 220), 1.0);
}

void DrawBurst(QPainter& p, const Rocket& r, double age) {
  if (age < 0.5) {
    Glow(p, r.burst, 30, QColor(255, 255, 230), 0.8);
    Glow(p, r.burst, 9, QColor(255, 255, 255), 1.0);
  }
  Random random(r.seed);
  const double light = Brightness(age);
  for (int ring = 0; ring < 2; ++ring) {
    const int count = ring == 0 ? r.sparks : r.sparks / 2;
    const QColor colour = ring == 0 ? r.outer : r.inner;
    const double reach = ring == 0 ? r.speed : r.speed * 0.55;
    for (int i = 0; i < count; ++i) {
      const double angle = 2 * kPi * (i + random.Between(-0.3, 0.3)) / count;
      const double speed = reach * random.Between(0.85, 1.12);
      const double twinkle = random.Between(0.6, 1.0);
      const QPointF direction(std::cos(angle), std::sin(angle));
      const auto at = [&](double a) {
        return r.burst + direction * Flight(speed, a) + QPointF(0, Fall(a));
      };
      // The streak behind each spark, fading towards the centre.
      const QPointF head = at(age);
      const QPointF tail = at(std::max(0.0, age - 0.55));
      QColor fading = colour;
      fading.setAlphaF(0.0);
      QColor bright = colour;
      bright.setAlphaF(0.85 * light);
      QLinearGradient streak(tail, head);
      streak.setColorAt(0, fading);
      streak.setColorAt(1, bright);
      p.setPen(QPen(QBrush(streak), 2.2 * std::max(0.5, light), Qt::SolidLine, Qt::RoundCap));
      p.drawLine(tail, head);
      const QColor ember = age > 4 ? Mix(colour, QColor(200, 60, 30), 0.5) : colour;
      Glow(p, head, 6 * std::max(0.4, light), ember, 0.7 * light * twinkle);
      Glow(p, head, 2.2, Mix(ember, Qt::white, 0.6), light * twinkle);
    }
  }
  if (age < 1.2) Glow(p, r.burst, 55, r.outer, 0.25 * (1.2 - age));
}

}  // namespace

std::vector<QImage> DrawFireworks() {
  const QImage sky = NightSky();
  std::vector<QImage> frames;
  for (int frame = 0; frame < effects::kFireworksFrameCount; ++frame) {
    QImage image = sky;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const Rocket& r : kRockets) {
      if (frame <= r.launchFrame) continue;
      if (frame < r.burstFrame) {
        DrawRocketClimbing(p, r, frame);
      } else {
        // A burst is caught a little after the bang, when its sparks are already flying.
        DrawBurst(p, r, frame - r.burstFrame + 0.45);
      }
    }
    p.end();
    frames.push_back(image.convertToFormat(QImage::Format_RGB32));
  }
  return frames;
}

}  // namespace resgen
