// The whole machine while the disk works, against the same machine idle, in
// one run. Busy: the drive motor runs and a Z80 loop reads sectors 0-9 of
// track 0 one after another for ever, taking each sector's 256 bytes as the
// data request offers them, so the controller's service runs every 80 T-states
// and a transfer is always under way. Idle: the built-in ROM waits for a key
// at its READY prompt, with no disk in any drive.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "machine/emulator.h"
#include "storage/disk_geometry.h"

namespace quillor {
namespace {

constexpr uint16_t kProgramStart = 0x6000;
constexpr std::initializer_list<uint8_t> kSectorLoop = {
    0xF3,              // DI
    0xAF,              // XOR A
    0x32, 0xED, 0x37,  // LD (37EDh),A   track register 0
    0x21, 0xEC, 0x37,  // LD HL,37ECh    command / status
    0x3E, 0x01,        // LD A,1
    0x32, 0xE1, 0x37,  // LD (37E1h),A   select drive 0
    0x36, 0x00,        // LD (HL),00h    RESTORE: the head to track 0
    0x06, 0x08,        // LD B,8
    0x10, 0xFE,        // DJNZ $
    0xCB, 0x46,        // wait: BIT 0,(HL)
    0x20, 0xFC,        // JR NZ,wait
    0x0E, 0x00,        // LD C,0         sector
    0x11, 0x00, 0x00,  // LD DE,0        bytes read
    0x3E, 0x01,        // next: LD A,1
    0x32, 0xE1, 0x37,  // LD (37E1h),A   select drive 0: the motor keeps running
    0x79,              // LD A,C
    0x32, 0xEE, 0x37,  // LD (37EEh),A
    0x36, 0x80,        // LD (HL),80h    READ SECTOR
    0x06, 0x00,        // LD B,0         256 bytes
    0xCB, 0x4E,        // poll: BIT 1,(HL)  data request
    0x28, 0xFC,        // JR Z,poll
    0x3A, 0xEF, 0x37,  // LD A,(37EFh)
    0x13,              // INC DE
    0x10, 0xF6,        // DJNZ poll
    0x06, 0x10,        // LD B,16
    0x10, 0xFE,        // DJNZ $         the command ends
    0x0C,              // INC C
    0x79,              // LD A,C
    0xFE, 0x0A,        // CP 10
    0x38, 0xDF,        // JR C,next
    0x0E, 0x00,        // LD C,0
    0x18, 0xDB,        // JR next
};

std::unique_ptr<Emulator> StartedMachine() {
  auto emulator = std::make_unique<Emulator>();
  emulator->FormCreate();
  emulator->FinishStartUp(kDefaultModel);
  emulator->AssumeTimerOnTime();
  return emulator;
}

// Runs one frame per iteration and reports emulated T-states per host second.
template <typename AfterFrame>
void RunFrames(benchmark::State& state, Emulator& emulator, AfterFrame afterFrame) {
  int64_t tstates = 0;
  for (auto _ : state) {
    const int before = emulator.scheduler.FrameTStates;
    emulator.Timer1Timer();
    tstates += kFrameTStates + emulator.scheduler.FrameTStates - before;
    afterFrame();
  }
  state.counters["TStatesPerSecond"] =
      benchmark::Counter(static_cast<double>(tstates), benchmark::Counter::kIsRate);
}

void BM_WholeMachineReadingSectors(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "quillor_disk_bench.dsk";
  const std::vector<char> image(4 * kTrackBytes, 0x5A);
  std::ofstream(path, std::ios::binary).write(image.data(), static_cast<std::streamsize>(image.size()));
  auto emulator = StartedMachine();
  if (!emulator->InsertMedia(0, path.string())) {
    state.SkipWithError("the benchmark's disk image did not open");
    return;
  }
  uint16_t address = kProgramStart;
  for (uint8_t b : kSectorLoop) emulator->machine.memory[address++] = b;
  emulator->cpu.PC = kProgramStart;
  // The first sector comes under the head within a revolution (4 frames).
  for (int i = 0; i < 10; ++i) emulator->Timer1Timer();
  // The loop counts the bytes it got in DE; a loop that reads nothing would
  // measure an idle controller.
  int64_t bytes = 0;
  uint16_t lastCount = emulator->cpu.DE();
  RunFrames(state, *emulator, [&] {
    bytes += static_cast<uint16_t>(emulator->cpu.DE() - lastCount);
    lastCount = emulator->cpu.DE();
  });
  if (bytes == 0) state.SkipWithError("the sector loop read no byte");
  // What the machine's program got, per second of machine time (25 frames).
  state.counters["BytesPerMachineSecond"] =
      static_cast<double>(bytes) * 25.0 / static_cast<double>(state.iterations());
  std::filesystem::remove(path);
}
BENCHMARK(BM_WholeMachineReadingSectors)->Unit(benchmark::kMicrosecond);

void BM_WholeMachineIdleAtPrompt(benchmark::State& state) {
  auto emulator = StartedMachine();
  for (int i = 0; i < 100; ++i) emulator->Timer1Timer();  // past the start-up, to READY
  RunFrames(state, *emulator, [] {});
}
BENCHMARK(BM_WholeMachineIdleAtPrompt)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillor
