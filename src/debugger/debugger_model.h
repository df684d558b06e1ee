// The debugger: a text screen with the disassembly around a view address,
// the registers (changes since the last resume highlighted), the flags, the
// disk controller, the stack, the breakpoints and a memory dump; run, stop,
// step and step-over commands on function keys; editing of memory, registers
// and flags by typing hex digits at a blinking cursor. Events come in as
// Windows virtual-key codes and mouse presses on the picture, so the whole
// window can be driven and read back without one.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "debugger/debug_target.h"
#include "debugger/debugger_window.h"
#include "debugger/disassembler.h"
#include "debugger/text_screen.h"

namespace quillor {

inline constexpr char kDebuggerRunningCaption[] = "Z80 CPU [Running]";
inline constexpr char kDebuggerStoppedCaption[] = "Z80 CPU [Stopped]";
inline constexpr int kBlinkIntervalMs = 250;

// The keys the debugger takes, as Windows virtual-key codes.
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkPageUp = 0x21;
inline constexpr int kVkPageDown = 0x22;
inline constexpr int kVkEnd = 0x23;
inline constexpr int kVkHome = 0x24;
inline constexpr int kVkLeft = 0x25;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkF4 = 0x73;
inline constexpr int kVkF6 = 0x75;
inline constexpr int kVkF7 = 0x76;
inline constexpr int kVkF8 = 0x77;
inline constexpr int kVkF9 = 0x78;
// The key left of "1", which is "0" on a Hungarian keyboard.
inline constexpr int kVkOem3 = 0xC0;

enum class MouseButton { Left, Right, Middle };

struct CellPosition {
  int column = -1;  // -1: no cursor
  int row = 0;
  bool operator==(const CellPosition&) const = default;
};

class DebuggerModel {
 public:
  DebuggerModel(DebugTarget& target, DebuggerWindow& window, std::span<const uint8_t> font);
  DebuggerModel(const DebuggerModel&) = delete;
  DebuggerModel& operator=(const DebuggerModel&) = delete;

  // ---- The scheduler's side ----
  // A breakpoint or a step stopped the machine: show the window at PC.
  void DebuggerBreak();
  // Draws every view and presents the picture.
  void RefreshDebugger();
  // The running program, once per tick while the window is open.
  void FollowProgram(uint16_t pc);
  bool Visible() const { return visible_; }

  // ---- Commands ----
  // Before the machine runs on: remember the registers, end editing.
  void ResumeFromDebugger();
  // Sets or clears a user breakpoint; an eleventh is refused.
  void ToggleBreakpoint(uint16_t address);
  // The main window's "&Debugger" item (F1): stop, or run on and hide.
  void ToggleFromMenu();
  // The window's close button: run on.
  void CloseWindow();
  // F7: run one processor step, then stop again.
  void SingleStep();
  // F8: calls, restarts and block instructions run to the instruction after
  // them; anything else is a single step.
  void StepOver();
  void KeyDown(int virtualKey);
  // x, y in pixels of the picture.
  void MouseDown(MouseButton button, int x, int y);
  // Every 250 ms: the cursor blinks and the picture is presented.
  void BlinkTick();

  // ---- State ----
  uint16_t ViewAddress() const { return viewAddress_; }
  uint16_t DumpAddress() const { return dumpAddress_; }
  CellPosition EditCursor() const { return cursor_; }
  bool BlinkOn() const { return blinkOn_; }
  const TextScreen& Screen() const { return screen_; }

 private:
  enum class Field {
    None,
    DumpAddress,
    DumpBytes,
    DisassemblyAddress,
    Registers,
    Flags,
    ProgramCounter,
    Stack,
    BreakpointList,
    DisassemblyLine,
    Dump
  };
  static Field FieldAt(int column, int row);

  // Views (debugger_views.cpp).
  void WriteLabels();
  void DrawMemoryDump();
  void DrawRegisters();
  void DrawDiskController();
  void DrawFlags();
  void DrawDisassembly();
  void DrawBreakpoints();
  void DrawStack();
  std::array<uint16_t, 11> CurrentRegisters() const;

  // Keys (debugger_keys.cpp).
  void CommandKey(int key);
  void EditKey(int key);
  void EditDumpAddress(int key, int digit);
  void EditDumpBytes(int key, int digit);
  void EditDisassemblyAddress(int key, int digit);
  void EditRegisters(int key, int digit);
  void EditFlags(int key);
  void MoveInRegisters(int key);
  void StoreDigit(int digit);
  void ScrollDump(int delta) { dumpAddress_ = static_cast<uint16_t>(dumpAddress_ + delta); }
  void ReadRegistersBack();
  void ReadFlagsBack();

  // Mouse (debugger_mouse.cpp).
  void PressDisassembly(MouseButton button, int column, int row);
  void PressBreakpointList(MouseButton button, int row);

  void HideCursor();
  void PlaceCursor(int column, int row);
  // Four hex digits of the grid, or -1 when they are not four digits.
  int ReadHexWord(int column, int row) const;
  int Breakpoint(int entry) const { return target_.Breakpoint(entry); }
  bool IsUserBreakpoint(uint16_t address) const;

  DebugTarget& target_;
  DebuggerWindow& window_;
  TextScreen screen_;
  Disassembler disassembler_;
  uint16_t viewAddress_ = 0;
  uint16_t dumpAddress_ = 0;
  CellPosition cursor_;
  bool blinkOn_ = false;
  bool visible_ = false;
  // AF, BC, DE, HL, AF', BC', DE', HL', IX, IY, SP when execution last resumed.
  std::array<uint16_t, 11> previous_{};
};

}  // namespace quillor
