// The step loop: R counting, prefixes, HALT, interrupts, NMI, reset and
// address wrap-around.
#include <gtest/gtest.h>

#include "cpu/cpu_control.h"
#include "cpu_rig.h"

namespace quillor::test {
namespace {

TEST(Step, LastIndexPrefixWins) {
  CpuRig rig;
  rig.Program({0xDD, 0xFD, 0x21, 0x34, 0x12});  // DD FD LD IY,0x1234
  EXPECT_EQ(rig.Step(), 18);
  EXPECT_EQ(rig.cpu.IY(), 0x1234);
  EXPECT_EQ(rig.cpu.IX(), 0x0000);
  EXPECT_EQ(rig.cpu.HL(), 0x0000);
  EXPECT_EQ(rig.cpu.R, 3);
  EXPECT_EQ(rig.cpu.PC, kOrigin + 5);
}

TEST(Step, PrefixDoesNotCarryIntoNextStep) {
  CpuRig rig;
  rig.Program({0xDD, 0x00,          // DD NOP
               0x21, 0x11, 0x22});  // LD HL,0x2211
  EXPECT_EQ(rig.Step(), 8);
  rig.Step();
  EXPECT_EQ(rig.cpu.HL(), 0x2211);
  EXPECT_EQ(rig.cpu.IX(), 0x0000);
}

TEST(Step, RCountsOpcodeFetchesAndKeepsBit7) {
  CpuRig rig;
  rig.Program({0x00,                      // NOP        +1
               0xCB, 0x00,                // RLC B      +1
               0xED, 0x44,                // NEG        +1
               0xDD, 0x23,                // INC IX     +2
               0xFD, 0xCB, 0x01, 0x06,    // RLC (IY+1) +2
               0xDD, 0x36, 0x00, 0x00});  // LD (IX+0),0 +2
  rig.cpu.R = 0xFB;
  rig.Run();
  EXPECT_EQ(rig.cpu.R, 0x80 | ((0x7B + 9) & 0x7F));

  for (auto [before, after] : {std::pair{0xFF, 0x80}, std::pair{0x7F, 0x00}}) {
    rig.Program({0x00});
    rig.cpu.R = uint8_t(before);
    rig.Step();
    EXPECT_EQ(rig.cpu.R, after);
  }
}

TEST(Step, LoadRWritesAllEightBits) {
  CpuRig rig;
  rig.Program({0x3E, 0xC5,    // LD A,0xC5
               0xED, 0x4F,    // LD R,A
               0xED, 0x5F});  // LD A,R
  rig.Run();
  EXPECT_EQ(rig.cpu.A, 0xC6);  // LD A,R itself counted once
}

TEST(Step, HaltedTicksAdvanceROnly) {
  CpuRig rig;
  rig.Program({0x76});  // HALT
  rig.Step();
  ASSERT_TRUE(rig.cpu.Halted);
  const uint8_t r = rig.cpu.R;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rig.Step(), 4);
  EXPECT_EQ(rig.cpu.R, r + 3);
  EXPECT_EQ(rig.cpu.PC, kOrigin + 1);
}

TEST(Step, InterruptWhileHaltedPushesAddressAfterHalt) {
  CpuRig rig;
  rig.Program({0xFB,    // EI
               0x76});  // HALT
  rig.Run(2);
  rig.Step();
  rig.cpu.InterruptRequest = true;
  const uint8_t r = rig.cpu.R;
  EXPECT_EQ(rig.Step(), 6);
  EXPECT_EQ(rig.cpu.PC, 0x0038);
  EXPECT_FALSE(rig.cpu.Halted);
  EXPECT_FALSE(rig.cpu.IFF1);
  EXPECT_FALSE(rig.cpu.IFF2);
  EXPECT_FALSE(rig.cpu.InterruptRequest);
  EXPECT_EQ(rig.cpu.R, r);
  EXPECT_EQ(rig.cpu.SP, 0x7FFE);
  EXPECT_EQ(rig.Memory(0x7FFE), 0x02);
  EXPECT_EQ(rig.Memory(0x7FFF), 0x01);
}

TEST(Step, PendingRequestWaitsForEiAndIsTakenRightAfterIt) {
  CpuRig rig;
  rig.Program({0xF3,    // DI
               0x00,    // NOP
               0x00,    // NOP
               0xFB,    // EI
               0x00});  // NOP: not executed before the interrupt
  rig.cpu.InterruptRequest = true;
  rig.Run(4);
  EXPECT_TRUE(rig.cpu.InterruptRequest);
  EXPECT_EQ(rig.cpu.PC, kOrigin + 4);
  EXPECT_EQ(rig.Step(), 6);
  EXPECT_EQ(rig.cpu.PC, 0x0038);
  EXPECT_EQ(rig.Memory(0x7FFE), 0x04);  // returns to the NOP after EI
}

TEST(Step, NoInterruptBetweenPrefixAndOpcode) {
  CpuRig rig;
  rig.Program({0xDD, 0x21, 0x00, 0x50});  // LD IX,0x5000
  rig.cpu.IFF1 = rig.cpu.IFF2 = true;
  rig.cpu.InterruptRequest = true;
  rig.Step();  // the acceptance
  rig.cpu.PC = kOrigin;
  rig.cpu.IFF1 = true;
  rig.Step();
  EXPECT_EQ(rig.cpu.IX(), 0x5000);
}

TEST(Step, ResetKeepsRequestButDisablesIt) {
  CpuRig rig;
  rig.cpu.I = 0x12;
  rig.cpu.R = 0x34;
  rig.cpu.IFF1 = rig.cpu.IFF2 = rig.cpu.Halted = true;
  rig.cpu.InterruptRequest = true;
  ResetCpu(rig.cpu);
  EXPECT_EQ(rig.cpu.AF(), 0xFFFF);
  EXPECT_EQ(rig.cpu.BC(), 0xFFFF);
  EXPECT_EQ(rig.cpu.DE(), 0xFFFF);
  EXPECT_EQ(rig.cpu.HL(), 0xFFFF);
  EXPECT_EQ(rig.cpu.IX(), 0xFFFF);
  EXPECT_EQ(rig.cpu.IY(), 0xFFFF);
  EXPECT_EQ(rig.cpu.SP, 0xFFFF);
  EXPECT_EQ(rig.cpu.AltAF & rig.cpu.AltBC & rig.cpu.AltDE & rig.cpu.AltHL, 0xFFFF);
  EXPECT_EQ(rig.cpu.PC, 0x0000);
  EXPECT_FALSE(rig.cpu.IFF1 || rig.cpu.IFF2 || rig.cpu.Halted);
  EXPECT_TRUE(rig.cpu.InterruptRequest);
  EXPECT_EQ(rig.cpu.I, 0x12);
  EXPECT_EQ(rig.cpu.R, 0x34);

  rig.Memory(0x0000) = 0x00;  // NOP
  rig.Memory(0x0001) = 0xFB;  // EI
  EXPECT_EQ(rig.Step(), 4);
  rig.Step();
  EXPECT_EQ(rig.Step(), 6);
  EXPECT_EQ(rig.cpu.PC, 0x0038);
}

TEST(Step, NmiWhileHaltedAndRetnRestoresIff1) {
  CpuRig rig;
  rig.Program({0x76});  // HALT
  rig.cpu.IFF1 = rig.cpu.IFF2 = true;
  rig.Step();
  rig.Memory(0x0066) = 0xED;  // RETN
  rig.Memory(0x0067) = 0x45;
  rig.bus->StepTStates() = 0;
  TriggerCpuNmi(rig.cpu, *rig.bus);
  EXPECT_EQ(rig.bus->StepTStates(), 0);  // the pushes belong to no step
  EXPECT_EQ(rig.cpu.PC, 0x0066);
  EXPECT_FALSE(rig.cpu.Halted);
  EXPECT_FALSE(rig.cpu.IFF1);
  EXPECT_TRUE(rig.cpu.IFF2);
  EXPECT_EQ(rig.Step(), 14);
  EXPECT_EQ(rig.cpu.PC, kOrigin + 1);
  EXPECT_TRUE(rig.cpu.IFF1);
}

TEST(Step, RetiCopiesIff2WhateverIff1Was) {
  for (bool iff2 : {false, true}) {
    CpuRig rig;
    rig.Program({0xED, 0x4D});  // RETI
    rig.cpu.IFF1 = !iff2;
    rig.cpu.IFF2 = iff2;
    rig.Step();
    EXPECT_EQ(rig.cpu.IFF1, iff2);
  }
}

TEST(Step, WordAccessesWrapAtTheTopOfMemory) {
  CpuRig rig;
  rig.Program({0xC5});  // PUSH BC
  rig.cpu.SetBC(0xABCD);
  rig.cpu.SP = 0x0001;
  rig.Step();
  EXPECT_EQ(rig.Memory(0x0000), 0xAB);
  EXPECT_EQ(rig.Memory(0xFFFF), 0xCD);
  EXPECT_EQ(rig.cpu.SP, 0xFFFF);

  rig.Program({0xE3});  // EX (SP),HL with SP = 0xFFFF
  rig.cpu.SetHL(0x1234);
  rig.Step();
  EXPECT_EQ(rig.cpu.HL(), 0xABCD);
  EXPECT_EQ(rig.Memory(0xFFFF), 0x34);
  EXPECT_EQ(rig.Memory(0x0000), 0x12);

  rig.Program({0x22, 0xFF, 0xFF});  // LD (0xFFFF),HL
  rig.Step();
  EXPECT_EQ(rig.Memory(0xFFFF), 0xCD);
  EXPECT_EQ(rig.Memory(0x0000), 0xAB);

  rig.cpu.PC = 0xFFFF;  // LD BC,nn across the end: operand at 0x0000, 0x0001
  rig.Memory(0xFFFF) = 0x01;
  rig.Memory(0x0000) = 0x11;
  rig.Memory(0x0001) = 0x22;
  rig.Step();
  EXPECT_EQ(rig.cpu.BC(), 0x2211);
  EXPECT_EQ(rig.cpu.PC, 0x0002);
}

TEST(Step, IndexDisplacementWrapsAndIsSigned) {
  CpuRig rig;
  rig.Program({0xDD, 0x7E, 0xFF,    // LD A,(IX-1)
               0xFD, 0x46, 0x01});  // LD B,(IY+1)
  rig.cpu.SetIX(0x0000);
  rig.cpu.SetIY(0xFFFF);
  rig.Memory(0xFFFF) = 0x5A;
  rig.Memory(0x0000) = 0xA5;
  rig.Run();
  EXPECT_EQ(rig.cpu.A, 0x5A);
  EXPECT_EQ(rig.cpu.B, 0xA5);
}

}  // namespace
}  // namespace quillor::test
