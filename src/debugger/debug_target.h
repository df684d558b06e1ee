// What the debugger reads and changes of the machine it watches. The machine
// side implements this; the debugger knows nothing else of it.
#pragma once

#include <cstdint>

#include "cpu/cpu_state.h"
#include "cpu/memory_peek.h"

namespace quillor {

inline constexpr int kDebuggerBreakpoints = 11;
// Entry 10 is the debugger's temporary breakpoint (run to here, step over).
inline constexpr int kTemporaryBreakpointEntry = 10;
inline constexpr int kUserBreakpoints = 10;
inline constexpr int kNoBreakpoint = -1;
// Ticks after a resume until the main window takes the keyboard back.
inline constexpr int kResumeFocusTicks = 50;

// The disk controller's registers as the debugger shows them.
struct DiskControllerView {
  uint8_t driveSelect = 0;  // the byte last written to the select latch
  int selectedDrive = 0;
  uint8_t command = 0;
  uint8_t track = 0;
  uint8_t sector = 0;
  uint8_t dataWritten = 0;  // data register as the program last wrote it
  uint8_t status = 0;
  uint8_t dataRead = 0;  // data register as the program last read it
};

class DebugTarget : public MemoryPeek {
 public:
  // A memory edit: written as the processor would, without charging time.
  virtual void PokeMemory(uint16_t address, uint8_t value) = 0;
  virtual CpuState& Cpu() = 0;
  virtual DiskControllerView DiskController() const = 0;
  // The keyboard takes the Hungarian layout, whose "0" key reports 0xC0.
  virtual bool HungarianLayout() const = 0;

  // The scheduler's switches shared with the debugger.
  virtual bool DebuggerStopped() const = 0;
  virtual void SetDebuggerStopped(bool stopped) = 0;
  // Stop after the next processor step.
  virtual void SetBreakRequest() = 0;
  virtual int Breakpoint(int entry) const = 0;
  virtual void SetBreakpoint(int entry, int address) = 0;
  virtual void SetFocusCountdown(int ticks) = 0;

 protected:
  ~DebugTarget() = default;
};

}  // namespace quillor
