#pragma once

#include <vector>

#include "base/cell_table.h"
#include "gfx/geometry.h"

// Tiles and puzzle pieces let go of (settled == 0) glide back home, a step per tick.
namespace base {

// The step, in pixels, of a record on its way home: the more there are, the faster they go.
int CarryHomeStep(int moving);

// The records on their way home, among the first `count`.
int CountMovingHome(const CellTable& cells, int count);

// What one step did to a record.
struct HomeStep {
  enum class Kind {
    kMoving,   // a step nearer
    kArrived,  // the last bit of the way: it is home (placed = 1)
    kSettled,  // it was home already: it rests (settled = 1, its glyphs dropped)
  };
  int item = -1;
  Kind kind = Kind::kMoving;
  gfx::Rect before;
  gfx::Rect after;
};

// One step for every record of the first `count` on its way home; home is (homeX, homeY) moved by
// `homeOffset`. Gives what each record did, in index order; the caller repaints.
std::vector<HomeStep> CarryHome(CellTable& cells, int count, gfx::Point homeOffset);

}  // namespace base
