// 64 KB of plain memory behind the debugger's side-effect-free peek.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "cpu/memory_peek.h"

namespace quillor {

class PeekMemoryFake : public MemoryPeek {
 public:
  uint8_t PeekMemory(uint16_t address) const override { return memory[address]; }
  void Load(uint16_t address, std::initializer_list<uint8_t> bytes) {
    for (const uint8_t b : bytes) memory[address++] = b;
  }
  std::array<uint8_t, 65536> memory{};
};

}  // namespace quillor
