// The whole emulated computer and everything around it: one object that owns
// the machine record, the processor, every device, the display and the
// scheduler, and reaches the window system only through the host interfaces
// it is given. Tests create as many as they like.
//
// The emulator is also the processor's bus: ReadMemory, WriteMemory,
// ReadPort and WritePort are inline (emulator_bus.h), so ExecuteStep over it
// makes no virtual call per access.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cpu/cpu_state.h"
#include "cpu/memory_peek.h"
#include "debugger/debugger_model.h"
#include "debugger/debugger_window.h"
#include "display/display.h"
#include "host/clock.h"
#include "host/dialog_host.h"
#include "host/paper_host.h"
#include "host/timer_host.h"
#include "host/wave_device.h"
#include "host/window_host.h"
#include "machine/display_cassette_panel.h"
#include "machine/emulator_debug_target.h"
#include "machine/key_queue.h"
#include "machine/keyboard.h"
#include "machine/machine.h"
#include "machine/models.h"
#include "machine/rom_registry.h"
#include "machine/scheduler_state.h"
#include "machine/sound_generator.h"
#include "machine/sound_output.h"
#include "storage/cassette_deck.h"
#include "storage/drive_state.h"
#include "storage/fdc.h"
#include "storage/printer.h"
#include "storage/text_input.h"

namespace quillor {

inline constexpr std::string_view kMainCaption = "Quillor Video Genie I / HT1080Z Emulator v2.5.5";
inline constexpr std::string_view kSoundNotInitialized = "Sound not initialized";

// The host side. Any interface left null gets a do-nothing one (and the clock
// the real steady clock).
struct EmulatorHosts {
  WindowHost* window = nullptr;
  PanelPresenter* panels = nullptr;
  TimerHost* timer = nullptr;
  DialogHost* dialogs = nullptr;
  Clock* clock = nullptr;
  PaperHost* paper = nullptr;
  DebuggerWindow* debugger = nullptr;
  WaveDevice* wave = nullptr;
};

// The display's drive panels and the drives are counted apart; they must agree.
static_assert(kDrivePanelCount == kDriveCount, "one drive panel per drive");

class Emulator final : public MemoryPeek {
 public:
  explicit Emulator(EmulatorHosts hosts = {});
  Emulator(const Emulator&) = delete;
  Emulator& operator=(const Emulator&) = delete;

  // The host interfaces this emulator reports to (the defaults where none
  // was given), for the user's commands that sit on top of it.
  const EmulatorHosts& Hosts() const { return hosts_; }

  // ---- The bus (inline, emulator_bus.h) ----
  uint8_t ReadMemory(uint16_t address, int tstates);
  // What ReadMemory would return, with no T-states counted and no device
  // touched: the debugger's, the disassembler's and the commands' read.
  uint8_t PeekMemory(uint16_t address) const override;
  void WriteMemory(uint16_t address, uint8_t value, int tstates);
  // The whole 16-bit port number: a high byte other than 0 reads 0xFF.
  uint8_t ReadPort(uint16_t port);
  // Decodes the low 8 bits.
  void WritePort(uint16_t port, uint8_t value);
  int& StepTStates() { return machine.StepTStates; }
  // Replaces the latch read at 0x37E0 and requests the maskable interrupt.
  void RaiseInterrupt(uint8_t latch) {
    machine.interruptLatch = latch;
    cpu.InterruptRequest = true;
  }

  // ---- Start-up, models, reset (start_up.cpp) ----
  // The core's share of the main window's creation, up to the settings.
  void FormCreate();
  // After the settings: the saved model (forcing the ROM load and a reset),
  // then the frame timer starts calibrating.
  void FinishStartUp(int savedModel = kDefaultModel);
  void SetModel(int model);
  void ResetMachine();
  void TriggerNmi();
  // The user's ROM folder; returns one message per refused file.
  std::vector<std::string> UseRomFolder(const std::string& folder) { return roms.LoadUserFolder(folder); }

  // ---- Keyboard (keys are Windows virtual-key codes) ----
  // A host key pressed or released: the matrix or the joystick, through the
  // key queue, which keeps every change visible long enough for the ROM.
  void HostKeyDown(int vk);
  void HostKeyUp(int vk);
  void SetLayout(KeyboardLayout chosen) { layout = chosen; }

  // ---- Media and programs (media.cpp) ----
  // Slots 0-3 are the drives, kCassetteSlot the recorder. An image that does
  // not open leaves its slot empty; false then. The panel shows the result.
  bool InsertMedia(int slot, const std::string& path);
  void RemoveMedia(int slot);
  // Shows the slot's picture as it is and asks for the status redraw.
  void RefreshMediaSlot(int slot);
  void RewindCassette();
  // Loads a program file and points the processor at it; returns
  // LoadProgramFile's result (kNotAProgram and the others when nothing ran).
  int32_t RunProgramFile(const std::string& path);
  // False when the file cannot be opened.
  bool StartTextInput(const std::string& path) { return textInput.Start(path); }
  // As for a file named on the command line: a machine-code program starts,
  // anything else is inserted as the tape. True when either happened.
  bool StartFile(const std::string& path);

  // ---- The frame scheduler (frame_scheduler.cpp) ----
  // The frame timer's handler: calibration for the first 51 ticks, then a
  // slice of the machine per tick.
  void TimerTick();
  void Timer1TimerInit();
  void Timer1Timer();
  // The part of a tick after the processor loop: the slice's carry, the
  // screen, the panels, the caption and the debugger.
  void FinishTick();
  // From inside the processor loop when a recording needs its file name.
  void CassetteSaveDialog();
  // For runs without a real timer (the headless runner, tests): take the
  // calibration's result for a host whose ticks come on time.
  void AssumeTimerOnTime();
  void SetTurbo(Turbo turbo);
  void SetPaused(bool paused) { scheduler.Paused = paused; }
  void SetFastTape(bool on) { scheduler.fastTape = on; }

  // ---- Owned state ----
  Machine machine;
  CpuState cpu;
  SchedulerState scheduler;
  KeyboardLayout layout = KeyboardLayout::HU;
  KeyQueue keys;
  RomRegistry roms;
  Display display;
  DiskDrives drives;
  Fdc fdc{drives};
  CassetteDeck cassette;
  SoundGenerator soundGenerator;
  TextInput textInput;
  // A file named on the command line, started after the calibration.
  std::string commandLineFile;

 private:
  struct DefaultHosts {
    WindowHost window;
    PanelPresenter panels;
    TimerHost timer;
    DialogHost dialogs;
    SteadyClock clock;
    PaperHost paper;
    DebuggerWindow debugger;
    WaveDevice wave;
  };
  static EmulatorHosts Resolve(EmulatorHosts given, DefaultHosts& defaults);

  template <typename DeviceRead, typename KeyboardLook>
  uint8_t DecodeRead(uint16_t address, DeviceRead device, KeyboardLook looked) const;
  uint8_t ReadDeviceArea(uint16_t address);
  uint8_t PeekDeviceArea(uint16_t address) const;
  void WriteDeviceArea(uint16_t address, uint8_t value);
  uint8_t ReadKeyboard(uint16_t address) const;
  void CopyRom(std::string_view name, uint16_t start, size_t size);
  void LoadCharacterGenerator(const ModelInfo& model);
  void RunProcessorLoop();
  void RunProcessorLoop(double speedFactor);
  void CarryOvershoot(double speedFactor);
  bool FastTapeApplies() const;
  void RunFastTape();
  bool MustWatchEveryStep() const;
  int RunUntilDue(int due);
  int RunWatched(int due);
  int RunWithMotor(int due);
  void CatchUpCassette();
  void CatchUpSoundGenerator(int running);
  // After a run of `run` T-states: its generator steps wait, unless a step
  // was as long as the generator's own (FollowLongStep).
  void CountSoundGeneratorTStates(int run) {
    if (!generatorBehind_ && machine.StepTStates < SoundGenerator::kStepTStates) [[likely]] {
      generatorPending_ += run;
      return;
    }
    FollowLongStep(run);
  }
  void FollowLongStep(int run);
  void LeaveProcessorLoop();
  // The T-states of the steps of the run under way that have ended.
  int RunDone() const { return runDue_ - runLeft_; }
  // A device changed what the run was planned from: it ends after this step.
  void EndRunAfterThisStep() {
    runDue_ -= runLeft_;
    runLeft_ = 0;
  }
  void ArmBreakpoints();
  void StartCommandLineFile();
  void UpdateSpeedDisplay();
  MachineMemory Memory() const { return MachineMemory(machine.memory); }

  DefaultHosts defaults_;
  EmulatorHosts hosts_;
  EmulatorDebugTarget debugTarget_{*this};
  std::array<uint8_t, 65536> breakpointMap_{};
  std::array<int, kBreakpointCount> armedBreakpoints_{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  bool anyBreakpointArmed_ = false;
  // The run's length and the T-states left of it; a device that must be
  // watched step by step from now on ends it (EndRunAfterThisStep).
  int runDue_ = 0, runLeft_ = 0;
  // While RunWithMotor runs: the steps done, and how much of the run the
  // recorder has been given.
  bool motorRun_ = false;
  int runSteps_ = 0, motorDoneTStates_ = 0, motorDoneSteps_ = 0;
  // While the processor loop runs: the T-states whose sound generator steps
  // wait, and whether it owes steps that the one-by-one loop takes one an
  // instruction (see FollowLongStep).
  int generatorPending_ = 0;
  bool generatorBehind_ = false;

 public:
  // After the hosts, which it uses.
  Printer printer;
  DisplayCassettePanel cassettePanel;
  // The debugger's model: its views, commands and the stop, step and
  // breakpoint switches it shares with the scheduler.
  DebuggerModel debugger;
  SoundOutput sound;

  // One sound sample from the port level, the drives and the generator.
  void ProduceSoundSample() {
    sound.ProduceSoundSample(cassette.OutputLevel(), fdc.NotReady() == 0, fdc.TakeStepClick(),
                             soundGenerator.OutputLevel());
  }
};

}  // namespace quillor

#include "machine/emulator_bus.h"
