// One processor step: an interrupt acceptance, one halted tick, or one whole
// instruction with all its prefixes. The step's T-states are left in the
// bus's StepTStates().
#pragma once

#include <cstdint>

#include "cpu/cpu_access.h"
#include "cpu/cpu_state.h"
#include "cpu/unprefixed_set.h"
#include "cpu/z80_bus.h"

namespace quillor {

template <Z80Bus Bus>
[[gnu::always_inline]] inline void ExecuteStep(CpuState& cpu, Bus& bus) {
  int& tstates = bus.StepTStates();
  tstates = 0;

  // The machine's interrupt always restarts at 0x0038, whatever IM chose,
  // and is taken at the start of any step while IFF1 is set - also the
  // step right after EI.
  if (cpu.InterruptRequest && cpu.IFF1) [[unlikely]] {
    cpu.IFF1 = cpu.IFF2 = false;
    cpu.InterruptRequest = false;
    cpu.Halted = false;
    z80::PushWord(cpu, bus, cpu.PC);
    cpu.PC = 0x0038;
    return;
  }

  cpu.IndexSelect = kSelectHL;
  z80::AdvanceR(cpu);
  if (cpu.Halted) [[unlikely]] {
    tstates += 4;
    return;
  }
  uint8_t opcode = z80::FetchByte(cpu, bus, 4);
  // DD and FD (the only opcodes with opcode | 0x20 == 0xFD) choose IX or IY
  // and fetch the next opcode within the same step; the last one wins.
  while ((opcode | 0x20) == 0xFD) [[unlikely]] {
      cpu.IndexSelect = opcode == 0xDD ? kSelectIX : kSelectIY;
      z80::AdvanceR(cpu);
      opcode = z80::FetchByte(cpu, bus, 4);
    }
  z80::ExecuteUnprefixed(cpu, bus, opcode);
}

}  // namespace quillor
