// The frame scheduler: the timer calibration and one tick of the machine.
#include <algorithm>
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

void Emulator::TimerTick() {
  if (!scheduler.calibrated) {
    Timer1TimerInit();
    return;
  }
  RunFastTape();
  Timer1Timer();
}

bool Emulator::FastTapeApplies() const {
  const SchedulerState& s = scheduler;
  return s.fastTape && cassette.Motor() && !s.Paused && !s.DebuggerStopped && !s.BreakRequest;
}

// Loading a tape at the machine's 500 baud takes minutes; while the motor
// runs, a tick first runs whole frames at the machine's own rate for as long
// as a part of the interval allows. Emulated time stays exact (the timer
// interrupt, the recorder and the devices see every T-state as always); only
// the host's clock is outrun. The tick's own slice and screen work follow.
void Emulator::RunFastTape() {
  if (!FastTapeApplies()) return;
  const uint32_t start = hosts_.clock->Milliseconds();
  scheduler.fastTapeRunning = true;
  for (int frame = 0; frame < kFastTapeMaxFrames && FastTapeApplies(); ++frame) {
    RunProcessorLoop(1.0);
    CarryOvershoot(1.0);
    if (hosts_.clock->Milliseconds() - start >= kFastTapeMs) break;
  }
  scheduler.fastTapeRunning = false;
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
  // What still waited in the key queue came before the dialog and would hold
  // keys whose release is lost.
  keys.Clear();
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
  anyBreakpointArmed_ = false;
  for (const int address : armedBreakpoints_) {
    if (address >= 0 && address <= 0xFFFF) {
      breakpointMap_[address] = 1;
      anyBreakpointArmed_ = true;
    }
  }
}

// Whether something must see every single step: the recorder while its motor
// runs (playback edges, reels, the recorded bit), text being typed (the hook
// watches for the key wait), a breakpoint or a pending single step.
bool Emulator::MustWatchEveryStep() const {
  return textInput.Active() || anyBreakpointArmed_ || scheduler.BreakRequest;
}

// Runs instructions until at least `due` T-states have passed, or a device
// asked to be watched step by step (WritePort ends the run then): the steps
// in between have nothing due, so they need no bookkeeping. Returns the
// T-states run.
int Emulator::RunUntilDue(int due) {
  runDue_ = runLeft_ = due;
  do {
    ExecuteStep(cpu, *this);
    runLeft_ -= machine.StepTStates;
  } while (runLeft_ > 0);
  // A motor that started in the last step gets that step, as every step
  // after it.
  cassette.AfterStep(machine.StepTStates);
  return RunDone();
}

// The same stretch while the recorder's motor runs: the recorder is given
// the run's steps at once at its end, and before that whenever the program
// reads or writes its port, so that it sees the level of the steps done.
int Emulator::RunWithMotor(int due) {
  runDue_ = runLeft_ = due;
  runSteps_ = motorDoneTStates_ = motorDoneSteps_ = 0;
  motorRun_ = true;
  do {
    ExecuteStep(cpu, *this);
    runLeft_ -= machine.StepTStates;
    ++runSteps_;
  } while (runLeft_ > 0);
  motorRun_ = false;
  cassette.AdvanceMotor(RunDone() - motorDoneTStates_, runSteps_ - motorDoneSteps_);
  return RunDone();
}

void Emulator::CatchUpCassette() {
  if (!motorRun_) return;
  // The counters hold the steps before the one now running.
  const int done = RunDone();
  cassette.AdvanceMotor(done - motorDoneTStates_, runSteps_ - motorDoneSteps_);
  motorDoneTStates_ = done;
  motorDoneSteps_ = runSteps_;
}

// The same stretch with the per-step work: the text-input hook before each
// step; the recorder after it; and an early end where the scheduler must act
// at once (a recording that needs its file name, a breakpoint, a single
// step).
int Emulator::RunWatched(int due) {
  runDue_ = runLeft_ = due;
  for (;;) {
    textInput.Step(cpu);
    ExecuteStep(cpu, *this);
    const int n = machine.StepTStates;
    runLeft_ -= n;
    cassette.AfterStep(n);
    if (runLeft_ <= 0 || cassette.SaveRequested() || breakpointMap_[cpu.PC] || scheduler.BreakRequest)
      return RunDone();
  }
}

// The sound generator steps every 80 T-states, but nothing sees it between
// accesses to its data port and the sound samples: while the processor loop
// runs, its steps wait as T-states in generatorPending_ and are taken at once
// when it is looked at, with `running` T-states of the run under way not yet
// counted there. Outside the loop nothing waits, and this does nothing.
void Emulator::CatchUpSoundGenerator(int running) {
  if (generatorBehind_) return;
  const int steps = (generatorPending_ + running) / SoundGenerator::kStepTStates;
  if (steps == 0) return;
  soundGenerator.Advance(steps);
  generatorPending_ -= steps * SoundGenerator::kStepTStates;
}

// The one-by-one loop steps the generator at most once an instruction; only
// a step as long as the generator's own (a long chain of index prefixes,
// always the last of its run) leaves it behind, and then it follows one step
// an instruction, as there, until it caught up.
void Emulator::FollowLongStep(int run) {
  const int last = machine.StepTStates;
  CatchUpSoundGenerator(run - last);
  generatorPending_ += run - SoundGenerator::kStepTStates;
  soundGenerator.Advance(1);
  generatorBehind_ = generatorPending_ >= SoundGenerator::kStepTStates;
}

void Emulator::RunProcessorLoop() { RunProcessorLoop(scheduler.SpeedFactor); }

void Emulator::RunProcessorLoop(double speedFactor) {
  SchedulerState& s = scheduler;
  const int limit = static_cast<int>(std::floor(kFrameTStates * speedFactor));
  ArmBreakpoints();
  // The counters live in registers for the slice and go back on every exit,
  // where the sound generator catches up. Its counter is behind only after a
  // step as long as its own (see FollowLongStep).
  int frame = s.FrameTStates, sample = s.SampleTStates, interrupt = s.InterruptTStates;
  generatorPending_ = s.SoundGeneratorTStates;
  generatorBehind_ = generatorPending_ >= SoundGenerator::kStepTStates;
  auto storeCounters = [&] {
    s.FrameTStates = frame;
    s.SampleTStates = sample;
    s.InterruptTStates = interrupt;
    CatchUpSoundGenerator(0);
    s.SoundGeneratorTStates = generatorPending_;
  };
  for (;;) {
    // Up to the step at which the first device tick, the timer interrupt,
    // the next waiting key change or the end of the slice falls due: the same
    // step after which the one-by-one loop would service them, since none
    // fell due before it. A sound generator left behind runs single steps.
    int due = std::min(
        {kSampleTStates - sample, kTimerInterruptTStates - interrupt, limit + 1 - frame, keys.DueIn()});
    if (generatorBehind_) [[unlikely]]
      due = 0;
    const int n = MustWatchEveryStep() ? RunWatched(due)
                  : cassette.Motor()   ? RunWithMotor(due)
                                       : RunUntilDue(due);
    keys.Advance(machine, n);
    frame += n;
    sample += n;
    interrupt += n;
    CountSoundGeneratorTStates(n);
    if (cassette.SaveRequested()) [[unlikely]] {
      storeCounters();
      CassetteSaveDialog();
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
      // Fast tape frames run far ahead of the host's clock: they stay silent.
      if (sound.Enabled() && !s.fastTapeRunning) {
        CatchUpSoundGenerator(0);
        ProduceSoundSample();
      }
    }
    if (breakpointMap_[cpu.PC] || s.BreakRequest) [[unlikely]] {
      if (breakpointMap_[cpu.PC]) s.BreakRequest = true;
      storeCounters();
      s.BreakRequest = false;
      s.DebuggerStopped = true;
      LeaveProcessorLoop();
      debugger.DebuggerBreak();
      return;
    }
    if (frame > limit) break;
  }
  storeCounters();
  LeaveProcessorLoop();
}

void Emulator::LeaveProcessorLoop() {
  generatorPending_ = 0;
  generatorBehind_ = false;
  runDue_ = runLeft_ = 0;
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
  FinishTick();
}

void Emulator::CarryOvershoot(double speedFactor) {
  // The overshoot of the last instruction is carried into the next slice.
  if (scheduler.FrameTStates > kFrameTStates * speedFactor)
    scheduler.FrameTStates -= FrameBudget(speedFactor);
}

void Emulator::FinishTick() {
  SchedulerState& s = scheduler;
  CarryOvershoot(s.SpeedFactor);

  display.PresentRunningFrame(Memory(), machine.VideoDirtyMap, *hosts_.panels);
  if (s.FocusCountdown > 0 && --s.FocusCountdown == 0) hosts_.window->TakeFocus();
  if (s.Breakpoints[kTemporaryBreakpoint] < 0 && !s.DebuggerStopped && debugger.Visible()) {
    debugger.FollowProgram(cpu.PC);
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
