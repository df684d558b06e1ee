// The ED set: 16-bit arithmetic with carry, I/O through C, the interrupt
// returns, I and R, RRD/RLD and the block instructions. It always works on
// HL itself, whatever index prefix came before. Every byte without an
// instruction is an 8-T-state no-operation.
#pragma once

#include <cstdint>

#include "cpu/alu.h"
#include "cpu/cpu_access.h"
#include "cpu/cpu_state.h"
#include "cpu/z80_bus.h"

namespace quillor::z80 {

// BC, DE, HL, SP by the 2-bit code p.
inline uint16_t GetEdPair(const CpuState& cpu, int p) {
  switch (p) {
    case 0: return cpu.BC();
    case 1: return cpu.DE();
    case 2: return cpu.HL();
    default: return cpu.SP;
  }
}

inline void SetEdPair(CpuState& cpu, int p, uint16_t v) {
  switch (p) {
    case 0: cpu.SetBC(v); break;
    case 1: cpu.SetDE(v); break;
    case 2: cpu.SetHL(v); break;
    default: cpu.SP = v; break;
  }
}

// LD A,I and LD A,R: P/V shows IFF2.
inline void LoadAFromSpecial(CpuState& cpu, uint8_t v) {
  cpu.A = v;
  uint8_t f = v & kFlagS;
  f |= ZeroFlag(v);
  f |= v & kFlags53;
  f |= cpu.IFF2 ? kFlagPV : 0;
  f |= cpu.F & kFlagC;
  cpu.F = f;
}

// RRD (rightward) and RLD: rotate digits between A and (HL).
template <Z80Bus Bus>
inline void RotateDigits(CpuState& cpu, Bus& bus, bool leftward) {
  const uint16_t address = cpu.HL();
  const uint8_t m = bus.ReadMemory(address, 7);
  const uint8_t lowA = cpu.A & 0x0F;
  uint8_t written;
  if (leftward) {
    written = static_cast<uint8_t>(m << 4 | lowA);
    cpu.A = static_cast<uint8_t>((cpu.A & 0xF0) | m >> 4);
  } else {
    written = static_cast<uint8_t>(lowA << 4 | m >> 4);
    cpu.A = static_cast<uint8_t>((cpu.A & 0xF0) | (m & 0x0F));
  }
  bus.WriteMemory(address, written, 3);
  cpu.F = SzpFlags(cpu.A) | (cpu.F & kFlagC);
}

// ED 40-7F.
template <Z80Bus Bus>
inline void ExecuteEdMain(CpuState& cpu, Bus& bus, int y, int z) {
  const int p = y >> 1;
  const bool q = y & 1;
  switch (z) {
    case 0: {
      const uint8_t v = bus.ReadPort(cpu.BC());
      bus.StepTStates() += 4;
      if (y != 6) SetRegister(cpu, y, v);
      cpu.F = SzpFlags(v) | (cpu.F & kFlagC);
      break;
    }
    case 1:
      bus.StepTStates() += 4;
      bus.WritePort(cpu.BC(), y == 6 ? 0 : GetRegister(cpu, y));
      break;
    case 2:
      bus.StepTStates() += 7;
      cpu.SetHL(q ? AddWithCarry16(cpu, cpu.HL(), GetEdPair(cpu, p))
                  : SubtractWithCarry16(cpu, cpu.HL(), GetEdPair(cpu, p)));
      break;
    case 3: {
      const uint16_t address = FetchWord(cpu, bus);
      if (q) SetEdPair(cpu, p, ReadWord(bus, address));
      else WriteWord(bus, address, GetEdPair(cpu, p));
      break;
    }
    case 4: cpu.A = Subtract8(cpu, 0, cpu.A, 0, static_cast<uint8_t>(-cpu.A)); break;
    case 5:
      cpu.PC = PopWord(cpu, bus);
      cpu.IFF1 = cpu.IFF2;
      break;
    case 6:
      // IM 0/1/2: acceptance always restarts at 0x0038.
      break;
    default:
      switch (y) {
        case 0: cpu.I = cpu.A; break;
        case 1: cpu.R = cpu.A; break;
        case 2: LoadAFromSpecial(cpu, cpu.I); break;
        case 3: LoadAFromSpecial(cpu, cpu.R); break;
        case 4: RotateDigits(cpu, bus, false); break;
        case 5: RotateDigits(cpu, bus, true); break;
        default: break;
      }
      break;
  }
}

// LDI, CPI, INI, OUTI and their decrementing and repeating forms. y is 4-7:
// bit 0 chooses decrement, bit 1 repetition; z is the kind.
template <Z80Bus Bus>
inline void ExecuteBlock(CpuState& cpu, Bus& bus, int y, int z) {
  const uint16_t step = (y & 1) ? 0xFFFF : 0x0001;
  const bool repeating = y & 2;
  const uint16_t hl = cpu.HL();
  cpu.SetHL(static_cast<uint16_t>(hl + step));
  bool again;
  switch (z) {
    case 0: {
      const uint8_t v = bus.ReadMemory(hl, 5);
      bus.WriteMemory(cpu.DE(), v, 3);
      cpu.SetDE(static_cast<uint16_t>(cpu.DE() + step));
      cpu.SetBC(static_cast<uint16_t>(cpu.BC() - 1));
      uint8_t f = cpu.F & (kFlagS | kFlagZ | kFlagC);
      f |= (v << 4) & kFlag5;  // bit 1 of the byte moved
      f |= v & kFlag3;
      f |= cpu.BC() != 0 ? kFlagPV : 0;
      cpu.F = f;
      again = cpu.BC() != 0;
      break;
    }
    case 1: {
      const uint8_t v = bus.ReadMemory(hl, 3);
      bus.StepTStates() += 5;
      cpu.SetBC(static_cast<uint16_t>(cpu.BC() - 1));
      const uint8_t r = static_cast<uint8_t>(cpu.A - v);
      uint8_t f = r & kFlagS;
      f |= ZeroFlag(r);
      f |= (cpu.A ^ v ^ r) & kFlagH;
      f |= cpu.BC() != 0 ? kFlagPV : 0;
      f |= kFlagN;
      f |= cpu.F & kFlagC;
      cpu.F = f;
      again = r != 0 && cpu.BC() != 0;
      break;
    }
    case 2: {
      const uint8_t v = bus.ReadPort(cpu.C);
      bus.WriteMemory(hl, v, 7);
      --cpu.B;
      uint8_t f = cpu.B & kFlagS;
      f |= ZeroFlag(cpu.B);
      f |= cpu.B & kFlags53;
      f |= (v >> 6) & kFlagN;  // bit 7 of the byte read
      cpu.F = f;
      again = cpu.B != 0;
      break;
    }
    default: {
      const uint8_t v = bus.ReadMemory(hl, 7);
      bus.WritePort(cpu.C, v);
      --cpu.B;
      cpu.F = static_cast<uint8_t>((cpu.F & ~kFlagZ) | ZeroFlag(cpu.B) | kFlagN);
      again = cpu.B != 0;
      break;
    }
  }
  if (repeating && again) {
    bus.StepTStates() += 5;
    cpu.PC = static_cast<uint16_t>(cpu.PC - 2);
  }
}

// Entered after the ED byte.
template <Z80Bus Bus>
inline void ExecuteEdSet(CpuState& cpu, Bus& bus) {
  const uint8_t opcode = FetchByte(cpu, bus, 4);
  const int x = opcode >> 6;
  const int y = (opcode >> 3) & 7;
  const int z = opcode & 7;
  if (x == 1) ExecuteEdMain(cpu, bus, y, z);
  else if (x == 2 && y >= 4 && z <= 3) ExecuteBlock(cpu, bus, y, z);
}

}  // namespace quillor::z80
