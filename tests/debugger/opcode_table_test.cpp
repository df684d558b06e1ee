// Every opcode of every set against the Z80's published opcode tables. Each
// instruction sits at 0x4000 followed by the bytes 12 34 56, so n reads 12H,
// nn 3412H, a displacement 12H and a relative jump lands on 4002H + 12H.
// Expected texts are written with one blank between mnemonic and operands;
// the check pads the mnemonic to eight columns as the debugger shows it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "debugger/disassembler.h"
#include "debugger/peek_memory.h"

namespace quillor {
namespace {

constexpr uint16_t kAt = 0x4000;

struct Expected {
  const char* text;
  int length;
};

// "LD A,12H" -> "LD      A,12H" padded to 24.
std::string Line(std::string text) {
  const auto blank = text.find(' ');
  if (blank != std::string::npos && blank < 8) text.insert(blank, 8 - blank - 1, ' ');
  text.resize(24, ' ');
  return text;
}

// The unprefixed set; prefixes (CB, DD, ED, FD) are nullptr and tested apart.
// clang-format off
// Lengths from the published tables.
const std::array<Expected, 256> kMain{{
    {"NOP", 1}, {"LD BC,3412H", 3}, {"LD (BC),A", 1}, {"INC BC", 1},
    {"INC B", 1}, {"DEC B", 1}, {"LD B,12H", 2}, {"RLCA", 1},
    {"EX AF,AF'", 1}, {"ADD HL,BC", 1}, {"LD A,(BC)", 1}, {"DEC BC", 1},
    {"INC C", 1}, {"DEC C", 1}, {"LD C,12H", 2}, {"RRCA", 1},
    {"DJNZ 4014H", 2}, {"LD DE,3412H", 3}, {"LD (DE),A", 1}, {"INC DE", 1},
    {"INC D", 1}, {"DEC D", 1}, {"LD D,12H", 2}, {"RLA", 1},
    {"JR 4014H", 2}, {"ADD HL,DE", 1}, {"LD A,(DE)", 1}, {"DEC DE", 1},
    {"INC E", 1}, {"DEC E", 1}, {"LD E,12H", 2}, {"RRA", 1},
    {"JR NZ,4014H", 2}, {"LD HL,3412H", 3}, {"LD (3412H),HL", 3}, {"INC HL", 1},
    {"INC H", 1}, {"DEC H", 1}, {"LD H,12H", 2}, {"DAA", 1},
    {"JR Z,4014H", 2}, {"ADD HL,HL", 1}, {"LD HL,(3412H)", 3}, {"DEC HL", 1},
    {"INC L", 1}, {"DEC L", 1}, {"LD L,12H", 2}, {"CPL", 1},
    {"JR NC,4014H", 2}, {"LD SP,3412H", 3}, {"LD (3412H),A", 3}, {"INC SP", 1},
    {"INC (HL)", 1}, {"DEC (HL)", 1}, {"LD (HL),12H", 2}, {"SCF", 1},
    {"JR C,4014H", 2}, {"ADD HL,SP", 1}, {"LD A,(3412H)", 3}, {"DEC SP", 1},
    {"INC A", 1}, {"DEC A", 1}, {"LD A,12H", 2}, {"CCF", 1},
    // 0x40
    {"LD B,B", 1}, {"LD B,C", 1}, {"LD B,D", 1}, {"LD B,E", 1},
    {"LD B,H", 1}, {"LD B,L", 1}, {"LD B,(HL)", 1}, {"LD B,A", 1},
    {"LD C,B", 1}, {"LD C,C", 1}, {"LD C,D", 1}, {"LD C,E", 1},
    {"LD C,H", 1}, {"LD C,L", 1}, {"LD C,(HL)", 1}, {"LD C,A", 1},
    {"LD D,B", 1}, {"LD D,C", 1}, {"LD D,D", 1}, {"LD D,E", 1},
    {"LD D,H", 1}, {"LD D,L", 1}, {"LD D,(HL)", 1}, {"LD D,A", 1},
    {"LD E,B", 1}, {"LD E,C", 1}, {"LD E,D", 1}, {"LD E,E", 1},
    {"LD E,H", 1}, {"LD E,L", 1}, {"LD E,(HL)", 1}, {"LD E,A", 1},
    {"LD H,B", 1}, {"LD H,C", 1}, {"LD H,D", 1}, {"LD H,E", 1},
    {"LD H,H", 1}, {"LD H,L", 1}, {"LD H,(HL)", 1}, {"LD H,A", 1},
    {"LD L,B", 1}, {"LD L,C", 1}, {"LD L,D", 1}, {"LD L,E", 1},
    {"LD L,H", 1}, {"LD L,L", 1}, {"LD L,(HL)", 1}, {"LD L,A", 1},
    {"LD (HL),B", 1}, {"LD (HL),C", 1}, {"LD (HL),D", 1}, {"LD (HL),E", 1},
    {"LD (HL),H", 1}, {"LD (HL),L", 1}, {"HALT", 1}, {"LD (HL),A", 1},
    {"LD A,B", 1}, {"LD A,C", 1}, {"LD A,D", 1}, {"LD A,E", 1},
    {"LD A,H", 1}, {"LD A,L", 1}, {"LD A,(HL)", 1}, {"LD A,A", 1},
    // 0x80
    {"ADD A,B", 1}, {"ADD A,C", 1}, {"ADD A,D", 1}, {"ADD A,E", 1},
    {"ADD A,H", 1}, {"ADD A,L", 1}, {"ADD A,(HL)", 1}, {"ADD A,A", 1},
    {"ADC A,B", 1}, {"ADC A,C", 1}, {"ADC A,D", 1}, {"ADC A,E", 1},
    {"ADC A,H", 1}, {"ADC A,L", 1}, {"ADC A,(HL)", 1}, {"ADC A,A", 1},
    {"SUB B", 1}, {"SUB C", 1}, {"SUB D", 1}, {"SUB E", 1},
    {"SUB H", 1}, {"SUB L", 1}, {"SUB (HL)", 1}, {"SUB A", 1},
    {"SBC A,B", 1}, {"SBC A,C", 1}, {"SBC A,D", 1}, {"SBC A,E", 1},
    {"SBC A,H", 1}, {"SBC A,L", 1}, {"SBC A,(HL)", 1}, {"SBC A,A", 1},
    {"AND B", 1}, {"AND C", 1}, {"AND D", 1}, {"AND E", 1},
    {"AND H", 1}, {"AND L", 1}, {"AND (HL)", 1}, {"AND A", 1},
    {"XOR B", 1}, {"XOR C", 1}, {"XOR D", 1}, {"XOR E", 1},
    {"XOR H", 1}, {"XOR L", 1}, {"XOR (HL)", 1}, {"XOR A", 1},
    {"OR B", 1}, {"OR C", 1}, {"OR D", 1}, {"OR E", 1},
    {"OR H", 1}, {"OR L", 1}, {"OR (HL)", 1}, {"OR A", 1},
    {"CP B", 1}, {"CP C", 1}, {"CP D", 1}, {"CP E", 1},
    {"CP H", 1}, {"CP L", 1}, {"CP (HL)", 1}, {"CP A", 1},
    // 0xC0
    {"RET NZ", 1}, {"POP BC", 1}, {"JP NZ,3412H", 3}, {"JP 3412H", 3},
    {"CALL NZ,3412H", 3}, {"PUSH BC", 1}, {"ADD A,12H", 2}, {"RST 00H", 1},
    {"RET Z", 1}, {"RET", 1}, {"JP Z,3412H", 3}, {nullptr, 0},
    {"CALL Z,3412H", 3}, {"CALL 3412H", 3}, {"ADC A,12H", 2}, {"RST 08H", 1},
    {"RET NC", 1}, {"POP DE", 1}, {"JP NC,3412H", 3}, {"OUT (12H),A", 2},
    {"CALL NC,3412H", 3}, {"PUSH DE", 1}, {"SUB 12H", 2}, {"RST 10H", 1},
    {"RET C", 1}, {"EXX", 1}, {"JP C,3412H", 3}, {"IN A,(12H)", 2},
    {"CALL C,3412H", 3}, {nullptr, 0}, {"SBC A,12H", 2}, {"RST 18H", 1},
    {"RET PO", 1}, {"POP HL", 1}, {"JP PO,3412H", 3}, {"EX (SP),HL", 1},
    {"CALL PO,3412H", 3}, {"PUSH HL", 1}, {"AND 12H", 2}, {"RST 20H", 1},
    {"RET PE", 1}, {"JP (HL)", 1}, {"JP PE,3412H", 3}, {"EX DE,HL", 1},
    {"CALL PE,3412H", 3}, {nullptr, 0}, {"XOR 12H", 2}, {"RST 28H", 1},
    {"RET P", 1}, {"POP AF", 1}, {"JP P,3412H", 3}, {"DI", 1},
    {"CALL P,3412H", 3}, {"PUSH AF", 1}, {"OR 12H", 2}, {"RST 30H", 1},
    {"RET M", 1}, {"LD SP,HL", 1}, {"JP M,3412H", 3}, {"EI", 1},
    {"CALL M,3412H", 3}, {nullptr, 0}, {"CP 12H", 2}, {"RST 38H", 1},
}};

// The ED set between 0x40 and 0x7F, undocumented mirrors included. Every
// other ED opcode outside the block instructions is undefined.
const std::array<Expected, 64> kEd40{{
    {"IN B,(C)", 2}, {"OUT (C),B", 2}, {"SBC HL,BC", 2}, {"LD (3412H),BC", 4},
    {"NEG", 2}, {"RETN", 2}, {"IM 0", 2}, {"LD I,A", 2},
    {"IN C,(C)", 2}, {"OUT (C),C", 2}, {"ADC HL,BC", 2}, {"LD BC,(3412H)", 4},
    {"NEG", 2}, {"RETI", 2}, {"IM 0", 2}, {"LD R,A", 2},
    {"IN D,(C)", 2}, {"OUT (C),D", 2}, {"SBC HL,DE", 2}, {"LD (3412H),DE", 4},
    {"NEG", 2}, {"RETN", 2}, {"IM 1", 2}, {"LD A,I", 2},
    {"IN E,(C)", 2}, {"OUT (C),E", 2}, {"ADC HL,DE", 2}, {"LD DE,(3412H)", 4},
    {"NEG", 2}, {"RETN", 2}, {"IM 2", 2}, {"LD A,R", 2},
    {"IN H,(C)", 2}, {"OUT (C),H", 2}, {"SBC HL,HL", 2}, {"LD (3412H),HL", 4},
    {"NEG", 2}, {"RETN", 2}, {"IM 0", 2}, {"RRD", 2},
    {"IN L,(C)", 2}, {"OUT (C),L", 2}, {"ADC HL,HL", 2}, {"LD HL,(3412H)", 4},
    {"NEG", 2}, {"RETN", 2}, {"IM 0", 2}, {"RLD", 2},
    {"IN (C)", 2}, {"OUT (C),0", 2}, {"SBC HL,SP", 2}, {"LD (3412H),SP", 4},
    {"NEG", 2}, {"RETN", 2}, {"IM 1", 2}, {"NOP", 2},
    {"IN A,(C)", 2}, {"OUT (C),A", 2}, {"ADC HL,SP", 2}, {"LD SP,(3412H)", 4},
    {"NEG", 2}, {"RETN", 2}, {"IM 2", 2}, {"NOP", 2},
}};

// Block instructions, 0xA0-0xBF; the gaps are undefined.
const std::array<const char*, 32> kEdBlock{
    "LDI",  "CPI",  "INI",  "OUTI", nullptr, nullptr, nullptr, nullptr,
    "LDD",  "CPD",  "IND",  "OUTD", nullptr, nullptr, nullptr, nullptr,
    "LDIR", "CPIR", "INIR", "OTIR", nullptr, nullptr, nullptr, nullptr,
    "LDDR", "CPDR", "INDR", "OTDR", nullptr, nullptr, nullptr, nullptr,
};

struct IndexedExpected {
  uint8_t opcode;
  const char* text;  // with IX; the IY set reads IY
  int length;        // prefix included
};

// Where the DD prefix changes an unprefixed instruction (documented and
// undocumented forms). Every other opcode keeps its text and gains a byte.
const IndexedExpected kIndexed[] = {
    {0x09, "ADD IX,BC", 2}, {0x19, "ADD IX,DE", 2}, {0x21, "LD IX,3412H", 4},
    {0x22, "LD (3412H),IX", 4}, {0x23, "INC IX", 2}, {0x24, "INC IXH", 2},
    {0x25, "DEC IXH", 2}, {0x26, "LD IXH,12H", 3}, {0x29, "ADD IX,IX", 2},
    {0x2A, "LD IX,(3412H)", 4}, {0x2B, "DEC IX", 2}, {0x2C, "INC IXL", 2},
    {0x2D, "DEC IXL", 2}, {0x2E, "LD IXL,12H", 3}, {0x34, "INC (IX+12H)", 3},
    {0x35, "DEC (IX+12H)", 3}, {0x36, "LD (IX+12H),34H", 4}, {0x39, "ADD IX,SP", 2},
    {0x44, "LD B,IXH", 2}, {0x45, "LD B,IXL", 2}, {0x46, "LD B,(IX+12H)", 3},
    {0x4C, "LD C,IXH", 2}, {0x4D, "LD C,IXL", 2}, {0x4E, "LD C,(IX+12H)", 3},
    {0x54, "LD D,IXH", 2}, {0x55, "LD D,IXL", 2}, {0x56, "LD D,(IX+12H)", 3},
    {0x5C, "LD E,IXH", 2}, {0x5D, "LD E,IXL", 2}, {0x5E, "LD E,(IX+12H)", 3},
    {0x60, "LD IXH,B", 2}, {0x61, "LD IXH,C", 2}, {0x62, "LD IXH,D", 2},
    {0x63, "LD IXH,E", 2}, {0x64, "LD IXH,IXH", 2}, {0x65, "LD IXH,IXL", 2},
    {0x66, "LD H,(IX+12H)", 3}, {0x67, "LD IXH,A", 2},
    {0x68, "LD IXL,B", 2}, {0x69, "LD IXL,C", 2}, {0x6A, "LD IXL,D", 2},
    {0x6B, "LD IXL,E", 2}, {0x6C, "LD IXL,IXH", 2}, {0x6D, "LD IXL,IXL", 2},
    {0x6E, "LD L,(IX+12H)", 3}, {0x6F, "LD IXL,A", 2},
    {0x70, "LD (IX+12H),B", 3}, {0x71, "LD (IX+12H),C", 3}, {0x72, "LD (IX+12H),D", 3},
    {0x73, "LD (IX+12H),E", 3}, {0x74, "LD (IX+12H),H", 3}, {0x75, "LD (IX+12H),L", 3},
    {0x77, "LD (IX+12H),A", 3},
    {0x7C, "LD A,IXH", 2}, {0x7D, "LD A,IXL", 2}, {0x7E, "LD A,(IX+12H)", 3},
    {0x84, "ADD A,IXH", 2}, {0x85, "ADD A,IXL", 2}, {0x86, "ADD A,(IX+12H)", 3},
    {0x8C, "ADC A,IXH", 2}, {0x8D, "ADC A,IXL", 2}, {0x8E, "ADC A,(IX+12H)", 3},
    {0x94, "SUB IXH", 2}, {0x95, "SUB IXL", 2}, {0x96, "SUB (IX+12H)", 3},
    {0x9C, "SBC A,IXH", 2}, {0x9D, "SBC A,IXL", 2}, {0x9E, "SBC A,(IX+12H)", 3},
    {0xA4, "AND IXH", 2}, {0xA5, "AND IXL", 2}, {0xA6, "AND (IX+12H)", 3},
    {0xAC, "XOR IXH", 2}, {0xAD, "XOR IXL", 2}, {0xAE, "XOR (IX+12H)", 3},
    {0xB4, "OR IXH", 2}, {0xB5, "OR IXL", 2}, {0xB6, "OR (IX+12H)", 3},
    {0xBC, "CP IXH", 2}, {0xBD, "CP IXL", 2}, {0xBE, "CP (IX+12H)", 3},
    {0xE1, "POP IX", 2}, {0xE3, "EX (SP),IX", 2}, {0xE5, "PUSH IX", 2},
    {0xE9, "JP (IX)", 2}, {0xF9, "LD SP,IX", 2},
};
// clang-format on

// The CB set is a grid: eight shifts and rotations, then BIT, RES and SET
// for each bit, each over B, C, D, E, H, L, (HL), A.
const std::array<const char*, 8> kShifts{"RLC", "RRC", "RL", "RR", "SLA", "SRA", "SLL", "SRL"};
const std::array<const char*, 8> kRegisters{"B", "C", "D", "E", "H", "L", "(HL)", "A"};
const std::array<const char*, 4> kBitOps{"", "BIT", "RES", "SET"};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

class OpcodeTable : public ::testing::Test {
 protected:
  void Check(std::initializer_list<uint8_t> bytes, const std::string& text, int length) {
    memory.Load(kAt, bytes);
    disassembler.Disassemble(kAt);
    EXPECT_EQ(disassembler.LineText(), Line(text));
    EXPECT_EQ(disassembler.InstructionLength(), length);
    EXPECT_EQ(disassembler.NextAddress(), kAt + length);
    EXPECT_EQ(disassembler.BytesText().size(), 17u);
  }

  PeekMemoryFake memory;
  Disassembler disassembler{memory};
};

TEST_F(OpcodeTable, Unprefixed) {
  for (int op = 0; op < 256; ++op) {
    if (kMain[op].text == nullptr) continue;
    SCOPED_TRACE("opcode " + std::to_string(op));
    Check({static_cast<uint8_t>(op), 0x12, 0x34, 0x56}, kMain[op].text, kMain[op].length);
  }
}

TEST_F(OpcodeTable, Cb) {
  for (int op = 0; op < 256; ++op) {
    SCOPED_TRACE("CB " + std::to_string(op));
    const int x = op >> 6, y = (op >> 3) & 7, z = op & 7;
    const std::string text = x == 0 ? std::string(kShifts[y]) + " " + kRegisters[z]
                                    : std::string(kBitOps[x]) + " " + std::to_string(y) + "," + kRegisters[z];
    Check({0xCB, static_cast<uint8_t>(op), 0x12, 0x34}, text, 2);
  }
}

TEST_F(OpcodeTable, Ed) {
  for (int op = 0; op < 256; ++op) {
    SCOPED_TRACE("ED " + std::to_string(op));
    const uint8_t bytes0 = 0xED, bytes1 = static_cast<uint8_t>(op);
    if (op >= 0x40 && op < 0x80) {
      Check({bytes0, bytes1, 0x12, 0x34}, kEd40[op - 0x40].text, kEd40[op - 0x40].length);
    } else if (op >= 0xA0 && op < 0xC0 && kEdBlock[op - 0xA0] != nullptr) {
      Check({bytes0, bytes1, 0x12, 0x34}, kEdBlock[op - 0xA0], 2);
    } else {
      Check({bytes0, bytes1, 0x12, 0x34}, "Illegal", 2);
    }
  }
}

TEST_F(OpcodeTable, IndexedByIxAndIy) {
  for (const auto& [prefix, name] : {std::pair<uint8_t, std::string>{0xDD, "IX"}, {0xFD, "IY"}}) {
    std::array<const IndexedExpected*, 256> changed{};
    for (const auto& entry : kIndexed) changed[entry.opcode] = &entry;
    for (int op = 0; op < 256; ++op) {
      if (op == 0xCB || op == 0xDD || op == 0xED || op == 0xFD) continue;
      SCOPED_TRACE(name + " opcode " + std::to_string(op));
      const auto opcode = static_cast<uint8_t>(op);
      if (changed[op] != nullptr) {
        Check({prefix, opcode, 0x12, 0x34}, Replace(changed[op]->text, "IX", name), changed[op]->length);
      } else {
        // The prefix changes nothing; a relative jump counts from after it.
        std::string text = Replace(kMain[op].text, "4014H", "4015H");
        Check({prefix, opcode, 0x12, 0x34}, text, kMain[op].length + 1);
      }
    }
  }
}

TEST_F(OpcodeTable, IndexedBitInstructions) {
  for (const auto& [prefix, name] : {std::pair<uint8_t, std::string>{0xDD, "IX"}, {0xFD, "IY"}}) {
    const std::string operand = "(" + name + "+12H)";
    for (int op = 0; op < 256; ++op) {
      SCOPED_TRACE(name + " CB " + std::to_string(op));
      const int x = op >> 6, y = (op >> 3) & 7, z = op & 7;
      // Forms other than z = 6 also copy the result into a plain register;
      // BIT only tests.
      const std::string copy = z != 6 && x != 1 ? std::string(",") + kRegisters[z] : "";
      const std::string text = x == 0
                                   ? std::string(kShifts[y]) + " " + operand + copy
                                   : std::string(kBitOps[x]) + " " + std::to_string(y) + "," + operand + copy;
      Check({prefix, 0xCB, 0x12, static_cast<uint8_t>(op)}, text, 4);
    }
  }
}

TEST_F(OpcodeTable, EdAfterAnIndexPrefixIgnoresIt) {
  Check({0xDD, 0xED, 0x63, 0x34, 0x12}, "LD (1234H),HL", 5);
  Check({0xFD, 0xED, 0xB0}, "LDIR", 3);
}

TEST_F(OpcodeTable, TheLastOfSeveralIndexPrefixesCounts) {
  Check({0xDD, 0xFD, 0x21, 0x34, 0x12}, "LD IY,1234H", 5);
  Check({0xFD, 0xDD, 0x36, 0x05, 0x2A}, "LD (IX+05H),2AH", 5);
  EXPECT_EQ(disassembler.BytesText(), "4000  FD DD 36 05");
}

TEST_F(OpcodeTable, AnEndlessRunOfPrefixesStillEndsALine) {
  memory.memory.fill(0xDD);
  disassembler.Disassemble(kAt);
  EXPECT_EQ(disassembler.LineText(), Line("Illegal"));
  EXPECT_GT(disassembler.InstructionLength(), 1);
  EXPECT_LT(disassembler.InstructionLength(), 64);
}

}  // namespace
}  // namespace quillor
