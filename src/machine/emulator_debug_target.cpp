#include "machine/emulator_debug_target.h"

#include "machine/emulator.h"

namespace quillor {

static_assert(kDebuggerBreakpoints == kBreakpointCount);
static_assert(kTemporaryBreakpointEntry == kTemporaryBreakpoint);
static_assert(kResumeFocusTicks == kFocusCountdownTicks);

uint8_t EmulatorDebugTarget::PeekMemory(uint16_t address) const { return emulator_.PeekMemory(address); }

// As the processor would write it (ROM stays, video memory is redrawn), with
// no time charged.
void EmulatorDebugTarget::PokeMemory(uint16_t address, uint8_t value) {
  emulator_.WriteMemory(address, value, 0);
}

CpuState& EmulatorDebugTarget::Cpu() { return emulator_.cpu; }

DiskControllerView EmulatorDebugTarget::DiskController() const {
  const FdcState& s = emulator_.fdc.State();
  return DiskControllerView{s.selectLatch, s.selectedDrive, s.command, s.track,
                            s.sector,      s.dataIn,        s.status,  s.dataOut};
}

bool EmulatorDebugTarget::HungarianLayout() const { return emulator_.layout == KeyboardLayout::HU; }

bool EmulatorDebugTarget::DebuggerStopped() const { return emulator_.scheduler.DebuggerStopped; }

void EmulatorDebugTarget::SetDebuggerStopped(bool stopped) { emulator_.scheduler.DebuggerStopped = stopped; }

void EmulatorDebugTarget::SetBreakRequest() { emulator_.scheduler.BreakRequest = true; }

int EmulatorDebugTarget::Breakpoint(int entry) const { return emulator_.scheduler.Breakpoints[entry]; }

void EmulatorDebugTarget::SetBreakpoint(int entry, int address) {
  emulator_.scheduler.Breakpoints[entry] = address;
}

void EmulatorDebugTarget::SetFocusCountdown(int ticks) { emulator_.scheduler.FocusCountdown = ticks; }

}  // namespace quillor
