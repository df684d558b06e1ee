// Arithmetic, logic, rotates and their flags.
//
// Every flag is computed from the operands and the result, one line per flag,
// in the order of F from bit 7 down. Bits 5 and 3 are the undocumented copy
// bits; where they come from is stated per operation.
#pragma once

#include <cstdint>

#include "cpu/cpu_state.h"

namespace quillor::z80 {

inline constexpr uint8_t kFlags53 = kFlag5 | kFlag3;
inline constexpr uint8_t kFlagsSZP = kFlagS | kFlagZ | kFlagPV;

[[gnu::always_inline]] inline uint8_t ZeroFlag(unsigned value) { return value == 0 ? kFlagZ : 0; }

// Even parity sets P/V.
[[gnu::always_inline]] inline uint8_t ParityFlag(uint8_t value) {
  return __builtin_parity(value) ? 0 : kFlagPV;
}

// S, Z, bits 5 and 3 and parity of a byte: the common outcome of the logic
// operations, shifts, IN r,(C), RRD and RLD.
[[gnu::always_inline]] inline uint8_t SzpFlags(uint8_t value) {
  uint8_t f = value & kFlagS;
  f |= ZeroFlag(value);
  f |= value & kFlags53;
  f |= ParityFlag(value);
  return f;
}

// A + v + carry, flags by the add rule.
[[gnu::always_inline]] inline void Add8(CpuState& cpu, uint8_t v, unsigned carry) {
  const unsigned a = cpu.A;
  const unsigned sum = a + v + carry;
  const uint8_t r = static_cast<uint8_t>(sum);
  uint8_t f = r & kFlagS;
  f |= ZeroFlag(r);
  f |= r & kFlags53;
  f |= (a ^ v ^ r) & kFlagH;
  f |= ((a ^ r) & (v ^ r) & 0x80) >> 5;  // overflow: both operands differ in sign from r
  f |= sum >> 8;                         // carry out of bit 7
  cpu.A = r;
  cpu.F = f;
}

// Flags of a - v - carry by the subtract rule, bits 5 and 3 from `copy`;
// returns the difference.
[[gnu::always_inline]] inline uint8_t Subtract8(CpuState& cpu, uint8_t a, uint8_t v, unsigned carry,
                                                uint8_t copy) {
  const unsigned difference = a - v - carry;
  const uint8_t r = static_cast<uint8_t>(difference);
  uint8_t f = r & kFlagS;
  f |= ZeroFlag(r);
  f |= copy & kFlags53;
  f |= (a ^ v ^ r) & kFlagH;
  f |= ((a ^ v) & (a ^ r) & 0x80) >> 5;  // overflow: operands differ in sign, r took v's
  f |= kFlagN;
  f |= (difference >> 8) & kFlagC;  // borrow
  cpu.F = f;
  return r;
}

[[gnu::always_inline]] inline void AddA(CpuState& cpu, uint8_t v) { Add8(cpu, v, 0); }
[[gnu::always_inline]] inline void AdcA(CpuState& cpu, uint8_t v) { Add8(cpu, v, cpu.F & kFlagC); }

[[gnu::always_inline]] inline void SubA(CpuState& cpu, uint8_t v) {
  const uint8_t r = static_cast<uint8_t>(cpu.A - v);
  cpu.A = Subtract8(cpu, cpu.A, v, 0, r);
}

[[gnu::always_inline]] inline void SbcA(CpuState& cpu, uint8_t v) {
  const unsigned carry = cpu.F & kFlagC;
  const uint8_t r = static_cast<uint8_t>(cpu.A - v - carry);
  cpu.A = Subtract8(cpu, cpu.A, v, carry, r);
}

// The comparison copies bits 5 and 3 from A, not from the operand.
[[gnu::always_inline]] inline void CpA(CpuState& cpu, uint8_t v) { Subtract8(cpu, cpu.A, v, 0, cpu.A); }

[[gnu::always_inline]] inline void AndA(CpuState& cpu, uint8_t v) {
  cpu.A &= v;
  cpu.F = SzpFlags(cpu.A) | kFlagH;
}

[[gnu::always_inline]] inline void XorA(CpuState& cpu, uint8_t v) {
  cpu.A ^= v;
  cpu.F = SzpFlags(cpu.A);
}

[[gnu::always_inline]] inline void OrA(CpuState& cpu, uint8_t v) {
  cpu.A |= v;
  cpu.F = SzpFlags(cpu.A);
}

// The eight operations of the arithmetic group in opcode order (bits 5-3).
template <int kOperation>
[[gnu::always_inline]] inline void Arithmetic(CpuState& cpu, uint8_t v) {
  if constexpr (kOperation == 0) AddA(cpu, v);
  else if constexpr (kOperation == 1) AdcA(cpu, v);
  else if constexpr (kOperation == 2) SubA(cpu, v);
  else if constexpr (kOperation == 3) SbcA(cpu, v);
  else if constexpr (kOperation == 4) AndA(cpu, v);
  else if constexpr (kOperation == 5) XorA(cpu, v);
  else if constexpr (kOperation == 6) OrA(cpu, v);
  else CpA(cpu, v);
}

// INC and DEC of a byte: add and subtract rules, C kept.
[[gnu::always_inline]] inline uint8_t Increment8(CpuState& cpu, uint8_t v) {
  const uint8_t r = static_cast<uint8_t>(v + 1);
  uint8_t f = r & kFlagS;
  f |= ZeroFlag(r);
  f |= r & kFlags53;
  f |= (r & 0x0F) == 0 ? kFlagH : 0;
  f |= r == 0x80 ? kFlagPV : 0;
  f |= cpu.F & kFlagC;
  cpu.F = f;
  return r;
}

[[gnu::always_inline]] inline uint8_t Decrement8(CpuState& cpu, uint8_t v) {
  const uint8_t r = static_cast<uint8_t>(v - 1);
  uint8_t f = r & kFlagS;
  f |= ZeroFlag(r);
  f |= r & kFlags53;
  f |= (v & 0x0F) == 0 ? kFlagH : 0;
  f |= v == 0x80 ? kFlagPV : 0;
  f |= kFlagN;
  f |= cpu.F & kFlagC;
  cpu.F = f;
  return r;
}

// ADD HL,rr and its index forms: S, Z and P/V kept.
[[gnu::always_inline]] inline uint16_t Add16(CpuState& cpu, uint16_t a, uint16_t v) {
  const unsigned sum = a + v;
  uint8_t f = cpu.F & kFlagsSZP;
  f |= (sum >> 8) & kFlags53;  // bits 13 and 11 of the result
  f |= ((a ^ v ^ sum) >> 8) & kFlagH;
  f |= sum >> 16;
  cpu.F = f;
  return static_cast<uint16_t>(sum);
}

[[gnu::always_inline]] inline uint16_t AddWithCarry16(CpuState& cpu, uint16_t a, uint16_t v) {
  const unsigned sum = a + v + (cpu.F & kFlagC);
  const uint16_t r = static_cast<uint16_t>(sum);
  uint8_t f = (r >> 8) & kFlagS;
  f |= ZeroFlag(r);
  f |= (r >> 8) & kFlags53;
  f |= ((a ^ v ^ r) >> 8) & kFlagH;
  f |= ((a ^ r) & (v ^ r) & 0x8000) >> 13;
  f |= sum >> 16;
  cpu.F = f;
  return r;
}

[[gnu::always_inline]] inline uint16_t SubtractWithCarry16(CpuState& cpu, uint16_t a, uint16_t v) {
  const unsigned difference = a - v - (cpu.F & kFlagC);
  const uint16_t r = static_cast<uint16_t>(difference);
  uint8_t f = (r >> 8) & kFlagS;
  f |= ZeroFlag(r);
  f |= (r >> 8) & kFlags53;
  f |= ((a ^ v ^ r) >> 8) & kFlagH;
  f |= ((a ^ v) & (a ^ r) & 0x8000) >> 13;
  f |= kFlagN;
  f |= (difference >> 16) & kFlagC;
  cpu.F = f;
  return r;
}

// RLCA, RRCA, RLA, RRA (bits 5-3 of the opcode): S, Z and P/V kept.
template <int kKind>
[[gnu::always_inline]] inline void RotateAccumulator(CpuState& cpu) {
  const uint8_t a = cpu.A;
  uint8_t r;
  uint8_t out;
  if constexpr (kKind == 0) {
    out = a >> 7;
    r = static_cast<uint8_t>(a << 1 | out);
  } else if constexpr (kKind == 1) {
    out = a & 1;
    r = static_cast<uint8_t>(a >> 1 | out << 7);
  } else if constexpr (kKind == 2) {
    out = a >> 7;
    r = static_cast<uint8_t>(a << 1 | (cpu.F & kFlagC));
  } else {
    out = a & 1;
    r = static_cast<uint8_t>(a >> 1 | (cpu.F & kFlagC) << 7);
  }
  uint8_t f = cpu.F & kFlagsSZP;
  f |= r & kFlags53;
  f |= out;
  cpu.A = r;
  cpu.F = f;
}

// The CB rotates and shifts in opcode order: RLC RRC RL RR SLA SRA SLL SRL.
inline uint8_t RotateShift(CpuState& cpu, int kind, uint8_t v) {
  const uint8_t carryIn = cpu.F & kFlagC;
  uint8_t r = 0;
  uint8_t out = 0;
  switch (kind) {
    case 0:
      out = v >> 7;
      r = static_cast<uint8_t>(v << 1 | out);
      break;
    case 1:
      out = v & 1;
      r = static_cast<uint8_t>(v >> 1 | out << 7);
      break;
    case 2:
      out = v >> 7;
      r = static_cast<uint8_t>(v << 1 | carryIn);
      break;
    case 3:
      out = v & 1;
      r = static_cast<uint8_t>(v >> 1 | carryIn << 7);
      break;
    case 4:
      out = v >> 7;
      r = static_cast<uint8_t>(v << 1);
      break;
    case 5:
      out = v & 1;
      r = static_cast<uint8_t>(v >> 1 | (v & 0x80));
      break;
    case 6:
      out = v >> 7;
      r = static_cast<uint8_t>(v << 1 | 1);
      break;
    default:
      out = v & 1;
      r = static_cast<uint8_t>(v >> 1);
      break;
  }
  cpu.F = SzpFlags(r) | out;
  return r;
}

// BIT n: bits 5 and 3 (and S) come from the tested bit alone.
[[gnu::always_inline]] inline void TestBit(CpuState& cpu, int bit, uint8_t v) {
  const uint8_t m = v & (1u << bit);
  uint8_t f = m & kFlagS;
  f |= ZeroFlag(m);
  f |= m & kFlags53;
  f |= kFlagH;
  f |= m == 0 ? kFlagPV : 0;
  f |= cpu.F & kFlagC;
  cpu.F = f;
}

// DAA. The correction is the documented one; H and C follow the real
// processor for both directions. Bits 5 and 3 are cleared.
[[gnu::always_inline]] inline void DecimalAdjust(CpuState& cpu) {
  const uint8_t a = cpu.A;
  const bool subtract = cpu.F & kFlagN;
  const bool lowAdjust = (a & 0x0F) > 9 || (cpu.F & kFlagH);
  const bool highAdjust = a > 0x99 || (cpu.F & kFlagC);
  const uint8_t correction = (lowAdjust ? 0x06 : 0) | (highAdjust ? 0x60 : 0);
  const uint8_t r = static_cast<uint8_t>(subtract ? a - correction : a + correction);
  const bool halfCarry = subtract ? (cpu.F & kFlagH) && (a & 0x0F) < 6 : (a & 0x0F) > 9;
  uint8_t f = r & kFlagS;
  f |= ZeroFlag(r);
  f |= halfCarry ? kFlagH : 0;
  f |= ParityFlag(r);
  f |= cpu.F & kFlagN;
  f |= highAdjust ? kFlagC : 0;
  cpu.A = r;
  cpu.F = f;
}

[[gnu::always_inline]] inline void ComplementA(CpuState& cpu) {
  cpu.A = static_cast<uint8_t>(~cpu.A);
  uint8_t f = cpu.F & (kFlagsSZP | kFlagC);
  f |= cpu.A & kFlags53;
  f |= kFlagH | kFlagN;
  cpu.F = f;
}

[[gnu::always_inline]] inline void SetCarry(CpuState& cpu) {
  uint8_t f = cpu.F & kFlagsSZP;
  f |= cpu.A & kFlags53;
  f |= kFlagC;
  cpu.F = f;
}

[[gnu::always_inline]] inline void ComplementCarry(CpuState& cpu) {
  const uint8_t oldCarry = cpu.F & kFlagC;
  uint8_t f = cpu.F & kFlagsSZP;
  f |= cpu.A & kFlags53;
  f |= oldCarry ? kFlagH : 0;
  f |= oldCarry ^ kFlagC;
  cpu.F = f;
}

}  // namespace quillor::z80
