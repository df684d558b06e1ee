// The debugger's commands shared by the keys, the mouse, the main window and
// the scheduler.
#include "debugger/debugger_model.h"

#include "debugger/hex_text.h"

namespace quillor {

DebuggerModel::DebuggerModel(DebugTarget& target, DebuggerWindow& window, std::span<const uint8_t> font)
    : target_(target), window_(window), screen_(font), disassembler_(target) {
  WriteLabels();
}

void DebuggerModel::DebuggerBreak() {
  target_.SetFocusCountdown(0);
  target_.SetBreakpoint(kTemporaryBreakpointEntry, kNoBreakpoint);
  visible_ = true;
  window_.ShowDebugger();
  viewAddress_ = target_.Cpu().PC;
  RefreshDebugger();
  target_.SetDebuggerStopped(true);
  window_.SetDebuggerCaption(kDebuggerStoppedCaption);
  window_.FocusDebugger();
}

void DebuggerModel::FollowProgram(uint16_t pc) {
  viewAddress_ = pc;
  RefreshDebugger();
}

void DebuggerModel::ResumeFromDebugger() {
  previous_ = CurrentRegisters();
  HideCursor();
  window_.SetDebuggerCaption(kDebuggerRunningCaption);
  target_.SetFocusCountdown(kResumeFocusTicks);
}

bool DebuggerModel::IsUserBreakpoint(uint16_t address) const {
  for (int entry = 0; entry < kUserBreakpoints; ++entry) {
    if (Breakpoint(entry) == address) return true;
  }
  return false;
}

void DebuggerModel::ToggleBreakpoint(uint16_t address) {
  int freeEntry = -1;
  for (int entry = 0; entry < kUserBreakpoints; ++entry) {
    if (Breakpoint(entry) == address) {
      target_.SetBreakpoint(entry, kNoBreakpoint);
      DrawBreakpoints();
      return;
    }
    if (freeEntry < 0 && Breakpoint(entry) < 0) freeEntry = entry;
  }
  if (freeEntry >= 0) target_.SetBreakpoint(freeEntry, address);
  DrawBreakpoints();
}

void DebuggerModel::ToggleFromMenu() {
  const bool stopped = !target_.DebuggerStopped();
  target_.SetDebuggerStopped(stopped);
  if (stopped) {
    // The next tick runs one step and then shows the window.
    target_.SetBreakRequest();
  } else {
    visible_ = false;
    window_.HideDebugger();
  }
}

void DebuggerModel::CloseWindow() {
  ResumeFromDebugger();
  target_.SetDebuggerStopped(false);
  visible_ = false;
  window_.HideDebugger();
}

void DebuggerModel::BlinkTick() {
  blinkOn_ = !blinkOn_;
  if (cursor_.column >= 0) screen_.DrawCell(cursor_.column, cursor_.row, blinkOn_ ? 3 : 0);
  window_.PresentDebugger();
}

void DebuggerModel::HideCursor() {
  if (cursor_.column >= 0) screen_.RedrawCell(cursor_.column, cursor_.row);
  cursor_.column = -1;
}

// A stale highlighted cell would stay behind a cursor that moves by a click.
void DebuggerModel::PlaceCursor(int column, int row) {
  HideCursor();
  cursor_ = {column, row};
}

int DebuggerModel::ReadHexWord(int column, int row) const {
  int value = 0;
  for (int c = column; c < column + 4; ++c) {
    const int digit = HexDigitValue(screen_.Character(c, row));
    if (digit < 0) return -1;
    value = value << 4 | digit;
  }
  return value;
}

}  // namespace quillor
