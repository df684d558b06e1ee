#include <gtest/gtest.h>

#include <memory>

#include "fakes/recording_host.h"
#include "frontend/user_commands.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

class SchedulerTest : public ::testing::Test {
 protected:
  SchedulerTest() : emu(std::make_unique<Emulator>(host.Hosts())) {
    emu->FormCreate();
    emu->FinishStartUp(1);
    emu->AssumeTimerOnTime();
    // A machine of NOPs (4 T-states each) unless a test loads a program.
    emu->machine.memory.fill(0x00);
    emu->cpu.PC = 0x4000;
  }
  void Load(uint16_t address, std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes) emu->machine.memory[address++] = b;
  }
  testing::RecordingHost host;
  std::unique_ptr<Emulator> emu;
};

TEST(FrameBudget, RoundsHalvesToEven) {
  EXPECT_EQ(FrameBudget(1.0), 70960);
  EXPECT_EQ(FrameBudget(0.78125), 55438);  // 55437.5
  EXPECT_EQ(FrameBudget(15.625), 1108750);
  EXPECT_EQ(FrameBudget(0.5 + 1.0 / 141920), 35480);  // 35480.5
}

TEST_F(SchedulerTest, LateTimerBudgetCarriesTheOvershoot) {
  emu->scheduler.TimerScale = kLateTimerScale;
  emu->SetTurbo(Turbo::Off);
  EXPECT_DOUBLE_EQ(emu->scheduler.SpeedFactor, 0.78125);
  EXPECT_EQ(host.intervals.back(), 20);
  emu->Timer1Timer();
  EXPECT_EQ(emu->scheduler.FrameTStates, 2);  // ended at 55440
  emu->Timer1Timer();
  EXPECT_EQ(emu->scheduler.FrameTStates, 0);  // ended at 55438
  emu->SetTurbo(Turbo::Full);
  EXPECT_DOUBLE_EQ(emu->scheduler.SpeedFactor, 15.625);
  emu->SetTurbo(Turbo::Double);
  EXPECT_DOUBLE_EQ(emu->scheduler.SpeedFactor, 1.5625);
}

TEST_F(SchedulerTest, DevicesTickEvery80TStates) {
  emu->scheduler.SpeedFactor = 0.4;  // 28384 T-states: the tone counter does not wrap
  emu->Timer1Timer();
  // 28388 T-states ran: 354 steps of 80 with 68 left over.
  EXPECT_EQ(emu->scheduler.SoundGeneratorTStates, 68);
  EXPECT_EQ(emu->scheduler.SampleTStates, 68);
  emu->WritePort(0x1F, 0);
  const int counter = emu->ReadPort(0x1E);
  emu->WritePort(0x1F, 1);
  EXPECT_EQ(counter | emu->ReadPort(0x1E) << 8, 0x0FFF - 10 * 354);
}

TEST_F(SchedulerTest, TimerInterruptsAre88700TStatesApartAtEverySpeed) {
  // EI; JR $ ... and at 0x0038 an interrupt routine that counts in 0x5000,
  // acknowledges the latch and returns with interrupts enabled.
  Load(0x4000, {0xFB, 0x18, 0xFE});
  Load(0x0038, {0xF5, 0x3A, 0xE0, 0x37, 0x3A, 0x00, 0x50, 0x3C, 0x32, 0x00, 0x50, 0xF1, 0xFB, 0xC9});
  emu->cpu.SP = 0x6000;
  long long total = 0;
  for (const double speed : {1.0, 10.0, 0.78125}) {
    emu->scheduler.SpeedFactor = speed;
    for (int tick = 0; tick < 12; ++tick) {
      const int before = emu->scheduler.FrameTStates;
      emu->Timer1Timer();
      total += FrameBudget(speed) + emu->scheduler.FrameTStates - before;
      ASSERT_EQ(emu->scheduler.InterruptTStates, total % kTimerInterruptTStates);
    }
  }
  // Each raise is taken within a few steps; the last may still be pending.
  const int taken = emu->machine.memory[0x5000] + (emu->cpu.InterruptRequest ? 1 : 0);
  EXPECT_EQ(taken % 256, (total / kTimerInterruptTStates) % 256);
  EXPECT_GT(total / kTimerInterruptTStates, 100);
}

TEST_F(SchedulerTest, PauseRunsNothingAndRepaintsEveryFifthTick) {
  UserCommands commands(*emu);
  commands.KeyDown(kVkPause);
  EXPECT_EQ(host.captions.back(), "Quillor -  [Paused]");
  emu->display.presentation.PresentCountdown = 5;
  host.presented.clear();
  for (int i = 0; i < 10; ++i) emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4000);
  EXPECT_EQ(host.PresentsOf(Panel::Screen), 2);
  commands.TogglePause();
  EXPECT_EQ(host.captions.back(), "Quillor");
  emu->Timer1Timer();
  EXPECT_NE(emu->cpu.PC, 0x4000);
}

TEST_F(SchedulerTest, BreakpointStopsAfterTheStepThatReachesIt) {
  emu->scheduler.Breakpoints[3] = 0x4100;
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4100);
  EXPECT_TRUE(emu->scheduler.DebuggerStopped);
  EXPECT_EQ(host.debuggerShows, 1);
  EXPECT_EQ(host.debuggerCaptions.back(), "Z80 CPU [Stopped]");
  EXPECT_EQ(emu->scheduler.FrameTStates, 0x100 * 4);  // a slice cut short keeps its count

  // Stopped: the screen keeps being served but nothing runs.
  host.presented.clear();
  emu->display.presentation.PresentCountdown = 1;
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4100);
  EXPECT_EQ(host.PresentsOf(Panel::Screen), 1);

  // A single step runs exactly one instruction.
  emu->scheduler.BreakRequest = true;
  emu->Timer1Timer();
  EXPECT_EQ(emu->cpu.PC, 0x4101);
  EXPECT_TRUE(emu->scheduler.DebuggerStopped);
  EXPECT_FALSE(emu->scheduler.BreakRequest);

  // Resuming on the breakpoint's address does not stop there at once.
  emu->scheduler.Breakpoints[3] = 0x4101;
  emu->scheduler.DebuggerStopped = false;
  emu->Timer1Timer();
  EXPECT_FALSE(emu->scheduler.DebuggerStopped);
  EXPECT_EQ(emu->cpu.PC, static_cast<uint16_t>(0x4101 + (70960 - 0x100 * 4 - 4) / 4 + 1));
}

TEST_F(SchedulerTest, OpenDebuggerFollowsTheRunningProgram) {
  emu->debugger.DebuggerBreak();
  emu->debugger.KeyDown(kVkF9);
  emu->Timer1Timer();
  EXPECT_EQ(emu->debugger.ViewAddress(), emu->cpu.PC);
  const int presents = host.debuggerPresents;
  emu->scheduler.Breakpoints[kTemporaryBreakpoint] = 0x0000;
  emu->Timer1Timer();
  EXPECT_EQ(host.debuggerPresents, presents);
  EXPECT_NE(emu->debugger.ViewAddress(), emu->cpu.PC);
}

TEST(Calibration, OnTimeAndLateHostsAndTheSpeedDisplay) {
  for (const bool late : {false, true}) {
    testing::RecordingHost host;
    auto emu = std::make_unique<Emulator>(host.Hosts());
    emu->FormCreate();
    emu->FinishStartUp(1);
    for (int tick = 0; tick < 51; ++tick) {
      host.now += late ? 31 : 20;
      emu->TimerTick();
    }
    EXPECT_TRUE(emu->scheduler.calibrated);
    EXPECT_EQ(emu->cpu.PC, 0);  // no emulation while calibrating
    EXPECT_DOUBLE_EQ(emu->scheduler.SpeedFactor, late ? 0.78125 : 1.0);
    EXPECT_EQ(host.intervals.empty() ? 20 : host.intervals.back(), late ? 20 : 40);
    for (int tick = 0; tick < 25; ++tick) {
      host.now += late ? 31 : 40;
      emu->TimerTick();
    }
    // 25 ticks of 31 ms: 50000 / 775 x 0.78125 + 0.25 = 50.65.
    EXPECT_EQ(host.captions.back(), late ? "Quillor -  [51 fps]" : "Quillor -  [50 fps]");
  }
}

TEST(Calibration, ATurboChosenWhileCalibratingWaitsForItsResult) {
  for (const Turbo turbo : {Turbo::Off, Turbo::Full}) {
    testing::RecordingHost host;
    auto emu = std::make_unique<Emulator>(host.Hosts());
    emu->FormCreate();
    emu->FinishStartUp(1);
    host.intervals.clear();
    for (int tick = 0; tick < 51; ++tick) {
      if (tick == 10) {
        emu->SetTurbo(turbo);
        EXPECT_TRUE(host.intervals.empty());  // still ticking at 20 ms
      }
      host.now += 20;
      emu->TimerTick();
    }
    EXPECT_EQ(emu->scheduler.TimerScale, 1.0);
    EXPECT_EQ(emu->scheduler.turbo, turbo);
    EXPECT_DOUBLE_EQ(emu->scheduler.SpeedFactor, turbo == Turbo::Full ? 10.0 : 1.0);
    EXPECT_EQ(host.intervals.back(), turbo == Turbo::Full ? 20 : 40);
  }
}

TEST_F(SchedulerTest, SaveDialogStopsTheTimerAndReleasesKeysAndJoystick) {
  Load(0x4000, {0x3E, 0x05, 0xD3, 0xFF, 0x76});  // LD A,5 / OUT (0FFh),A: motor on, a pulse / HALT
  emu->machine.KeyboardMatrix[3] = 0x10;
  emu->machine.joystick = 0xFE;
  host.timerRunning = true;
  emu->Timer1Timer();
  ASSERT_EQ(host.dialogRequests.size(), 1u);
  EXPECT_TRUE(host.dialogRequests[0].save);
  EXPECT_EQ(host.dialogRequests[0].title, "Save cassette image");
  EXPECT_EQ(host.timerStops, 1);
  EXPECT_TRUE(host.timerRunning);
  EXPECT_EQ(emu->machine.KeyboardMatrix[3], 0);
  EXPECT_EQ(emu->machine.joystick, 0xFF);
}

// Loop iterations of 26 T-states counted in DE:HL, with the tape motor on or off.
uint32_t IterationsOfOneTick(Emulator& emu, testing::RecordingHost& host, bool motor, bool fastTape) {
  const std::initializer_list<uint8_t> program = {
      0x3E, uint8_t(motor ? 0x04 : 0x00),  // 4000 LD A,4 or 0
      0xD3, 0xFF,                          // 4002 OUT (0FFh),A
      0x21, 0x00,
      0x00,  // 4004 LD HL,0
      0x11, 0x00,
      0x00,        // 4007 LD DE,0
      0x23,        // 400A INC HL
      0x7C,        // 400B LD A,H
      0xB5,        // 400C OR L
      0x20, 0xFB,  // 400D JR NZ,400Ah
      0x13,        // 400F INC DE
      0x18, 0xF8,  // 4010 JR 400Ah
  };
  uint16_t address = 0x4000;
  for (uint8_t b : program) emu.machine.memory[address++] = b;
  emu.cpu.PC = 0x4000;
  emu.cpu.IFF1 = false;
  emu.SetFastTape(fastTape);
  emu.WritePort(0xFF, motor ? 0x04 : 0x00);  // the motor as the tick begins
  emu.TimerTick();
  host.now += 40;
  return uint32_t(emu.cpu.DE()) << 16 | emu.cpu.HL();
}

TEST_F(SchedulerTest, FastTapeRunsManyFramesPerTickOnlyWhileTheMotorRuns) {
  const uint32_t oneFrame = kFrameTStates / 26;
  EXPECT_NEAR(IterationsOfOneTick(*emu, host, false, true), oneFrame, 2);
  EXPECT_NEAR(IterationsOfOneTick(*emu, host, true, false), oneFrame, 2);
  // The test clock stands still, so the tick adds its most frames.
  EXPECT_NEAR(IterationsOfOneTick(*emu, host, true, true), oneFrame * (kFastTapeMaxFrames + 1), 300);
  EXPECT_FALSE(emu->scheduler.fastTapeRunning);
}

TEST_F(SchedulerTest, FastTapeStopsWhenTheHostTimeIsUsed) {
  // A clock that moves 1 ms each time it is read ends the extra frames after 15 ms.
  class MovingClock final : public Clock {
   public:
    uint32_t Milliseconds() override { return now++; }
    uint32_t now = 0;
  } clock;
  EmulatorHosts hosts = host.Hosts();
  hosts.clock = &clock;
  Emulator e(hosts);
  e.FormCreate();
  e.FinishStartUp(1);
  e.AssumeTimerOnTime();
  e.machine.memory.fill(0);
  const uint32_t iterations = IterationsOfOneTick(e, host, true, true);
  EXPECT_GT(iterations, 10 * kFrameTStates / 26);
  EXPECT_LT(iterations, 20 * kFrameTStates / 26);
}

TEST_F(SchedulerTest, FocusComesBackWhenItsCountdownEnds) {
  emu->scheduler.FocusCountdown = 2;
  emu->Timer1Timer();
  EXPECT_EQ(host.focusTaken, 0);
  emu->Timer1Timer();
  emu->Timer1Timer();
  EXPECT_EQ(host.focusTaken, 1);
}

}  // namespace
}  // namespace quillor
