// The processor side of reset and of the non-maskable interrupt. Both act
// between steps.
#pragma once

#include "cpu/cpu_access.h"
#include "cpu/cpu_state.h"
#include "cpu/z80_bus.h"

namespace quillor {

// I, R and InterruptRequest keep their values; with IFF1 clear no pending
// request is taken until the program executes EI.
inline void ResetCpu(CpuState& cpu) {
  cpu.A = cpu.F = 0xFF;
  cpu.B = cpu.C = cpu.D = cpu.E = 0xFF;
  cpu.IndexRegs = {0xFFFF, 0xFFFF, 0xFFFF};
  cpu.PC = 0x0000;
  cpu.SP = 0xFFFF;
  cpu.AltAF = cpu.AltBC = cpu.AltDE = cpu.AltHL = 0xFFFF;
  cpu.IFF1 = cpu.IFF2 = false;
  cpu.Halted = false;
  cpu.IndexSelect = kSelectHL;
  cpu.Displacement = 0;
}

// Pushes PC and continues at 0x0066 with IFF1 clear; IFF2 keeps the state
// from before, for RETN to restore. The pushes are charged to no step.
template <Z80Bus Bus>
void TriggerCpuNmi(CpuState& cpu, Bus& bus) {
  const int stepTStates = bus.StepTStates();
  z80::PushWord(cpu, bus, cpu.PC);
  bus.StepTStates() = stepTStates;
  cpu.IFF1 = false;
  cpu.Halted = false;
  cpu.PC = 0x0066;
}

}  // namespace quillor
