// Results and flags of each instruction family, as tiny programs.
#include <gtest/gtest.h>

#include "cpu_rig.h"

namespace quillor::test {
namespace {

constexpr uint8_t S = kFlagS, Z = kFlagZ, F5 = kFlag5, H = kFlagH, F3 = kFlag3, PV = kFlagPV, N = kFlagN,
                  C = kFlagC;

// Runs a program from A and F and returns A and F afterwards as AF.
uint16_t RunAF(std::initializer_list<uint8_t> program, uint8_t a, uint8_t f = 0) {
  CpuRig rig;
  rig.Program(program);
  rig.cpu.A = a;
  rig.cpu.F = f;
  rig.Run();
  return rig.cpu.AF();
}

uint16_t AF(uint8_t a, uint8_t f) { return uint16_t(a << 8 | f); }

TEST(Flags, EightBitArithmetic) {
  EXPECT_EQ(RunAF({0x06, 0x01, 0x80}, 0x7F), AF(0x80, S | H | PV));      // LD B,1; ADD A,B
  EXPECT_EQ(RunAF({0x06, 0x01, 0x80}, 0x07), AF(0x08, F3));              // ADD A,B
  EXPECT_EQ(RunAF({0xC6, 0x01}, 0xFF), AF(0x00, Z | H | C));             // ADD A,1
  EXPECT_EQ(RunAF({0xCE, 0x00}, 0xFF, C), AF(0x00, Z | H | C));          // ADC A,0 with carry
  EXPECT_EQ(RunAF({0xD6, 0x01}, 0x80), AF(0x7F, F5 | H | F3 | PV | N));  // SUB 1
  EXPECT_EQ(RunAF({0xD6, 0x01}, 0x00), AF(0xFF, S | F5 | H | F3 | N | C));
  EXPECT_EQ(RunAF({0xDE, 0x00}, 0x00, C), AF(0xFF, S | F5 | H | F3 | N | C));  // SBC A,0
  EXPECT_EQ(RunAF({0xDE, 0x7F}, 0x00, C), AF(0x80, S | N | C | H));            // SBC A,0x7F
}

TEST(Flags, CompareCopiesBits5And3FromA) {
  EXPECT_EQ(RunAF({0xFE, 0x28}, 0x00), AF(0x00, S | H | N | C));  // CP 0x28
  EXPECT_EQ(RunAF({0xFE, 0x00}, 0x28), AF(0x28, F5 | F3 | N));    // CP 0
  EXPECT_EQ(RunAF({0xFE, 0x28}, 0x28), AF(0x28, Z | F5 | F3 | N));
}

TEST(Flags, Logic) {
  EXPECT_EQ(RunAF({0xE6, 0x0F}, 0xF0, C), AF(0x00, Z | H | PV));  // AND 0x0F
  EXPECT_EQ(RunAF({0xEE, 0x01}, 0x80, C | H), AF(0x81, S | PV));  // XOR 1
  EXPECT_EQ(RunAF({0xF6, 0x28}, 0x01, N), AF(0x29, F5 | F3));     // OR 0x28: odd parity
}

TEST(Flags, IncrementAndDecrementKeepCarry) {
  EXPECT_EQ(RunAF({0x3C}, 0xFF, C), AF(0x00, Z | H | C));  // INC A
  EXPECT_EQ(RunAF({0x3C}, 0x7F), AF(0x80, S | H | PV));
  EXPECT_EQ(RunAF({0x3D}, 0x80, C), AF(0x7F, F5 | H | F3 | PV | N | C));  // DEC A
  EXPECT_EQ(RunAF({0x3D}, 0x01), AF(0x00, Z | N));

  CpuRig rig;
  rig.Program({0x34});  // INC (HL)
  rig.cpu.SetHL(0x4000);
  rig.Memory(0x4000) = 0x0F;
  rig.Run();
  EXPECT_EQ(rig.Memory(0x4000), 0x10);
  EXPECT_EQ(rig.cpu.F, H);
}

TEST(Flags, DecimalAdjust) {
  // ADD then DAA, SUB then DAA.
  EXPECT_EQ(RunAF({0xC6, 0x27, 0x27}, 0x15), AF(0x42, H | PV));
  EXPECT_EQ(RunAF({0xD6, 0x15, 0x27}, 0x42), AF(0x27, PV | N));
  EXPECT_EQ(RunAF({0xC6, 0x01, 0x27}, 0x99), AF(0x00, Z | H | PV | C));  // 99 + 1 = 100
  EXPECT_EQ(RunAF({0xD6, 0x01, 0x27}, 0x00), AF(0x99, S | PV | N | C));  // 0 - 1 = 99, borrow
  // H after the adjustment is the carry out of the low digit, as on the chip:
  // 0x02 with H set (from 0x09 + 0x09 = 0x12) becomes 0x18 without a new carry.
  EXPECT_EQ(RunAF({0xC6, 0x09, 0x27}, 0x09), AF(0x18, PV));
  // After a subtraction H stays only when the low digit borrows again, and C
  // is not set by the low digit's correction alone.
  EXPECT_EQ(RunAF({0x27}, 0x03, H | N), AF(0xFD, S | H | N));
  EXPECT_EQ(RunAF({0x27}, 0x08, H | N), AF(0x02, N));
}

TEST(Flags, AccumulatorOperations) {
  EXPECT_EQ(RunAF({0x2F}, 0x00), AF(0xFF, F5 | H | F3 | N));                     // CPL
  EXPECT_EQ(RunAF({0x07}, 0x80, S | Z | PV | H | N), AF(0x01, S | Z | PV | C));  // RLCA
  EXPECT_EQ(RunAF({0x0F}, 0x01), AF(0x80, C));                                   // RRCA
  EXPECT_EQ(RunAF({0x17}, 0x80), AF(0x00, C));                                   // RLA
  EXPECT_EQ(RunAF({0x1F}, 0x01, C), AF(0x80, C));                                // RRA
  EXPECT_EQ(RunAF({0x37}, 0x28, H | N), AF(0x28, F5 | F3 | C));                  // SCF
  EXPECT_EQ(RunAF({0x3F}, 0x00, C | N), AF(0x00, H));                            // CCF
  EXPECT_EQ(RunAF({0x3F}, 0x00, 0), AF(0x00, C));
  EXPECT_EQ(RunAF({0xED, 0x44}, 0x01), AF(0xFF, S | F5 | H | F3 | N | C));  // NEG
  EXPECT_EQ(RunAF({0xED, 0x44}, 0x80), AF(0x80, S | PV | N | C));
  EXPECT_EQ(RunAF({0xED, 0x44}, 0x00), AF(0x00, Z | N));
  EXPECT_EQ(RunAF({0xED, 0x6C}, 0x01), AF(0xFF, S | F5 | H | F3 | N | C));  // NEG mirror
}

TEST(Flags, SixteenBitArithmetic) {
  CpuRig rig;
  rig.Program({0x19});  // ADD HL,DE
  rig.cpu.SetHL(0x0FFF);
  rig.cpu.SetDE(0x0001);
  rig.cpu.F = S | Z | PV | N;
  EXPECT_EQ(rig.Run(), 4);
  EXPECT_EQ(rig.cpu.HL(), 0x1000);
  EXPECT_EQ(rig.cpu.F, S | Z | PV | H);

  rig.Program({0xED, 0x52});  // SBC HL,DE
  rig.cpu.SetHL(0x0000);
  rig.cpu.F = 0;
  rig.Run();
  EXPECT_EQ(rig.cpu.HL(), 0xFFFF);
  EXPECT_EQ(rig.cpu.F, S | F5 | H | F3 | N | C);

  rig.Program({0xED, 0x6A});  // ADC HL,HL
  rig.cpu.SetHL(0x4000);
  rig.cpu.F = 0;
  rig.Run();
  EXPECT_EQ(rig.cpu.HL(), 0x8000);
  EXPECT_EQ(rig.cpu.F, S | PV);

  rig.Program({0xDD, 0x29});  // ADD IX,IX
  rig.cpu.SetIX(0x8800);
  rig.cpu.F = 0;
  rig.Run();
  EXPECT_EQ(rig.cpu.IX(), 0x1000);
  EXPECT_EQ(rig.cpu.F, H | C);
  EXPECT_EQ(rig.cpu.HL(), 0x8000);

  rig.Program({0xED, 0x5A});  // ADC HL,DE to zero
  rig.cpu.SetHL(0xFFFF);
  rig.cpu.SetDE(0x0000);
  rig.cpu.F = C;
  rig.Run();
  EXPECT_EQ(rig.cpu.HL(), 0x0000);
  EXPECT_EQ(rig.cpu.F, Z | H | C);
}

TEST(Flags, RotatesShiftsAndBits) {
  CpuRig rig;
  rig.Program({0xCB, 0x36});  // SLL (HL)
  rig.cpu.SetHL(0x4000);
  rig.Memory(0x4000) = 0x80;
  rig.Run();
  EXPECT_EQ(rig.Memory(0x4000), 0x01);
  EXPECT_EQ(rig.cpu.F, C);

  EXPECT_EQ(RunAF({0xCB, 0x2F}, 0x81), AF(0xC0, S | PV | C));        // SRA A
  EXPECT_EQ(RunAF({0xCB, 0x3F}, 0x01), AF(0x00, Z | PV | C));        // SRL A
  EXPECT_EQ(RunAF({0xCB, 0x1F}, 0x00, C), AF(0x80, S));              // RR A
  EXPECT_EQ(RunAF({0xCB, 0x7F}, 0x80), AF(0x80, S | H));             // BIT 7,A
  EXPECT_EQ(RunAF({0xCB, 0x6F}, 0x20, C), AF(0x20, F5 | H | C));     // BIT 5,A
  EXPECT_EQ(RunAF({0xCB, 0x47}, 0x28), AF(0x28, Z | H | PV));        // BIT 0,A
  EXPECT_EQ(RunAF({0xCB, 0xFF, 0xCB, 0x87}, 0x01, C), AF(0x80, C));  // SET 7,A; RES 0,A
}

TEST(Flags, IndexedBitOperationsWorkOnMemoryOnly) {
  CpuRig rig;
  rig.Program({0xDD, 0xCB, 0x05, 0x06});  // RLC (IX+5)
  rig.cpu.SetIX(0x4000);
  rig.cpu.B = 0x77;
  rig.Memory(0x4005) = 0x81;
  EXPECT_EQ(rig.Run(), 27);
  EXPECT_EQ(rig.Memory(0x4005), 0x03);
  EXPECT_EQ(rig.cpu.F, PV | C);
  EXPECT_EQ(rig.cpu.R, 2);

  rig.Program({0xFD, 0xCB, 0xFF, 0xC0});  // SET 0,(IY-1): the register form writes memory only
  rig.cpu.SetIY(0x4006);
  rig.Run();
  EXPECT_EQ(rig.Memory(0x4005), 0x03);
  EXPECT_EQ(rig.cpu.B, 0x77);
  rig.Memory(0x4005) = 0x00;
  rig.Program({0xFD, 0xCB, 0xFF, 0xC0});
  rig.Run();
  EXPECT_EQ(rig.Memory(0x4005), 0x01);
  EXPECT_EQ(rig.cpu.B, 0x77);
}

TEST(Flags, IndexHalvesAndHlInIndexedForms) {
  CpuRig rig;
  rig.Program({0xDD, 0x26, 0x12,  // LD IXH,0x12
               0xDD, 0x2E, 0x34,  // LD IXL,0x34
               0xDD, 0x24,        // INC IXH
               0xFD, 0x26, 0x56,  // LD IYH,0x56
               0xDD, 0x45,        // LD B,IXL
               0xDD, 0x66, 0x00,  // LD H,(IX+0): H itself
               0xFD, 0x84});      // ADD A,IYH
  rig.cpu.SetHL(0xAAAA);
  rig.Memory(0x1334) = 0x99;
  rig.Run();
  EXPECT_EQ(rig.cpu.IX(), 0x1334);
  EXPECT_EQ(rig.cpu.IY(), 0x5600);
  EXPECT_EQ(rig.cpu.B, 0x34);
  EXPECT_EQ(rig.cpu.HL(), 0x99AA);
  EXPECT_EQ(rig.cpu.A, 0x56);

  rig.Program({0xDD, 0xEB});  // EX DE,HL ignores the prefix
  rig.cpu.SetDE(0x1111);
  rig.Run();
  EXPECT_EQ(rig.cpu.DE(), 0x99AA);
  EXPECT_EQ(rig.cpu.HL(), 0x1111);
  EXPECT_EQ(rig.cpu.IX(), 0x1334);
}

TEST(Flags, SpecialRegisterLoadsShowIff2) {
  CpuRig rig;
  rig.Program({0xED, 0x57});  // LD A,I
  rig.cpu.I = 0x80;
  rig.cpu.IFF2 = true;
  rig.cpu.F = C;
  rig.Run();
  EXPECT_EQ(rig.cpu.AF(), AF(0x80, S | PV | C));

  rig.Program({0xED, 0x5F});  // LD A,R with IFF2 clear
  rig.cpu.R = 0x7F;
  rig.cpu.IFF2 = false;
  rig.Run();
  EXPECT_EQ(rig.cpu.AF(), AF(0x00, Z | C));
}

TEST(Flags, DigitRotations) {
  CpuRig rig;
  rig.Program({0xED, 0x67});  // RRD
  rig.cpu.SetHL(0x5000);
  rig.cpu.A = 0x84;
  rig.Memory(0x5000) = 0x20;
  rig.cpu.F = C;
  EXPECT_EQ(rig.Run(), 18);
  EXPECT_EQ(rig.cpu.A, 0x80);
  EXPECT_EQ(rig.Memory(0x5000), 0x42);
  EXPECT_EQ(rig.cpu.F, S | C);

  rig.Program({0xED, 0x6F});  // RLD
  rig.cpu.A = 0x7A;
  rig.Memory(0x5000) = 0x31;
  rig.Run();
  EXPECT_EQ(rig.cpu.A, 0x73);
  EXPECT_EQ(rig.Memory(0x5000), 0x1A);
}

TEST(Flags, BlockLoads) {
  CpuRig rig;
  rig.Program({0xED, 0xB0});  // LDIR, one byte
  rig.cpu.SetHL(0x4000);
  rig.cpu.SetDE(0x5000);
  rig.cpu.SetBC(0x0001);
  rig.Memory(0x4000) = 0x0A;  // bits 3 and 1 set
  rig.cpu.F = S | Z | C | H | N;
  EXPECT_EQ(rig.Step(), 16);
  EXPECT_EQ(rig.Memory(0x5000), 0x0A);
  EXPECT_EQ(rig.cpu.F, S | Z | C | F5 | F3);
  EXPECT_EQ(rig.cpu.HL(), 0x4001);
  EXPECT_EQ(rig.cpu.DE(), 0x5001);

  rig.Program({0xED, 0xB8});  // LDDR, three bytes, one per step
  rig.cpu.SetHL(0x4002);
  rig.cpu.SetDE(0x6002);
  rig.cpu.SetBC(0x0003);
  rig.Memory(0x4001) = 0x11;
  rig.Memory(0x4002) = 0x22;
  EXPECT_EQ(rig.Run(), 21 + 21 + 16);
  EXPECT_EQ(rig.Memory(0x6000), 0x0A);
  EXPECT_EQ(rig.Memory(0x6001), 0x11);
  EXPECT_EQ(rig.Memory(0x6002), 0x22);
  EXPECT_EQ(rig.cpu.BC(), 0);
  EXPECT_EQ(rig.cpu.F & PV, 0);

  rig.Program({0xED, 0xB0});  // LDIR with BC = 0 moves 65536 bytes
  rig.cpu.SetHL(0x0000);
  rig.cpu.SetDE(0x0000);
  rig.cpu.SetBC(0x0000);
  int steps = 0;
  while (steps < 70000 && rig.cpu.PC == kOrigin) rig.Step(), ++steps;
  EXPECT_EQ(steps, 65536);
}

TEST(Flags, BlockCompares) {
  CpuRig rig;
  rig.Program({0xED, 0xB1});  // CPIR finds 0x33 at the third byte
  rig.bus->Load(0x4000, {0x11, 0x22, 0x33, 0x44});
  rig.cpu.SetHL(0x4000);
  rig.cpu.SetBC(0x0010);
  rig.cpu.A = 0x33;
  rig.cpu.F = C;
  EXPECT_EQ(rig.Run(), 21 + 21 + 16);
  EXPECT_EQ(rig.cpu.HL(), 0x4003);
  EXPECT_EQ(rig.cpu.BC(), 0x000D);
  EXPECT_EQ(rig.cpu.F, Z | PV | N | C);

  rig.Program({0xED, 0xA1});  // CPI: the last byte leaves P/V clear
  rig.cpu.SetBC(0x0001);
  rig.cpu.A = 0x40;
  rig.cpu.F = 0;
  rig.Run();
  EXPECT_EQ(rig.cpu.F, S | H | N);  // 0x40 - 0x44, bits 5 and 3 clear
}

TEST(Flags, InputAndOutput) {
  CpuRig rig;
  rig.Program({0xDB, 0xFE});  // IN A,(0xFE): the high byte is 0, not A
  rig.cpu.A = 0x12;
  rig.bus->portValues[0x00FE] = 0x5A;
  rig.cpu.F = 0xFF;
  EXPECT_EQ(rig.Run(), 11);
  EXPECT_EQ(rig.cpu.A, 0x5A);
  EXPECT_EQ(rig.cpu.F, 0xFF);
  EXPECT_EQ(rig.bus->portReads.back(), 0x00FE);

  rig.Program({0xED, 0x78});  // IN A,(C): B is the high byte
  rig.cpu.SetBC(0x01FE);
  rig.bus->portValues[0x01FE] = 0x00;
  rig.cpu.F = C;
  rig.Run();
  EXPECT_EQ(rig.bus->portReads.back(), 0x01FE);
  EXPECT_EQ(rig.cpu.F, Z | PV | C);

  rig.Program({0xED, 0x70,    // IN (C): flags only
               0xED, 0x71,    // OUT (C),0
               0xD3, 0x10});  // OUT (0x10),A
  rig.bus->portValues[0x01FE] = 0x80;
  rig.cpu.A = 0x77;
  rig.Run();
  EXPECT_EQ(rig.cpu.A, 0x77);
  EXPECT_EQ(rig.cpu.F, S | C);
  ASSERT_EQ(rig.bus->portWrites.size(), 2u);
  EXPECT_EQ(rig.bus->portWrites[0], std::make_pair(uint16_t{0x01FE}, uint8_t{0}));
  EXPECT_EQ(rig.bus->portWrites[1], std::make_pair(uint16_t{0x0010}, uint8_t{0x77}));
}

TEST(Flags, BlockInputAndOutput) {
  CpuRig rig;
  rig.Program({0xED, 0xB3});  // OTIR, two bytes to port 0x00FF
  rig.bus->Load(0x4000, {0xAA, 0xBB});
  rig.cpu.SetHL(0x4000);
  rig.cpu.SetBC(0x02FF);
  rig.cpu.F = S | H | C;
  EXPECT_EQ(rig.Run(), 20 + 15);
  ASSERT_EQ(rig.bus->portWrites.size(), 2u);
  EXPECT_EQ(rig.bus->portWrites[0], std::make_pair(uint16_t{0x00FF}, uint8_t{0xAA}));
  EXPECT_EQ(rig.bus->portWrites[1], std::make_pair(uint16_t{0x00FF}, uint8_t{0xBB}));
  EXPECT_EQ(rig.cpu.B, 0);
  EXPECT_EQ(rig.cpu.F, S | H | Z | N | C);

  rig.Program({0xED, 0xB2});  // INIR once; N from bit 7 of the byte
  rig.cpu.SetHL(0x5000);
  rig.cpu.SetBC(0x0110);
  rig.bus->portValues[0x0010] = 0x80;
  EXPECT_EQ(rig.Run(), 15);
  EXPECT_EQ(rig.Memory(0x5000), 0x80);
  EXPECT_EQ(rig.bus->portReads.back(), 0x0010);
  EXPECT_EQ(rig.cpu.F, Z | N);
}

TEST(Flags, UndefinedEdOpcodesDoNothing) {
  for (uint8_t op : {0x00, 0x4E, 0x66, 0x77, 0x7E, 0x7F, 0xA4, 0xFF}) {
    CpuRig rig;
    rig.Program({0xED, op});
    rig.cpu.SetAF(0x1234);
    rig.cpu.SetHL(0x5678);
    const CpuState before = rig.cpu;
    EXPECT_EQ(rig.Step(), 8);
    EXPECT_EQ(rig.cpu.AF(), before.AF());
    EXPECT_EQ(rig.cpu.HL(), before.HL());
    EXPECT_EQ(rig.cpu.SP, before.SP);
    EXPECT_EQ(rig.cpu.PC, kOrigin + 2);
    EXPECT_EQ(rig.cpu.R, 1);
  }
}

TEST(Flags, ControlTransfers) {
  CpuRig rig;
  rig.Program({0x18, 0xFE});  // JR $
  EXPECT_EQ(rig.Step(), 12);
  EXPECT_EQ(rig.cpu.PC, kOrigin);

  rig.Program({0x10, 0xFE});  // DJNZ $ with B = 1 falls through
  rig.cpu.B = 1;
  EXPECT_EQ(rig.Step(), 8);
  EXPECT_EQ(rig.cpu.B, 0);
  EXPECT_EQ(rig.cpu.PC, kOrigin + 2);

  rig.Program({0xFF});  // RST 0x38
  rig.cpu.SP = 0x8000;
  EXPECT_EQ(rig.Step(), 10);
  EXPECT_EQ(rig.cpu.PC, 0x0038);
  EXPECT_EQ(rig.Memory(0x7FFE), 0x01);
  EXPECT_EQ(rig.Memory(0x7FFF), 0x01);

  rig.Program({0xCD, 0x00, 0x20});  // CALL 0x2000, then RET there
  rig.Memory(0x2000) = 0xC9;
  EXPECT_EQ(rig.Step(), 17);
  EXPECT_EQ(rig.Step(), 10);
  EXPECT_EQ(rig.cpu.PC, kOrigin + 3);
  EXPECT_EQ(rig.cpu.SP, 0x7FFE);

  rig.Program({0xFD, 0xE9});  // JP (IY)
  rig.cpu.SetIY(0x1234);
  rig.Step();
  EXPECT_EQ(rig.cpu.PC, 0x1234);
}

TEST(Flags, Exchanges) {
  CpuRig rig;
  rig.Program({0x08, 0xD9});  // EX AF,AF'; EXX
  rig.cpu.SetAF(0x1111);
  rig.cpu.SetBC(0x2222);
  rig.cpu.SetDE(0x3333);
  rig.cpu.SetHL(0x4444);
  rig.cpu.AltAF = 0x5555;
  rig.cpu.AltBC = 0x6666;
  rig.cpu.AltDE = 0x7777;
  rig.cpu.AltHL = 0x8888;
  rig.cpu.SetIX(0x9999);
  rig.Run();
  EXPECT_EQ(rig.cpu.AF(), 0x5555);
  EXPECT_EQ(rig.cpu.BC(), 0x6666);
  EXPECT_EQ(rig.cpu.DE(), 0x7777);
  EXPECT_EQ(rig.cpu.HL(), 0x8888);
  EXPECT_EQ(rig.cpu.AltAF, 0x1111);
  EXPECT_EQ(rig.cpu.AltBC, 0x2222);
  EXPECT_EQ(rig.cpu.AltDE, 0x3333);
  EXPECT_EQ(rig.cpu.AltHL, 0x4444);
  EXPECT_EQ(rig.cpu.IX(), 0x9999);
}

}  // namespace
}  // namespace quillor::test
