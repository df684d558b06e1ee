// Power-on of every model with the built-in ROMs, and the disk boot.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "frontend/user_commands.h"
#include "storage/disk_image_builder.h"
#include "system/rom_programs.h"
#include "system/running_machine.h"

namespace quillor::test {
namespace {

class Boot : public ::testing::TestWithParam<int> {};

TEST_P(Boot, ShowsTheBannerFreeMemoryAndThePrompt) {
  const int model = GetParam();
  const bool upperMemory = kModels[model].upperMemoryAlways;
  RunningMachine m(model, false);
  ASSERT_TRUE(m.Boot()) << m.Screen();
  const std::string screen = m.Screen();
  EXPECT_EQ(screen.find(model == kModelSixtyFour ? "QUILLOR SYSTEM ROM 1.0  (HT-1080Z/64)\n"
                                                 : "QUILLOR SYSTEM ROM 1.0  (HT-1080Z SERIES I/II)\n"),
            0u)
      << screen;
  EXPECT_NE(screen.find(upperMemory ? "\n47843 BYTES FREE\nREADY\n>" : "\n15075 BYTES FREE\nREADY\n>"),
            std::string::npos)
      << screen;
  EXPECT_NE(m.Byte(0x0125), 0x49);
  EXPECT_EQ(m.BasicStart(), 0x42E9);
  EXPECT_EQ(m.Byte(0x42E8), 0);
  EXPECT_EQ(m.BasicEnd(), 0x42EB);  // an empty program: its end link only
  EXPECT_EQ(m.Word(0x40B1), upperMemory ? 0xFFFF : 0x7FFF);
  EXPECT_EQ(m.Byte(0x4015), 1);
  EXPECT_EQ(m.Byte(0x401D), 7);
  EXPECT_EQ(m.Byte(0x4025), 6);
  EXPECT_LT(m.Word(0x4016), 0x3000);  // the drivers lie in the ROM
  EXPECT_LT(m.Word(0x401E), 0x3000);
  EXPECT_LT(m.Word(0x4026), 0x3780);  // the printer's in the second ROM
  const uint16_t cursor = m.Word(0x4020);
  EXPECT_GE(cursor, kVideoStart);
  EXPECT_LT(cursor, kVideoStart + kVideoSize);
}

INSTANTIATE_TEST_SUITE_P(Models, Boot, ::testing::Range(0, kModelCount));

std::vector<uint8_t> BootDisk() { return BootDiskPrinting("BOOTED FROM DISK"); }

TEST(DiskBoot, RunsTheBootSectorOfDriveZeroInsteadOfTheBanner) {
  RunningMachine m;
  ASSERT_TRUE(m.emu.drives.OpenMediaImage(WriteTestFile("boot.dsk", BootDisk()), 0));
  UserCommands(m.emu).Reset();
  ASSERT_TRUE(m.RunUntilScreenShows("BOOTED FROM DISK", kBootFrames)) << m.Screen();
  m.RunFrames(5);
  EXPECT_EQ(m.emu.cpu.PC, 0x420E);
  EXPECT_EQ(m.Screen().find("QUILLOR"), std::string::npos) << m.Screen();
  // The whole sector arrived, not just the code.
  const std::vector<uint8_t> image = BootDisk();
  EXPECT_TRUE(std::equal(image.begin(), image.begin() + kSectorBytes, m.emu.machine.memory.begin() + 0x4200));
}

TEST(DiskBoot, BreakHeldThroughTheResetSkipsTheDisk) {
  RunningMachine m;
  ASSERT_TRUE(m.emu.drives.OpenMediaImage(WriteTestFile("boot.dsk", BootDisk()), 0));
  m.emu.HostKeyDown(0x23);  // END plays BREAK
  UserCommands(m.emu).Reset();
  ASSERT_TRUE(m.RunUntilScreenShows("BYTES FREE", kBootFrames)) << m.Screen();
  m.emu.HostKeyUp(0x23);
  ASSERT_TRUE(m.RunUntilScreenShows("READY\n>")) << m.Screen();
  EXPECT_EQ(m.Screen().find("BOOTED"), std::string::npos) << m.Screen();
}

TEST(DiskBoot, AnEmptyDriveZeroIsReportedAndTheBannerFollows) {
  RunningMachine m;
  ASSERT_TRUE(m.emu.drives.OpenMediaImage(WriteTestFile("boot.dsk", BootDisk()), 1));
  UserCommands(m.emu).Reset();
  ASSERT_TRUE(m.Boot()) << m.Screen();
  const std::string screen = m.Screen();
  EXPECT_EQ(screen.find("NO SYSTEM DISK IN DRIVE 0\nQUILLOR SYSTEM ROM"), 0u) << screen;
  EXPECT_EQ(screen.find("BOOTED"), std::string::npos) << screen;
}

}  // namespace
}  // namespace quillor::test
