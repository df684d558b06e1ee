// A machine and a window for the debugger's model, recording what it did.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "debugger/debug_target.h"
#include "debugger/debugger_model.h"
#include "debugger/debugger_window.h"

namespace quillor {

class FakeDebugTarget : public DebugTarget {
 public:
  uint8_t PeekMemory(uint16_t address) const override { return memory[address]; }
  void PokeMemory(uint16_t address, uint8_t value) override { memory[address] = value; }
  CpuState& Cpu() override { return cpu; }
  DiskControllerView DiskController() const override { return fdc; }
  bool HungarianLayout() const override { return hungarian; }
  bool DebuggerStopped() const override { return stopped; }
  void SetDebuggerStopped(bool value) override { stopped = value; }
  void SetBreakRequest() override { breakRequest = true; }
  int Breakpoint(int entry) const override { return breakpoints[entry]; }
  void SetBreakpoint(int entry, int address) override { breakpoints[entry] = address; }
  void SetFocusCountdown(int ticks) override { focusCountdown = ticks; }

  void Load(uint16_t address, std::initializer_list<uint8_t> bytes) {
    for (const uint8_t b : bytes) memory[address++] = b;
  }

  std::array<uint8_t, 65536> memory{};
  CpuState cpu;
  DiskControllerView fdc;
  bool hungarian = false;
  bool stopped = false;
  bool breakRequest = false;
  std::array<int, kDebuggerBreakpoints> breakpoints{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  int focusCountdown = 0;
};

class FakeDebuggerWindow : public DebuggerWindow {
 public:
  void ShowDebugger() override { shown = true; }
  void HideDebugger() override { shown = false; }
  void SetDebuggerCaption(std::string_view text) override { caption = text; }
  void FocusDebugger() override { ++focusCount; }
  void PresentDebugger() override { ++presentCount; }

  bool shown = false;
  std::string caption;
  int focusCount = 0;
  int presentCount = 0;
};

}  // namespace quillor
