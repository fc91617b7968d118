#pragma once

#include <string>
#include <vector>

#include "support/view_harness.h"

namespace testing_support {

// A view in the list module with the first entry of the list laid out on the second line, the
// window wide enough for 24 cells; `unlit` is the screen before anything is said or lit.
struct Dictating {
  explicit Dictating(const std::string& listFile) {
    view = &harness.Create();
    const auto path = harness.data.Path() / "liste.txt";
    WriteBytes(path, listFile);
    harness.fake.dialogs.openAnswer = path;
    view->Parts().listDialog.OpenList();
    harness.ClickIcon(app::IconModuleList);
    harness.fake.window.clientSize.width =
        2 * view->Parts().state.gridLeft + 24 * view->Parts().state.cellWidth + 20;
    harness.ClickIcon(app::IconNextWord);
    harness.Paint();
    unlit = view->BackBuffer();
  }

  std::vector<int> AnswerColumns() const {
    std::vector<int> columns;
    for (int c = 0; c < view->Parts().state.gridColumns; ++c) {
      if (view->Parts().grid.enabled[1][static_cast<std::size_t>(c)] != 0) columns.push_back(c);
    }
    return columns;
  }
  // The answer cells the child sees lit: those whose light under the cell is on the screen.
  std::vector<int> LitColumns() {
    harness.Paint();
    std::vector<int> lit;
    for (int c : AnswerColumns()) {
      const gfx::Rect cell = base::CellRect(view->Parts().state, c, 1);
      const gfx::Point below{(cell.left + cell.right) / 2, cell.bottom + 5};
      if (view->BackBuffer().Pixel(below.x, below.y) != unlit.Pixel(below.x, below.y)) {
        lit.push_back(c);
      }
    }
    return lit;
  }
  // The timer of the light came.
  void Look() { view->OnTimer(base::kTimerSpokenLight); }
  bool Looking() const { return harness.fake.timers.IsRunning(base::kTimerSpokenLight); }

  ViewHarness harness;
  app::CScribixView* view = nullptr;
  gfx::Image unlit;
};

}  // namespace testing_support
