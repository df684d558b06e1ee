// The frame scheduler: the timer calibration and one tick of the machine.
#include <cmath>
#include <string>

#include "cpu/execute_step.h"
#include "machine/emulator.h"

namespace quillor {

int FrameBudget(double speedFactor) {
  const double exact = kFrameTStates * speedFactor;
  const double down = std::floor(exact);
  const double fraction = exact - down;
  if (fraction > 0.5) return static_cast<int>(down) + 1;
  if (fraction < 0.5) return static_cast<int>(down);
  const int even = static_cast<int>(down);
  return even % 2 == 0 ? even : even + 1;
}

void Emulator::Timer1TimerInit() {
  if (scheduler.tickCount == 0) scheduler.lastTickTime = hosts_.clock->Milliseconds();
  if (scheduler.tickCount < kCalibrationTicks) {
    ++scheduler.tickCount;
    return;
  }
  const uint32_t now = hosts_.clock->Milliseconds();
  if (now - scheduler.lastTickTime <= kOnTimeLimitMs) {
    AssumeTimerOnTime();
  } else {
    scheduler.TimerScale = kLateTimerScale;
    scheduler.SpeedFactor = kLateTimerScale / 2;
  }
  scheduler.calibrated = true;
  scheduler.lastTickTime = now;
  scheduler.tickCount = 0;
  // A turbo item chosen while calibrating takes effect now (see SetTurbo).
  SetTurbo(scheduler.turbo);
  if (!commandLineFile.empty()) StartCommandLineFile();
}

void Emulator::AssumeTimerOnTime() {
  scheduler.TimerScale = 1.0;
  scheduler.SpeedFactor = 1.0;
  scheduler.calibrated = true;
  hosts_.timer->SetInterval(40);
}

void Emulator::SetTurbo(Turbo turbo) {
  scheduler.turbo = turbo;
  // The calibration measures 50 ticks at 20 ms. Changing the interval under
  // it would make an on-time host look late and slow the machine for good,
  // and its result would overwrite the chosen speed; so the choice waits.
  if (!scheduler.calibrated) return;
  const double scale = scheduler.TimerScale;
  switch (turbo) {
    case Turbo::Off:
      hosts_.timer->SetInterval(scale == 1.0 ? 40 : 20);
      scheduler.SpeedFactor = scale == 1.0 ? scale : scale / 2;
      break;
    case Turbo::Double:
      hosts_.timer->SetInterval(20);
      scheduler.SpeedFactor = scale;
      break;
    case Turbo::Full:
      hosts_.timer->SetInterval(20);
      scheduler.SpeedFactor = 10 * scale;
      break;
  }
}

void Emulator::CassetteSaveDialog() {
  hosts_.timer->Stop();
  cassette.BeginSaveDialog();
  const auto choice = hosts_.dialogs->ChooseSaveFile(kCassetteSaveTitle, "Cassette image (*.cas)|*.CAS", "");
  cassette.AcceptSaveFileName(choice ? std::optional<std::string>(choice->path) : std::nullopt,
                              cassettePanel);
  // The key-up events went to the dialog: release the keys and the joystick.
  machine.KeyboardMatrix.fill(0);
  machine.joystick = 0xFF;
  hosts_.timer->Start();
}

// The eleven entries as a map by address, so the check after every step is
// one look-up. Nothing can change the entries while a slice runs.
void Emulator::ArmBreakpoints() {
  for (const int address : armedBreakpoints_) {
    if (address >= 0 && address <= 0xFFFF) breakpointMap_[address] = 0;
  }
  armedBreakpoints_ = scheduler.Breakpoints;
  for (const int address : armedBreakpoints_) {
    if (address >= 0 && address <= 0xFFFF) breakpointMap_[address] = 1;
  }
}

void Emulator::RunProcessorLoop() {
  SchedulerState& s = scheduler;
  const int limit = static_cast<int>(std::floor(kFrameTStates * s.SpeedFactor));
  ArmBreakpoints();
  // The counters live in registers for the slice and go back on every exit.
  int frame = s.FrameTStates, sample = s.SampleTStates;
  int soundGenerator = s.SoundGeneratorTStates, interrupt = s.InterruptTStates;
  auto storeCounters = [&] {
    s.FrameTStates = frame;
    s.SampleTStates = sample;
    s.SoundGeneratorTStates = soundGenerator;
    s.InterruptTStates = interrupt;
  };
  for (;;) {
    textInput.Step(cpu);
    ExecuteStep(cpu, *this);
    const int n = machine.StepTStates;
    frame += n;
    sample += n;
    soundGenerator += n;
    interrupt += n;
    // Playback, reels and the recorded bit; nothing while the motor is off.
    cassette.AfterStep(n);
    if (cassette.SaveRequested()) [[unlikely]] {
      storeCounters();
      CassetteSaveDialog();
    }
    if (soundGenerator >= SoundGenerator::kStepTStates) {
      soundGenerator -= SoundGenerator::kStepTStates;
      this->soundGenerator.SoundGeneratorStep();
    }
    if (interrupt >= kTimerInterruptTStates) [[unlikely]] {
      interrupt -= kTimerInterruptTStates;
      RaiseInterrupt(kTimerInterrupt);
    }
    if (sample >= kSampleTStates) {
      sample -= kSampleTStates;
      if (fdc.ServiceDue()) {
        fdc.FdcService();
        if (fdc.TakeInterrupt()) RaiseInterrupt(kDiskInterrupt);
      }
      if (sound.Enabled()) ProduceSoundSample();
    }
    if (breakpointMap_[cpu.PC] || s.BreakRequest) [[unlikely]] {
      if (breakpointMap_[cpu.PC]) s.BreakRequest = true;
      storeCounters();
      s.BreakRequest = false;
      s.DebuggerStopped = true;
      hosts_.debugger->DebuggerBreak();
      return;
    }
    if (frame > limit) break;
  }
  storeCounters();
}

void Emulator::UpdateSpeedDisplay() {
  if (++scheduler.tickCount < kSpeedDisplayTicks) return;
  const uint32_t now = hosts_.clock->Milliseconds();
  uint32_t elapsed = now - scheduler.lastTickTime;
  if (elapsed == 0) elapsed = 1;
  scheduler.speed = 50000.0 / elapsed * scheduler.SpeedFactor + 0.25;
  scheduler.lastTickTime = now;
  scheduler.tickCount = 0;
  const auto fps = static_cast<long long>(std::nearbyint(scheduler.speed));
  hosts_.window->SetCaption("Quillor -  [" + std::to_string(fps) + " fps]");
}

void Emulator::Timer1Timer() {
  SchedulerState& s = scheduler;
  if (s.Paused) {
    display.PresentPausedFrame(*hosts_.panels);
    return;
  }
  if (!s.DebuggerStopped || s.BreakRequest) RunProcessorLoop();
  const double budget = kFrameTStates * s.SpeedFactor;
  // The overshoot of the last instruction is carried into the next slice.
  if (s.FrameTStates > budget) s.FrameTStates -= FrameBudget(s.SpeedFactor);

  display.PresentRunningFrame(Memory(), machine.VideoDirtyMap, *hosts_.panels);
  if (s.FocusCountdown > 0 && --s.FocusCountdown == 0) hosts_.window->TakeFocus();
  if (s.Breakpoints[kTemporaryBreakpoint] < 0 && !s.DebuggerStopped &&
      hosts_.debugger->DebuggerVisible()) {
    hosts_.debugger->RefreshDebugger(cpu.PC);
  }
  UpdateSpeedDisplay();
  display.StepBarHide(*hosts_.panels);
  // The controller and the recorder each ask for the status redraw.
  if (fdc.TakeLampsChanged()) s.driveLampsChanged = true;
  if (fdc.TakeStatusRedraw() || s.driveLampsChanged) cassette.RequestStatusRedraw();
  if (cassette.StatusRedrawRequested()) {
    if (s.driveLampsChanged) {
      display.DrawDriveLeds(fdc.State().driveLeds, *hosts_.panels);
      s.driveLampsChanged = false;
    }
    cassette.StatusRedraw(cassettePanel);
  }
}

}  // namespace quillor
