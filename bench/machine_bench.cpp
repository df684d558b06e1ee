// The whole machine against the bare processor on the same busy loop: every
// pass changes 256 video cells (so each slice redraws the screen), the tape
// motor runs (so the recorder steps after every instruction), the disk
// controller is selected again and again (so its service runs every 80
// T-states), and the sound generator, the timer interrupt counter and the
// breakpoint check tick as always.
#include <benchmark/benchmark.h>

#include <memory>

#include "cpu/execute_step.h"
#include "fakes/flat_bus.h"
#include "machine/emulator.h"
#include "machine_slices.h"

namespace quillor {
namespace {

constexpr uint16_t kProgramStart = 0x6000;
constexpr std::initializer_list<uint8_t> kBusyLoop = {
    0x3E, 0x04,        // LD A,04h      tape motor on
    0xD3, 0xFF,        // OUT (0FFh),A
    0xF3,              // DI
    0x21, 0x00, 0x3C,  // loop: LD HL,3C00h
    0x06, 0x00,        // LD B,0
    0x7E,              // inner: LD A,(HL)
    0x3C,              // INC A
    0x77,              // LD (HL),A     a changed video cell
    0x23,              // INC HL
    0x10, 0xFA,        // DJNZ inner
    0x3E, 0x01,        // LD A,1
    0x32, 0xE1, 0x37,  // LD (37E1h),A  select drive 0
    0xC3, 0x05, 0x60,  // JP loop
};

// The bare processor on a flat bus, one slice's worth of T-states per
// iteration, reported as T-states per second.
void RunBareSlices(benchmark::State& state, CpuState& cpu, FlatBus& bus) {
  int64_t tstates = 0;
  for (auto _ : state) {
    int slice = 0;
    while (slice <= kFrameTStates) {
      ExecuteStep(cpu, bus);
      slice += bus.StepTStates();
    }
    tstates += slice;
    // The flat bus records port accesses; keep that record from growing.
    bus.portReads.clear();
    bus.portWrites.clear();
  }
  benchmark::DoNotOptimize(cpu.A);
  state.counters["TStatesPerSecond"] =
      benchmark::Counter(static_cast<double>(tstates), benchmark::Counter::kIsRate);
}

void BM_WholeMachineSlice(benchmark::State& state) {
  auto emulator = std::make_unique<Emulator>();
  emulator->FormCreate();
  emulator->FinishStartUp(kDefaultModel);
  emulator->AssumeTimerOnTime();
  RunProgramSlices(state, *emulator, kProgramStart, kBusyLoop);
}
BENCHMARK(BM_WholeMachineSlice)->Unit(benchmark::kMicrosecond);

void BM_BareProcessorSameLoop(benchmark::State& state) {
  auto bus = std::make_unique<FlatBus>();
  bus->Load(kProgramStart, kBusyLoop);
  CpuState cpu;
  cpu.PC = kProgramStart;
  RunBareSlices(state, cpu, *bus);
}
BENCHMARK(BM_BareProcessorSameLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillor

namespace quillor {
namespace {

// The bare processor on the built-in ROM's idle loop at its READY prompt: the
// booted machine's memory and registers on a flat bus (no key is held there
// either), against BM_WholeMachineIdleAtPrompt.
void BM_BareProcessorIdleLoop(benchmark::State& state) {
  auto emulator = std::make_unique<Emulator>();
  emulator->FormCreate();
  emulator->FinishStartUp(kDefaultModel);
  emulator->AssumeTimerOnTime();
  for (int i = 0; i < 100; ++i) emulator->Timer1Timer();
  auto bus = std::make_unique<FlatBus>();
  bus->memory = emulator->machine.memory;
  CpuState cpu = emulator->cpu;
  RunBareSlices(state, cpu, *bus);
}
BENCHMARK(BM_BareProcessorIdleLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillor
