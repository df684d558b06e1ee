// The built-in ROMs running on the processor: boot, keys, the command level.
#include "system/rom_rig.h"

#include <gtest/gtest.h>

namespace quillor::test {
namespace {

constexpr long kBoot = 3'000'000;

struct Model {
  const char* main;
  const char* second;
  bool upperMemory;
};

class Boot : public ::testing::TestWithParam<Model> {};

TEST_P(Boot, ShowsTheBannerFreeMemoryAndThePrompt) {
  const Model m = GetParam();
  RomRig rig(m.main, m.second, m.upperMemory);
  rig.Run(kBoot);
  const std::string screen = rig.Screen();
  EXPECT_NE(screen.find("QUILLOR SYSTEM ROM"), std::string::npos) << screen;
  EXPECT_NE(screen.find(m.upperMemory ? "47843 BYTES FREE" : "15075 BYTES FREE"),
            std::string::npos) << screen;
  EXPECT_NE(screen.find("READY\n>"), std::string::npos) << screen;
  EXPECT_EQ(rig.Word(0x40A4), 0x42E9);
  EXPECT_EQ(rig.Word(0x40F9), 0x42EB);
  EXPECT_EQ(rig.Word(0x40B1), m.upperMemory ? 0xFFFF : 0x7FFF);
  EXPECT_LT(rig.Word(0x4016), 0x3000);  // driver addresses lie in the ROM
  EXPECT_LT(rig.Word(0x401E), 0x3000);
  EXPECT_EQ(rig.memory_[0x4015], 1);
  EXPECT_EQ(rig.memory_[0x401D], 7);
  EXPECT_EQ(rig.memory_[0x4025], 6);
}

INSTANTIATE_TEST_SUITE_P(
    Models, Boot,
    ::testing::Values(Model{"ROM12K", "ROM2K", false}, Model{"ROM12K", "ROM2K", true},
                      Model{"ROM12K", "ROM2KS2", false}, Model{"ROM12K", "ROM2KS2", true},
                      Model{"ROM12KS3", "ROM2KS3", true}));

TEST(CommandLevel, TypedLinesAreTokenisedAndListedBack) {
  RomRig rig("ROM12K", "ROM2K", false);
  rig.Run(kBoot);
  rig.TypeAndRun(
      "20 FOR I=1 TO 10:NEXT I ' NOTE\r10 PRINT \"HI\";A<>B\r15 ?X\r15\rLIST\r");
  const std::string screen = rig.Screen();
  EXPECT_NE(screen.find("10 PRINT \"HI\";A<>B\n20 FOR I=1 TO 10:NEXT I ' NOTE\nREADY"),
            std::string::npos) << screen;
  // Line 10 is stored first, tokenised: PRINT is B2h, <> is D6h D4h.
  EXPECT_EQ(rig.Word(0x42EB), 10);
  EXPECT_EQ(rig.memory_[0x42ED], 0xB2);
}

TEST(CommandLevel, LlistSendsTheListingToThePrinter) {
  RomRig rig("ROM12K", "ROM2K", false);
  rig.Run(kBoot);
  rig.TypeAndRun("10 GOTO 10\rLLIST\r");
  EXPECT_EQ(rig.printed, "10 GOTO 10\r");
}

TEST(CommandLevel, RelinkEntryRebuildsLinksAndReturnsToTheCommandLevel) {
  RomRig rig("ROM12K", "ROM2K", false);
  rig.Run(kBoot);
  // Two lines stored with links from another start address.
  const uint8_t program[] = {0x11, 0x11, 10, 0, 0x93, 'A', 0,
                             0x22, 0x22, 20, 0, 0x80, 0, 0, 0};
  for (size_t i = 0; i < sizeof program; ++i) rig.memory_[0x42E9 + i] = program[i];
  rig.cpu_.D = 0x42;
  rig.cpu_.E = 0xE9;
  rig.cpu_.PC = 0x1AE9;
  rig.TypeAndRun("LIST\r");
  EXPECT_EQ(rig.Word(0x42E9), 0x42F0);
  EXPECT_EQ(rig.Word(0x42F0), 0x42F6);
  EXPECT_EQ(rig.Word(0x40F9), 0x42F8);
  EXPECT_NE(rig.Screen().find("10 REMA\n20 END\nREADY"), std::string::npos) << rig.Screen();
}

TEST(Keyboard, NewKeysAppearWithShiftAndBreakGivesAFreshPrompt) {
  RomRig rig("ROM12KS3", "ROM2KS3", true);
  rig.Run(kBoot);
  auto press = [&](int row, uint8_t bit, bool shift) {
    rig.keyboard[row] |= bit;
    if (shift) rig.keyboard[7] |= 1;
    rig.Run(300'000);
    rig.keyboard = {};
    rig.Run(300'000);
  };
  press(0, 0x02, false);   // A
  press(0, 0x04, true);    // b
  press(4, 0x02, true);    // !
  press(5, 0x80, true);    // ?
  press(6, 0x20, false);   // left arrow takes the ? back
  press(6, 0x04, false);   // BREAK
  const std::string screen = rig.Screen();
  EXPECT_NE(screen.find(">Ab!\n>"), std::string::npos) << screen;
}

TEST(Monitor, FillsAndDisplaysMemory) {
  RomRig rig("ROM12K", "ROM2K", false);
  rig.Run(kBoot);
  rig.TypeAndRun("MON\rF 5000 5007 AB\rD 5000\rX\r");
  EXPECT_EQ(rig.memory_[0x5007], 0xAB);
  EXPECT_EQ(rig.memory_[0x5008], 0x00);
  EXPECT_NE(rig.Screen().find("5000 AB AB AB AB AB AB AB AB"), std::string::npos)
      << rig.Screen();
}

}  // namespace
}  // namespace quillor::test
