// The random mouse run driven by the fuzzer's bytes: whatever the child does, no cell holds two
// tiles, no key leaves the keyboard, the editor follows the grid and nothing crashes.
#include "fuzz_input.h"
#include "support/mouse_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One program for the whole run, as a child keeps it open all day; its records of calls are
  // forgotten so that the run stays within its memory.
  static testing_support::ViewHarness* harness = [] {
    auto* h = new testing_support::ViewHarness();
    h->Create();
    h->Paint();
    return h;
  }();
  harness->fake.ForgetRecords();
  testing_support::MouseRun run(*harness);
  std::string_view bytes = fuzzing::Bytes(data, size);
  // A hundred steps an input at most: the fuzzer's 30 s in CI go to many short runs.
  for (int step = 0; step < 100 && run.Step(bytes); ++step) {
    const std::string broken = run.Broken();
    if (!broken.empty()) {
      std::fprintf(stderr, "after %s: %s\n", run.LastStep().c_str(), broken.c_str());
      fuzzing::Fail("a random run broke what must hold");
    }
  }
  return 0;
}
