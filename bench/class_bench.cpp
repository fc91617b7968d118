// A class of children: one child after another takes the computer through "Qui travaille ?".
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_support.h"
#include "notebook/profile_chooser.h"
#include "notebook/profiles.h"

namespace {

namespace fs = std::filesystem;

// Three children, each with a text of their own; one switch is a click on a child's button,
// their settings and text loaded, then the icon back to the buttons, their work saved.
void SwitchAmongThreeChildren(benchmark::State& state) {
  const fs::path folder = bench::ScratchFolder() / "classe";
  fs::remove_all(folder);
  fs::create_directories(folder);
  notebook::ProfileBook book;
  book.Load(folder, folder);
  for (const char* name : {"L\xE9"
                           "a",
                           "Zo\xE9", "Malik"})
    book.Add(name, 0);

  bench::BenchPlatform p;
  app::CScribixView view(p.platform, bench::ProgramFolder(), folder);
  view.OnCreate();
  view.OnTimer(base::kTimerFirstRun);
  view.OnDraw({0, 0, 1200, 840});
  const auto buttons = notebook::ProfileChooser::ButtonRects(p.window.ClientSize(), 3);
  const auto choose = [&](int child) {
    const gfx::Rect& r = buttons[static_cast<std::size_t>(child)];
    const gfx::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    view.OnLButtonDown(1, centre);
    view.OnLButtonUp(1, centre);
  };
  for (int child = 0; child < 3; ++child) {
    choose(child);
    view.Parts().editorDialog.OnTextChanged(
        "le chat de l'enfant " + std::to_string(child) + " dort sur le tapis", 0, 0);
    view.GoToChooser();
  }
  for (auto _ : state) {
    for (int child = 0; child < 3; ++child) {
      choose(child);
      view.OnDraw({0, 0, 1200, 840});
      view.GoToChooser();
    }
  }
  state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(SwitchAmongThreeChildren)->Unit(benchmark::kMillisecond);

}  // namespace
