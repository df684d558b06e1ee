// The whole-machine benchmarks share one measurement: a program placed in
// memory, then one timer tick per iteration, reported as emulated T-states per
// host second (a slice that ran over its frame counts its extra T-states).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>

#include "machine/emulator.h"

namespace quillor {

inline void RunProgramSlices(benchmark::State& state, Emulator& emulator, uint16_t start,
                             std::initializer_list<uint8_t> program) {
  uint16_t address = start;
  for (uint8_t b : program) emulator.machine.memory[address++] = b;
  emulator.cpu.PC = start;
  int64_t tstates = 0;
  for (auto _ : state) {
    const int before = emulator.scheduler.FrameTStates;
    emulator.Timer1Timer();
    tstates += kFrameTStates + emulator.scheduler.FrameTStates - before;
  }
  state.counters["TStatesPerSecond"] =
      benchmark::Counter(static_cast<double>(tstates), benchmark::Counter::kIsRate);
}

}  // namespace quillor
