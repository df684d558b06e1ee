// What the processor needs from the machine around it.
//
// ExecuteStep is a template over the bus, so every access below is a direct,
// inlinable call: no virtual dispatch on the per-access path.
//
//   ReadMemory(address, tstates)  -> byte. Adds tstates to StepTStates().
//       The debugger and the disassembler never use it; they read through
//       the side-effect-free MemoryPeek (memory_peek.h).
//   WriteMemory(address, value, tstates). Adds tstates to StepTStates().
//   ReadPort(port) -> byte, WritePort(port, value): the whole 16-bit port
//       number the instruction puts on the bus; no T-state charge (the
//       processor charges I/O cycles itself).
//   StepTStates() -> int&: the T-states of the current step. ExecuteStep
//       sets it to 0 when a step starts and adds explicit charges to it.
#pragma once

#include <concepts>
#include <cstdint>

namespace quillor {

template <typename Bus>
concept Z80Bus = requires(Bus& bus, uint16_t address, uint8_t value, int tstates) {
  { bus.ReadMemory(address, tstates) } -> std::same_as<uint8_t>;
  {bus.WriteMemory(address, value, tstates)};
  { bus.ReadPort(address) } -> std::same_as<uint8_t>;
  {bus.WritePort(address, value)};
  { bus.StepTStates() } -> std::same_as<int&>;
};

}  // namespace quillor
