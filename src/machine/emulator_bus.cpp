#include "machine/emulator.h"

namespace quillor {

namespace {

bool IsFdcRegister(uint16_t address) { return address == 0x37E1 || (address >= 0x37EC && address <= 0x37EF); }

}  // namespace

uint8_t Emulator::ReadDeviceArea(uint16_t address) {
  // Reading the latch acknowledges the interrupt; the controller's data
  // register hands its byte over.
  if (address == 0x37E0) {
    const uint8_t latch = machine.interruptLatch;
    machine.interruptLatch = 0;
    return latch;
  }
  if (IsFdcRegister(address)) return fdc.FdcRegisterRead(address);
  return PeekDeviceArea(address);
}

uint8_t Emulator::PeekDeviceArea(uint16_t address) const {
  if (address == 0x37E0) return machine.interruptLatch;
  if (IsFdcRegister(address)) return fdc.PeekRegister(address);
  switch (address) {
    case 0x37E8: return Printer::kReadyStatus;
    default: return 0xFF;
  }
}

void Emulator::WriteDeviceArea(uint16_t address, uint8_t value) {
  switch (address) {
    case 0x37E1:
    case 0x37EC:
    case 0x37ED:
    case 0x37EE:
    case 0x37EF: fdc.FdcRegisterWrite(address, value); break;
    case 0x37E8: printer.PrintCharacter(value); break;
    default: break;
  }
}

}  // namespace quillor
