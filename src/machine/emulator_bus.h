// The processor's bus: every address and port of the machine, decoded by
// range tests with direct indexing into the memory image. Included at the end
// of emulator.h; the device area (0x3780-0x37FF) is out of line in
// emulator_bus.cpp since it is rare and calls into the devices.
#pragma once

namespace quillor {

inline constexpr uint16_t kDeviceAreaStart = 0x3780;
inline constexpr uint16_t kKeyboardStart = 0x3800;
inline constexpr uint16_t kRamStart = 0x4000;
inline constexpr uint16_t kUpperRamStart = 0x8000;

// Memory, video and keyboard read alike for the processor and the peek; only
// the device area differs, which device() reads, and the processor's look at
// the keyboard rows is noted (looked()).
template <typename DeviceRead, typename KeyboardLook>
inline uint8_t Emulator::DecodeRead(uint16_t address, DeviceRead device, KeyboardLook looked) const {
  if (address < kDeviceAreaStart) return machine.memory[address];
  if (address >= kRamStart) {
    if (address < kUpperRamStart || machine.UpperMemoryPresent) return machine.memory[address];
    return 0xFF;
  }
  if (address >= kVideoStart) {
    // The video RAM of the 7-bit models has no bit 6 for codes below 0x20:
    // they read back with it set. The stored byte keeps its value.
    const uint8_t v = machine.memory[address];
    return (v < 0x20 && machine.model != kModelSixtyFour) ? static_cast<uint8_t>(v + 0x40) : v;
  }
  if (address >= kKeyboardStart) {
    looked();
    return ReadKeyboard(address);
  }
  return device(address);
}

[[gnu::always_inline]] inline uint8_t Emulator::ReadMemory(uint16_t address, int tstates) {
  machine.StepTStates += tstates;
  // The key queue times its changes from the machine's look at the keys.
  return DecodeRead(
      address, [this](uint16_t a) { return ReadDeviceArea(a); }, [this] { keys.NoteRead(); });
}

inline uint8_t Emulator::PeekMemory(uint16_t address) const {
  return DecodeRead(
      address, [this](uint16_t a) { return PeekDeviceArea(a); }, [] {});
}

inline uint8_t Emulator::ReadKeyboard(uint16_t address) const {
  // Each of address bits 0-7 selects one row; the rows selected are ORed.
  uint8_t value = 0;
  for (int row = 0; row < 8; ++row) {
    if (address & (1 << row)) value |= machine.KeyboardMatrix[row];
  }
  return value;
}

inline void Emulator::WriteMemory(uint16_t address, uint8_t value, int tstates) {
  machine.StepTStates += tstates;
  if (address >= kRamStart) {
    // A 16K machine stores the byte although it reads back 0xFF.
    machine.memory[address] = value;
    if (address >= kUpperRamStart && display.colourBoard.ColourBoardDisplay()) {
      display.colourBoard.HiresWrite(address, machine.memory.data());
    }
  } else if (address >= kVideoStart) {
    uint8_t& cell = machine.memory[address];
    if (cell != value) {
      cell = value;
      machine.VideoDirtyMap[address - kVideoStart] = 1;
    }
  } else if (address > 0x37E0 && address < 0x37F0) {
    WriteDeviceArea(address, value);
  }
}

inline uint8_t Emulator::ReadPort(uint16_t port) {
  switch (port) {
    case 0x13: keys.NoteRead(); return machine.joystick;
    case 0x1E: CatchUpSoundGenerator(RunDone()); return soundGenerator.ReadRegister();
    case 0x1F: return soundGenerator.SelectedRegister();
    case 0xFD: return Printer::kReadyStatus;
    case 0xFF: CatchUpCassette(); return cassette.CassettePortRead();
    default:
      if (port <= 0xFF && ColourBoard::HandlesPort(static_cast<uint8_t>(port))) {
        return display.colourBoard.ReadPort(static_cast<uint8_t>(port));
      }
      return 0xFF;
  }
}

inline void Emulator::WritePort(uint16_t port, uint8_t value) {
  const auto low = static_cast<uint8_t>(port);
  switch (low) {
    case 0x1E:
      CatchUpSoundGenerator(RunDone());
      soundGenerator.WriteRegister(value);
      break;
    case 0x1F: soundGenerator.SelectRegister(value); break;
    case 0xFD: printer.PrintCharacter(value); break;
    case 0xFF:
      CatchUpCassette();
      cassette.CassettePortWrite(value);
      // The recorder's state changed: the run ends after this step, so that
      // the next one is planned from it.
      if (cassette.Motor()) EndRunAfterThisStep();
      break;
    default:
      if (ColourBoard::HandlesPort(low)) {
        display.colourBoard.WritePort(low, value, machine.VideoDirtyMap);
      }
      break;
  }
}

}  // namespace quillor
