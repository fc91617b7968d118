// A long school session played ten times over on the real picture decoder: every module, 500
// tiles dropped into the grid, 50 clears, 20 dictated words solved, a puzzle of 1000 pieces
// solved, every reward. The resident
// memory after each round is reported (round1_MB ... round10_MB) and must stay flat: a leak of
// tiles, pictures or effect buffers shows as a climb.
#include <benchmark/benchmark.h>

#include <string>

#include "base/mouse_keys.h"
#include "bench_support.h"

namespace {

class Session : private bench::Mouse {
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

  void Press(gfx::Point p) override { view_.OnLButtonDown(base::mouse::kLeftButton, p); }
  void MoveTo(gfx::Point p) override { view_.OnMouseMove(base::mouse::kLeftButton, p); }
  void Release(gfx::Point p) override { view_.OnLButtonUp(0, p); }
  void ClickIcon(base::icons::IconId icon) {
    const gfx::Point middle = bench::IconMiddle(view_, icon);
    Press(middle);
    Release(middle);
  }
  void Tick(int count) {
    for (int i = 0; i < count; ++i) view_.OnTimer(base::kTimerAnimation);
  }

  void DropKey(int key, int column, int line) {
    bench::DropKey(view_, *this, key, column, line);
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
    bench::LoadAnimalList(view_);
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
    bench::DragPiecesHome(view_, *this, [this] { Tick(1); });
    piecesPlaced_ = view_.Parts().puzzle.placedCount;
    piecesCut_ = view_.Parts().state.keyCount;
    Tick(20);
    Paint();
  }

  // The whole cycle of word rewards, the fixed text's reward and the blink of a found word.
  void Rewards() {
    bench::AimWordRewards(view_);
    for (int i = 0; i < 6; ++i) view_.OnTimer(base::kTimerWordSuccess);
    view_.OnTimer(base::kTimerFixedSuccess);
    view_.OnTimer(base::kTimerBlink);
    Paint();
  }

  bench::BenchPlatformWith<bench::QuickClock> p_;
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
