// The views that RefreshDebugger draws.
#include <string>

#include "debugger/debugger_model.h"
#include "debugger/hex_text.h"

namespace quillor {

namespace {

constexpr int kDisassemblyRows = 29;
constexpr int kLinesBeforeView = 5;
constexpr int kDumpFirstRow = 30;
constexpr int kDumpRows = 16;
constexpr int kDumpCharColumn = 53;
constexpr int kListFirstRow = 19;
constexpr int kListRows = 10;
constexpr int kFlagLabelColumns[8] = {44, 47, 50, 53, 56, 59, 64, 67};
constexpr const char* kFlagLabels[8] = {"S", "Z", "Y", "H", "X", "P/V", "N", "C"};
constexpr int kFlagDigitColumns[8] = {44, 47, 50, 53, 56, 60, 64, 67};

// Attribute of a disassembly line by code: 1 PC, 2 breakpoint, 4 view.
constexpr int kLineAttribute[8] = {0, 4, 5, 6, 7, 3, 8, 9};

std::string Decimal(int value) { return std::to_string(value); }

// The command the disk controller last took, 8 characters.
std::string CommandName(uint8_t command) {
  if (command <= 0x0F) return "RESTORE ";
  if (command <= 0x1F) return "SEEK    ";
  if (command <= 0x3F) return "STEP    ";
  if (command <= 0x5F) return "STEP IN ";
  if (command <= 0x7F) return "STEP OUT";
  if (command <= 0x9F) return "READ    ";
  if (command <= 0xBF) return "WRITE   ";
  if (command == 0xC4) return "RD ADDR ";
  if (command >= 0xD0 && command <= 0xDF) return "FORCE IT";
  if (command == 0xE4 || command == 0xE5) return "RD TRACK";
  if (command == 0xF4) return "WR TRACK";
  // Blanks rather than nothing, so the name of the command before goes.
  return "        ";
}

}  // namespace

void DebuggerModel::WriteLabels() {
  screen_.Write(44, 0, "AF       AF'      IX", 0);
  screen_.Write(44, 1, "BC       BC'      IY", 0);
  screen_.Write(44, 2, "DE       DE'      SP", 0);
  screen_.Write(44, 3, "HL       HL'      PC", 0);
  screen_.Write(44, 5, "(BC)     (DE)     (HL)", 0);
  screen_.Write(44, 10, "DISK SELECT :", 1);
  screen_.Write(44, 12, "FDC COMMAND :", 2);
  screen_.Write(44, 13, "FDC TRACK   :", 2);
  screen_.Write(44, 14, "FDC SECTOR  :", 2);
  screen_.Write(44, 15, "FDC DATA OUT:", 2);
  screen_.Write(44, 16, "FDC STATUS  :", 0);
  screen_.Write(44, 17, "FDC DATA IN :", 0);
  screen_.Write(44, 19, "SP", 2);
  for (int i = 0; i < kListRows; ++i) {
    screen_.Write(46, kListFirstRow + i, "+" + HexByte(static_cast<uint8_t>(2 * i)) + ":", 0);
  }
  screen_.Write(56, 19, "BREAKPTS:", 2);
}

std::array<uint16_t, 11> DebuggerModel::CurrentRegisters() const {
  const CpuState& cpu = target_.Cpu();
  return {cpu.AF(),  cpu.BC(),  cpu.DE(), cpu.HL(), cpu.AltAF, cpu.AltBC,
          cpu.AltDE, cpu.AltHL, cpu.IX(), cpu.IY(), cpu.SP};
}

void DebuggerModel::RefreshDebugger() {
  DrawMemoryDump();
  DrawRegisters();
  DrawDiskController();
  DrawFlags();
  DrawDisassembly();
  DrawBreakpoints();
  DrawStack();
  window_.PresentDebugger();
}

void DebuggerModel::DrawMemoryDump() {
  for (int r = 0; r < kDumpRows; ++r) {
    const auto address = static_cast<uint16_t>(dumpAddress_ + 16 * r);
    const int row = kDumpFirstRow + r;
    screen_.Write(0, row, HexWord(address), 0);
    std::string characters;
    for (int j = 0; j < 16; ++j) {
      const uint8_t value = target_.PeekMemory(static_cast<uint16_t>(address + j));
      screen_.Write(5 + 3 * j, row, HexByte(value), 0);
      characters += value < 0x20 || value > 0x5F ? '.' : static_cast<char>(value);
    }
    screen_.Write(kDumpCharColumn, row, characters, 0);
  }
}

void DebuggerModel::DrawRegisters() {
  struct Place {
    int column, row;
  };
  // In the order of CurrentRegisters.
  static constexpr Place kPlaces[11] = {{47, 0}, {47, 1}, {47, 2}, {47, 3}, {56, 0}, {56, 1},
                                        {56, 2}, {56, 3}, {65, 0}, {65, 1}, {65, 2}};
  const auto now = CurrentRegisters();
  for (size_t i = 0; i < now.size(); ++i) {
    screen_.Write(kPlaces[i].column, kPlaces[i].row, HexWord(now[i]), now[i] != previous_[i] ? 2 : 0);
  }
  const CpuState& cpu = target_.Cpu();
  screen_.Write(65, 3, HexWord(cpu.PC), 1);
  screen_.Write(49, 5, HexByte(target_.PeekMemory(cpu.BC())), 0);
  screen_.Write(58, 5, HexByte(target_.PeekMemory(cpu.DE())), 0);
  screen_.Write(67, 5, HexByte(target_.PeekMemory(cpu.HL())), 0);
}

void DebuggerModel::DrawDiskController() {
  const DiskControllerView fdc = target_.DiskController();
  const auto withDecimal = [](uint8_t value) { return HexByte(value) + " (" + Decimal(value) + ")  "; };
  const uint8_t select = fdc.driveSelect & 0x0F;
  screen_.Write(58, 10, HexByte(select) + " (" + Decimal(fdc.selectedDrive) + ")  ", 1);
  screen_.Write(58, 12, HexByte(fdc.command) + " " + CommandName(fdc.command), 2);
  screen_.Write(58, 13, withDecimal(fdc.track), 2);
  screen_.Write(58, 14, withDecimal(fdc.sector), 2);
  screen_.Write(58, 15, HexByte(fdc.dataWritten), 2);
  screen_.Write(58, 16, HexByte(fdc.status), 0);
  screen_.Write(58, 17, HexByte(fdc.dataRead), 0);
}

void DebuggerModel::DrawFlags() {
  const uint8_t f = target_.Cpu().F;
  const auto previousF = static_cast<uint8_t>(previous_[0]);
  for (int i = 0; i < 8; ++i) {
    const int bit = 7 - i;
    const bool set = (f >> bit) & 1;
    const bool changed = set != (((previousF >> bit) & 1) != 0);
    screen_.Write(kFlagLabelColumns[i], 7, kFlagLabels[i], set ? 1 : 0);
    screen_.Write(kFlagDigitColumns[i], 8, set ? "1" : "0", changed ? 2 : 0);
  }
}

void DebuggerModel::DrawDisassembly() {
  const uint16_t pc = target_.Cpu().PC;
  uint16_t address = viewAddress_;
  for (int i = 0; i < kLinesBeforeView; ++i) address = disassembler_.PreviousInstruction(address);
  for (int row = 0; row < kDisassemblyRows; ++row) {
    disassembler_.Disassemble(address);
    const int code =
        (address == pc ? 1 : 0) + (IsUserBreakpoint(address) ? 2 : 0) + (address == viewAddress_ ? 4 : 0);
    screen_.Write(0, row, disassembler_.BytesText() + "  " + disassembler_.LineText(), kLineAttribute[code]);
    address = disassembler_.NextAddress();
  }
}

void DebuggerModel::DrawBreakpoints() {
  const uint16_t pc = target_.Cpu().PC;
  int row = kListFirstRow;
  for (int entry = 0; entry < kUserBreakpoints; ++entry) {
    const int address = Breakpoint(entry);
    if (address < 0) continue;
    screen_.Write(65, row++, HexWord(static_cast<uint16_t>(address)), address == pc ? 1 : 0);
  }
  for (; row < kListFirstRow + kListRows; ++row) screen_.Write(65, row, "    ", 0);
}

void DebuggerModel::DrawStack() {
  const uint16_t sp = target_.Cpu().SP;
  for (int i = 0; i < kListRows; ++i) {
    const auto at = static_cast<uint16_t>(sp + 2 * i);
    const uint8_t low = target_.PeekMemory(at);
    const uint8_t high = target_.PeekMemory(static_cast<uint16_t>(at + 1));
    screen_.Write(51, kListFirstRow + i, HexWord(static_cast<uint16_t>(high << 8 | low)), 0);
  }
}

}  // namespace quillor
