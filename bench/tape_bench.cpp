// Loading a 16 KB machine-code tape through the built-in ROM's SYSTEM
// command: the host seconds from the command to the ROM's next prompt, with
// every T-state of the recorder and the devices run as at any speed.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "frontend/save_memory.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

constexpr uint16_t kLoadStart = 0x7000;
constexpr int kLoadBytes = 16384;
constexpr int kMaxFrames = 20000;

std::string WriteTape() {
  const auto path = std::filesystem::temp_directory_path() / "quillor-bench-tape.cas";
  std::vector<uint8_t> image(kLoadBytes);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 31 + 7);
  image[0] = 0x18;  // JR $: a harmless entry
  image[1] = 0xFE;
  return SaveMemoryToCassette(path.string(), kLoadStart, kLoadStart + kLoadBytes, kLoadStart,
                              [&](uint16_t a) { return image[a - kLoadStart]; });
}

void BM_TapeLoad16K(benchmark::State& state) {
  const std::string tape = WriteTape();
  const std::string name = "QUILLO";  // the first six letters of the file's name
  for (auto _ : state) {
    state.PauseTiming();
    auto emulator = std::make_unique<Emulator>();
    emulator->FormCreate();
    emulator->FinishStartUp(kDefaultModel);
    emulator->AssumeTimerOnTime();
    for (int i = 0; i < 100; ++i) emulator->Timer1Timer();  // to the prompt
    emulator->cassette.OpenMediaImage(tape);
    const std::string typed = "SYSTEM\r" + name + "\r";
    emulator->textInput.StartWithText(std::vector<uint8_t>(typed.begin(), typed.end()));
    state.ResumeTiming();
    int frames = 0;
    while (emulator->textInput.Active() && frames < kMaxFrames) {
      emulator->Timer1Timer();
      ++frames;
    }
    state.counters["EmulatedSeconds"] = frames / 25.0;
    if (emulator->machine.memory[kLoadStart + kLoadBytes - 1] !=
        static_cast<uint8_t>((kLoadBytes - 1) * 31 + 7))
      state.SkipWithError("the tape did not load");
  }
}
BENCHMARK(BM_TapeLoad16K)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace quillor
