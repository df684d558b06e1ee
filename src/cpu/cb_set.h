// The CB set: rotates and shifts, BIT, RES and SET; after DD or FD the
// indexed form DD CB d op / FD CB d op.
#pragma once

#include <cstdint>

#include "cpu/alu.h"
#include "cpu/cpu_access.h"
#include "cpu/cpu_state.h"
#include "cpu/z80_bus.h"

namespace quillor::z80 {

// Entered after the CB byte. With an index prefix the displacement comes
// before the operation byte, and the operand is always (IX+d) or (IY+d):
// the register named by the low bits is neither read nor written.
template <Z80Bus Bus>
inline void ExecuteCbSet(CpuState& cpu, Bus& bus) {
  const bool indexed = cpu.IndexSelect != kSelectHL;
  const uint16_t address = FetchMemoryOperand(cpu, bus);
  const uint8_t opcode = FetchByte(cpu, bus, 4);
  const int x = opcode >> 6;
  const int y = (opcode >> 3) & 7;
  const int z = opcode & 7;
  const bool inMemory = indexed || z == 6;

  const uint8_t v = inMemory ? bus.ReadMemory(address, 4) : GetRegister(cpu, z);
  uint8_t result;
  switch (x) {
    case 0: result = RotateShift(cpu, y, v); break;
    case 1: TestBit(cpu, y, v); return;
    case 2: result = static_cast<uint8_t>(v & ~(1u << y)); break;
    default: result = static_cast<uint8_t>(v | (1u << y)); break;
  }
  if (inMemory) bus.WriteMemory(address, result, 3);
  else SetRegister(cpu, z, result);
}

}  // namespace quillor::z80
