#include "machine/emulator.h"

namespace quillor {

uint8_t Emulator::ReadDeviceArea(uint16_t address, bool peek) {
  switch (address) {
    case 0x37E0: {
      const uint8_t latch = machine.interruptLatch;
      if (!peek) machine.interruptLatch = 0;
      return latch;
    }
    case 0x37E1:
    case 0x37EC:
    case 0x37ED:
    case 0x37EE:
    case 0x37EF:
      return fdc.FdcRegisterRead(address, peek);
    case 0x37E8:
      return Printer::kReadyStatus;
    default:
      return 0xFF;
  }
}

void Emulator::WriteDeviceArea(uint16_t address, uint8_t value) {
  switch (address) {
    case 0x37E1:
    case 0x37EC:
    case 0x37ED:
    case 0x37EE:
    case 0x37EF:
      fdc.FdcRegisterWrite(address, value);
      break;
    case 0x37E8:
      printer.PrintCharacter(value);
      break;
    default:
      break;
  }
}

}  // namespace quillor
