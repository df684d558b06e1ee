// Start-up, the model switches, reset and NMI.
#include <algorithm>

#include "cpu/cpu_control.h"
#include "machine/emulator.h"
#include "resources/embedded_resources.h"

namespace quillor {
namespace {

constexpr uint16_t kMainRomStart = 0x0000;
constexpr size_t kMainRomSize = 12288;
constexpr uint16_t kSecondRomStart = 0x3000;
constexpr size_t kSecondRomSize = 2048;
// An absent image reads like an empty EPROM socket.
constexpr uint8_t kEmptyRom = 0xFF;

}  // namespace

EmulatorHosts Emulator::Resolve(EmulatorHosts given, DefaultHosts& defaults) {
  return EmulatorHosts{
      given.window ? given.window : &defaults.window,       given.panels ? given.panels : &defaults.panels,
      given.timer ? given.timer : &defaults.timer,          given.dialogs ? given.dialogs : &defaults.dialogs,
      given.clock ? given.clock : &defaults.clock,          given.paper ? given.paper : &defaults.paper,
      given.debugger ? given.debugger : &defaults.debugger, given.wave ? given.wave : &defaults.wave,
  };
}

Emulator::Emulator(EmulatorHosts hosts)
    : hosts_(Resolve(hosts, defaults_)),
      printer(*hosts_.paper),
      cassettePanel(display, *hosts_.panels),
      debugger(debugTarget_, *hosts_.debugger, FindEmbeddedResource("FIXEDSYS")),
      sound(*hosts_.wave) {}

void Emulator::CopyRom(std::string_view name, uint16_t start, size_t size) {
  const auto image = roms.Find(name);
  const size_t n = std::min(image.size(), size);
  std::copy_n(image.begin(), n, machine.memory.begin() + start);
  std::fill(machine.memory.begin() + start + n, machine.memory.begin() + start + size, kEmptyRom);
}

void Emulator::LoadCharacterGenerator(const ModelInfo& model) {
  const auto variant = static_cast<GeneratorVariant>(model.characterVariant);
  display.text.LoadCharacterGenerator(roms.Find(model.characterGenerator), variant);
}

void Emulator::FormCreate() {
  hosts_.window->SetCaption(kMainCaption);
  // Border pattern, the first character generator, recorder sheet and bars.
  display.Start();
  LoadCharacterGenerator(kModels[0]);
  ResetMachine();
  machine.memory.fill(0);
  display.presentation.ScreenChanged = false;
  scheduler.FrameTStates = scheduler.SampleTStates = scheduler.InterruptTStates = 0;
  CopyRom(kModels[0].mainRom, kMainRomStart, kMainRomSize);
  CopyRom(kModels[0].secondRom, kSecondRomStart, kSecondRomSize);
  if (!sound.Start(FindEmbeddedResource("DSKSND")))
    hosts_.dialogs->ShowMessage(kSoundNotInitialized, MessageKind::Warning);
  std::fill_n(machine.memory.begin() + kVideoStart, kVideoSize, 0x20);
}

void Emulator::FinishStartUp(int savedModel) {
  machine.model = -1;
  if (ValidModel(savedModel)) {
    SetModel(savedModel);
  } else {
    // What the start-up set loaded is the default model's ROM set.
    machine.model = kDefaultModel;
  }
  scheduler.lastTickTime = hosts_.clock->Milliseconds();
  scheduler.speed = 50.0;
  scheduler.tickCount = 0;
  scheduler.calibrated = false;
  hosts_.timer->Start();
}

void Emulator::SetModel(int model) {
  if (!ValidModel(model)) return;
  const ModelInfo& next = kModels[model];
  machine.UpperMemoryPresent = next.upperMemoryAlways || display.colourBoard.Enabled();
  const bool sameFamily = ValidModel(machine.model) && kModels[machine.model].family == next.family;
  if (!sameFamily) {
    CopyRom(next.mainRom, kMainRomStart, kMainRomSize);
    CopyRom(next.secondRom, kSecondRomStart, kSecondRomSize);
    LoadCharacterGenerator(next);
    display.SetColors(Memory(), *hosts_.panels);
    ResetMachine();
  }
  machine.model = model;
}

void Emulator::ResetMachine() {
  ResetCpu(cpu);
  soundGenerator.Mute();
}

void Emulator::TriggerNmi() {
  // The stack writes count toward no step: the next step starts from 0.
  TriggerCpuNmi(cpu, *this);
  soundGenerator.Mute();
}

}  // namespace quillor
