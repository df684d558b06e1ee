// The classic interpreter benchmarks (bench/basic/BM1.bas ... BM8.bas) on the
// built-in ROM's BASIC: each program is typed at the prompt, then RUN; the
// counter "emulated_s" is the machine time from RUN to READY, counted in
// frames of 40 ms (so within 0.04 s). Run with
//   build/bench/quillor-bench --benchmark_filter=BM_Basic
// The host time per iteration only says how fast the emulator is.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/screen_text.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

constexpr int kMaxFrames = 25 * 600;  // ten minutes of machine time

std::string ProgramText(int number) {
  std::ifstream file(std::string(QUILLOR_BASIC_BENCH_DIR) + "/BM" + std::to_string(number) + ".bas");
  std::stringstream text;
  text << file.rdbuf();
  std::string typed;
  for (const char c : text.str()) typed += c == '\n' ? '\r' : c;
  return typed;
}

// Runs until the prompt shows after `after` (a text already on the screen).
bool RunUntilReady(Emulator& emu, int& frames, const std::string& after) {
  for (frames = 0; frames < kMaxFrames; ++frames) {
    const std::string screen = cli::ScreenText(emu);
    const size_t from = screen.find(after);
    if (!emu.textInput.Active() && from != std::string::npos &&
        screen.find("READY\n>", from) != std::string::npos)
      return true;
    emu.Timer1Timer();
  }
  return false;
}

void BM_BasicBenchmark(benchmark::State& state) {
  const std::string program = ProgramText(static_cast<int>(state.range(0)));
  double seconds = 0;
  for (auto _ : state) {
    auto emulator = std::make_unique<Emulator>();
    Emulator& emu = *emulator;
    emu.FormCreate();
    emu.FinishStartUp(kDefaultModel);
    emu.AssumeTimerOnTime();
    int frames = 0;
    const std::string typed = program + "CLS\r";
    emu.textInput.StartWithText(std::vector<uint8_t>(typed.begin(), typed.end()));
    if (!RunUntilReady(emu, frames, "")) {
      state.SkipWithError("the program was not taken");
      return;
    }
    // The text input stays active until the ROM waits for a key again,
    // which is at the prompt after the program has ended.
    const std::string run = "RUN\r";
    emu.textInput.StartWithText(std::vector<uint8_t>(run.begin(), run.end()));
    for (frames = 0; emu.textInput.Active() && frames < kMaxFrames; ++frames) emu.Timer1Timer();
    const std::string screen = cli::ScreenText(emu);
    if (screen.find("READY\n>", screen.find(">RUN\n")) == std::string::npos) {
      state.SkipWithError("no READY after RUN");
      return;
    }
    if (screen.find("ERROR") != std::string::npos) {
      state.SkipWithError("the program stopped with an error");
      return;
    }
    seconds = frames * 0.04;
  }
  state.counters["emulated_s"] = seconds;
}
BENCHMARK(BM_BasicBenchmark)->DenseRange(1, 8)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillor
