#include "base/carry_home.h"

#include <algorithm>

namespace base {

namespace {

gfx::Rect RecordRect(const CellRecord& r) {
  return gfx::Rect::FromSize(r.posX, r.posY, r.width, r.height);
}

}  // namespace

int CarryHomeStep(int moving) {
  if (moving > 30) return 60;
  return moving > 15 ? 30 : 20;
}

int CountMovingHome(const CellTable& cells, int count) {
  int moving = 0;
  for (int k = 0; k < std::min(count, kMaxItems); ++k) {
    if (cells[k].settled == 0) ++moving;
  }
  return moving;
}

std::vector<HomeStep> CarryHome(CellTable& cells, int count, gfx::Point homeOffset) {
  count = std::min(count, kMaxItems);
  const int step = CarryHomeStep(CountMovingHome(cells, count));
  std::vector<HomeStep> steps;
  for (int k = 0; k < count; ++k) {
    CellRecord& r = cells[k];
    if (r.settled != 0) continue;
    const int vx = r.homeX + homeOffset.x - r.posX;
    const int vy = r.homeY + homeOffset.y - r.posY;
    const int d = gfx::RoundedLength(vx, vy);
    HomeStep s;
    s.item = k;
    s.before = RecordRect(r);
    if (d > step) {
      r.posX += gfx::MulDivRounded(vx, step, d);
      r.posY += gfx::MulDivRounded(vy, step, d);
      s.kind = HomeStep::Kind::kMoving;
    } else if (d > 0) {
      r.posX += vx;
      r.posY += vy;
      r.placed = 1;
      s.kind = HomeStep::Kind::kArrived;
    } else {
      r.glyph = r.glyphAlt = 0;
      r.settled = 1;
      s.kind = HomeStep::Kind::kSettled;
    }
    s.after = RecordRect(r);
    steps.push_back(s);
  }
  return steps;
}

}  // namespace base
