// A processor on the flat bus for tests: tiny programs as bytes at 0x0100.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>

#include "cpu/cpu_state.h"
#include "cpu/execute_step.h"
#include "fakes/flat_bus.h"

namespace quillor::test {

inline constexpr uint16_t kOrigin = 0x0100;

struct CpuRig {
  CpuRig() : bus(std::make_unique<FlatBus>()) {
    cpu.PC = kOrigin;
    cpu.SP = 0x8000;
  }

  // Places the program at 0x0100 and points PC at it.
  void Program(std::initializer_list<uint8_t> bytes) {
    bus->Load(kOrigin, bytes);
    cpu.PC = kOrigin;
    programEnd = static_cast<uint16_t>(kOrigin + bytes.size());
  }

  // One step; returns its T-states.
  int Step() {
    ExecuteStep(cpu, *bus);
    return bus->StepTStates();
  }

  // Steps until PC leaves the program's last byte behind (or max steps);
  // returns the T-states of all steps.
  int Run(int maxSteps = 1000) {
    int total = 0;
    for (int i = 0; i < maxSteps && cpu.PC != programEnd; ++i) total += Step();
    return total;
  }

  uint8_t& Memory(uint16_t address) { return bus->memory[address]; }

  CpuState cpu;
  std::unique_ptr<FlatBus> bus;
  uint16_t programEnd = kOrigin;
};

}  // namespace quillor::test
