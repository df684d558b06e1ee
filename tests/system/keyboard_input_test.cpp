// Keys reaching the command level: host keys through the matrix and the
// ROM's keyboard driver, and text typed through the key-wait hook.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

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

// Host key events as a typing tool sends them: each key pressed and released
// at once, one event every millisecond, so about 40 events reach the window
// between two frames.
struct HostEvent {
  int vk;
  bool down;
};

std::vector<HostEvent> EventsForLine(std::string_view line) {
  std::vector<HostEvent> events;
  auto tap = [&](int vk) {
    events.push_back({vk, true});
    events.push_back({vk, false});
  };
  for (const char c : line) {
    if (c == '"') {
      events.push_back({kVkShift, true});
      tap('2');
      events.push_back({kVkShift, false});
    } else if (c == ',') {
      tap(0xBC);
    } else if (c == '\n') {
      tap(kVkReturn);
    } else {
      tap(c);
    }
  }
  return events;
}

void SendAtOneMillisecondSpacing(RunningMachine& m, const std::vector<HostEvent>& events) {
  constexpr size_t kEventsPerFrame = 40;
  for (size_t i = 0; i < events.size(); ++i) {
    if (events[i].down) m.emu.HostKeyDown(events[i].vk);
    else m.emu.HostKeyUp(events[i].vk);
    if ((i + 1) % kEventsPerFrame == 0) m.RunFrames(1);
  }
}

TEST(FastHostKeys, ALineTappedAtOneMillisecondSpacingArrivesWhole) {
  RunningMachine m;
  m.emu.SetLayout(KeyboardLayout::EN);
  ASSERT_TRUE(m.Boot());
  SendAtOneMillisecondSpacing(m, EventsForLine("10 PRINT \"HELLO\",ALL\nLIST\n"));
  EXPECT_EQ(m.emu.keys.RefusedPresses(), 0u);
  ASSERT_TRUE(
      m.RunUntilScreenShows("READY\n>10 PRINT \"HELLO\",ALL\n>LIST\n10 PRINT \"HELLO\",ALL\nREADY\n>"))
      << m.Screen();
}

TEST(FastHostKeys, AHeldKeyWithTheHostsRepeatsIsTakenOnce) {
  // The ROM reports a key when it goes down and has no repeat of its own;
  // the host's auto-repeated key-downs must not add presses.
  RunningMachine m;
  m.emu.SetLayout(KeyboardLayout::EN);
  ASSERT_TRUE(m.Boot());
  m.emu.HostKeyDown('Q');
  for (int i = 0; i < 50; ++i) {
    m.RunFrames(1);
    m.emu.HostKeyDown('Q');
    EXPECT_EQ(m.emu.machine.KeyboardMatrix[2], 0x02) << "frame " << i;
  }
  m.emu.HostKeyUp('Q');
  m.emu.HostKeyDown('W');
  m.emu.HostKeyUp('W');
  m.RunFrames(10);
  EXPECT_NE(m.Screen().find("READY\n>QW+\n"), std::string::npos) << m.Screen();
}

TEST(FastHostKeys, AProgramPollingTheMatrixCountsEveryShortPress) {
  RunningMachine m;
  m.emu.SetLayout(KeyboardLayout::EN);
  ASSERT_TRUE(m.Boot());
  // Counts the presses of A at 5100h: waits for the key, counts, waits for
  // its release.
  const uint8_t counter[] = {
      0x3A, 0x01, 0x38,  // 5000 LD A,(3801h)
      0xE6, 0x02,        // 5003 AND 02h
      0x28, 0xF9,        // 5005 JR Z,5000h
      0x21, 0x00, 0x51,  // 5007 LD HL,5100h
      0x34,              // 500A INC (HL)
      0x3A, 0x01, 0x38,  // 500B LD A,(3801h)
      0xE6, 0x02,        // 500E AND 02h
      0x20, 0xF9,        // 5010 JR NZ,500Bh
      0x18, 0xEC,        // 5012 JR 5000h
  };
  m.emu.machine.memory[0x5100] = 0;
  m.Start(0x5000, counter);
  m.RunFrames(2);
  for (int i = 0; i < 3; ++i) {
    m.emu.HostKeyDown('A');
    m.emu.HostKeyUp('A');
  }
  m.RunFrames(10);
  EXPECT_EQ(m.Byte(0x5100), 3);
}

TEST(FastHostKeys, NothingMovesWhilePausedOrStoppedAndTheSaveDialogEmptiesIt) {
  RunningMachine m;
  Emulator* e = &m.emu;
  e->SetLayout(KeyboardLayout::EN);
  ASSERT_TRUE(m.Boot());
  e->SetPaused(true);
  e->HostKeyDown('A');
  e->HostKeyUp('A');
  for (int i = 0; i < 5; ++i) e->Timer1Timer();
  EXPECT_EQ(e->machine.KeyboardMatrix[0], 0x02) << "the release waits while paused";
  e->SetPaused(false);
  e->scheduler.DebuggerStopped = true;
  for (int i = 0; i < 5; ++i) e->Timer1Timer();
  EXPECT_EQ(e->machine.KeyboardMatrix[0], 0x02) << "and while stopped in the debugger";
  e->scheduler.DebuggerStopped = false;
  for (int i = 0; i < 2; ++i) e->Timer1Timer();
  EXPECT_EQ(e->machine.KeyboardMatrix[0], 0x00);

  e->HostKeyDown('B');
  e->HostKeyDown(0x11);  // fire
  e->HostKeyUp('B');
  m.host.dialogAnswers.push_back(std::nullopt);
  e->CassetteSaveDialog();
  EXPECT_EQ(e->keys.Pending(), 0u);
  for (int i = 0; i < 5; ++i) e->Timer1Timer();
  EXPECT_EQ(e->machine.KeyboardMatrix, (std::array<uint8_t, 8>{}));
  EXPECT_EQ(e->machine.joystick, 0xFF);
}

}  // namespace
}  // namespace quillor::test
