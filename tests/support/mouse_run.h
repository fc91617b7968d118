#pragma once

#include <string>
#include <string_view>

#include "support/view_harness.h"

namespace testing_support {

// A child let loose on the program: each step, read from a stream of bytes, is a press, a move, a
// release, a double click, an icon, a key, a letter dragged into the grid or a tile moved, timer
// ticks, a settings change or a teacher's edit. After every step the checks tell what must hold
// whatever was done.
class MouseRun {
 public:
  explicit MouseRun(ViewHarness& harness) : h_(harness) {}

  // One step taken off the front of the bytes; false once they are used up.
  bool Step(std::string_view& bytes);
  // Empty when everything holds; otherwise what broke, for the test to show.
  std::string Broken() const;
  // What the last step did, for a failure message.
  const std::string& LastStep() const { return last_; }

 private:
  gfx::Point PointFrom(std::string_view& bytes) const;
  gfx::Point CellPoint(int column, int line) const;

  ViewHarness& h_;
  std::string last_;
};

}  // namespace testing_support
