// A plain 64 KB of RAM and 64 K ports, as a processor bus for tests, the
// instruction exerciser and benchmarks. Header-only.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace quillor {

class FlatBus {
 public:
  uint8_t ReadMemory(uint16_t address, int tstates) {
    stepTStates_ += tstates;
    return memory[address];
  }
  void WriteMemory(uint16_t address, uint8_t value, int tstates) {
    stepTStates_ += tstates;
    memory[address] = value;
  }
  // Ports answer from portValues; reads and writes are recorded in order.
  uint8_t ReadPort(uint16_t port) {
    portReads.push_back(port);
    return portValues[port];
  }
  void WritePort(uint16_t port, uint8_t value) { portWrites.emplace_back(port, value); }
  int& StepTStates() { return stepTStates_; }

  // Copies bytes into memory from `address` on.
  void Load(uint16_t address, std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes) memory[address++] = b;
  }

  std::array<uint8_t, 65536> memory{};
  std::array<uint8_t, 65536> portValues{};
  std::vector<uint16_t> portReads;
  std::vector<std::pair<uint16_t, uint8_t>> portWrites;

 private:
  int stepTStates_ = 0;
};

}  // namespace quillor
