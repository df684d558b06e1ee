// T-state totals of every opcode of every set, one step each, against the
// machine's timing tables.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "cpu_rig.h"

namespace quillor::test {
namespace {

// Unprefixed totals; conditional instructions show the not-taken figure.
// 0 marks the prefixes CB, DD, ED, FD.
constexpr int kUnprefixed[256] = {
    // 0  1   2   3   4   5   6   7   8   9   A   B   C   D   E   F
    4, 10, 7,  6,  4,  4,  7,  4,  4,  4,  7,  6,  4,  4,  7, 4,   // 0x
    8, 10, 7,  6,  4,  4,  7,  4,  12, 4,  7,  6,  4,  4,  7, 4,   // 1x
    7, 10, 16, 6,  4,  4,  7,  4,  7,  4,  16, 6,  4,  4,  7, 4,   // 2x
    7, 10, 13, 6,  11, 11, 10, 4,  7,  4,  13, 6,  4,  4,  7, 4,   // 3x
    4, 4,  4,  4,  4,  4,  7,  4,  4,  4,  4,  4,  4,  4,  7, 4,   // 4x
    4, 4,  4,  4,  4,  4,  7,  4,  4,  4,  4,  4,  4,  4,  7, 4,   // 5x
    4, 4,  4,  4,  4,  4,  7,  4,  4,  4,  4,  4,  4,  4,  7, 4,   // 6x
    7, 7,  7,  7,  7,  7,  4,  7,  4,  4,  4,  4,  4,  4,  7, 4,   // 7x
    4, 4,  4,  4,  4,  4,  7,  4,  4,  4,  4,  4,  4,  4,  7, 4,   // 8x
    4, 4,  4,  4,  4,  4,  7,  4,  4,  4,  4,  4,  4,  4,  7, 4,   // 9x
    4, 4,  4,  4,  4,  4,  7,  4,  4,  4,  4,  4,  4,  4,  7, 4,   // Ax
    4, 4,  4,  4,  4,  4,  7,  4,  4,  4,  4,  4,  4,  4,  7, 4,   // Bx
    5, 10, 10, 10, 10, 11, 7,  10, 5,  10, 10, 0,  10, 17, 7, 10,  // Cx
    5, 10, 10, 11, 10, 11, 7,  10, 5,  4,  10, 11, 10, 0,  7, 10,  // Dx
    5, 10, 10, 16, 10, 11, 7,  10, 5,  4,  10, 4,  10, 0,  7, 10,  // Ex
    5, 10, 10, 4,  10, 11, 7,  10, 5,  6,  10, 4,  10, 0,  7, 10,  // Fx
};

bool IsPrefix(int op) { return op == 0xCB || op == 0xDD || op == 0xED || op == 0xFD; }

// Condition code of a conditional opcode and the total when it is taken.
struct Conditional {
  int condition;
  int taken;
};

bool FindConditional(int op, Conditional& out) {
  if ((op & 0xE7) == 0x20) out = {(op >> 3) & 3, 12};       // JR cc
  else if ((op & 0xC7) == 0xC0) out = {(op >> 3) & 7, 11};  // RET cc
  else if ((op & 0xC7) == 0xC4) out = {(op >> 3) & 7, 17};  // CALL cc
  else return false;
  return true;
}

class Timing : public ::testing::Test {
 protected:
  // Runs `bytes` as one step from a fixed register state and returns its
  // T-states. The bus is reused; only the state that decides timing is set.
  int Time(std::vector<uint8_t> bytes, uint8_t flags = 0x00) {
    rig.cpu = CpuState{};
    rig.cpu.PC = kOrigin;
    rig.cpu.SP = 0x8000;
    rig.cpu.SetBC(bc);
    rig.cpu.SetHL(0x4000);
    rig.cpu.SetDE(0x5000);
    rig.cpu.SetIX(0x6000);
    rig.cpu.SetIY(0x7000);
    rig.cpu.F = flags;
    rig.cpu.A = static_cast<uint8_t>(~rig.Memory(0x4000));  // CPI never matches
    for (size_t i = 0; i < bytes.size(); ++i) rig.Memory(static_cast<uint16_t>(kOrigin + i)) = bytes[i];
    for (size_t i = bytes.size(); i < bytes.size() + 3; ++i)
      rig.Memory(static_cast<uint16_t>(kOrigin + i)) = 0;
    return rig.Step();
  }

  CpuRig rig;
  uint16_t bc = 0x0101;  // DJNZ falls through; B = 1 for the I/O blocks
};

TEST_F(Timing, UnprefixedOpcodes) {
  for (int op = 0; op < 256; ++op) {
    if (IsPrefix(op)) continue;
    Conditional c;
    if (FindConditional(op, c)) {
      // F = 0 satisfies NZ, NC, PO, P; F = 0xFF the other four.
      const bool takenWhenClear = (c.condition & 1) == 0;
      EXPECT_EQ(Time({uint8_t(op)}, 0x00), takenWhenClear ? c.taken : kUnprefixed[op]) << std::hex << op;
      EXPECT_EQ(Time({uint8_t(op)}, 0xFF), takenWhenClear ? kUnprefixed[op] : c.taken) << std::hex << op;
    } else {
      EXPECT_EQ(Time({uint8_t(op)}), kUnprefixed[op]) << std::hex << op;
    }
  }
  bc = 0x0201;
  EXPECT_EQ(Time({0x10, 0x00}), 13);  // DJNZ taken
}

TEST_F(Timing, HaltedTicks) {
  EXPECT_EQ(Time({0x76}), 4);  // HALT
  EXPECT_EQ(rig.Step(), 4);
  EXPECT_EQ(rig.Step(), 4);
  EXPECT_EQ(rig.cpu.PC, kOrigin + 1);
}

TEST_F(Timing, IndexPrefixedOpcodes) {
  for (int prefix : {0xDD, 0xFD}) {
    for (int op = 0; op < 256; ++op) {
      if (IsPrefix(op)) continue;
      const int x = op >> 6, y = (op >> 3) & 7, z = op & 7;
      int expected = kUnprefixed[op] + 4;
      Conditional c;
      if (FindConditional(op, c) && (c.condition & 1) == 0) expected = c.taken + 4;  // F = 0
      if ((x == 1 && (y == 6) != (z == 6)) || (x == 2 && z == 6)) expected = 19;     // LD r,(IX+d) ...
      if (op == 0x34 || op == 0x35) expected = 23;                                   // INC (IX+d)
      if (op == 0x36) expected = 22;                                                 // LD (IX+d),n
      EXPECT_EQ(Time({uint8_t(prefix), uint8_t(op)}), expected) << std::hex << prefix << " " << op;
    }
  }
  EXPECT_EQ(Time({0xDD, 0xFD, 0x21, 0x34, 0x12}), 18);  // DD FD LD IY,nn
  EXPECT_EQ(Time({0xFD, 0xED, 0x4A}), 19);              // FD ADC HL,BC
  EXPECT_EQ(Time({0xDD, 0xE3}), 20);                    // EX (SP),IX
}

TEST_F(Timing, CbOpcodes) {
  for (int op = 0; op < 256; ++op) {
    const bool memory = (op & 7) == 6;
    const bool bit = (op >> 6) == 1;
    const int expected = !memory ? 8 : bit ? 12 : 15;
    EXPECT_EQ(Time({0xCB, uint8_t(op)}), expected) << std::hex << op;
    const int indexed = bit ? 24 : 27;
    EXPECT_EQ(Time({0xDD, 0xCB, 0x05, uint8_t(op)}), indexed) << "DD CB " << std::hex << op;
    EXPECT_EQ(Time({0xFD, 0xCB, 0xFB, uint8_t(op)}), indexed) << "FD CB " << std::hex << op;
  }
}

int EdTotal(int op) {
  const int x = op >> 6, y = (op >> 3) & 7, z = op & 7;
  if (x == 1) {
    constexpr int kByZ[8] = {12, 12, 15, 20, 8, 14, 8, 0};
    if (z != 7) return kByZ[z];
    return (y == 4 || y == 5) ? 18 : 8;  // RRD, RLD; LD with I and R
  }
  if (x == 2 && y >= 4 && z <= 3) return z <= 1 ? 16 : 15;  // one block step, not repeating
  return 8;
}

TEST_F(Timing, EdOpcodes) {
  for (int op = 0; op < 256; ++op) {
    bc = (op & 2) ? 0x0101 : 0x0001;  // every block instruction on its last step
    EXPECT_EQ(Time({0xED, uint8_t(op)}), EdTotal(op)) << std::hex << op;
  }
}

TEST_F(Timing, RepeatingBlockSteps) {
  // LDIR LDDR CPIR CPDR INIR INDR OTIR OTDR: a repeating step, then the last.
  const struct {
    uint8_t op;
    int repeating, last;
  } kBlocks[] = {{0xB0, 21, 16}, {0xB8, 21, 16}, {0xB1, 21, 16}, {0xB9, 21, 16},
                 {0xB2, 20, 15}, {0xBA, 20, 15}, {0xB3, 20, 15}, {0xBB, 20, 15}};
  for (const auto& block : kBlocks) {
    bc = 0x0202;
    EXPECT_EQ(Time({0xED, block.op}), block.repeating) << std::hex << int(block.op);
    EXPECT_EQ(rig.cpu.PC, kOrigin) << "repeats from its own first byte";
    bc = 0x0101;
    const bool byteCounter = block.op & 2;  // INIR..OTDR count B only
    if (!byteCounter) bc = 0x0001;
    EXPECT_EQ(Time({0xED, block.op}), block.last) << std::hex << int(block.op);
    EXPECT_EQ(rig.cpu.PC, kOrigin + 2);
  }
}

TEST_F(Timing, InterruptAcceptanceTakesSix) {
  Time({0x00});
  rig.cpu.IFF1 = rig.cpu.IFF2 = true;
  rig.cpu.InterruptRequest = true;
  EXPECT_EQ(rig.Step(), 6);
  EXPECT_EQ(rig.cpu.PC, 0x0038);
}

}  // namespace
}  // namespace quillor::test
