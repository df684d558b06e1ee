// Just enough of CP/M to run a .com program on the flat bus: the program at
// 0x0100, BDOS functions 2 (print E) and 9 (print the '$'-terminated string
// at DE) at 0x0005, and the end of the run at a jump to 0x0000. Header-only.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "cpu/cpu_state.h"
#include "cpu/execute_step.h"
#include "fakes/flat_bus.h"

namespace quillor {

class CpmMachine {
 public:
  static constexpr uint16_t kBdosEntry = 0x0005;
  static constexpr uint16_t kProgramStart = 0x0100;

  // Loads a .com file; false when it cannot be read or does not fit.
  bool LoadProgram(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.empty() || bytes.size() > 0xFE00 - kProgramStart) return false;
    for (size_t i = 0; i < bytes.size(); ++i) bus.memory[kProgramStart + i] = static_cast<uint8_t>(bytes[i]);
    bus.memory[0x0000] = 0x76;      // HALT, never executed: the run ends there
    bus.memory[kBdosEntry] = 0xC9;  // RET after the call has been served
    bus.memory[0x0006] = 0x00;      // the BDOS top of memory the program reads
    bus.memory[0x0007] = 0xFE;
    cpu.PC = kProgramStart;
    cpu.SP = 0xFE00;
    return true;
  }

  // Runs until the program jumps to 0x0000 or `budget` T-states have passed.
  // Returns true when the program ended.
  bool Run(uint64_t budget = UINT64_MAX) {
    while (tstates < budget) {
      ExecuteStep(cpu, bus);
      tstates += static_cast<uint64_t>(bus.StepTStates());
      if (cpu.PC <= kBdosEntry) [[unlikely]] {
        if (cpu.PC == 0x0000) return true;
        if (cpu.PC == kBdosEntry) ServeBdos();
      }
    }
    return false;
  }

  CpuState cpu;
  FlatBus bus;
  std::string output;
  uint64_t tstates = 0;

 private:
  void ServeBdos() {
    if (cpu.C == 2) {
      output += static_cast<char>(cpu.E);
    } else if (cpu.C == 9) {
      for (uint16_t a = cpu.DE(); bus.memory[a] != '$' && output.size() < kMaxOutput; ++a) {
        output += static_cast<char>(bus.memory[a]);
      }
    }
  }

  static constexpr size_t kMaxOutput = 1 << 20;
};

}  // namespace quillor
