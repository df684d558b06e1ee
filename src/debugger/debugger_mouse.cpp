// Mouse presses on the debugger's picture.
#include "debugger/debugger_model.h"

namespace quillor {

namespace {
constexpr int kViewRow = 5;
}  // namespace

void DebuggerModel::MouseDown(MouseButton button, int x, int y) {
  // Division toward zero, so the few pixels left of and above the first
  // cell count as column 0 and row 0.
  const int column = (x - 4) / 8;
  const int row = (y - 5) / 8;
  if (column < 0 || row < 0 || column >= kScreenColumns || row >= kScreenRows) return;
  const bool left = button == MouseButton::Left;
  switch (FieldAt(column, row)) {
    case Field::DisassemblyAddress:
    case Field::DisassemblyLine: PressDisassembly(button, column, row); break;
    case Field::Stack: {
      const int address = ReadHexWord(51, row);
      if (address >= 0) viewAddress_ = static_cast<uint16_t>(address);
      DrawDisassembly();
      break;
    }
    case Field::BreakpointList: PressBreakpointList(button, row); break;
    case Field::DumpAddress:
    case Field::DumpBytes:
      if (left) PlaceCursor(column, row);
      else HideCursor();
      break;
    case Field::Dump: HideCursor(); break;
    case Field::Registers:
    case Field::Flags:
      if (left) PlaceCursor(column, row);
      else HideCursor();
      break;
    case Field::ProgramCounter:
      if (left) viewAddress_ = target_.Cpu().PC;
      else if (button == MouseButton::Right) target_.Cpu().PC = viewAddress_;
      RefreshDebugger();
      break;
    case Field::None: break;
  }
  // Shown now rather than at the next blink.
  window_.PresentDebugger();
}

void DebuggerModel::PressDisassembly(MouseButton button, int column, int row) {
  HideCursor();
  const int address = ReadHexWord(0, row);
  if (button == MouseButton::Left) {
    if (row == kViewRow) {
      cursor_ = {column <= 3 ? column : 0, row};
    } else if (address >= 0) {
      viewAddress_ = static_cast<uint16_t>(address);
    }
  } else if (button == MouseButton::Right && address >= 0) {
    ToggleBreakpoint(static_cast<uint16_t>(address));
  }
  DrawDisassembly();
}

void DebuggerModel::PressBreakpointList(MouseButton button, int row) {
  const int address = ReadHexWord(65, row);
  if (address < 0) return;  // a blank row of the list
  HideCursor();
  if (button == MouseButton::Left) viewAddress_ = static_cast<uint16_t>(address);
  else if (button == MouseButton::Right) ToggleBreakpoint(static_cast<uint16_t>(address));
  DrawDisassembly();
}

}  // namespace quillor
