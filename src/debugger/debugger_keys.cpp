// Keys: commands while no cursor is shown, editing while one is.
#include "debugger/debugger_model.h"
#include "debugger/hex_text.h"

namespace quillor {

namespace {

constexpr int kPageLines = 29;
constexpr int kDumpFirstRow = 30;
constexpr int kDumpLastRow = 45;
constexpr int kDumpFirstByteColumn = 5;
constexpr int kDumpLastDigitColumn = 51;
constexpr int kViewRow = 5;
constexpr int kFlagRow = 8;
constexpr int kFlagColumns[8] = {44, 47, 50, 53, 56, 60, 64, 67};

constexpr uint8_t kCall = 0xCD;
constexpr uint8_t kPrefixED = 0xED;

// The hex digit a key types, or -1.
int DigitOfKey(int key) {
  if (key >= '0' && key <= '9') return key - '0';
  if (key >= 'A' && key <= 'F') return key - 'A' + 10;
  return -1;
}

bool EndsEditing(int key) { return key == kVkReturn || key == kVkEscape; }

// The position of a flag digit column in kFlagColumns.
int FlagIndex(int column) {
  for (int i = 0; i < 8; ++i) {
    if (kFlagColumns[i] == column) return i;
  }
  return 0;
}

bool IsDumpByteDigit(int column) {
  return column >= kDumpFirstByteColumn && column <= kDumpLastDigitColumn &&
         (column - kDumpFirstByteColumn) % 3 != 2;
}

bool IsFirstDigitOfByte(int column) { return (column - kDumpFirstByteColumn) % 3 == 0; }

}  // namespace

DebuggerModel::Field DebuggerModel::FieldAt(int column, int row) {
  if (row >= kDumpFirstRow && row <= kDumpLastRow) {
    if (column >= 0 && column <= 3) return Field::DumpAddress;
    if (IsDumpByteDigit(column)) return Field::DumpBytes;
    return column >= 0 && column <= 68 ? Field::Dump : Field::None;
  }
  if (row >= 0 && row <= 3) {
    if ((column >= 47 && column <= 50) || (column >= 56 && column <= 59)) return Field::Registers;
    if (column >= 65 && column <= 68) return row == 3 ? Field::ProgramCounter : Field::Registers;
  }
  if (row == kFlagRow) {
    for (const int c : kFlagColumns) {
      if (c == column) return Field::Flags;
    }
  }
  if (row >= 19 && row <= 28) {
    if (column >= 44 && column <= 54) return Field::Stack;
    if (column >= 65 && column <= 68) return Field::BreakpointList;
  }
  if (row >= 0 && row <= 28 && column >= 0 && column <= 42) {
    if (row == kViewRow && column <= 3) return Field::DisassemblyAddress;
    return Field::DisassemblyLine;
  }
  return Field::None;
}

void DebuggerModel::KeyDown(int key) {
  // The Hungarian keyboard's "0" sits where the English one reports 0xC0.
  if (target_.HungarianLayout()) {
    if (key == '0') key = kVkOem3;
    else if (key == kVkOem3) key = '0';
  }
  if (cursor_.column >= 0) {
    screen_.RedrawCell(cursor_.column, cursor_.row);
    EditKey(key);
  } else {
    CommandKey(key);
  }
  if (!target_.DebuggerStopped() && Breakpoint(kTemporaryBreakpointEntry) < 0)
    viewAddress_ = target_.Cpu().PC;
  RefreshDebugger();
}

void DebuggerModel::CommandKey(int key) {
  switch (key) {
    case kVkEscape: CloseWindow(); break;
    case kVkPageUp:
      for (int i = 0; i < kPageLines; ++i) viewAddress_ = disassembler_.PreviousInstruction(viewAddress_);
      break;
    case kVkPageDown:
      for (int i = 0; i < kPageLines; ++i) viewAddress_ = disassembler_.NextInstruction(viewAddress_);
      break;
    case kVkUp: viewAddress_ = disassembler_.PreviousInstruction(viewAddress_); break;
    case kVkDown: viewAddress_ = disassembler_.NextInstruction(viewAddress_); break;
    case kVkF4:
      ResumeFromDebugger();
      target_.SetBreakpoint(kTemporaryBreakpointEntry, viewAddress_);
      target_.SetDebuggerStopped(false);
      break;
    case kVkF6: ToggleBreakpoint(viewAddress_); break;
    case kVkF7: SingleStep(); break;
    case kVkF8: StepOver(); break;
    case kVkF9:
      ResumeFromDebugger();
      target_.SetDebuggerStopped(false);
      break;
    default: break;
  }
}

void DebuggerModel::SingleStep() {
  target_.Cpu().Halted = false;
  ResumeFromDebugger();
  target_.SetBreakRequest();
}

void DebuggerModel::StepOver() {
  CpuState& cpu = target_.Cpu();
  cpu.Halted = false;
  ResumeFromDebugger();
  const uint8_t opcode = target_.PeekMemory(cpu.PC);
  const uint8_t next = target_.PeekMemory(static_cast<uint16_t>(cpu.PC + 1));
  const bool over = opcode == kCall || (opcode & 0xC7) == 0xC4 || (opcode & 0xC7) == 0xC7 ||
                    (opcode == kPrefixED && next >= 0xA0 && next <= 0xBF);
  if (over) {
    target_.SetBreakpoint(kTemporaryBreakpointEntry, disassembler_.NextInstruction(cpu.PC));
    target_.SetDebuggerStopped(false);
  } else {
    target_.SetBreakRequest();
  }
}

void DebuggerModel::StoreDigit(int digit) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  screen_.Write(cursor_.column, cursor_.row, std::string(1, kDigits[digit]),
                screen_.Attribute(cursor_.column, cursor_.row));
}

void DebuggerModel::EditKey(int key) {
  const int digit = DigitOfKey(key);
  switch (FieldAt(cursor_.column, cursor_.row)) {
    case Field::DumpAddress: EditDumpAddress(key, digit); break;
    case Field::DumpBytes: EditDumpBytes(key, digit); break;
    case Field::DisassemblyAddress: EditDisassemblyAddress(key, digit); break;
    case Field::Registers: EditRegisters(key, digit); break;
    case Field::Flags: EditFlags(key); break;
    default: HideCursor(); break;
  }
}

void DebuggerModel::EditDumpAddress(int key, int digit) {
  int& column = cursor_.column;
  if (digit >= 0) {
    StoreDigit(digit);
    const int typed = ReadHexWord(0, cursor_.row);
    if (typed >= 0) dumpAddress_ = static_cast<uint16_t>(typed - 16 * (cursor_.row - kDumpFirstRow));
    column = column == 3 ? kDumpFirstByteColumn : column + 1;
  } else if (key == kVkLeft) {
    if (column > 0) --column;
  } else if (key == kVkRight) {
    column = column == 3 ? kDumpFirstByteColumn : column + 1;
  } else if (EndsEditing(key)) {
    HideCursor();
  }
}

void DebuggerModel::EditDumpBytes(int key, int digit) {
  int& column = cursor_.column;
  int& row = cursor_.row;
  // Moving off the top or bottom row scrolls the dump instead.
  const auto rowUp = [&] { row == kDumpFirstRow ? ScrollDump(-16) : void(--row); };
  const auto rowDown = [&] { row == kDumpLastRow ? ScrollDump(16) : void(++row); };
  const auto right = [&] {
    if (column == kDumpLastDigitColumn) {
      column = kDumpFirstByteColumn;
      rowDown();
    } else {
      column += IsFirstDigitOfByte(column) ? 1 : 2;
    }
  };
  if (digit >= 0) {
    StoreDigit(digit);
    const int j = (column - kDumpFirstByteColumn) / 3;
    const int first = HexDigitValue(screen_.Character(kDumpFirstByteColumn + 3 * j, row));
    const int second = HexDigitValue(screen_.Character(kDumpFirstByteColumn + 3 * j + 1, row));
    if (first >= 0 && second >= 0) {
      const auto address = static_cast<uint16_t>(dumpAddress_ + 16 * (row - kDumpFirstRow) + j);
      target_.PokeMemory(address, static_cast<uint8_t>(first << 4 | second));
    }
    right();
    return;
  }
  switch (key) {
    case kVkPageUp: ScrollDump(-256); break;
    case kVkPageDown: ScrollDump(256); break;
    case kVkHome: column = kDumpFirstByteColumn; break;
    case kVkEnd: column = kDumpLastDigitColumn; break;
    case kVkLeft:
      if (column == kDumpFirstByteColumn) {
        column = kDumpLastDigitColumn;
        rowUp();
      } else {
        column -= IsFirstDigitOfByte(column) ? 2 : 1;
      }
      break;
    case kVkRight: right(); break;
    case kVkUp: rowUp(); break;
    case kVkDown: rowDown(); break;
    case kVkReturn:
    case kVkEscape: HideCursor(); break;
    default: break;
  }
}

void DebuggerModel::EditDisassemblyAddress(int key, int digit) {
  int& column = cursor_.column;
  if (digit >= 0) {
    StoreDigit(digit);
    const int typed = ReadHexWord(0, kViewRow);
    if (typed >= 0) viewAddress_ = static_cast<uint16_t>(typed);
    if (column == 3) HideCursor();
    else ++column;
  } else if (key == kVkLeft) {
    if (column > 0) --column;
  } else if (key == kVkRight) {
    if (column == 3) HideCursor();
    else ++column;
  } else if (EndsEditing(key)) {
    HideCursor();
  }
}

void DebuggerModel::MoveInRegisters(int key) {
  int& column = cursor_.column;
  int& row = cursor_.row;
  const bool pcRow = row == 3;  // PC is not edited here
  switch (key) {
    case kVkRight:
      if (column == 50) column = 56;
      else if (column == 59) column = pcRow ? 47 : 65;
      else if (column == 68) column = 47;
      else ++column;
      break;
    case kVkLeft:
      if (column == 56) column = 50;
      else if (column == 65) column = 59;
      else if (column == 47) column = pcRow ? 59 : 68;
      else --column;
      break;
    case kVkUp:
    case kVkDown: {
      const int rows = column >= 65 ? 3 : 4;
      row = (row + (key == kVkDown ? 1 : rows - 1)) % rows;
      break;
    }
    default: break;
  }
}

void DebuggerModel::EditRegisters(int key, int digit) {
  if (digit >= 0) {
    StoreDigit(digit);
    MoveInRegisters(kVkRight);
  } else if (EndsEditing(key)) {
    HideCursor();
  } else {
    MoveInRegisters(key);
  }
  ReadRegistersBack();
}

void DebuggerModel::ReadRegistersBack() {
  CpuState& cpu = target_.Cpu();
  const auto at = [&](int column, int row, uint16_t current) {
    const int value = ReadHexWord(column, row);
    return value < 0 ? current : static_cast<uint16_t>(value);
  };
  cpu.SetAF(at(47, 0, cpu.AF()));
  cpu.SetBC(at(47, 1, cpu.BC()));
  cpu.SetDE(at(47, 2, cpu.DE()));
  cpu.SetHL(at(47, 3, cpu.HL()));
  cpu.AltAF = at(56, 0, cpu.AltAF);
  cpu.AltBC = at(56, 1, cpu.AltBC);
  cpu.AltDE = at(56, 2, cpu.AltDE);
  cpu.AltHL = at(56, 3, cpu.AltHL);
  cpu.SetIX(at(65, 0, cpu.IX()));
  cpu.SetIY(at(65, 1, cpu.IY()));
  cpu.SP = at(65, 2, cpu.SP);
}

void DebuggerModel::EditFlags(int key) {
  int index = FlagIndex(cursor_.column);
  if (key == '0' || key == '1') {
    StoreDigit(key - '0');
    index = (index + 1) % 8;
  } else if (key == kVkRight) {
    index = (index + 1) % 8;
  } else if (key == kVkLeft) {
    index = (index + 7) % 8;
  } else if (EndsEditing(key)) {
    HideCursor();
  }
  if (cursor_.column >= 0) cursor_.column = kFlagColumns[index];
  ReadFlagsBack();
}

void DebuggerModel::ReadFlagsBack() {
  uint8_t f = 0;
  for (int i = 0; i < 8; ++i) {
    if (screen_.Character(kFlagColumns[i], kFlagRow) == '1') f |= static_cast<uint8_t>(0x80 >> i);
  }
  target_.Cpu().F = f;
}

}  // namespace quillor
