// The processor's bus cycles and register operands, shared by the three
// instruction sets. Every memory access passes its machine-cycle length to the
// bus, which adds it to the step's T-states.
#pragma once

#include <cstdint>

#include "cpu/cpu_state.h"
#include "cpu/z80_bus.h"

namespace quillor::z80 {

// Bits 0-6 of R count opcode fetches; bit 7 is only ever written by LD R,A.
[[gnu::always_inline]] inline void AdvanceR(CpuState& cpu) {
  cpu.R = static_cast<uint8_t>((cpu.R & 0x80) | ((cpu.R + 1) & 0x7F));
}

template <Z80Bus Bus>
[[gnu::always_inline]] inline uint8_t FetchByte(CpuState& cpu, Bus& bus, int tstates) {
  return bus.ReadMemory(cpu.PC++, tstates);
}

template <Z80Bus Bus>
[[gnu::always_inline]] inline uint16_t FetchWord(CpuState& cpu, Bus& bus) {
  const uint8_t low = FetchByte(cpu, bus, 3);
  return static_cast<uint16_t>(FetchByte(cpu, bus, 3) << 8 | low);
}

template <Z80Bus Bus>
[[gnu::always_inline]] inline uint16_t ReadWord(Bus& bus, uint16_t address) {
  const uint8_t low = bus.ReadMemory(address, 3);
  return static_cast<uint16_t>(bus.ReadMemory(static_cast<uint16_t>(address + 1), 3) << 8 | low);
}

template <Z80Bus Bus>
[[gnu::always_inline]] inline void WriteWord(Bus& bus, uint16_t address, uint16_t value) {
  bus.WriteMemory(address, static_cast<uint8_t>(value), 3);
  bus.WriteMemory(static_cast<uint16_t>(address + 1), static_cast<uint8_t>(value >> 8), 3);
}

template <Z80Bus Bus>
[[gnu::always_inline]] inline void PushWord(CpuState& cpu, Bus& bus, uint16_t value) {
  bus.WriteMemory(--cpu.SP, static_cast<uint8_t>(value >> 8), 3);
  bus.WriteMemory(--cpu.SP, static_cast<uint8_t>(value), 3);
}

template <Z80Bus Bus>
[[gnu::always_inline]] inline uint16_t PopWord(CpuState& cpu, Bus& bus) {
  const uint8_t low = bus.ReadMemory(cpu.SP++, 3);
  return static_cast<uint16_t>(bus.ReadMemory(cpu.SP++, 3) << 8 | low);
}

// Takes the displacement byte just fetched.
template <Z80Bus Bus>
[[gnu::always_inline]] inline void RelativeJump(CpuState& cpu, Bus& bus, uint8_t displacement) {
  cpu.PC = static_cast<uint16_t>(cpu.PC + static_cast<int8_t>(displacement));
  bus.StepTStates() += 5;
}

// The HL slot: HL, IX or IY as the prefixes of this step chose.
[[gnu::always_inline]] inline uint16_t& HlSlot(CpuState& cpu) { return cpu.IndexRegs[cpu.IndexSelect]; }

// The memory operand (HL), (IX+d) or (IY+d). With an index prefix the
// displacement byte follows the opcode; without one nothing is fetched.
template <Z80Bus Bus>
[[gnu::always_inline]] inline uint16_t FetchMemoryOperand(CpuState& cpu, Bus& bus) {
  if (cpu.IndexSelect == kSelectHL) {
    cpu.Displacement = 0;
    return cpu.IndexRegs[kSelectHL];
  }
  cpu.Displacement = static_cast<int8_t>(FetchByte(cpu, bus, 8));
  return static_cast<uint16_t>(HlSlot(cpu) + cpu.Displacement);
}

// Register operand by its 3-bit code (0 B, 1 C, 2 D, 3 E, 4 H, 5 L, 7 A).
// With kIndexHalves, codes 4 and 5 are the high and low byte of the HL slot
// (IXH, IXL, IYH, IYL after a prefix); otherwise H and L themselves.
template <int kCode, bool kIndexHalves>
[[gnu::always_inline]] inline uint8_t GetRegister(const CpuState& cpu) {
  static_assert(kCode != 6, "code 6 is the memory operand");
  const uint16_t word = cpu.IndexRegs[kIndexHalves ? cpu.IndexSelect : kSelectHL];
  if constexpr (kCode == 0) return cpu.B;
  else if constexpr (kCode == 1) return cpu.C;
  else if constexpr (kCode == 2) return cpu.D;
  else if constexpr (kCode == 3) return cpu.E;
  else if constexpr (kCode == 4) return static_cast<uint8_t>(word >> 8);
  else if constexpr (kCode == 5) return static_cast<uint8_t>(word);
  else return cpu.A;
}

template <int kCode, bool kIndexHalves>
[[gnu::always_inline]] inline void SetRegister(CpuState& cpu, uint8_t v) {
  static_assert(kCode != 6, "code 6 is the memory operand");
  uint16_t& word = cpu.IndexRegs[kIndexHalves ? cpu.IndexSelect : kSelectHL];
  if constexpr (kCode == 0) cpu.B = v;
  else if constexpr (kCode == 1) cpu.C = v;
  else if constexpr (kCode == 2) cpu.D = v;
  else if constexpr (kCode == 3) cpu.E = v;
  else if constexpr (kCode == 4) word = static_cast<uint16_t>((word & 0x00FF) | v << 8);
  else if constexpr (kCode == 5) word = static_cast<uint16_t>((word & 0xFF00) | v);
  else cpu.A = v;
}

// Run-time register codes for the sets that decode them at run time (CB and
// ED); codes 4 and 5 are always H and L there.
inline uint8_t GetRegister(const CpuState& cpu, int code) {
  switch (code) {
    case 0: return cpu.B;
    case 1: return cpu.C;
    case 2: return cpu.D;
    case 3: return cpu.E;
    case 4: return cpu.H();
    case 5: return cpu.L();
    default: return cpu.A;
  }
}

inline void SetRegister(CpuState& cpu, int code, uint8_t v) {
  switch (code) {
    case 0: cpu.B = v; break;
    case 1: cpu.C = v; break;
    case 2: cpu.D = v; break;
    case 3: cpu.E = v; break;
    case 4: SetRegister<4, false>(cpu, v); break;
    case 5: SetRegister<5, false>(cpu, v); break;
    default: cpu.A = v; break;
  }
}

// Register pairs by the 2-bit code p: BC, DE, HL slot, SP.
template <int kPair>
[[gnu::always_inline]] inline uint16_t GetPair(CpuState& cpu) {
  if constexpr (kPair == 0) return cpu.BC();
  else if constexpr (kPair == 1) return cpu.DE();
  else if constexpr (kPair == 2) return HlSlot(cpu);
  else return cpu.SP;
}

template <int kPair>
[[gnu::always_inline]] inline void SetPair(CpuState& cpu, uint16_t v) {
  if constexpr (kPair == 0) cpu.SetBC(v);
  else if constexpr (kPair == 1) cpu.SetDE(v);
  else if constexpr (kPair == 2) HlSlot(cpu) = v;
  else cpu.SP = v;
}

// Condition codes by the 3-bit code: NZ Z NC C PO PE P M.
template <int kCondition>
[[gnu::always_inline]] inline bool ConditionHolds(const CpuState& cpu) {
  constexpr uint8_t kBits[4] = {kFlagZ, kFlagC, kFlagPV, kFlagS};
  constexpr uint8_t kFlag = kBits[kCondition >> 1];
  const bool set = (cpu.F & kFlag) != 0;
  return (kCondition & 1) ? set : !set;
}

}  // namespace quillor::z80
