// The bare processor on the instruction exerciser's mix: the first 2000
// million T-states of zexdoc, on the flat bus.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "fakes/cpm_machine.h"

namespace quillor {
namespace {

constexpr uint64_t kBudget = 2'000'000'000;

void BM_ProcessorOnExerciser(benchmark::State& state) {
  const std::string path = std::string(QUILLOR_SHARED_DIR) + "/z80tests/zexdoc.com";
  if (!std::filesystem::exists(path)) {
    state.SkipWithError(("exerciser not present: " + path).c_str());
    return;
  }
  uint64_t tstates = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto machine = std::make_unique<CpmMachine>();
    machine->LoadProgram(path);
    state.ResumeTiming();
    machine->Run(kBudget);
    tstates += machine->tstates;
    benchmark::DoNotOptimize(machine->cpu.AF());
  }
  state.counters["TStatesPerSecond"] =
      benchmark::Counter(static_cast<double>(tstates), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ProcessorOnExerciser)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillor
