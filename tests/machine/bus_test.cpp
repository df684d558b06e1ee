#include <gtest/gtest.h>

#include <memory>

#include "fakes/recording_host.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

class BusTest : public ::testing::Test {
 protected:
  BusTest() : emu(std::make_unique<Emulator>(host.Hosts())) {}
  Emulator& e() { return *emu; }
  testing::RecordingHost host;
  std::unique_ptr<Emulator> emu;
};

TEST_F(BusTest, KeyboardRowsAreSelectedByAddressBitsAndOred) {
  for (int row = 0; row < 8; ++row) e().machine.KeyboardMatrix[row] = static_cast<uint8_t>(1 << row);
  EXPECT_EQ(e().ReadMemory(0x3800, 3), 0x00);
  EXPECT_EQ(e().ReadMemory(0x38FF, 3), 0xFF);
  EXPECT_EQ(e().ReadMemory(0x3805, 3), 0x05);
  EXPECT_EQ(e().ReadMemory(0x3901, 3), e().ReadMemory(0x3801, 3));
  EXPECT_EQ(e().ReadMemory(0x3B80, 3), 0x80);
  e().machine.KeyboardMatrix.fill(0);
  e().HostKeyDown(0x20);  // space
  EXPECT_EQ(e().ReadMemory(0x3840, 3), 0x80);
}

TEST_F(BusTest, VideoReadBackDependsOnModelAndKeepsTheStoredByte) {
  e().WriteMemory(0x3C00, 0x01, 3);
  e().machine.model = 1;
  EXPECT_EQ(e().ReadMemory(0x3C00, 3), 0x41);
  e().machine.model = 4;
  EXPECT_EQ(e().ReadMemory(0x3C00, 3), 0x01);
  EXPECT_EQ(e().machine.memory[0x3C00], 0x01);
  e().WriteMemory(0x3C01, 0x20, 3);
  EXPECT_EQ(e().ReadMemory(0x3C01, 3), 0x20);
}

TEST_F(BusTest, VideoWritesMarkOnlyChangedCells) {
  e().machine.memory[0x3C05] = 0x41;
  e().WriteMemory(0x3C05, 0x41, 3);
  EXPECT_EQ(e().machine.VideoDirtyMap[5], 0);
  e().WriteMemory(0x3C05, 0x42, 3);
  EXPECT_EQ(e().machine.VideoDirtyMap[5], 1);
  e().WriteMemory(0x3FFF, 0x99, 3);
  EXPECT_EQ(e().machine.VideoDirtyMap[1023], 1);
  EXPECT_EQ(e().machine.memory[0x3FFF], 0x99);
}

TEST_F(BusTest, UpperMemoryReadsFfWhenAbsentButStoresWrites) {
  e().machine.UpperMemoryPresent = false;
  e().WriteMemory(0x8000, 0x12, 3);
  EXPECT_EQ(e().ReadMemory(0x8000, 3), 0xFF);
  EXPECT_EQ(e().ReadMemory(0x7FFF, 3), 0x00);
  e().machine.UpperMemoryPresent = true;
  EXPECT_EQ(e().ReadMemory(0x8000, 3), 0x12);
}

TEST_F(BusTest, LatchIsClearedByAProcessorReadButNotByAPeek) {
  e().RaiseInterrupt(0x80);
  EXPECT_TRUE(e().cpu.InterruptRequest);
  EXPECT_EQ(e().PeekMemory(0x37E0), 0x80);
  EXPECT_EQ(e().ReadMemory(0x37E0, 3), 0x80);
  EXPECT_EQ(e().ReadMemory(0x37E0, 3), 0x00);
  e().RaiseInterrupt(0x80);
  e().RaiseInterrupt(0x40);
  EXPECT_EQ(e().ReadMemory(0x37E0, 3), 0x40);
}

TEST_F(BusTest, DeviceAreaRowsReadAsTheirTablesSay) {
  e().machine.memory.fill(0x55);
  for (uint32_t a = 0x3780; a <= 0x37DF; ++a) ASSERT_EQ(e().ReadMemory(a, 3), 0xFF) << a;
  for (uint16_t a : {0x37E2, 0x37E7, 0x37E9, 0x37EB, 0x37F0, 0x37FF})
    EXPECT_EQ(e().ReadMemory(a, 3), 0xFF) << a;
  EXPECT_EQ(e().ReadMemory(0x37E8, 3), 0x30);
  EXPECT_EQ(e().ReadMemory(0x37EC, 3), 0xFF);  // no disk in any drive
  e().WriteMemory(0x37E1, 0xF3, 3);
  EXPECT_EQ(e().ReadMemory(0x37E1, 3), 0x03);
  e().WriteMemory(0x37EE, 0x07, 3);
  EXPECT_EQ(e().ReadMemory(0x37EE, 3), 0x07);
  EXPECT_EQ(e().ReadMemory(0x377F, 3), 0x55);
}

TEST_F(BusTest, RomAndKeyboardAreaIgnoreWrites) {
  e().machine.memory.fill(0x55);
  for (uint32_t a = 0; a <= 0x37E0; ++a) e().WriteMemory(static_cast<uint16_t>(a), 0xAA, 3);
  for (uint32_t a = 0x37F0; a <= 0x3BFF; ++a) e().WriteMemory(static_cast<uint16_t>(a), 0xAA, 3);
  for (uint32_t a = 0; a < 0x3C00; ++a) {
    if (a > 0x37E0 && a < 0x37F0) continue;
    ASSERT_EQ(e().machine.memory[a], 0x55) << a;
  }
}

TEST_F(BusTest, MemoryAccessesChargeTheirTStatesAndPeeksNothing) {
  e().machine.StepTStates = 0;
  e().ReadMemory(0x4000, 4);
  e().WriteMemory(0x4000, 1, 3);
  e().PeekMemory(0x4000);
  EXPECT_EQ(e().machine.StepTStates, 7);
}

TEST_F(BusTest, PrinterSitsBehindTheLatchAndPortFd) {
  EXPECT_EQ(e().ReadPort(0x00FD), 0x30);
  for (uint8_t c : {'H', 'I', '\r'}) e().WriteMemory(0x37E8, c, 3);
  for (uint8_t c : {'Y', 'O', '\r'}) e().WritePort(0x00FD, c);
  EXPECT_EQ(host.paper, (std::vector<std::string>{"HI", "YO"}));
}

TEST_F(BusTest, PortReadsCompareAll16BitsAndWritesOnlyTheLow8) {
  e().WritePort(0x001F, 0x38);  // register 8
  EXPECT_EQ(e().ReadPort(0x001F), 0x08);
  e().WritePort(0x001E, 0xFF);
  EXPECT_EQ(e().ReadPort(0x001E), 0x1F);
  EXPECT_EQ(e().ReadPort(0x121E), 0xFF);
  EXPECT_EQ(e().ReadPort(0x0013), 0xFF);
  EXPECT_EQ(e().ReadPort(0x0042), 0xFF);
  e().WritePort(0x12FF, 0x04);
  EXPECT_TRUE(e().cassette.Motor());
  e().WritePort(0x00FF, 0x00);
  EXPECT_FALSE(e().cassette.Motor());
  e().WritePort(0x3481, 0x5A);
  EXPECT_EQ(e().ReadPort(0x0081), 0x5A);
  EXPECT_EQ(e().ReadPort(0x0181), 0xFF);
}

TEST_F(BusTest, JoystickKeysDriveTheActiveLowPort) {
  // Keys pressed together reach the port one key-queue dwell apart, timed
  // from the program's reads of the port.
  const auto dwell = [&] { e().keys.Advance(e().machine, KeyQueue::kDwellTStates); };
  e().HostKeyDown(0x68);
  e().HostKeyDown(0x11);
  EXPECT_EQ(e().ReadPort(0x13), 0xFF & ~0x01);
  dwell();
  EXPECT_EQ(e().ReadPort(0x13), 0xFF & ~0x11);
  dwell();
  e().HostKeyUp(0x68);
  EXPECT_EQ(e().ReadPort(0x13), 0xFF & ~0x10);
}

}  // namespace
}  // namespace quillor
