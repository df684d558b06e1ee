// Keys reaching the command level: host keys through the matrix and the
// ROM's keyboard driver, and text typed through the key-wait hook.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "storage/disk_image_builder.h"
#include "system/running_machine.h"

namespace quillor::test {
namespace {

constexpr int kVkShift = 0x10, kVkEnd = 0x23, kVkLeft = 0x25, kVkReturn = 0x0D;

// Holds the host keys together for a few frames, then lets them go.
void Press(RunningMachine& m, std::initializer_list<int> vks) {
  for (const int vk : vks) m.emu.HostKeyDown(vk);
  m.RunFrames(3);
  for (const int vk : vks) m.emu.HostKeyUp(vk);
  m.RunFrames(3);
}

class HostKeys : public ::testing::TestWithParam<int> {};

TEST_P(HostKeys, AppearWithShiftAndTheLeftArrowTakesOneBack) {
  RunningMachine m(GetParam());
  m.emu.SetLayout(KeyboardLayout::EN);
  ASSERT_TRUE(m.Boot());
  Press(m, {'A'});
  Press(m, {kVkShift, 'B'});  // lower case
  Press(m, {kVkShift, '1'});  // !
  Press(m, {'7'});
  Press(m, {kVkShift, 0xBF});  // ?
  Press(m, {kVkLeft});         // takes the ? back
  Press(m, {'A'});
  Press(m, {'A'});  // a second press of the same key counts
  EXPECT_NE(m.Screen().find("READY\n>Ab!7AA"), std::string::npos) << m.Screen();
}

INSTANTIATE_TEST_SUITE_P(Models, HostKeys, ::testing::Values(0, kModelSixtyFour));

TEST(HostKeysHeld, AKeyHeldDownIsTakenOnce) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  m.emu.HostKeyDown('Q');
  m.RunFrames(50);
  m.emu.HostKeyUp('Q');
  m.RunFrames(3);
  EXPECT_NE(m.Screen().find("READY\n>Q+\n"), std::string::npos) << m.Screen();
}

TEST(HostKeysBreak, BreakAbandonsTheLineForAFreshPrompt) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  m.PressKeys("10 NEW");
  Press(m, {kVkEnd});
  Press(m, {kVkReturn});
  const std::string screen = m.Screen();
  EXPECT_NE(screen.find(">10 NEW\n>\n"), std::string::npos) << screen;  // ENTER on the empty line
  EXPECT_EQ(m.BasicEnd(), 0x42EB) << "the abandoned line was stored";
}

TEST(MatrixTyping, EntersAndListsAProgramLine) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  m.PressKeys("10 PRINT \"a\";\nLIST\n");
  EXPECT_NE(m.Screen().find(">LIST\n10 PRINT \"a\";\nREADY"), std::string::npos) << m.Screen();
}

TEST(TextInput, TypesAFileWithItsLineEndsOnce) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  const std::string path =
      WriteTestFile("typed.txt", {'2', '0', ' ', 'E',  'N',  'D', '\r', '\n', '1', '0',  ' ',
                                  'R', 'E', 'M', '\r', '\n', 'L', 'I',  'S',  'T', '\r', '\n'});
  ASSERT_TRUE(m.emu.textInput.Start(path));
  ASSERT_TRUE(m.RunUntil([&] { return !m.emu.textInput.Active(); }));
  EXPECT_NE(m.Screen().find(">LIST\n10 REM\n20 END\nREADY\n>"), std::string::npos) << m.Screen();
}

}  // namespace
}  // namespace quillor::test
