// A long school session played ten times over on the real picture decoder: every module, 500
// tiles dropped into the grid, 50 clears, 20 dictated words solved, a puzzle of 1000 pieces
// solved, every reward. The resident
// memory after each round is reported (round1_MB ... round10_MB) and must stay flat: a leak of
// tiles, pictures or effect buffers shows as a climb.
#include <benchmark/benchmark.h>

#include <atomic>
#include <string>

#include "base/mouse_keys.h"
#include "bench_support.h"
#include "text/cp1252.h"

namespace {

// The program's deliberate waits (the rewards' frames) cost nothing here: the session measures
// memory, not patience.
class QuickClock : public ports::Clock {
 public:
  std::int64_t NowMs() const override { return now_ += 7; }
  std::int64_t CalendarSeconds() const override { return 1765000000 + now_ / 1000; }
  void Sleep(int ms) override { now_ += ms; }

 private:
  mutable std::atomic<std::int64_t> now_{0};
};

class Session {
 public:
  Session() {
    view_.OnCreate();
    view_.OnSize();
    view_.OnTimer(base::kTimerFirstRun);
    view_.OnDraw({0, 0, 1200, 850});
  }

  void Round() {
    for (const auto module : {base::icons::IconModuleFrench, base::icons::IconModuleMath}) {
      ClickIcon(module);
      for (int clear = 0; clear < 25; ++clear) {
        for (int drop = 0; drop < 10; ++drop) DropKey(drop % 20, drop, clear % 4);
        ClearGrid();
      }
    }
    Dictate(20);
    Rewards();
    SolvePuzzle();
    ClickIcon(base::icons::IconModuleFrench);  // saves the puzzle in progress
  }

  std::size_t Drops() const { return drops_; }
  int PiecesPlaced() const { return piecesPlaced_; }
  int PiecesCut() const { return piecesCut_; }

 private:
  void Paint() { view_.OnDraw({0, 0, 1200, 850}); }

  void Click(gfx::Point p) {
    view_.OnLButtonDown(base::mouse::kLeftButton, p);
    view_.OnLButtonUp(0, p);
  }
  void ClickIcon(base::icons::IconId icon) {
    const gfx::Rect r = view_.Parts().icons[icon];
    Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  void Tick(int count) {
    for (int i = 0; i < count; ++i) view_.OnTimer(base::kTimerAnimation);
  }

  // A tile from key `key` dragged in five steps onto cell (column, line) and let go.
  void DropKey(int key, int column, int line) {
    const base::CellRecord& k = view_.Parts().cells[key];
    const gfx::Point from{k.posX + k.width / 2, k.posY + k.height / 2};
    const gfx::Rect cell = base::CellRect(view_.Parts().state, column, line);
    const gfx::Point to{cell.left + (from.x - k.posX), cell.top + (from.y - k.posY)};
    view_.OnLButtonDown(base::mouse::kLeftButton, from);
    for (int i = 1; i <= 5; ++i) {
      view_.OnMouseMove(base::mouse::kLeftButton,
                        {from.x + (to.x - from.x) * i / 5, from.y + (to.y - from.y) * i / 5});
    }
    view_.OnLButtonUp(0, to);
    ++drops_;
  }

  void ClearGrid() {
    ClickIcon(base::icons::IconClear);
    // The tiles fly home; the grid is cleared once they are there.
    for (int i = 0; i < 400 && view_.Parts().grid.clearing != 0; ++i) Tick(1);
    Paint();
  }

  // Each word of the list dictated and solved with its solution, then rewarded.
  void Dictate(int words) {
    const auto list = bench::ProgramFolder() / "Liste-de-mots" / "animaux.txt";
    view_.Parts().listDialog.SetListPath(text::TextFromPath(list));
    view_.Parts().listDialog.LoadList(view_.Parts().listDialog.listPath);
    ClickIcon(base::icons::IconModuleList);
    for (int w = 0; w < words; ++w) {
      ClickIcon(base::icons::IconNextWord);
      ClickIcon(base::icons::IconSolution);
      view_.OnTimer(base::kTimerWordSuccess);
      Tick(3);
      Paint();
    }
  }

  // A puzzle of 1000 pieces (999 every other round, so that it is cut again), scattered, then
  // each piece dragged home from the top of the heap; the fireworks come with the last one.
  void SolvePuzzle() {
    ClickIcon(base::icons::IconModuleFrench);  // the puzzle is entered from a writing module
    ClickIcon(base::icons::IconModulePuzzle);
    view_.Parts().puzzleDialog.OnPiecesTextChanged(++puzzles_ % 2 == 1 ? "1000" : "999");
    ClickIcon(base::icons::IconScatter);
    Paint();
    const auto& s = view_.Parts().state;
    auto& cells = view_.Parts().cells;
    for (int tries = 0; tries < 2 * s.keyCount; ++tries) {
      base::BuildDrawOrder(cells, s.itemCount, -1);
      int top = -1;
      for (int i = s.itemCount - 1; i >= 0 && top < 0; --i) {
        const int k = cells.drawOrder[static_cast<std::size_t>(i)];
        if (k < s.keyCount && cells[k].placed == 0) top = k;
      }
      if (top < 0) break;
      const base::CellRecord& piece = cells[top];
      const gfx::Point from{piece.posX + piece.width / 2, piece.posY + piece.height / 2};
      const gfx::Point to{piece.homeX + piece.width / 2, piece.homeY + piece.height / 2};
      view_.OnLButtonDown(base::mouse::kLeftButton, from);
      view_.OnMouseMove(base::mouse::kLeftButton, {(from.x + to.x) / 2, (from.y + to.y) / 2});
      view_.OnMouseMove(base::mouse::kLeftButton, to);
      view_.OnLButtonUp(0, to);
      Tick(1);
    }
    piecesPlaced_ = view_.Parts().puzzle.placedCount;
    piecesCut_ = s.keyCount;
    Tick(20);
    Paint();
  }

  // The whole cycle of word rewards, the fixed text's reward and the blink of a found word.
  void Rewards() {
    view_.Parts().grid.gridBounds =
        base::CellRect(view_.Parts().state, 3, 1).Union(base::CellRect(view_.Parts().state, 9, 2));
    for (int i = 0; i < 6; ++i) view_.OnTimer(base::kTimerWordSuccess);
    view_.OnTimer(base::kTimerFixedSuccess);
    view_.OnTimer(base::kTimerBlink);
    Paint();
  }

  bench::BenchPlatformWith<QuickClock> p_;
  app::CScribixView view_{p_.platform, bench::ProgramFolder(), bench::ScratchFolder()};
  std::size_t drops_ = 0;
  int puzzles_ = 0;
  int piecesPlaced_ = 0;
  int piecesCut_ = 0;
};

void LongSessionMemory(benchmark::State& state) {
  for (auto _ : state) {
    Session session;
    for (int round = 1; round <= 10; ++round) {
      session.Round();
      state.counters["round" + std::to_string(round) + "_MB"] =
          static_cast<double>(bench::ResidentBytes()) / (1024.0 * 1024.0);
    }
    state.counters["drops_per_round"] = static_cast<double>(session.Drops()) / 10.0;
    state.counters["pieces_placed_last_round"] = session.PiecesPlaced();
    state.counters["pieces_cut_last_round"] = session.PiecesCut();
  }
}
BENCHMARK(LongSessionMemory)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
