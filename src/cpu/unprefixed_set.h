// The unprefixed instruction set, which also serves DD and FD: the HL slot,
// its halves and the memory operand follow IndexSelect.
//
// Each opcode is decoded from its fields x (bits 7-6), y (5-3), z (2-0),
// p (5-4) and q (3) at compile time; the dispatch switch over all 256 opcodes
// becomes one jump table into fully specialised handlers.
#pragma once

#include <cstdint>

#include "cpu/alu.h"
#include "cpu/cb_set.h"
#include "cpu/cpu_access.h"
#include "cpu/cpu_state.h"
#include "cpu/ed_set.h"
#include "cpu/z80_bus.h"

namespace quillor::z80 {

// Byte operand by register code; code 6 is the memory operand.
template <int kCode, Z80Bus Bus>
[[gnu::always_inline]] inline uint8_t ReadOperand(CpuState& cpu, Bus& bus) {
  if constexpr (kCode == 6) return bus.ReadMemory(FetchMemoryOperand(cpu, bus), 3);
  else return GetRegister<kCode, true>(cpu);
}

// LD r,r' (x = 1). Beside the memory operand, codes 4 and 5 are H and L.
template <int kY, int kZ, Z80Bus Bus>
[[gnu::always_inline]] inline void LoadRegister(CpuState& cpu, Bus& bus) {
  if constexpr (kY == 6) {
    const uint16_t address = FetchMemoryOperand(cpu, bus);
    bus.WriteMemory(address, GetRegister<kZ, false>(cpu), 3);
  } else if constexpr (kZ == 6) {
    SetRegister<kY, false>(cpu, bus.ReadMemory(FetchMemoryOperand(cpu, bus), 3));
  } else {
    SetRegister<kY, true>(cpu, GetRegister<kZ, true>(cpu));
  }
}

// INC r, DEC r, INC (HL), DEC (HL).
template <int kY, bool kIncrement, Z80Bus Bus>
[[gnu::always_inline]] inline void IncrementDecrement(CpuState& cpu, Bus& bus) {
  auto step = [&cpu](uint8_t v) { return kIncrement ? Increment8(cpu, v) : Decrement8(cpu, v); };
  if constexpr (kY == 6) {
    const uint16_t address = FetchMemoryOperand(cpu, bus);
    bus.WriteMemory(address, step(bus.ReadMemory(address, 4)), 3);
  } else {
    SetRegister<kY, true>(cpu, step(GetRegister<kY, true>(cpu)));
  }
}

// LD r,n and LD (HL),n. After a prefix the displacement comes before n.
// LD H,n and LD L,n after DD or FD load IXH/IXL or IYH/IYL, as on the chip.
template <int kY, Z80Bus Bus>
[[gnu::always_inline]] inline void LoadImmediate(CpuState& cpu, Bus& bus) {
  if constexpr (kY == 6) {
    const uint16_t address = FetchMemoryOperand(cpu, bus);
    bus.WriteMemory(address, FetchByte(cpu, bus, 3), 3);
  } else {
    SetRegister<kY, true>(cpu, FetchByte(cpu, bus, 3));
  }
}

// x = 0, z = 2: the indirect loads through BC, DE and nn.
template <int kP, int kQ, Z80Bus Bus>
[[gnu::always_inline]] inline void LoadIndirect(CpuState& cpu, Bus& bus) {
  if constexpr (kP == 0 || kP == 1) {
    const uint16_t address = kP == 0 ? cpu.BC() : cpu.DE();
    if constexpr (kQ == 0) bus.WriteMemory(address, cpu.A, 3);
    else cpu.A = bus.ReadMemory(address, 3);
  } else {
    const uint16_t address = FetchWord(cpu, bus);
    if constexpr (kP == 2 && kQ == 0) WriteWord(bus, address, HlSlot(cpu));
    else if constexpr (kP == 2) HlSlot(cpu) = ReadWord(bus, address);
    else if constexpr (kQ == 0) bus.WriteMemory(address, cpu.A, 3);
    else cpu.A = bus.ReadMemory(address, 3);
  }
}

template <int kY, int kZ, int kP, int kQ, Z80Bus Bus>
[[gnu::always_inline]] inline void ExecuteQuarter0(CpuState& cpu, Bus& bus) {
  if constexpr (kZ == 0) {
    if constexpr (kY == 0) {
      // NOP
    } else if constexpr (kY == 1) {
      const uint16_t af = cpu.AF();
      cpu.SetAF(cpu.AltAF);
      cpu.AltAF = af;
    } else if constexpr (kY == 2) {
      const uint8_t e = FetchByte(cpu, bus, 4);
      if (--cpu.B != 0) RelativeJump(cpu, bus, e);
    } else if constexpr (kY == 3) {
      RelativeJump(cpu, bus, FetchByte(cpu, bus, 3));
    } else {
      const uint8_t e = FetchByte(cpu, bus, 3);
      if (ConditionHolds<kY - 4>(cpu)) RelativeJump(cpu, bus, e);
    }
  } else if constexpr (kZ == 1) {
    if constexpr (kQ == 0) SetPair<kP>(cpu, FetchWord(cpu, bus));
    else HlSlot(cpu) = Add16(cpu, HlSlot(cpu), GetPair<kP>(cpu));
  } else if constexpr (kZ == 2) {
    LoadIndirect<kP, kQ>(cpu, bus);
  } else if constexpr (kZ == 3) {
    SetPair<kP>(cpu, static_cast<uint16_t>(GetPair<kP>(cpu) + (kQ == 0 ? 1 : -1)));
    bus.StepTStates() += 2;
  } else if constexpr (kZ == 4) {
    IncrementDecrement<kY, true>(cpu, bus);
  } else if constexpr (kZ == 5) {
    IncrementDecrement<kY, false>(cpu, bus);
  } else if constexpr (kZ == 6) {
    LoadImmediate<kY>(cpu, bus);
  } else {
    if constexpr (kY < 4) RotateAccumulator<kY>(cpu);
    else if constexpr (kY == 4) DecimalAdjust(cpu);
    else if constexpr (kY == 5) ComplementA(cpu);
    else if constexpr (kY == 6) SetCarry(cpu);
    else ComplementCarry(cpu);
  }
}

// PUSH and POP pairs: BC, DE, HL slot, AF.
template <int kP>
[[gnu::always_inline]] inline uint16_t GetStackPair(CpuState& cpu) {
  if constexpr (kP == 3) return cpu.AF();
  else return GetPair<kP>(cpu);
}

template <int kP>
[[gnu::always_inline]] inline void SetStackPair(CpuState& cpu, uint16_t v) {
  if constexpr (kP == 3) cpu.SetAF(v);
  else SetPair<kP>(cpu, v);
}

template <Z80Bus Bus>
[[gnu::always_inline]] inline void Call(CpuState& cpu, Bus& bus, uint16_t target) {
  bus.StepTStates() += 1;
  PushWord(cpu, bus, cpu.PC);
  cpu.PC = target;
}

template <int kY, int kZ, int kP, int kQ, Z80Bus Bus>
[[gnu::always_inline]] inline void ExecuteQuarter3(CpuState& cpu, Bus& bus) {
  if constexpr (kZ == 0) {
    bus.StepTStates() += 1;
    if (ConditionHolds<kY>(cpu)) cpu.PC = PopWord(cpu, bus);
  } else if constexpr (kZ == 1) {
    if constexpr (kQ == 0) {
      SetStackPair<kP>(cpu, PopWord(cpu, bus));
    } else if constexpr (kP == 0) {
      cpu.PC = PopWord(cpu, bus);
    } else if constexpr (kP == 1) {
      const uint16_t bc = cpu.BC(), de = cpu.DE(), hl = cpu.IndexRegs[kSelectHL];
      cpu.SetBC(cpu.AltBC);
      cpu.SetDE(cpu.AltDE);
      cpu.IndexRegs[kSelectHL] = cpu.AltHL;
      cpu.AltBC = bc;
      cpu.AltDE = de;
      cpu.AltHL = hl;
    } else if constexpr (kP == 2) {
      cpu.PC = HlSlot(cpu);
    } else {
      cpu.SP = HlSlot(cpu);
      bus.StepTStates() += 2;
    }
  } else if constexpr (kZ == 2) {
    const uint16_t target = FetchWord(cpu, bus);
    if (ConditionHolds<kY>(cpu)) cpu.PC = target;
  } else if constexpr (kZ == 3) {
    if constexpr (kY == 0) {
      cpu.PC = FetchWord(cpu, bus);
    } else if constexpr (kY == 1) {
      ExecuteCbSet(cpu, bus);
    } else if constexpr (kY == 2) {
      bus.WritePort(FetchByte(cpu, bus, 7), cpu.A);
    } else if constexpr (kY == 3) {
      cpu.A = bus.ReadPort(FetchByte(cpu, bus, 7));
    } else if constexpr (kY == 4) {
      const uint16_t top = PopWord(cpu, bus);
      PushWord(cpu, bus, HlSlot(cpu));
      HlSlot(cpu) = top;
    } else if constexpr (kY == 5) {
      const uint16_t de = cpu.DE();
      cpu.SetDE(cpu.IndexRegs[kSelectHL]);
      cpu.IndexRegs[kSelectHL] = de;
    } else if constexpr (kY == 6) {
      cpu.IFF1 = cpu.IFF2 = false;
    } else {
      cpu.IFF1 = cpu.IFF2 = true;
    }
  } else if constexpr (kZ == 4) {
    const uint16_t target = FetchWord(cpu, bus);
    if (ConditionHolds<kY>(cpu)) Call(cpu, bus, target);
  } else if constexpr (kZ == 5) {
    if constexpr (kQ == 0) {
      bus.StepTStates() += 1;
      PushWord(cpu, bus, GetStackPair<kP>(cpu));
    } else if constexpr (kP == 0) {
      Call(cpu, bus, FetchWord(cpu, bus));
    } else if constexpr (kP == 2) {
      ExecuteEdSet(cpu, bus);
    }
    // DD and FD (p = 1, 3) never arrive here: the step loop consumes them.
  } else if constexpr (kZ == 6) {
    Arithmetic<kY>(cpu, FetchByte(cpu, bus, 3));
  } else {
    PushWord(cpu, bus, cpu.PC);
    cpu.PC = kY * 8;
  }
}

template <uint8_t kOpcode, Z80Bus Bus>
[[gnu::always_inline]] inline void ExecuteUnprefixedOpcode(CpuState& cpu, Bus& bus) {
  constexpr int kX = kOpcode >> 6;
  constexpr int kY = (kOpcode >> 3) & 7;
  constexpr int kZ = kOpcode & 7;
  constexpr int kP = kY >> 1;
  constexpr int kQ = kY & 1;
  if constexpr (kX == 0) {
    ExecuteQuarter0<kY, kZ, kP, kQ>(cpu, bus);
  } else if constexpr (kX == 1) {
    if constexpr (kY == 6 && kZ == 6) cpu.Halted = true;
    else LoadRegister<kY, kZ>(cpu, bus);
  } else if constexpr (kX == 2) {
    Arithmetic<kY>(cpu, ReadOperand<kZ>(cpu, bus));
  } else {
    ExecuteQuarter3<kY, kZ, kP, kQ>(cpu, bus);
  }
}
// clang-format off

#define QUILLOR_Z80_CASE(n) \
  case n: ExecuteUnprefixedOpcode<n>(cpu, bus); break;
#define QUILLOR_Z80_CASES16(h)                                                                  \
  QUILLOR_Z80_CASE(h + 0x0) QUILLOR_Z80_CASE(h + 0x1) QUILLOR_Z80_CASE(h + 0x2)                  \
  QUILLOR_Z80_CASE(h + 0x3) QUILLOR_Z80_CASE(h + 0x4) QUILLOR_Z80_CASE(h + 0x5)                  \
  QUILLOR_Z80_CASE(h + 0x6) QUILLOR_Z80_CASE(h + 0x7) QUILLOR_Z80_CASE(h + 0x8)                  \
  QUILLOR_Z80_CASE(h + 0x9) QUILLOR_Z80_CASE(h + 0xA) QUILLOR_Z80_CASE(h + 0xB)                  \
  QUILLOR_Z80_CASE(h + 0xC) QUILLOR_Z80_CASE(h + 0xD) QUILLOR_Z80_CASE(h + 0xE)                  \
  QUILLOR_Z80_CASE(h + 0xF)

template <Z80Bus Bus>
[[gnu::always_inline]] inline void ExecuteUnprefixed(CpuState& cpu, Bus& bus, uint8_t opcode) {
  switch (opcode) {
    QUILLOR_Z80_CASES16(0x00) QUILLOR_Z80_CASES16(0x10) QUILLOR_Z80_CASES16(0x20)
    QUILLOR_Z80_CASES16(0x30) QUILLOR_Z80_CASES16(0x40) QUILLOR_Z80_CASES16(0x50)
    QUILLOR_Z80_CASES16(0x60) QUILLOR_Z80_CASES16(0x70) QUILLOR_Z80_CASES16(0x80)
    QUILLOR_Z80_CASES16(0x90) QUILLOR_Z80_CASES16(0xA0) QUILLOR_Z80_CASES16(0xB0)
    QUILLOR_Z80_CASES16(0xC0) QUILLOR_Z80_CASES16(0xD0) QUILLOR_Z80_CASES16(0xE0)
    QUILLOR_Z80_CASES16(0xF0)
  }
}

#undef QUILLOR_Z80_CASES16
#undef QUILLOR_Z80_CASE
// clang-format on

}  // namespace quillor::z80
