// The whole program, its Qt windows, voice and sounds included, through ten tours of every module
// on an offscreen screen: tiles written and cleared in Français and Mathématique, words dictated
// and solved with their rewards, every reward of a text, the puzzle cut, solved by hand to its
// fireworks and by its solution. The resident memory after each tour is reported (tour1_MB ...
// tour10_MB): it must stay flat after the second tour (growth_after_tour2_MB) and low at its peak
// (peak_MB).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <algorithm>
#include <string>

#include "app/scribix_view.h"
#include "bench_support.h"
#include "shell/scribix_app.h"
#include "shell/view_widget.h"

namespace {

class ShellSession : private bench::Mouse {
 public:
  ShellSession() : scribix_(std::make_unique<bench::QuickClock>()) {
    ok_ = scribix_.InitInstance({bench::ProgramFolder(), bench::ScratchFolder()});
    if (!ok_) return;
    Events();
    View().OnTimer(base::kTimerFirstRun);
    Events();
  }
  bool Ok() const { return ok_; }

  void Tour() {
    for (const auto module : {base::icons::IconModuleFrench, base::icons::IconModuleMath}) {
      ClickIcon(module);
      for (int clear = 0; clear < 3; ++clear) {
        for (int drop = 0; drop < 10; ++drop) DropKey(drop % 20, drop, clear % 4);
        ClickIcon(base::icons::IconClear);
        Animate();
      }
    }
    Rewards();
    Dictate(5);
    Puzzle();
    ClickIcon(base::icons::IconModuleFrench);
  }

 private:
  app::CScribixView& View() { return *scribix_.View(); }
  QWidget* Widget() { return scribix_.ViewWidget(); }
  static void Events() { QCoreApplication::processEvents(); }

  // The child's mouse on the real widget; each step leaves Qt its paint.
  void Press(gfx::Point p) override {
    QTest::mousePress(Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(p.x, p.y));
    Events();
  }
  void MoveTo(gfx::Point p) override {
    QMouseEvent move(QEvent::MouseMove, QPointF(p.x, p.y), Widget()->mapToGlobal(QPointF(p.x, p.y)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Widget(), &move);
    Events();
  }
  void Release(gfx::Point p) override {
    QTest::mouseRelease(Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(p.x, p.y));
    Events();
  }
  void Click(gfx::Point p) {
    Press(p);
    Release(p);
  }
  void ClickIcon(base::icons::IconId icon) {
    const gfx::Point middle = bench::IconMiddle(View(), icon);
    // Rested on a moment first, as a child does: its tooltip comes.
    MoveTo(middle);
    View().OnTimer(base::kTimerTooltip);
    View().OnTimer(base::kTimerTooltip);
    Click(middle);
  }
  // The animation timer's ticks while anything moves, without waiting for them.
  void Animate() {
    for (int i = 0; i < 400; ++i) {
      View().OnTimer(base::kTimerAnimation);
      Events();
      if (!scribix_.Timers()->IsRunning(base::kTimerAnimation)) break;
    }
  }

  void DropKey(int key, int column, int line) { bench::DropKey(View(), *this, key, column, line); }

  void Rewards() {
    ClickIcon(base::icons::IconModuleFrench);
    bench::AimWordRewards(View());
    for (int i = 0; i < 6; ++i) {
      View().OnTimer(base::kTimerWordSuccess);
      Events();
    }
    View().OnTimer(base::kTimerFixedSuccess);
    Events();
    View().OnTimer(base::kTimerBlink);
    Events();
  }

  void Dictate(int words) {
    bench::LoadAnimalList(View());
    ClickIcon(base::icons::IconModuleList);
    for (int w = 0; w < words; ++w) {
      ClickIcon(base::icons::IconNextWord);
      ClickIcon(base::icons::IconSolution);
      View().OnTimer(base::kTimerWordSuccess);
      Events();
      Animate();
    }
  }

  // Cut, scattered, each piece dragged home from the top of the heap to the fireworks; then
  // scattered again and brought home by the solution.
  void Puzzle() {
    ClickIcon(base::icons::IconModuleFrench);
    ClickIcon(base::icons::IconModulePuzzle);
    ClickIcon(base::icons::IconScatter);
    bench::DragPiecesHome(View(), *this, [this] { Animate(); });
    ClickIcon(base::icons::IconScatter);
    ClickIcon(base::icons::IconPuzzleSolution);
    Animate();
  }

  shell::CScribixApp scribix_;
  bool ok_ = false;
};

double Megabytes(long bytes) {
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void ShellSessionMemory(benchmark::State& state) {
  for (auto _ : state) {
    ShellSession session;
    if (!session.Ok()) {
      state.SkipWithError("the program did not start");
      return;
    }
    state.counters["start_MB"] = Megabytes(bench::ResidentBytes());
    double peak = 0;
    double afterSecond = 0;
    double last = 0;
    for (int tour = 1; tour <= 10; ++tour) {
      session.Tour();
      last = Megabytes(bench::ResidentBytes());
      peak = std::max(peak, last);
      if (tour == 2) afterSecond = last;
      state.counters["tour" + std::to_string(tour) + "_MB"] = last;
    }
    state.counters["growth_after_tour2_MB"] = last - afterSecond;
    state.counters["peak_MB"] = peak;
  }
}
BENCHMARK(ShellSessionMemory)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  // Offscreen unless a screen is asked for: the tours need no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  shell::CScribixApp::LoadFrenchTranslations(application);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
