// The puzzle: a drag step with 1000 pieces on the screen, a cut at 1000 pieces, and entering the
// puzzle with its default picture (with and without the press on the icon, which waits 200 ms to
// show it sinking) and with a large photograph.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/mouse_keys.h"
#include "bench_support.h"
#include "shell/qt_text.h"

namespace {

using base::icons::IconId;

// The press on an icon waits 200 ms to show it sinking: the child's time, not the program's.
class NoWaitClock : public ports::SystemClock {
 public:
  void Sleep(int) override {}
};

template <typename ClockT = NoWaitClock>
struct PuzzleView {
  bench::BenchPlatformWith<ClockT> p;
  std::filesystem::path data = bench::ScratchFolder();
  app::CScribixView view{p.platform, bench::ProgramFolder(), data};

  PuzzleView() {
    std::filesystem::remove(data / "defautpuz");
    view.OnCreate();
    view.OnDraw({0, 0, 1200, 850});
  }
  void ClickIcon(IconId id) {
    const gfx::Rect r = view.Parts().icons[id];
    const gfx::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    view.OnLButtonDown(base::mouse::kLeftButton, centre);
    view.OnLButtonUp(0, centre);
  }
};

template <typename ClockT>
void EnterPuzzle(benchmark::State& state) {
  PuzzleView<ClockT> w;
  for (auto _ : state) {
    w.ClickIcon(IconId::IconModulePuzzle);
    w.view.OnDraw({0, 0, 1200, 850});
    state.PauseTiming();
    w.ClickIcon(IconId::IconModuleFrench);
    std::filesystem::remove(w.data / "defautpuz");
    state.ResumeTiming();
  }
}

// What the program does to enter the puzzle, and what the child waits for: the same click with
// the icon's 200 ms press feedback.
void EnterPuzzleWithDefaultPictureWithoutPressPause(benchmark::State& state) {
  EnterPuzzle<NoWaitClock>(state);
}
BENCHMARK(EnterPuzzleWithDefaultPictureWithoutPressPause)->Unit(benchmark::kMillisecond);

void EnterPuzzleWithDefaultPictureWithPressPause(benchmark::State& state) {
  EnterPuzzle<ports::SystemClock>(state);
}
BENCHMARK(EnterPuzzleWithDefaultPictureWithPressPause)->Unit(benchmark::kMillisecond);

// The highest resident memory of this process so far, in bytes; forgotten on request, so that
// one step can be measured on its own.
long PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6)) * 1024;
  }
  return 0;
}
bool ForgetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  return static_cast<bool>(clear);
}

// A photograph as a camera makes it, 6000 x 4500: smooth light with fine grain, so that it costs
// what a real one costs to decode. Written next to the benchmark's data, never kept with the
// sources; the pixels are freed before anything is measured.
bool WritePhotograph(const std::filesystem::path& path, int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  std::uint32_t grain = 12345;
  for (int y = 0; y < height; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < width; ++x) {
      grain = grain * 1103515245u + 12345u;
      const int noise = static_cast<int>((grain >> 16) & 31) - 16;
      auto channel = [&](int v) { return static_cast<uchar>(std::clamp(v + noise, 0, 255)); };
      row[3 * x] = channel(40 + 180 * x / width);
      row[3 * x + 1] = channel(60 + 150 * y / height);
      row[3 * x + 2] = channel(200 - 120 * (x + y) / (width + height));
    }
  }
  QImageWriter writer(shell::PathToQt(path), "jpeg");
  writer.setQuality(90);
  return writer.write(image);
}

const std::filesystem::path& Photograph() {
  static const std::filesystem::path photo = [] {
    const auto path = bench::ScratchFolder() / "photo-6000x4500.jpg";
    if (!std::filesystem::exists(path) && !WritePhotograph(path, 6000, 4500))
      return std::filesystem::path();
    return path;
  }();
  return photo;
}

// Entering the puzzle on a 6000 x 4500 photograph (without the press pause): two copies taken in
// turn, so that every entry reads its picture. The resident memory it adds while shown, and at
// its highest while loading, should stay under 40 MB.
void EnterPuzzleWithA6000x4500Photograph(benchmark::State& state) {
  if (Photograph().empty()) {
    state.SkipWithError("the photograph could not be written");
    return;
  }
  PuzzleView<> w;
  const std::filesystem::path copies[] = {Photograph(), w.data / "photo-6000x4500-copy.jpg"};
  std::filesystem::copy_file(copies[0], copies[1],
                             std::filesystem::copy_options::overwrite_existing);
  const long before = bench::ResidentBytes();
  long shown = 0;
  long peak = 0;
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    w.view.Parts().state.picturePath = copies[i++ % 2];
    const bool measured = ForgetPeak();
    state.ResumeTiming();
    w.ClickIcon(IconId::IconModulePuzzle);
    w.view.OnDraw({0, 0, 1200, 850});
    state.PauseTiming();
    shown = std::max(shown, bench::ResidentBytes() - before);
    if (measured) peak = std::max(peak, PeakResidentBytes() - before);
    if (w.view.Parts().puzzle.PuzzleBitmap().IsNull())
      state.SkipWithError("the photograph was refused");
    w.ClickIcon(IconId::IconModuleFrench);
    std::filesystem::remove(w.data / "defautpuz");
    state.ResumeTiming();
  }
  std::filesystem::remove(copies[1]);
  state.counters["resident_MB_while_shown"] = static_cast<double>(shown) / (1024.0 * 1024.0);
  state.counters["peak_MB_while_loading"] = static_cast<double>(peak) / (1024.0 * 1024.0);
}
BENCHMARK(EnterPuzzleWithA6000x4500Photograph)->Unit(benchmark::kMillisecond);

// A key typed in the number box while the photograph is the puzzle: the picture is cut again
// for 1000 pieces and for 999 in turn.
void CutAt1000PiecesWithA6000x4500Photograph(benchmark::State& state) {
  if (Photograph().empty()) {
    state.SkipWithError("the photograph could not be written");
    return;
  }
  PuzzleView<> w;
  w.view.Parts().state.picturePath = Photograph();
  w.ClickIcon(IconId::IconModulePuzzle);
  w.view.OnDraw({0, 0, 1200, 850});
  int i = 0;
  for (auto _ : state) {
    w.view.Parts().puzzleDialog.OnPiecesTextChanged(i++ % 2 == 0 ? "1000" : "999");
    w.view.OnDraw({0, 0, 1200, 850});
    benchmark::DoNotOptimize(w.view.Parts().state.keyCount);
  }
  state.counters["pieces"] = w.view.Parts().state.keyCount;
}
BENCHMARK(CutAt1000PiecesWithA6000x4500Photograph)->Unit(benchmark::kMillisecond);

void CutAt1000Pieces(benchmark::State& state) {
  PuzzleView<> w;
  w.ClickIcon(IconId::IconModulePuzzle);
  int i = 0;
  for (auto _ : state) {
    // Alternating, so that every keystroke really cuts again.
    w.view.Parts().puzzleDialog.OnPiecesTextChanged(i++ % 2 == 0 ? "1000" : "999");
    benchmark::DoNotOptimize(w.view.Parts().state.keyCount);
  }
  state.counters["pieces"] = w.view.Parts().state.keyCount;
}
BENCHMARK(CutAt1000Pieces)->Unit(benchmark::kMillisecond);

void DragStepWith1000Pieces(benchmark::State& state) {
  PuzzleView<> w;
  w.ClickIcon(IconId::IconModulePuzzle);
  w.view.Parts().puzzleDialog.OnPiecesTextChanged("1000");
  w.ClickIcon(IconId::IconScatter);
  w.view.OnDraw({0, 0, 1200, 850});
  const auto& s = w.view.Parts().state;
  // The topmost piece, taken in its middle.
  base::BuildDrawOrder(w.view.Parts().cells, s.itemCount, -1);
  const int top = w.view.Parts().cells.drawOrder[static_cast<std::size_t>(s.itemCount - 1)];
  const auto& piece = w.view.Parts().cells[top];
  const gfx::Point from{piece.posX + piece.width / 2, piece.posY + piece.height / 2};
  w.view.OnLButtonDown(base::mouse::kLeftButton, from);
  int step = 0;
  for (auto _ : state) {
    const gfx::Rect before = w.view.Parts().held.dragRect.Inflated(5, 5);
    w.view.OnMouseMove(base::mouse::kLeftButton, {300 + (step % 40) * 7, 200 + (step % 17) * 5});
    w.view.OnDraw(w.view.Parts().held.dragRect.Union(before));
    benchmark::DoNotOptimize(w.view.BackBuffer().Data());
    ++step;
  }
  state.counters["pieces"] = s.keyCount;
}
BENCHMARK(DragStepWith1000Pieces)->Unit(benchmark::kMicrosecond);

// A 12000 x 9000 photograph chosen for the puzzle: decoded only as large as the puzzle can show
// it. Made here, never kept with the sources; the peak memory of entering the puzzle with it is
// the figure (under 200 MB).
void EnterPuzzleWithA108MegapixelPhotograph(benchmark::State& state) {
  PuzzleView<> w;
  const auto photo = w.data / "photo-108-megapixels.jpg";
  {
    QImage image(12000, 9000, QImage::Format_RGB888);
    QPainter paint(&image);
    for (int band = 0; band < 12; ++band) {
      paint.fillRect(band * 1000, 0, 1000, 9000, QColor::fromHsv(band * 30, 200, 220));
    }
    paint.end();
    QImageWriter writer(shell::PathToQt(photo), "jpeg");
    writer.setQuality(85);
    if (!writer.write(image)) {
      state.SkipWithError("the photograph could not be written");
      return;
    }
  }
  w.view.Parts().state.picturePath = photo;
  const long before = bench::ResidentBytes();
  long peak = 0;
  for (auto _ : state) {
    const bool measured = ForgetPeak();
    w.ClickIcon(IconId::IconModulePuzzle);
    w.view.OnDraw({0, 0, 1200, 850});
    if (measured) peak = std::max(peak, PeakResidentBytes() - before);
    state.PauseTiming();
    if (w.view.Parts().puzzle.PuzzleBitmap().IsNull())
      state.SkipWithError("the photograph was refused");
    w.ClickIcon(IconId::IconModuleFrench);
    std::filesystem::remove(w.data / "defautpuz");
    state.ResumeTiming();
  }
  std::filesystem::remove(photo);
  state.counters["peak_MB_above_start"] = static_cast<double>(peak) / (1024.0 * 1024.0);
  state.counters["pieces"] = w.view.Parts().state.keyCount;
}
BENCHMARK(EnterPuzzleWithA108MegapixelPhotograph)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
