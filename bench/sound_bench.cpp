// The cost of sound: the same whole-machine slice with sample production on
// and off. The program keeps every source busy: it toggles the cassette
// port, the sound generator plays a tone and noise, and the disk motor runs
// (drive 0 selected again and again, a disk in it), so each sample mixes all
// of them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "host/wave_device.h"
#include "machine/emulator.h"
#include "machine_slices.h"

namespace quillor {
namespace {

// A device that is there and keeps nothing, so only the core's work counts.
class DiscardingDevice final : public WaveDevice {
 public:
  bool Open(int) override { return true; }
  void Submit(std::span<const uint8_t> samples) override { benchmark::DoNotOptimize(samples.data()); }
};

constexpr uint16_t kProgramStart = 0x6000;
constexpr std::initializer_list<uint8_t> kNoisyLoop = {
    0xF3,                                            // DI
    0x3E, 0x07, 0xD3, 0x1F, 0x3E, 0x36, 0xD3, 0x1E,  // R7 = 36h: tone A, noise A and B
    0x3E, 0x08, 0xD3, 0x1F, 0x3E, 0x0F, 0xD3, 0x1E,  // R8 = 15
    0x3E, 0x09, 0xD3, 0x1F, 0x3E, 0x10, 0xD3, 0x1E,  // R9 follows the envelope
    0x3E, 0x0D, 0xD3, 0x1F, 0x3E, 0x0A, 0xD3, 0x1E,  // R13 = 10: falling, rising, ...
    0x3E, 0x00, 0xD3, 0x1F, 0x3E, 0x64, 0xD3, 0x1E,  // R0 = 100
    0x3E, 0x01, 0xD3, 0x1F, 0x3E, 0x00, 0xD3, 0x1E,  // R1 = 0
    // loop:
    0x3E, 0x01, 0xD3, 0xFF,        // LD A,1; OUT (FFh),A
    0x06, 0x10, 0x10, 0xFE,        // LD B,16; DJNZ $
    0x3E, 0x02, 0xD3, 0xFF,        // LD A,2; OUT (FFh),A
    0x3E, 0x01, 0x32, 0xE1, 0x37,  // LD A,1; LD (37E1h),A  drive 0
    0x06, 0x10, 0x10, 0xFE,        // LD B,16; DJNZ $
    0x18, 0xE9,                    // JR loop
};

void RunSlices(benchmark::State& state, bool sound) {
  DiscardingDevice device;
  EmulatorHosts hosts;
  hosts.wave = &device;
  auto emulator = std::make_unique<Emulator>(hosts);
  emulator->FormCreate();
  emulator->FinishStartUp(kDefaultModel);
  emulator->AssumeTimerOnTime();
  emulator->sound.SetEnabled(sound);
  // A blank 40-track disk, so the selected drive is ready and its motor hums.
  const auto disk = std::filesystem::temp_directory_path() / "quillor_sound_bench.dsk";
  std::ofstream(disk, std::ios::binary) << std::string(40 * 2560, '\xE5');
  emulator->InsertMedia(0, disk.string());
  RunProgramSlices(state, *emulator, kProgramStart, kNoisyLoop);
}

void BM_WholeMachineSliceSoundOff(benchmark::State& state) { RunSlices(state, false); }
void BM_WholeMachineSliceSoundOn(benchmark::State& state) { RunSlices(state, true); }
BENCHMARK(BM_WholeMachineSliceSoundOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeMachineSliceSoundOn)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillor
