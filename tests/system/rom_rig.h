// A small machine around the processor for running the built-in ROMs until
// the whole Emulator is used here: memory map, keyboard matrix, video,
// printer latch, no disk, and the text-input hook at the key wait.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "cpu/cpu_control.h"
#include "cpu/execute_step.h"
#include "resources/embedded_resources.h"

namespace quillor::test {

class RomRig {
 public:
  RomRig(std::string_view mainRom, std::string_view secondRom, bool upperMemory)
      : upperMemory_(upperMemory) {
    const auto main = FindEmbeddedResource(mainRom);
    const auto second = FindEmbeddedResource(secondRom);
    for (size_t i = 0; i < main.size(); ++i) memory_[i] = main[i];
    for (size_t i = 0; i < second.size(); ++i) memory_[0x3000 + i] = second[i];
    for (int a = 0x3C00; a < 0x4000; ++a) memory_[a] = 0x20;
    ResetCpu(cpu_);
  }

  uint8_t ReadMemory(uint16_t a, int t) {
    tstates_ += t;
    if (a >= 0x3780 && a < 0x3800) return a == 0x37E8 ? 0x30 : 0xFF;
    if (a >= 0x3800 && a < 0x3C00) {
      uint8_t v = 0;
      for (int r = 0; r < 8; ++r)
        if (a & (1 << r)) v |= keyboard[r];
      return v;
    }
    if (a >= 0x8000 && !upperMemory_) return 0xFF;
    return memory_[a];
  }
  void WriteMemory(uint16_t a, uint8_t v, int t) {
    tstates_ += t;
    if (a == 0x37E8) printed += static_cast<char>(v);
    if (a >= 0x3C00) memory_[a] = v;
  }
  uint8_t ReadPort(uint16_t) { return 0x00; }
  void WritePort(uint16_t, uint8_t) {}
  int& StepTStates() { return tstates_; }

  // Run about `tstates` T-states, feeding `typed` through the key wait.
  void Run(long tstates) {
    for (long done = 0; done < tstates; done += tstates_) {
      if (cpu_.PC == 0x0049 && !typed.empty()) {
        const uint8_t ch = static_cast<uint8_t>(typed.front());
        typed.pop_front();
        cpu_.A = (ch == 0x0A || ch >= 0x80) ? 0 : ch;
        cpu_.PC = 0x004C;
      }
      ExecuteStep(cpu_, *this);
    }
  }
  void Type(std::string_view text) { typed.insert(typed.end(), text.begin(), text.end()); }
  void TypeAndRun(std::string_view text, long tstates = 40'000'000) {
    Type(text);
    Run(tstates);
  }

  std::string Screen() const {
    std::string s;
    for (int row = 0; row < 16; ++row) {
      std::string line(reinterpret_cast<const char*>(&memory_[0x3C00 + row * 64]), 64);
      line.erase(line.find_last_not_of(' ') + 1);
      s += line + '\n';
    }
    return s;
  }
  uint16_t Word(uint16_t a) const { return memory_[a] | (memory_[a + 1] << 8); }

  std::array<uint8_t, 65536> memory_{};
  std::array<uint8_t, 8> keyboard{};
  std::deque<char> typed;
  std::string printed;
  CpuState cpu_{};

 private:
  bool upperMemory_;
  int tstates_ = 0;
};

}  // namespace quillor::test
