// The emulator as the debugger sees it: memory through the peek, edits
// without T-states, the processor, the disk controller's registers and the
// scheduler's stop, step and breakpoint switches.
#pragma once

#include "debugger/debug_target.h"

namespace quillor {

class Emulator;

class EmulatorDebugTarget final : public DebugTarget {
 public:
  explicit EmulatorDebugTarget(Emulator& emulator) : emulator_(emulator) {}

  uint8_t PeekMemory(uint16_t address) const override;
  void PokeMemory(uint16_t address, uint8_t value) override;
  CpuState& Cpu() override;
  DiskControllerView DiskController() const override;
  bool HungarianLayout() const override;
  bool DebuggerStopped() const override;
  void SetDebuggerStopped(bool stopped) override;
  void SetBreakRequest() override;
  int Breakpoint(int entry) const override;
  void SetBreakpoint(int entry, int address) override;
  void SetFocusCountdown(int ticks) override;

 private:
  Emulator& emulator_;
};

}  // namespace quillor
