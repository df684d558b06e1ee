// The side-effect-free read: what a byte of the address space holds, as the
// processor would read it, without charging T-states or touching a device
// (reading the disk controller's data register, for instance, must not take
// the byte away from the program). The disassembler and the debugger read
// memory only through this, so they depend on the processor's vocabulary and
// nothing of the machine around it.
#pragma once

#include <cstdint>

namespace quillor {

class MemoryPeek {
 public:
  virtual uint8_t PeekMemory(uint16_t address) const = 0;

 protected:
  ~MemoryPeek() = default;
};

}  // namespace quillor
