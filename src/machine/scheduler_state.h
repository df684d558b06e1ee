// The frame scheduler's counters, switches and countdowns.
#pragma once

#include <array>
#include <cstdint>

namespace quillor {

// One frame of the machine: 40 ms of the 1 774 000 Hz clock.
inline constexpr int kFrameTStates = 70960;
inline constexpr int kTimerInterruptTStates = 88700;
inline constexpr int kSampleTStates = 80;
inline constexpr int kBreakpointCount = 11;
// The debugger's temporary breakpoint; while negative the open debugger
// follows the running program.
inline constexpr int kTemporaryBreakpoint = 10;
inline constexpr int kCalibrationTicks = 50;
inline constexpr uint32_t kOnTimeLimitMs = 1200;
inline constexpr double kLateTimerScale = 1.5625;  // ticks every 31.25 ms
inline constexpr int kSpeedDisplayTicks = 25;
inline constexpr int kFocusCountdownTicks = 50;
// Fast tape: the frames a tick may add while the recorder's motor runs, and
// the host milliseconds they may take (below the shortest timer interval, so
// the window stays responsive).
inline constexpr int kFastTapeMaxFrames = 250;
inline constexpr uint32_t kFastTapeMs = 15;

enum class Turbo { Off, Double, Full };

struct SchedulerState {
  double SpeedFactor = 1.0;
  double TimerScale = 1.0;
  Turbo turbo = Turbo::Off;
  bool calibrated = false;  // Timer1Timer installed
  int tickCount = 0;
  uint32_t lastTickTime = 0;
  double speed = 50.0;
  int FrameTStates = 0;
  int SampleTStates = 0;
  int InterruptTStates = 0;
  int SoundGeneratorTStates = 0;
  bool Paused = false;
  bool DebuggerStopped = false;
  bool BreakRequest = false;
  std::array<int, kBreakpointCount> Breakpoints{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  int FocusCountdown = 0;
  bool driveLampsChanged = false;
  // "&Fast tape": while the recorder's motor runs, the frame timer runs the
  // machine as fast as the host allows.
  bool fastTape = true;
  // True while those extra frames run (the sound output stays silent then).
  bool fastTapeRunning = false;
};

// 70960 x SpeedFactor as a whole number of T-states, halves to even, so the
// 55437.5 of a late host timer alternates as evenly as it can.
int FrameBudget(double speedFactor);

}  // namespace quillor
