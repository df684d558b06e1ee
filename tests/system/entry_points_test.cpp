// The documented ROM entry points called from small programs in RAM, with
// the registers they take and keep.
#include <gtest/gtest.h>

#include <string>

#include "system/running_machine.h"

namespace quillor::test {
namespace {

constexpr uint16_t kDone = 0x6000;  // results are stored from here

class EntryPoint : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m.Boot());
    for (int i = 0; i < 8; ++i) m.emu.machine.memory[kDone + i] = 0xEE;
  }
  // Runs the program until it reaches its closing JR $ at end.
  bool RunTo(uint16_t end) {
    return m.RunUntil([&] { return m.emu.cpu.PC == end; });
  }
  RunningMachine m;
};

TEST_F(EntryPoint, ClearScreenThenDisplayKeepsBcAndHl) {
  for (int a = kVideoStart; a < kVideoStart + kVideoSize; ++a) m.emu.machine.memory[a] = 'X';
  const uint8_t program[] = {
      0x21, 0x34, 0x12,              // 5000 LD HL,1234h
      0x01, 0x78, 0x56,              // 5003 LD BC,5678h
      0xCD, 0xC9, 0x01,              // 5006 CALL 01C9h   clear the screen
      0x3E, 'A',  0xCD, 0x33, 0x00,  // 5009 display A
      0x3E, 0x0D, 0xCD, 0x33, 0x00,  // 500E new line
      0x3E, 'B',  0xCD, 0x33, 0x00,  // 5013
      0x3E, 'C',  0xCD, 0x33, 0x00,  // 5018
      0x3E, 0x08, 0xCD, 0x33, 0x00,  // 501D backspace erases C
      0x22, 0x00, 0x60,              // 5022 LD (6000h),HL
      0xED, 0x43, 0x02, 0x60,        // 5025 LD (6002h),BC
      0x18, 0xFE,                    // 5029 JR $
  };
  m.Start(0x5000, program);
  ASSERT_TRUE(RunTo(0x5029));
  EXPECT_EQ(m.Screen(), "A\nB+\n" + std::string(14, '\n'));
  EXPECT_EQ(m.Word(0x4020), kVideoStart + 64 + 1);
  EXPECT_EQ(m.Word(kDone), 0x1234);
  EXPECT_EQ(m.Word(kDone + 2), 0x5678);
}

TEST_F(EntryPoint, KeyboardScanAnswersZeroThenTheNewKey) {
  const uint8_t program[] = {
      0xCD, 0x2B, 0x00,  // 5000 CALL 002Bh
      0x32, 0x00, 0x60,  // 5003 LD (6000h),A   no key yet
      0xCD, 0x2B, 0x00,  // 5006 CALL 002Bh
      0xB7,              // 5009 OR A
      0x28, 0xFA,        // 500A JR Z,5006h
      0x32, 0x01, 0x60,  // 500C LD (6001h),A
      0x18, 0xFE,        // 500F JR $
  };
  m.Start(0x5000, program);
  m.RunFrames(2);
  m.emu.HostKeyDown(0x10);  // SHIFT
  m.emu.HostKeyDown('K');
  ASSERT_TRUE(RunTo(0x500F));
  EXPECT_EQ(m.Byte(kDone), 0x00);
  EXPECT_EQ(m.Byte(kDone + 1), 'k');
}

TEST_F(EntryPoint, KeyWaitReturnsTheKeyAndKeepsHl) {
  const uint8_t program[] = {
      0x21, 0x34, 0x12,  // 5000 LD HL,1234h
      0xCD, 0x49, 0x00,  // 5003 CALL 0049h
      0x32, 0x00, 0x60,  // 5006 LD (6000h),A
      0x22, 0x01, 0x60,  // 5009 LD (6001h),HL
      0x18, 0xFE,        // 500C JR $
  };
  m.Start(0x5000, program);
  m.RunFrames(5);
  ASSERT_NE(m.emu.cpu.PC, 0x500C) << "returned without a key";
  m.emu.HostKeyDown(0x0D);  // ENTER
  ASSERT_TRUE(RunTo(0x500C));
  EXPECT_EQ(m.Byte(kDone), 0x0D);
  EXPECT_EQ(m.Word(kDone + 1), 0x1234);
}

TEST_F(EntryPoint, DelayCountsBcDownToZeroAndKeepsDeAndHl) {
  const uint8_t program[] = {
      0x01, 0xE8, 0x03,        // 5000 LD BC,1000
      0x21, 0x34, 0x12,        // 5003 LD HL,1234h
      0x11, 0x78, 0x56,        // 5006 LD DE,5678h
      0xCD, 0x60, 0x00,        // 5009 CALL 0060h
      0xED, 0x43, 0x00, 0x60,  // 500C LD (6000h),BC
      0x22, 0x02, 0x60,        // 5010 LD (6002h),HL
      0xED, 0x53, 0x04, 0x60,  // 5013 LD (6004h),DE
      0x18, 0xFE,              // 5017 JR $
  };
  m.Start(0x5000, program);
  ASSERT_TRUE(RunTo(0x5017));
  EXPECT_EQ(m.Word(kDone), 0x0000);
  EXPECT_EQ(m.Word(kDone + 2), 0x1234);
  EXPECT_EQ(m.Word(kDone + 4), 0x5678);
}

}  // namespace
}  // namespace quillor::test
