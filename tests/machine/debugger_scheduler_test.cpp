// The debugger and the frame scheduler together: breakpoints, steps and
// resumes through the debugger's own keys on a running emulator.
#include <gtest/gtest.h>

#include <memory>

#include "fakes/recording_host.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

class DebuggerSchedulerTest : public ::testing::Test {
 protected:
  DebuggerSchedulerTest() : emu(std::make_unique<Emulator>(host.Hosts())) {
    emu->FormCreate();
    emu->FinishStartUp(1);
    emu->AssumeTimerOnTime();
    emu->machine.memory.fill(0x00);
    emu->cpu.SP = 0x8000;
    emu->cpu.A = 0;
    emu->cpu.SetBC(0x0001);
    emu->layout = KeyboardLayout::EN;
    // 4000: CALL 4100; 4003: LDIR; 4005: JP 4000 / 4100: INC A; RET
    Load(0x4000, {0xCD, 0x00, 0x41, 0xED, 0xB0, 0xC3, 0x00, 0x40});
    Load(0x4100, {0x3C, 0xC9});
    emu->cpu.PC = 0x4000;
  }
  void Load(uint16_t address, std::initializer_list<uint8_t> bytes) {
    for (const uint8_t b : bytes) emu->machine.memory[address++] = b;
  }
  void StopAtBreakpoint(uint16_t address) {
    emu->scheduler.Breakpoints[0] = address;
    emu->Timer1Timer();
    emu->scheduler.Breakpoints[0] = -1;
    ASSERT_TRUE(emu->scheduler.DebuggerStopped);
    ASSERT_EQ(emu->cpu.PC, address);
  }

  testing::RecordingHost host;
  std::unique_ptr<Emulator> emu;
};

TEST_F(DebuggerSchedulerTest, ABreakpointStopsBeforeItsInstructionAndShowsTheWindow) {
  emu->debugger.ToggleBreakpoint(0x4100);
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4100);
  EXPECT_EQ(emu->cpu.A, 0);  // INC A has not run
  EXPECT_TRUE(emu->scheduler.DebuggerStopped);
  EXPECT_TRUE(host.debuggerShown);
  EXPECT_EQ(host.debuggerCaptions.back(), "Z80 CPU [Stopped]");
  EXPECT_EQ(emu->debugger.Screen().Text(0, 5, 4), "4100");
  EXPECT_EQ(emu->debugger.Screen().Attribute(0, 5), 9);

  // Stopped, the frame timer keeps serving the window and nothing runs.
  const uint32_t r = emu->cpu.R;
  for (int i = 0; i < 5; ++i) emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4100);
  EXPECT_EQ(emu->cpu.R, r);
}

TEST_F(DebuggerSchedulerTest, F7StepsExactlyOneInstruction) {
  StopAtBreakpoint(0x4100);
  emu->debugger.KeyDown(kVkF7);
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4101);
  EXPECT_EQ(emu->cpu.A, 1);
  EXPECT_TRUE(emu->scheduler.DebuggerStopped);
  EXPECT_EQ(emu->debugger.ViewAddress(), 0x4101);
  // The register that changed in the step is highlighted.
  EXPECT_EQ(emu->debugger.Screen().Attribute(47, 0), 2);
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4101);
}

TEST_F(DebuggerSchedulerTest, F8StepsOverACallAndABlockMove) {
  emu->debugger.ToggleFromMenu();  // F1: the next tick stops after one step
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4100);  // the CALL was that step
  emu->debugger.KeyDown(kVkF7);
  emu->Timer1Timer();
  emu->debugger.KeyDown(kVkF7);
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4003);  // back from the subroutine

  // LDIR of 0x300 bytes: many steps, one key.
  emu->cpu.SetBC(0x0300);
  emu->cpu.SetHL(0x5000);
  emu->cpu.SetDE(0x6000);
  Load(0x52FF, {0x77});
  emu->debugger.KeyDown(kVkF8);
  EXPECT_FALSE(emu->scheduler.DebuggerStopped);
  for (int i = 0; i < 3 && !emu->scheduler.DebuggerStopped; ++i) emu->Timer1Timer();
  EXPECT_TRUE(emu->scheduler.DebuggerStopped);
  EXPECT_EQ(emu->cpu.PC, 0x4005);
  EXPECT_EQ(emu->cpu.BC(), 0);
  EXPECT_EQ(emu->machine.memory[0x62FF], 0x77);
  EXPECT_EQ(emu->scheduler.Breakpoints[kTemporaryBreakpoint], -1);

  // JP is a single step; then the CALL runs its subroutine whole.
  emu->debugger.KeyDown(kVkF8);
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4000);
  const uint8_t a = emu->cpu.A;
  emu->debugger.KeyDown(kVkF8);
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4003);
  EXPECT_EQ(emu->cpu.A, static_cast<uint8_t>(a + 1));
}

TEST_F(DebuggerSchedulerTest, F4RunsToTheViewAddressAndF9RunsOn) {
  StopAtBreakpoint(0x4000);
  emu->debugger.KeyDown(kVkDown);
  emu->debugger.KeyDown(kVkDown);  // view on JP 4000 at 4005
  EXPECT_EQ(emu->debugger.ViewAddress(), 0x4005);
  emu->debugger.KeyDown(kVkF4);
  EXPECT_EQ(host.debuggerCaptions.back(), "Z80 CPU [Running]");
  // The LDIR with BC = 0 copies 64 KB first: some twenty frames.
  for (int i = 0; i < 50 && !emu->scheduler.DebuggerStopped; ++i) emu->Timer1Timer();
  EXPECT_TRUE(emu->scheduler.DebuggerStopped);
  EXPECT_EQ(emu->cpu.PC, 0x4005);

  emu->debugger.KeyDown(kVkF9);
  EXPECT_EQ(emu->scheduler.FocusCountdown, 50);
  emu->Timer1Timer();
  EXPECT_FALSE(emu->scheduler.DebuggerStopped);
  EXPECT_TRUE(host.debuggerShown);
  // The open window follows the program; the main window gets the keys back
  // after 50 ticks.
  EXPECT_EQ(emu->debugger.ViewAddress(), emu->cpu.PC);
  for (int i = 0; i < 49; ++i) emu->Timer1Timer();
  EXPECT_EQ(host.focusTaken, 1);
}

TEST_F(DebuggerSchedulerTest, EditingMemoryFromTheDumpReachesTheScreen) {
  StopAtBreakpoint(0x4000);
  emu->debugger.MouseDown(MouseButton::Left, 6, 8 * 30 + 7);
  for (const char k : std::string("3C0041")) emu->debugger.KeyDown(k);
  EXPECT_EQ(emu->machine.memory[0x3C00], 0x41);
  EXPECT_EQ(emu->machine.VideoDirtyMap[0], 1);
}

}  // namespace
}  // namespace quillor
