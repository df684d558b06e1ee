// The debugger window as the scheduler sees it.
#pragma once

#include <cstdint>

namespace quillor {

class DebuggerHost {
 public:
  virtual ~DebuggerHost() = default;
  // Scheduler, after a breakpoint or single step stopped the machine: show the
  // debugger window (the machine is already marked stopped).
  virtual void DebuggerBreak() {}
  // Scheduler, once per tick while the machine runs and the window is open,
  // and after a reset of a stopped machine: show the state at `viewAddress`.
  virtual void RefreshDebugger(uint16_t /*viewAddress*/) {}
  // Scheduler, once per tick: whether the debugger window is shown.
  virtual bool DebuggerVisible() const { return false; }
};

}  // namespace quillor
